add_executable(duvt main.cpp)
target_link_libraries(duvt PRIVATE duvt_messages duvt_model duvt_upload Qt6::Widgets)
