# Tests of the cyclogram. The painter draws text, which needs a GUI application object.
duvt_add_test(test_cyclogram GUI
    SOURCES CyclogramPainterTest.cpp CyclogramTestPrograms.h
    LIBS duvt_cyclogram)
duvt_add_test(test_cyclform GUI
    SOURCES TCyclFormTest.cpp CyclogramTestPrograms.h
    LIBS duvt_cyclform)
# duvt-cli's cyclogram subcommand, run as a separate process.
duvt_add_test(test_cyclogram_cli GUI
    SOURCES CyclogramCliTest.cpp CyclogramTestPrograms.h
    LIBS duvt_cyclogram)
add_dependencies(test_cyclogram_cli duvt-cli)
