# Tests of the main window and program windows.
