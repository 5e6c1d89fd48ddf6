# The main window, program windows, about box, help and the entry point.

# Titles, slot moves and the settings file: no Widgets.
add_library(duvt_workspace_logic STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Captions.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Captions.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ProgramSlots.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ProgramSlots.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Settings.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Settings.h
)
target_include_directories(duvt_workspace_logic PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_workspace_logic PUBLIC Qt6::Core duvt_model duvt_warnings)

add_library(duvt_workspace STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/TAboutBox.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TAboutBox.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TMainForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TMainForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TMDIChild.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TMDIChild.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Startup.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Startup.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ToolIcons.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ToolIcons.h
)
target_include_directories(duvt_workspace PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_workspace PUBLIC
    Qt6::Widgets duvt_workspace_logic duvt_dialogs duvt_messages duvt_model duvt_upload
    duvt_varform duvt_sendform duvt_serial duvt_cyclform duvt_protocolforms duvt_warnings)

# The help pages go beside the executable, where the help commands look first (installed, they go
# to share/duvt/help, where the commands look next: cmake/Install.cmake).
set(DUVT_HELP_PAGES
    ${CMAKE_CURRENT_SOURCE_DIR}/help/index1.htm
    ${CMAKE_CURRENT_SOURCE_DIR}/help/index2.htm
)
set(DUVT_HELP_COPIES)
foreach(page ${DUVT_HELP_PAGES})
    get_filename_component(name ${page} NAME)
    add_custom_command(
        OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
        DEPENDS ${page}
        COMMENT "Help page ${name}")
    list(APPEND DUVT_HELP_COPIES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
endforeach()
add_custom_target(duvt_help ALL DEPENDS ${DUVT_HELP_COPIES})
add_dependencies(duvt_workspace duvt_help)

# The workstation.
add_executable(duvt ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(duvt PRIVATE duvt_workspace Qt6::Widgets)
