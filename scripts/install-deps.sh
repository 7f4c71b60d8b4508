#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing. Pass --fuzz for the
# compiler and runtime of the fuzz targets as well (scripts/fuzz.sh).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev fonts-noto-cjk qt6-translations-l10n
          desktop-file-utils appstream poppler-utils)
[ "${1:-}" = "--fuzz" ] && packages+=(clang libfuzzer-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
