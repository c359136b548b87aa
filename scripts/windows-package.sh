#!/usr/bin/env bash
# Lays out the Windows program's folder and packs it: dist/windows/VPAStats/ (the programs, the
# DLLs they load, Qt's plugins, the sample DUZEDO, README.txt and the licences),
# dist/windows/VPAStats-windows-x64.zip holding that folder, and dist/windows/VPAStats-setup.exe
# made by NSIS. Called by scripts/windows.sh (its package step) with the Windows build folder and
# the prefix the libraries were built into.
#
#   scripts/windows-package.sh BUILD_DIR PREFIX SOURCES_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 prefix=$2 sources=$3
host=x86_64-w64-mingw32
dist=$root/dist/windows
stage=$dist/VPAStats
version=$(sed -n 's/^project(VPAStats VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

rm -rf "$stage" && mkdir -p "$stage"
for file in VPAStats.exe duzedo.exe vpa_mdbreader.exe duzedo.mdb; do
    cp "$build/bin/$file" "$stage/"
done
cp "$build"/bin/*.bmp "$stage/"

# Qt's plugins sit in folders beside the program, where Qt looks for them first.
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll \
    imageformats/qico.dll imageformats/qgif.dll imageformats/qjpeg.dll; do
    if [ -e "$prefix/plugins/$plugin" ]; then
        mkdir -p "$stage/$(dirname "$plugin")"
        cp "$prefix/plugins/$plugin" "$stage/$plugin"
    fi
done

# Every DLL a program or plugin loads that is not Windows' own, found where the cross build put
# them, until nothing new is asked for.
search=("$prefix/bin" "$(dirname "$($host-g++-posix -print-file-name=libstdc++-6.dll)")"
        "/usr/$host/lib")
imports() { $host-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
while :; do
    added=0
    while read -r dll; do
        [ -e "$stage/$dll" ] && continue
        for dir in "${search[@]}"; do
            if [ -e "$dir/$dll" ]; then
                cp "$dir/$dll" "$stage/" && added=1
                break
            fi
        done
    done < <(find "$stage" -name '*.exe' -o -name '*.dll' | while read -r f; do imports "$f"; done |
             sort -u)
    [ "$added" = 1 ] || break
done

# Debugging symbols stay in the build folder: they are most of the programs' size.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec $host-strip --strip-unneeded {} +

# The licences of what is bundled, as Debian's packages state them.
mkdir -p "$stage/licences"
for package in qt6-base sqlite3 mdbtools; do
    copyright=$(find "$sources" -maxdepth 3 -path "*/$package-*/debian/copyright" | head -n1)
    [ -n "$copyright" ] && cp "$copyright" "$stage/licences/$package.txt"
done
for package in gcc-mingw-w64-base mingw-w64-common; do
    cp "/usr/share/doc/$package/copyright" "$stage/licences/$package.txt"
done
sed "s/@VERSION@/$version/" "$root/packaging/windows/README.txt" | sed 's/$/\r/' >"$stage/README.txt"

rm -f "$dist/VPAStats-windows-x64.zip"
(cd "$dist" && zip -qrX VPAStats-windows-x64.zip VPAStats)

# The installer installs exactly these files and its uninstaller removes exactly them, so a
# settings file or a DUZEDO the user keeps in the folder survives.
{
    find "$stage" -mindepth 1 -type d -printf '%P\n' | sort | while read -r d; do
        echo "CreateDirectory \"\$INSTDIR\\${d//\//\\}\""
    done
    find "$stage" -type f -printf '%P\n' | sort | while read -r f; do
        echo "File \"/oname=${f//\//\\}\" \"$stage/$f\""
    done
} >"$build/installed-files.nsh"
{
    find "$stage" -type f -printf '%P\n' | sort | while read -r f; do
        echo "Delete \"\$INSTDIR\\${f//\//\\}\""
    done
    find "$stage" -mindepth 1 -type d -printf '%P\n' | sort -r | while read -r d; do
        echo "RMDir \"\$INSTDIR\\${d//\//\\}\""
    done
} >"$build/uninstalled-files.nsh"
makensis -V2 -DVERSION="$version" -DFILES="$build/installed-files.nsh" \
    -DUNFILES="$build/uninstalled-files.nsh" -DOUTFILE="$dist/VPAStats-setup.exe" \
    "$root/packaging/windows/VPAStats.nsi"
echo "$dist/VPAStats-windows-x64.zip ($(du -h "$dist/VPAStats-windows-x64.zip" | cut -f1))"
echo "$dist/VPAStats-setup.exe ($(du -h "$dist/VPAStats-setup.exe" | cut -f1))"
