# Tests of the main window and program windows.
duvt_add_test(test_workspace_logic
    SOURCES WorkspaceLogicTest.cpp
    LIBS duvt_workspace_logic)
duvt_add_test(test_workspace GUI
    SOURCES MainFormTest.cpp ProgramWindowTest.cpp StartupTest.cpp WorkspaceTestSupport.h
        DialogTestSupport.h
    LIBS duvt_workspace)
