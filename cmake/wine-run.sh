#!/bin/sh
# wine-run.sh WINE PREFIX PROGRAM [ARGUMENTS...]: runs a cross-built program under Wine, with the
# DLLs it needs on Wine's search path: Qt's from the prefix scripts/windows.sh builds, and MinGW's
# own runtime, which Qt's DLLs link dynamically.
set -e
wine=$1 prefix=$2
shift 2
dll_dir() { dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name="$1")")"; }
WINEPATH="Z:$prefix/bin;Z:$(dll_dir libstdc++-6.dll);Z:$(dll_dir libwinpthread-1.dll)"
WINEDEBUG=${WINEDEBUG:--all}
export WINEPATH WINEDEBUG
exec "$wine" "$@"
