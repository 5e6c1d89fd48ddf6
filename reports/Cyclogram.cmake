# Cyclogram painter (duvt_cyclogram: Gui, no Widgets) and TCyclForm (duvt_cyclform: Widgets).
