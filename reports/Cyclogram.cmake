# Cyclogram painter (duvt_cyclogram: Gui, no Widgets) and TCyclForm (duvt_cyclform: Widgets).
add_library(duvt_cyclogram STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/CyclogramPainter.cpp ${CMAKE_CURRENT_SOURCE_DIR}/CyclogramPainter.h
)
target_include_directories(duvt_cyclogram PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_cyclogram PUBLIC duvt_model Qt6::Gui duvt_warnings)

add_library(duvt_cyclform STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/TCyclForm.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TCyclForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TCyclPaintBox.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TCyclPaintBox.h
)
target_include_directories(duvt_cyclform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(duvt_cyclform PUBLIC duvt_cyclogram duvt_messages Qt6::Widgets)
