#!/usr/bin/env bash
# Builds the Debian package from the normal build folder and checks it as a
# user and a packager would: lintian (no error allowed), then the package
# unpacked into a temporary root, its programs run from there and each
# manual page, desktop entry and AppStream file checked.
#   scripts/package.sh            build/  ->  build/deb/lmk17_<version>_amd64.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LMK17_BUILD_DIR:-$root/build}
out=$build/deb

if [ ! -f "$build/CMakeCache.txt" ]; then
    "$root/scripts/build.sh"
else
    cmake --build "$build" -j "$(nproc)"
fi
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out.log" 2>&1) || { cat "$out.log"; exit 1; }
deb=$(ls "$out"/lmk17_*_amd64.deb)
echo "package: $deb"
ls "$out"/*.ddeb >/dev/null 2>&1 || { echo "no separate debug package"; exit 1; }

fail=0
check() {  # what, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}

# lintian: no error may remain; warnings are printed and kept only when
# listed in the README's Development section with their reason.
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
[ -n "$lintian_out" ] && printf '%s\n' "$lintian_out"
errors=$(printf '%s\n' "$lintian_out" | grep -c '^E: ' || true)
check "lintian: $errors errors" test "$errors" -eq 0

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp"
bin=$tmp/usr/bin
check "lmk17-cli --version" "$bin/lmk17-cli" --version
check "lmk17-sim --version" "$bin/lmk17-sim" --version
for program in lmk17 lmk17-cli lmk17-sim; do
    check "$program stripped" sh -c "file -L '$bin/$program' | grep -q ', stripped'"
done
check "lmk17 --version" env QT_QPA_PLATFORM=offscreen "$bin/lmk17" --version
# Found relative to the program, not in the system's folders.
manual=$(QT_QPA_PLATFORM=offscreen "$bin/lmk17" --help | sed -n 's/^The manual: //p')
check "manual found in the package ($manual)" test "${manual#"$tmp"/}" != "$manual"
check "language modules installed" test -f "$tmp/usr/share/lmk17/lmk17.DE"
for page in "$tmp"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    check "man -l $(basename "$page") ${warnings:+($warnings)}" test -z "$warnings"
done
check "three manual pages" test "$(ls "$tmp"/usr/share/man/man1/*.1.gz | wc -l)" -eq 3
check "bash completion" bash -n "$tmp/usr/share/bash-completion/completions/lmk17-cli"
for size in 48x48 128x128 256x256 scalable; do
    check "icon $size" test -n "$(ls "$tmp/usr/share/icons/hicolor/$size/apps/"lmk17.* 2>/dev/null)"
done
if command -v desktop-file-validate >/dev/null; then
    check "desktop entry" desktop-file-validate "$tmp/usr/share/applications/lmk17.desktop"
fi
if command -v appstreamcli >/dev/null; then
    check "AppStream metadata" appstreamcli validate --no-net "$tmp"/usr/share/metainfo/*.xml
fi
check "dialout named in the description" sh -c "dpkg-deb -f '$deb' Description | grep -q dialout"
check "library dependencies" sh -c "dpkg-deb -f '$deb' Depends | grep -q libqt6core6"
exit $fail
