# Serial layer and transfer (duvt_serial: SerialPort, no Widgets), TSendForm (duvt_sendform), simulator (duvt-sim).
add_library(duvt_serial STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/PortNames.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PortNames.h
    ${CMAKE_CURRENT_SOURCE_DIR}/SerialLine.h
    ${CMAKE_CURRENT_SOURCE_DIR}/SerialPortLine.cpp ${CMAKE_CURRENT_SOURCE_DIR}/SerialPortLine.h
    ${CMAKE_CURRENT_SOURCE_DIR}/UploadOutcome.cpp ${CMAKE_CURRENT_SOURCE_DIR}/UploadOutcome.h
    ${CMAKE_CURRENT_SOURCE_DIR}/UploadTransfer.cpp ${CMAKE_CURRENT_SOURCE_DIR}/UploadTransfer.h
    ${CMAKE_CURRENT_SOURCE_DIR}/UploadWarning.cpp ${CMAKE_CURRENT_SOURCE_DIR}/UploadWarning.h
)
target_include_directories(duvt_serial PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_serial PUBLIC duvt_upload Qt6::Core Qt6::SerialPort duvt_warnings)

# The upload dialog. Message boxes come from workspace/ (duvt_messages).
add_library(duvt_sendform STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/TSendForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TSendForm.h
)
target_include_directories(duvt_sendform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_sendform PUBLIC duvt_serial duvt_varform duvt_messages Qt6::Widgets)

# The simulated controller serves a pseudo-terminal: Linux only. duvt_simulator is what the tests
# and the benchmark run in-process; duvt-sim serves a terminal for trying the workstation.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    find_package(Threads REQUIRED)
    add_library(duvt_simulator STATIC
        ${CMAKE_CURRENT_SOURCE_DIR}/simulator/ControllerSimulator.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/simulator/ControllerSimulator.h
    )
    target_include_directories(duvt_simulator PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/simulator)
    target_link_libraries(duvt_simulator PUBLIC Threads::Threads util duvt_warnings)

    add_executable(duvt-sim ${CMAKE_CURRENT_SOURCE_DIR}/simulator/main.cpp)
    target_link_libraries(duvt-sim PRIVATE duvt_simulator Qt6::Core)
endif()
