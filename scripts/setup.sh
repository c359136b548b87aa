#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs; does nothing when they are all present.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev libsqlite3-dev mdbtools-dev mdbtools
          libcli11-dev libkainjow-mustache-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth
          desktop-file-utils appstream clang libclang-rt-14-dev qt6-svg-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
