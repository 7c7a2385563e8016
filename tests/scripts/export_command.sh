#!/usr/bin/env bash
# quillmark --json, --markdown and --text, the real program with no display and a platform that
# could not start: the JSON of the full character is valid against the shipped schema (checked by
# Debian's python3-jsonschema) and the same on standard output; the Markdown starts with the name
# as a heading; a character file named as OUT is left byte for byte with status 1, an earlier
# export is replaced; standard output that cannot be written fails. Arguments: the program, the
# source folder.
set -euo pipefail
program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
schema="$source_dir/data/quillmark-character.schema.json"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*" >&2
    cat "$work/stderr" >&2 2>/dev/null || true
    exit 1
}
cd "$work"
cp "$source_dir/tests/data/files/full.qmc" hero.qmc
cp hero.qmc other.qmc

status=0
quillmark() {
    status=0
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" \
        >stdout 2>stderr || status=$?
}

quillmark --json hero.json hero.qmc
[ $status -eq 0 ] || fail "--json: status $status"
/usr/bin/python3 -m jsonschema -i hero.json "$schema" || fail "the JSON does not follow the schema"
quillmark --json - hero.qmc
[ $status -eq 0 ] && cmp -s stdout hero.json || fail "--json - differs from --json hero.json"

quillmark --markdown hero.md hero.qmc
[ $status -eq 0 ] && [ "$(head -n 1 hero.md)" = "# Zoë Ångström" ] || fail "--markdown: $(head -n 1 hero.md)"
quillmark --markdown hero.md hero.qmc
[ $status -eq 0 ] || fail "an earlier Markdown export was not replaced"

quillmark --text other.qmc hero.qmc
[ $status -eq 1 ] && cmp -s other.qmc hero.qmc || fail "a character file as OUT: status $status"
grep -qF 'hero.qmc: The export cannot be written to "other.qmc": it is a character file' stderr ||
    fail "the refusal was not said"

status=0
timeout 60 "$program" --text - hero.qmc >/dev/full 2>stderr || status=$?
[ $status -eq 1 ] || fail "standard output on a full disk: status $status"
[ ! -e quillmark.ini ] || fail "an export wrote the settings file"
echo "the exports ran without a display; the JSON follows the shipped schema; a character file was kept"
