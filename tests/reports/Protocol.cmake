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
# duvt-cli's protocol subcommand, run as a separate process.
duvt_add_test(test_protocol_cli GUI
    SOURCES ProtocolCliTest.cpp
    LIBS duvt_protocol)
add_dependencies(test_protocol_cli duvt-cli)
