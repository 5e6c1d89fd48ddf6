# Protocol lines (duvt_protocol: Core/Gui, no Widgets), PDF, TPrintForm and THeaderForm (duvt_protocolforms).
add_library(duvt_protocol STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolLines.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolLines.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolPainter.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolPainter.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolPdf.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ProtocolPdf.h
)
target_include_directories(duvt_protocol PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_protocol PUBLIC duvt_model Qt6::Gui)

# The print preview and the header dialog.
add_library(duvt_protocolforms STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/TPrintForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TPrintForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/THeaderForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/THeaderForm.h
)
target_include_directories(duvt_protocolforms PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_protocolforms PUBLIC duvt_protocol duvt_messages Qt6::Widgets Qt6::PrintSupport)
