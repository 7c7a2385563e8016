#!/usr/bin/env bash
# Builds the Debian package from the build and checks it as Debian does: lintian with no error
# or warning, the installed AppStream entry and desktop entry valid, the manual page in each of its
# languages found and formatted without a warning. Arguments: the program in its build folder,
# the source folder.
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
build=$(dirname "$(readlink -f "$1")")
source_dir=$(readlink -f "$2")
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
# The manual page and each translation the sources have (data/de/quillmark.6): man-db finds it
# for its language, and it formats without a warning both as lintian formats it and on a plain
# terminal.
pages=("$share/man/man6/quillmark.6.gz")
for source in "$source_dir"/data/*/quillmark.6; do
    language=$(basename "$(dirname "$source")")
    pages+=("$share/man/$language/man6/quillmark.6.gz")
    found=$(MANPATH="$share/man" man -L "$language" -w 6 quillmark) || found=nothing
    [ "$found" = "${pages[-1]}" ] || fail "man -L $language quillmark finds $found, not man/$language/man6/"
done
for page in "${pages[@]}"; do
    [ -f "$page" ] || fail "no manual page ${page#"$share"/}"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) && [ -z "$warnings" ] &&
        warnings=$(LC_ALL=C MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$warnings" ] ||
        fail "man warns about ${page#"$share"/}: $warnings"
done
# The sanitizer build is not the one the package is made from and has no hardening flags.
# Control-flow protection is not asked for: Debian 12 does not build with it, and its C start-up
# files lack the marking, so no program linked here can carry it (an empty main() fails too).
if ! grep -q '^QUILLMARK_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    program=$(find "$work/root/usr/libexec" -type f -name quillmark)
    hardening-check --nocfprotection "$program" ||
        fail "hardening-check rejects the program"
fi
echo "PASS"
