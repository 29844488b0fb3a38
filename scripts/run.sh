#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on its built-in
# default: the desktop program on the software transmitter (lmk17 --demo)
# when a display is available, otherwise a tour of the command-line program
# against the same software transmitter. No hardware is needed either way.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LMK17_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/src/lmk17" --demo "$@"
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the command-line tour instead of the desktop program."
exec "$root/scripts/demo.sh"
