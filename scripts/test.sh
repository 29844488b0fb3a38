#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, builds and
# checks the Debian package (scripts/package.sh), runs the window tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer (a second build folder,
# scripts/test-windows-sanitized.sh), then gives each fuzz target a short run
# under the same sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${LMK17_BUILD_DIR:-$root/build}
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
"$root/scripts/package.sh"
"$root/scripts/test-windows-sanitized.sh"
"$root/scripts/fuzz.sh" "${LMK17_FUZZ_SECONDS:-20}"
