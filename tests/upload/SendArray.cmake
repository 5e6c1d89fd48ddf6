# Tests of the send array, its listing and the viewer.
duvt_add_test(test_sendarray
    SOURCES SendArrayTest.cpp
    LIBS duvt_upload)
duvt_add_test(test_varform GUI
    SOURCES TVarFormTest.cpp
    LIBS duvt_varform)
