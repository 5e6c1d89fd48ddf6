# Shared compile settings: every target of ours links duvt_warnings.
add_library(duvt_warnings INTERFACE)
target_compile_options(duvt_warnings INTERFACE -Wall -Wextra)
target_compile_definitions(duvt_warnings INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_NO_KEYWORDS)
if(DUVT_SANITIZE)
    target_compile_options(duvt_warnings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(duvt_warnings INTERFACE -fsanitize=address,undefined)
endif()
