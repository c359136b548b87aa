# What keeps a build short on a small machine: ccache when it is installed and lld for the links.
# Precompiled headers are there to turn on; on the 2-core build machine a fresh build took longer
# with them (each target writes its own header image of some 200 MB) than without.

# ccache, when present, remembers every compiled file, so a second build folder (the sanitizer's,
# another worktree's) and a rebuild after switching branches take seconds. Precompiled headers are
# cached too once ccache is told to trust their defines and timestamps.
find_program(VPA_CCACHE ccache)
if(VPA_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(launcher ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${VPA_CCACHE})
    set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()

# GNU ld takes most of a minute over a test program with debug information; lld takes seconds.
# MinGW's GCC links with its own ld.
find_program(VPA_LLD ld.lld)
if(VPA_LLD AND NOT WIN32)
    add_link_options(-fuse-ld=lld)
endif()

# Compiled eight at a time, the files of a library parse Qt's and the standard headers once
# instead of eight times: most of a file's compile time here is those headers.
option(VPA_UNITY_BUILD "Compile each library's and program's files eight at a time" ON)
if(VPA_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
    # A .cpp file's class with a member of a file-local type is fine; GCC warns only because the
    # file is now included by another.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-subobject-linkage)
    endif()
endif()

option(VPA_PRECOMPILED_HEADERS "Precompile the standard and Qt headers most files include" OFF)

# The standard library's headers that most files include, and Qt's string.
set(VPA_PCH_CORE <algorithm> <array> <cstdint> <functional> <map> <memory> <optional> <string>
    <string_view> <utility> <vector> <QString>)
# ... and what the windows include.
set(VPA_PCH_WIDGETS ${VPA_PCH_CORE} <QApplication> <QComboBox> <QKeyEvent> <QLabel> <QListWidget>
    <QPainter> <QWidget>)

# vpa_precompile(target CORE|WIDGETS [extra headers...])
function(vpa_precompile target set)
    if(NOT VPA_PRECOMPILED_HEADERS)
        return()
    endif()
    target_precompile_headers(${target} PRIVATE ${VPA_PCH_${set}} ${ARGN})
endfunction()
