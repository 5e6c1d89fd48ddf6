# Operation dialog, zone dialog and their checks (duvt_checks: no Widgets; duvt_dialogs: Widgets).
add_library(duvt_checks STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/EditOpCheck.cpp ${CMAKE_CURRENT_SOURCE_DIR}/EditOpCheck.h
    ${CMAKE_CURRENT_SOURCE_DIR}/LeadingInt.cpp ${CMAKE_CURRENT_SOURCE_DIR}/LeadingInt.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ZoneCheck.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ZoneCheck.h
)
target_include_directories(duvt_checks PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_checks PUBLIC Qt6::Core duvt_model duvt_warnings)

add_library(duvt_dialogs STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Cp1251Validator.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Cp1251Validator.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TEditOpForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TEditOpForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TZoneForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TZoneForm.h
)
target_include_directories(duvt_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_dialogs PUBLIC Qt6::Widgets duvt_checks duvt_messages duvt_model
    duvt_warnings)
