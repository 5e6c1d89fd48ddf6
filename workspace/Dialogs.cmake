# Operation dialog, zone dialog and their checks (duvt_checks: no Widgets; duvt_dialogs: Widgets).
