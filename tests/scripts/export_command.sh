#!/usr/bin/env bash
# quillmark --json, --markdown and --text, the real program with no display and a platform that
# could not start: the JSON of the full character is valid against the shipped schema (checked by
# Debian's python3-jsonschema) and the same on standard output; the Markdown starts with the name
# as a heading and renders alike under plain CommonMark (cmark) and GitHub's renderer (cmark-gfm
# with its extensions); a character file named as OUT is left byte for byte with status 1, an
# earlier export is replaced, notes with a pasted export are kept; a character file's escape
# sequences reach no export raw; standard output that cannot be written fails. Arguments: the
# program, the source folder.
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

{ echo "My notes"; echo; cat hero.md; } >wiki.md
cp wiki.md wiki.kept
quillmark --markdown wiki.md hero.qmc
[ $status -eq 1 ] && cmp -s wiki.md wiki.kept || fail "notes with a pasted export: status $status"

# Markup, and what GitHub's renderer alone would make a table, a strike-through, a task or a link.
printf '%s\r\n' '*Bob* | the [Bold] #1 www.example.org' 4 'http://x.y/~z' '- [ ] task' \
    4 8 0 2 4 abc 1 2 3 7 -2 12 10 '~~gone~~' '*' '| a | b |' '| --- | --- |' '*' \
    'Corporeal Song of 1. first ,Level:3' '*' '*' '*' '*' '*' '*' '*' '> quote' '    code' '*' \
    >markup.qmc
for character in hero.qmc markup.qmc "$source_dir/tests/data/exports/hero.qmc"; do
    quillmark --markdown - "$character"
    [ $status -eq 0 ] || fail "--markdown - $character: status $status"
    cmark stdout >commonmark.html
    cmark-gfm -e table -e strikethrough -e autolink -e tagfilter -e tasklist stdout >github.html
    cmp -s commonmark.html github.html ||
        fail "$character renders otherwise on GitHub: $(diff commonmark.html github.html)"
done

# A window title, a clipboard write, a reset, a screen clear (C1 CSI), a backspace, DEL and a
# right-to-left override.
printf '%b\r\n' 'A\e]0;owned\aB\e]52;c;ZWNobw==\aC\ecD\xc2\x9b2J\bE\x7fF\xe2\x80\xaeG' 0 \
    'Select Choir or Band' 'Select Superior' 0 0 0 0 0 0 0 0 0 0 0 0 0 '*' '*' '*' '*' '*' '*' \
    '*' '*' '*' '*' >escapes.qmc
for option in --text --markdown --json; do
    quillmark $option - escapes.qmc
    [ $status -eq 0 ] || fail "$option - escapes.qmc: status $status"
    LC_ALL=C grep -qP '[\x00-\x09\x0b-\x1f\x7f]|\xc2[\x80-\x9f]|\xe2\x80[\xaa-\xae]|\xe2\x81[\xa6-\xa9]' \
        stdout && fail "$option wrote a control character raw: $(cat -v stdout)"
done

quillmark --text other.qmc hero.qmc
[ $status -eq 1 ] && cmp -s other.qmc hero.qmc || fail "a character file as OUT: status $status"
grep -qF 'hero.qmc: The export cannot be written to "other.qmc": it is a character file' stderr ||
    fail "the refusal was not said"

status=0
timeout 60 "$program" --text - hero.qmc >/dev/full 2>stderr || status=$?
[ $status -eq 1 ] || fail "standard output on a full disk: status $status"
[ ! -e quillmark.ini ] || fail "an export wrote the settings file"
echo "the exports ran without a display; the JSON follows the shipped schema; the Markdown renders" \
    "alike under CommonMark and GitHub's renderer; no control reached an export; a character" \
    "file and notes with a pasted export were kept"
