# What a Windows program built here needs beside it at run time, named once for the build
# folder (so build/bin runs under Wine as it is) and for the packages (packaging/windows.cmake):
# the Qt libraries it links, Qt's plugins, zint, MinGW's run-time libraries and Qt's own
# Chinese and Polish catalogues.

set(TS_WINDOWS_QT_DLLS)
foreach(module Core Gui Widgets Network SerialPort)
    list(APPEND TS_WINDOWS_QT_DLLS $<TARGET_FILE:Qt5::${module}>)
endforeach()

# The codes' encoder, as a DLL beside the import library the build linked.
find_file(TS_ZINT_DLL libzint.dll PATH_SUFFIXES bin REQUIRED)

# The compiler's own run-time libraries: C++, exceptions, threads.
set(TS_WINDOWS_COMPILER_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${dll}")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND TS_WINDOWS_COMPILER_DLLS ${path})
endforeach()

set(TS_WINDOWS_RUNTIME_DLLS ${TS_WINDOWS_QT_DLLS} ${TS_ZINT_DLL} ${TS_WINDOWS_COMPILER_DLLS})

# Plugins by the folder Qt looks for them in beside the program: the window system (and the
# screenless one the command line uses), the native style and the picture formats.
set(TS_WINDOWS_PLUGIN_DIRS platforms styles imageformats)
set(TS_WINDOWS_PLUGINS_platforms qwindows.dll qoffscreen.dll)
set(TS_WINDOWS_PLUGINS_styles qwindowsvistastyle.dll)
set(TS_WINDOWS_PLUGINS_imageformats qgif.dll qico.dll qjpeg.dll)

# Qt's catalogues for the standard dialogs; a Windows Qt has no system folder of them, so they
# travel in language/ with ours. The build machine's (qttranslations5-l10n) are the same files.
set(TS_QT_CATALOGUE_DIR /usr/share/qt5/translations CACHE PATH "Qt's own compiled catalogues")
set(TS_WINDOWS_QT_CATALOGUES)
foreach(language zh_CN pl)
    set(file ${TS_QT_CATALOGUE_DIR}/qtbase_${language}.qm)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} not found (qttranslations5-l10n)")
    endif()
    list(APPEND TS_WINDOWS_QT_CATALOGUES ${file})
endforeach()

# The build folder gets the same files, so programs and tests run from it under Wine. The
# tests' own Qt library is needed there only.
set(ts_build_dlls ${TS_WINDOWS_RUNTIME_DLLS})
if(TARGET Qt5::Test)
    list(APPEND ts_build_dlls $<TARGET_FILE:Qt5::Test>)
endif()
set(ts_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ts_build_dlls} ${TS_BIN_DIR})
foreach(dir ${TS_WINDOWS_PLUGIN_DIRS})
    set(files ${TS_WINDOWS_PLUGINS_${dir}})
    list(TRANSFORM files PREPEND ${TS_MINGW_PREFIX}/plugins/${dir}/)
    list(APPEND ts_copies COMMAND ${CMAKE_COMMAND} -E make_directory ${TS_BIN_DIR}/${dir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} ${TS_BIN_DIR}/${dir})
endforeach()
list(APPEND ts_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TS_WINDOWS_QT_CATALOGUES}
    ${TS_LANGUAGE_DIR})
add_custom_target(windows_runtime ALL ${ts_copies}
    COMMENT "Copying the Windows run-time libraries and plugins beside the programs" VERBATIM)
