# The Windows packages: the portable layout with what a Windows program needs beside it
# (cmake/windowsruntime.cmake), as TicketStation-<version>-win64.zip to unpack anywhere and as
# TicketStation-<version>-setup.exe, an NSIS installer with a Start-menu entry and an
# uninstaller. Installed under Program Files, where users cannot write, the program keeps its
# settings and designs in their own folder (design/stationpaths.h), as the Debian package does.

install(FILES ${TS_WINDOWS_RUNTIME_DLLS} DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
foreach(dir ${TS_WINDOWS_PLUGIN_DIRS})
    set(files ${TS_WINDOWS_PLUGINS_${dir}})
    list(TRANSFORM files PREPEND ${TS_MINGW_PREFIX}/plugins/${dir}/)
    install(FILES ${files} DESTINATION ${dir} COMPONENT portable EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${TS_WINDOWS_QT_CATALOGUES} DESTINATION language COMPONENT portable
    EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME TicketStation)
set(CPACK_PACKAGE_INSTALL_DIRECTORY TicketStation)
set(CPACK_NSIS_PACKAGE_NAME TicketStation)
set(CPACK_NSIS_DISPLAY_NAME "TicketStation ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The Start-menu entry: the program, which lies at the top of the installed folder.
set(CPACK_PACKAGE_EXECUTABLES TicketStation TicketStation)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME TicketStation.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/APP3.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/APP3.ico)
# Installing over an older version removes that one first, program files only.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# A 64-bit installer for a 64-bit program: it runs where only 64-bit Windows programs do (a
# plain Wine 64 included) and installs into the 64-bit Program Files and registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

file(APPEND ${CPACK_PROJECT_CONFIG_FILE}
    "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n"
    "  set(CPACK_PACKAGE_FILE_NAME \"TicketStation-${PROJECT_VERSION}-setup\")\n"
    "else()\n"
    "  set(CPACK_PACKAGE_FILE_NAME \"TicketStation-${PROJECT_VERSION}-win64\")\n"
    "endif()\n")
