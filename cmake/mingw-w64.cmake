# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, posix thread model (Qt needs its
# std::thread). Libraries come from the prefix scripts/windows.sh builds: pass it as
# -DVPA_WINDOWS_PREFIX=<prefix> (or in the environment), and Qt's Linux host tools as QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

if(NOT VPA_WINDOWS_PREFIX AND DEFINED ENV{VPA_WINDOWS_PREFIX})
    set(VPA_WINDOWS_PREFIX $ENV{VPA_WINDOWS_PREFIX})
endif()
# try_compile projects see only the environment and these variables, not the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VPA_WINDOWS_PREFIX)
set(ENV{VPA_WINDOWS_PREFIX} "${VPA_WINDOWS_PREFIX}")

# Headers and libraries from the MinGW sysroot and the prefix only; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${VPA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the prefix's .pc files, never the build machine's.
if(VPA_WINDOWS_PREFIX)
    set(ENV{PKG_CONFIG_LIBDIR} ${VPA_WINDOWS_PREFIX}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
endif()

if(NOT DEFINED QT_HOST_PATH)
    set(QT_HOST_PATH /usr)
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# Tests run under Wine where it is installed (Debian's wine64 keeps its launcher out of the PATH),
# with Qt's and MinGW's DLLs on its search path.
find_program(VPA_WINE NAMES wine64 PATHS /usr/lib/wine)
if(VPA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${VPA_WINE}
                                      ${VPA_WINDOWS_PREFIX})
endif()
