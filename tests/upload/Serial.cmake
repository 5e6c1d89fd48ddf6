# Tests of the serial transfer against the simulated controller.
duvt_add_test(test_serial
    SOURCES UploadWarningTest.cpp PortNamesTest.cpp
    LIBS duvt_serial)
duvt_add_test(test_uploadtransfer_script
    SOURCES UploadTransferScriptTest.cpp CoreApplication.cpp ScriptedLine.h UploadTestSupport.h
    LIBS duvt_serial)
if(TARGET duvt_simulator)
    duvt_add_test(test_uploadtransfer
        SOURCES UploadTransferTest.cpp CoreApplication.cpp UploadTestSupport.h
        LIBS duvt_serial duvt_simulator)
    duvt_add_test(test_sendform GUI
        SOURCES TSendFormTest.cpp UploadTestSupport.h
        LIBS duvt_sendform duvt_simulator)
endif()
# The upload from the main window, with its settings file: the whole workstation.
if(TARGET duvt_simulator AND TARGET duvt_workspace)
    duvt_add_test(test_upload_mainwindow GUI
        SOURCES MainWindowUploadTest.cpp UploadTestSupport.h
        LIBS duvt_workspace duvt_simulator)
endif()
if(TARGET duvt_simulator AND TARGET duvt-cli)
    duvt_add_test(test_cli_upload
        SOURCES CliUploadTest.cpp UploadTestSupport.h
        LIBS duvt_serial duvt_simulator)
    add_dependencies(test_cli_upload duvt-cli)
endif()
