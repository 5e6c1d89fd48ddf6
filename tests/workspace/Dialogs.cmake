# Tests of the operation and zone dialogs.
duvt_add_test(test_checks
    SOURCES LeadingIntTest.cpp EditOpCheckTest.cpp ZoneCheckTest.cpp CheckTestSupport.h
    LIBS duvt_checks)
duvt_add_test(test_dialogs GUI
    SOURCES EditOpDialogTest.cpp ZoneDialogTest.cpp DialogTestSupport.h
    LIBS duvt_dialogs)
