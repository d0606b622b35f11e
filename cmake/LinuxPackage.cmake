# A desktop install: the program, its menu entry, its AppStream record and its icon at
# every size in the hicolor theme (the same artwork as the window icon).
include(GNUInstallDirs)
install(TARGETS baritemp baritemp-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    install(FILES resources/linux/example.quorzen.Baritemp.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES resources/linux/example.quorzen.Baritemp.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The command's manual page, compressed as Debian keeps them.
    set(manual ${PROJECT_BINARY_DIR}/baritemp-convert.1.gz)
    add_custom_command(OUTPUT ${manual}
        COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/resources/linux/baritemp-convert.1 > ${manual}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/linux/baritemp-convert.1 VERBATIM)
    add_custom_target(baritemp_convert_manual ALL DEPENDS ${manual})
    install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES resources/images/icon_${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME baritemp.png)
    endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME baritemp)
set(CPACK_PACKAGE_VENDOR "${BARITEMP_COMPANY}")
set(CPACK_PACKAGE_CONTACT "Quorzen <support@quorzen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pressure and temperature unit converter")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins")
include(CPack)
