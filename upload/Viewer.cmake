# The send-array viewer TVarForm (duvt_varform, Widgets).
