#!/usr/bin/env bash
# Builds the Debian package from the build and checks it as Debian does: lintian with no error
# or warning, the installed AppStream entry and desktop entry valid. Arguments: the program in
# its build folder, the source folder.
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
build=$(dirname "$(readlink -f "$1")")
while [ ! -f "$build/CPackConfig.cmake" ]; do
    [ "$build" != / ] || fail "no build folder above $1"
    build=$(dirname "$build")
done
for tool in lintian appstreamcli desktop-file-validate hardening-check; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/quillmark_*.deb)
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports an error or a warning"; }

dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
metainfo=("$share"/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "the package has no AppStream entry"
appstreamcli validate --no-net --pedantic "${metainfo[@]}" || fail "appstreamcli rejects ${metainfo[*]}"
id=$(basename "${metainfo[0]}" .metainfo.xml)
entry="$share/applications/$id.desktop"
[ -f "$entry" ] || fail "no desktop entry named after the AppStream id $id"
report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ] || fail "$report"
page="$share/man/man6/quillmark.6.gz"
[ -f "$page" ] || fail "no manual page"
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$warnings" ] ||
    fail "man warns about the manual page: $warnings"
# The sanitizer build is not the one the package is made from and has no hardening flags.
# Control-flow protection is not asked for: Debian 12 does not build with it, and its C start-up
# files lack the marking, so no program linked here can carry it (an empty main() fails too).
if ! grep -q '^QUILLMARK_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    program=$(find "$work/root/usr/libexec" -type f -name quillmark)
    hardening-check --nocfprotection "$program" ||
        fail "hardening-check rejects the program"
fi
echo "PASS"
