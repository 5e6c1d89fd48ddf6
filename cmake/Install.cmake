# Install rules and the Debian package. Included last from the top-level CMakeLists.txt, when every
# target exists; targets that may be missing (duvt-sim is Linux only) are checked by name.
#
# Build a package from its own Release configuration, never from the sanitized test build:
#   packaging/build-package.sh [BUILD_DIR]   (the packaging test does this)

include(GNUInstallDirs)

set(DUVT_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(DUVT_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# ---- programs and help

# Every install rule of the project is in this file: it is the one list of what the package holds.
set(DUVT_INSTALLED_PROGRAMS duvt duvt-cli)
if(TARGET duvt-sim)
    list(APPEND DUVT_INSTALLED_PROGRAMS duvt-sim)
endif()
install(TARGETS ${DUVT_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The workstation looks for its help pages beside itself, then in ../share/duvt/help.
install(FILES ${CMAKE_SOURCE_DIR}/workspace/help/index1.htm ${CMAKE_SOURCE_DIR}/workspace/help/index2.htm
        DESTINATION ${CMAKE_INSTALL_DATADIR}/duvt/help)

# Qt's Russian texts (qtbase_ru.qm) are not installed here: the workstation loads them from Qt's
# own translations folder, which the qt6-translations-l10n package fills for the Qt it runs on.

# ---- desktop integration: icon, menu entry, document type

set(DUVT_ICON_SIZES 16 22 24 32 48 64 128 256)
install(FILES ${DUVT_PACKAGING_DIR}/duvt.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

find_program(DUVT_RSVG_CONVERT rsvg-convert)
set(DUVT_PACKAGING_FILES)
if(DUVT_RSVG_CONVERT)
    foreach(size ${DUVT_ICON_SIZES})
        set(png ${DUVT_PACKAGING_OUT}/icons/${size}x${size}/duvt.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${DUVT_PACKAGING_OUT}/icons/${size}x${size}
            COMMAND ${DUVT_RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                    ${DUVT_PACKAGING_DIR}/duvt.svg
            DEPENDS ${DUVT_PACKAGING_DIR}/duvt.svg
            COMMENT "Icon ${size}x${size}")
        list(APPEND DUVT_PACKAGING_FILES ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: only the scalable icon is installed")
endif()

install(FILES ${DUVT_PACKAGING_DIR}/duvt.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DUVT_PACKAGING_DIR}/duvt-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME duvt.xml)

# ---- Debian documentation: copyright, changelog and manual pages, compressed as Debian wants
# (gzip -9n: no name or time stamp inside, so the same sources give the same package).

find_program(DUVT_GZIP gzip)
set(DUVT_MANUAL_PAGES duvt duvt-cli)
if(TARGET duvt-sim)
    list(APPEND DUVT_MANUAL_PAGES duvt-sim)
endif()
if(DUVT_GZIP)
    add_custom_command(
        OUTPUT ${DUVT_PACKAGING_OUT}/changelog.Debian.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${DUVT_PACKAGING_OUT}
        COMMAND ${DUVT_GZIP} -9nc ${DUVT_PACKAGING_DIR}/changelog > ${DUVT_PACKAGING_OUT}/changelog.Debian.gz
        DEPENDS ${DUVT_PACKAGING_DIR}/changelog
        COMMENT "Debian changelog"
        VERBATIM)
    list(APPEND DUVT_PACKAGING_FILES ${DUVT_PACKAGING_OUT}/changelog.Debian.gz)
    install(FILES ${DUVT_PACKAGING_OUT}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    foreach(page ${DUVT_MANUAL_PAGES})
        add_custom_command(
            OUTPUT ${DUVT_PACKAGING_OUT}/${page}.1.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${DUVT_PACKAGING_OUT}
            COMMAND ${DUVT_GZIP} -9nc ${DUVT_PACKAGING_DIR}/${page}.1 > ${DUVT_PACKAGING_OUT}/${page}.1.gz
            DEPENDS ${DUVT_PACKAGING_DIR}/${page}.1
            COMMENT "Manual page ${page}(1)"
            VERBATIM)
        list(APPEND DUVT_PACKAGING_FILES ${DUVT_PACKAGING_OUT}/${page}.1.gz)
        install(FILES ${DUVT_PACKAGING_OUT}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "gzip not found: no changelog or manual pages are installed")
endif()
install(FILES ${DUVT_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${DUVT_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME duvt)

add_custom_target(duvt_packaging_files ALL DEPENDS ${DUVT_PACKAGING_FILES})

# ---- the Debian package

set(DUVT_PACKAGE_MAINTAINER "Разработчики ДУВ Технолога <duvt@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duvt)
set(CPACK_PACKAGE_VENDOR "ДУВ Технолога")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DUVT_PACKAGE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The release must follow the top entry of packaging/changelog (the packaging test compares them).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DUVT_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workstation for the technologist of a tyre vulcanizing press")
# The summary goes first by itself; CPack indents these lines and turns the empty one into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Edits the programs of the КРЖ timer controller (4 or 12 channels) of a tyre
vulcanizing press, keeps them in .dv3 documents, uploads them to the
controller over a serial port and checks the copy read back, shows a program
as a cyclogram and prints the setup protocol.

Рабочее место технолога вулканизатора-форматора: программы контроллера КРЖ,
документы .dv3, загрузка в контроллер по последовательному порту со сверкой
считанной копии, циклограмма и протокол настройки. В пакете также duvt-cli
для сервисных работ и имитатор контроллера duvt-sim.")

# Libraries the programs link come from dpkg-shlibdeps, with the versions they were built
# against. Listed by hand is what is loaded at run time and never linked: the platform plugins
# (a window needs one), Qt's Russian texts and the protocol's fixed-pitch font.
set(DUVT_RUNTIME_PACKAGES qt6-qpa-plugins qt6-translations-l10n fonts-liberation)
find_program(DUVT_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DUVT_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    list(PREPEND DUVT_RUNTIME_PACKAGES libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6
         libqt6widgets6 libqt6printsupport6 libqt6serialport6)
endif()
list(JOIN DUVT_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
