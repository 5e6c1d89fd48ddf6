# Tests of the operation and zone dialogs.
