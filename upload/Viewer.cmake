# The send-array viewer TVarForm (duvt_varform, Widgets).
add_library(duvt_varform STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/TVarForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TVarForm.h
)
target_include_directories(duvt_varform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_varform PUBLIC duvt_upload duvt_messages Qt6::Widgets)
