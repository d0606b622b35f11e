# The Windows program with everything it needs beside it, in one folder: baritemp.exe, the
# console command baritemp-convert.exe, Qt's libraries, the platforms/, styles/ and
# imageformats/ plugins and the MinGW runtime, all stripped. The MSI is made from it with the
# build; `cpack` makes the zip (baritemp-<version>-win64.zip) and the NSIS installer.

include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)

# The stripped deployment folder, made with the program.
set(deploy ${PROJECT_BINARY_DIR}/deploy)
set(BARITEMP_WINDOWS_DEPLOY ${deploy})
set(strip x86_64-w64-mingw32-strip)
set(deploy_commands
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${deploy}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${deploy}/platforms ${deploy}/styles
            ${deploy}/imageformats
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:baritemp> $<TARGET_FILE:baritemp-convert>
            ${deploy}/)
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets)
    list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${library}>
         ${deploy}/)
endforeach()
foreach(file IN LISTS BARITEMP_MINGW_RUNTIME)
    list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy ${file} ${deploy}/)
endforeach()
list(APPEND deploy_commands
     COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
             ${deploy}/platforms/
     COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
             ${deploy}/styles/)
foreach(plugin Qt6::QICOPlugin Qt6::QGifPlugin)
    if(TARGET ${plugin})
        list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${plugin}>
             ${deploy}/imageformats/)
    endif()
endforeach()
add_custom_target(windows_deploy ALL
    ${deploy_commands}
    COMMAND sh -c "cd '${deploy}' && ${strip} --strip-unneeded *.exe *.dll */*.dll"
    DEPENDS baritemp baritemp-convert
    COMMENT "The program and what it needs, stripped, in deploy/"
    VERBATIM)

# The MSI (baritemp-<version>-win64.msi), for deployment by Group Policy, Intune or Configuration
# Manager: wixl (Debian's wixl package) builds resources/windows/baritemp.wxs with the deploy
# folder. Windows Installer takes at most 255 for a version's first number: the package's
# version is the program's with its year counted from 2000 (2011.1.2.0 is 11.1.2): the order
# of versions is kept.
find_program(BARITEMP_WIXL wixl REQUIRED)
math(EXPR msi_major "${PROJECT_VERSION_MAJOR} - 2000")
# wixl finds the files a package source names relative to the source's own folder only.
set(wxs_folder ${PROJECT_SOURCE_DIR}/resources/windows)
file(RELATIVE_PATH msi_deploy ${wxs_folder} ${deploy})
set(BARITEMP_MSI ${PROJECT_BINARY_DIR}/baritemp-${PROJECT_VERSION}-win64.msi)
add_custom_target(windows_msi ALL
    COMMAND ${BARITEMP_WIXL} -a x64 -D DeployDir=${msi_deploy}
            -D Version=${msi_major}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}
            -D FullVersion=${PROJECT_VERSION}
            -D IconFile=../images/baritemp.ico -o ${BARITEMP_MSI} ${wxs_folder}/baritemp.wxs
    DEPENDS windows_deploy
    COMMENT "The MSI: baritemp-${PROJECT_VERSION}-win64.msi"
    VERBATIM)

install(DIRECTORY ${deploy}/ DESTINATION . USE_SOURCE_PERMISSIONS)

set(CPACK_PACKAGE_NAME baritemp)
set(CPACK_PACKAGE_VENDOR "${BARITEMP_COMPANY}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pressure and temperature unit converter")
set(CPACK_PACKAGE_FILE_NAME baritemp-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The installer: a Start-menu shortcut "Baritemp", an uninstaller, per user or per machine as
# NSIS asks by default.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Baritemp)
set(CPACK_PACKAGE_EXECUTABLES baritemp Baritemp)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Baritemp)
set(CPACK_NSIS_DISPLAY_NAME Baritemp)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for a 64-bit program: it runs where the program runs.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/images/baritemp.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/images/baritemp.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME baritemp.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.quorzen.example")
include(CPack)
