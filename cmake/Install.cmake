# What `cmake --install` puts under the prefix, and the Debian package `cpack -G DEB` makes of it.
include(GNUInstallDirs)

set(QRT_APP_ID local.qrt506.Programmer)
set(QRT_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS qrt506 qrt506-cli qrt506-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The shipped files: an installed program copies them into the user's own folder at its first start.
install(FILES ${PROJECT_SOURCE_DIR}/data/holvard.def ${PROJECT_SOURCE_DIR}/data/dhcpqec.def
              ${PROJECT_SOURCE_DIR}/data/DefRadioSet.def
        DESTINATION ${CMAKE_INSTALL_DATADIR}/qrt506)

install(FILES ${QRT_PACKAGING}/${QRT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QRT_PACKAGING}/${QRT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QRT_PACKAGING}/${QRT_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${QRT_APP_ID}.xml)
install(FILES ${QRT_PACKAGING}/icons/${QRT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${QRT_PACKAGING}/icons/${QRT_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${QRT_APP_ID}.png)
endforeach()

foreach(page qrt506.1 qrt506-cli.1 qrt506-sim.1)
    set(VERSION ${PROJECT_VERSION})
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_PACKAGE_NAME qrt506)
set(CPACK_PACKAGE_VENDOR "The QRT506 Programmer developers")
set(CPACK_PACKAGE_CONTACT "The QRT506 Programmer developers <qrt506@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for QRT506 two-way radios")
set(CPACK_PACKAGE_DESCRIPTION "Reads, edits and writes the channels and options of QRT506 handheld radios \
over a serial programming cable, and keeps configurations in data files. With a command-line tool and a \
radio emulator.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY qrt506)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/qrt506")
include(CPack)
