# Tests of the setup protocol.
duvt_add_test(test_protocollines
    SOURCES ProtocolLinesTest.cpp
    LIBS duvt_protocol)
duvt_add_test(test_protocolpdf GUI
    SOURCES ProtocolPdfTest.cpp
    LIBS duvt_protocol)
duvt_add_test(test_protocolforms GUI
    SOURCES THeaderFormTest.cpp TPrintFormTest.cpp
    LIBS duvt_protocolforms)
