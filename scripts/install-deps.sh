#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only those that are missing.
# Works as root or through sudo.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-serialport-dev qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-svg-dev qt6-translations-l10n libqt6opengl6-dev libxkbcommon-dev
    xvfb xauth xdotool imagemagick poppler-utils fonts-liberation2 tidy
    lintian appstream desktop-file-utils man-db file
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
