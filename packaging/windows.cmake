# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: the program folder is what is installed, as it is: kartavo.exe with every media file,
# the Qt and MinGW runtime DLLs it needs, the window-system, style and picture plugins, the
# program's translations and Qt's own Hungarian texts in translations/; beside it the analyzer kartavo-analyze.exe, a console program
# for the command prompt (it needs only the MinGW runtime). CPack makes the portable ZIP (a folder
# kartavo/) and the NSIS installer (Program Files\Kartavo, a Start menu entry, an uninstaller in
# "Apps & features" that removes what was installed).
install(TARGETS kartavo kartavo-analyze RUNTIME DESTINATION .)
install(DIRECTORY ${KARTAVO_PROGRAM_DIR}/ DESTINATION .
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.jpg" PATTERN "*.wav" PATTERN "*.cur"
        PATTERN "*.qm" PATTERN "*@2x.*" PATTERN "hatlap.bmp" EXCLUDE PATTERN "wineprefix" EXCLUDE)

# The licences: Kartavo's (LICENSE.txt, the GPL, also the installer's licence page) and what the
# package carries besides (THIRD-PARTY.txt: Qt and the MinGW runtime, where their source is, and
# the LGPL's text). A missing text stops the build, not the package.
set(gpl ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(lgpl /usr/share/common-licenses/LGPL-3)
foreach(f ${gpl} ${lgpl} ${CMAKE_CURRENT_SOURCE_DIR}/THIRD-PARTY.txt.in)
    if(NOT EXISTS ${f})
        message(FATAL_ERROR "The Windows packages need ${f}, which is missing")
    endif()
endforeach()
# Where each part comes from, as installed on the machine that builds.
function(debian_version package out)
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${package} OUTPUT_VARIABLE v
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR v STREQUAL "")
        message(FATAL_ERROR "THIRD-PARTY.txt names the version of ${package}, which is not installed")
    endif()
    set(${out} ${v} PARENT_SCOPE)
endfunction()
debian_version(qt6-base-dev QT_DEBIAN_VERSION)
debian_version(qt6-translations-l10n QT_TRANSLATIONS_VERSION)
debian_version(gcc-mingw-w64-x86-64-posix-runtime GCC_MINGW_VERSION)
debian_version(mingw-w64-x86-64-dev MINGW_W64_VERSION)
set(QT_VERSION ${Qt6_VERSION})
set(KARTAVO_VERSION ${PROJECT_VERSION})
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-qt --configure-line
                OUTPUT_VARIABLE QT_CONFIGURE_LINE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(THIRD-PARTY.txt.in THIRD-PARTY.head.txt @ONLY)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.head.txt head)
file(READ ${lgpl} lgpl_text)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt "${head}${lgpl_text}")
configure_file(${gpl} LICENSE.txt COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt
        DESTINATION .)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)

set(qt_bin ${QT6_INSTALL_PREFIX}/bin)
set(qt_plugins ${QT6_INSTALL_PREFIX}/plugins)
set(runtime_dlls ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH "${found}" found)
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW runtime ${dll} is not there (g++-mingw-w64-x86-64-posix)")
    endif()
    list(APPEND runtime_dlls ${found})
endforeach()
install(FILES ${runtime_dlls} DESTINATION .)
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION styles)
# JPEG for the pictures, ICO for the cursors (a .cur file is read as an icon).
install(FILES ${qt_plugins}/imageformats/qjpeg.dll ${qt_plugins}/imageformats/qico.dll
        DESTINATION imageformats)
# Qt's own texts in Hungarian, from the build machine's translations (the same Qt version).
set(qt_hungarian /usr/share/qt6/translations/qtbase_hu.qm)
if(EXISTS ${qt_hungarian})
    install(FILES ${qt_hungarian} DESTINATION translations)
else()
    message(WARNING "No ${qt_hungarian} (qt6-translations-l10n): Qt's texts stay English")
endif()
# The DLLs come unstripped from their builds; the package carries them stripped.
install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
    endforeach()")

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME kartavo)
set(CPACK_PACKAGE_VENDOR Morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kartavo, ötlapos póker")
set(CPACK_PACKAGE_FILE_NAME kartavo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kartavo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kartavo)
set(CPACK_PACKAGE_EXECUTABLES kartavo Kartavo)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Kartavo)
set(CPACK_NSIS_PACKAGE_NAME Kartavo)
set(CPACK_NSIS_MUI_ICON ${KARTAVO_ICON_DIR}/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${KARTAVO_ICON_DIR}/icon.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME kartavo.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for the 64-bit program (Wine here has no 32-bit layer to run another).
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_SOURCE_DIR}/makensis-amd64)
# What the program itself may have left in its folder: the back chosen (a copy of a design) and
# the temporary file of a copy that was killed. The player's own back in %APPDATA% stays.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "Delete '$INSTDIR\\\\hatlap.bmp.*'")
set(CPACK_KARTAVO_DEFAULT_BACK ${KARTAVO_PROGRAM_DIR}/hat0.bmp)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows_package_setup.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows_package_names.cmake)
include(CPack)
