# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (g++-mingw-w64-x86-64-posix)
# against a Qt built for that target, found through TS_MINGW_PREFIX (the unpacked toolchain of
# ../shared/toolchains, e.g. /opt/ts-qt5-mingw). The Qt catalogue tools come from the build
# machine's own Qt (qttools5-dev, qttools5-dev-tools); Wine runs what is built, tests included.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ts_mingw_triplet x86_64-w64-mingw32)

# The POSIX thread model, which Qt's prefix was built with (std::thread, std::mutex).
set(CMAKE_C_COMPILER ${ts_mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ts_mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${ts_mingw_triplet}-windres)

if(NOT TS_MINGW_PREFIX)
    set(TS_MINGW_PREFIX "$ENV{TS_MINGW_PREFIX}")
endif()
if(NOT TS_MINGW_PREFIX OR NOT EXISTS "${TS_MINGW_PREFIX}/lib/cmake/Qt5")
    message(FATAL_ERROR "Set TS_MINGW_PREFIX to the MinGW-w64 Qt prefix (holding lib/cmake/Qt5), "
        "e.g. the toolchain of ../shared/toolchains unpacked to /opt/ts-qt5-mingw")
endif()
# Kept in the cache, so a later run of CMake in the same folder needs no environment.
set(TS_MINGW_PREFIX "${TS_MINGW_PREFIX}" CACHE PATH "MinGW-w64 Qt prefix")
# Seen by try_compile's own projects as well.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TS_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH ${TS_MINGW_PREFIX} /usr/${ts_mingw_triplet})
set(CMAKE_PREFIX_PATH ${TS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# lupdate and lrelease run here, so they are the build machine's.
if(NOT Qt5LinguistTools_DIR)
    foreach(dir /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools /usr/lib/cmake/Qt5LinguistTools)
        if(EXISTS ${dir}/Qt5LinguistToolsConfig.cmake)
            set(Qt5LinguistTools_DIR ${dir} CACHE PATH "The build machine's Qt catalogue tools")
            break()
        endif()
    endforeach()
endif()

# CTest and custom commands run the Windows programs through Wine.
find_program(TS_WINE NAMES wine wine64)
if(TS_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TS_WINE})
endif()
