#!/usr/bin/env bash
# quillmark --pdf, the real program with no display and no platform chosen: one character file
# into one PDF whose text holds the name and the items; three into a folder, one of them refused
# by Open: two PDFs, one message naming that file, status 1, and its older PDF kept; a file that
# ends early printed with its warning; a missing layout named; a named pipe as the PDF left as it
# is; a usage mistake with status 2.
# No settings file is written. Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*" >&2
    cat "$work/stderr" >&2 2>/dev/null || true
    exit 1
}
cd "$work"
cp "$source_dir/data/qmsheet.rav" .
cp "$source_dir/tests/data/files/full.qmc" hero.qmc

status=0
quillmark() {
    status=0
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" \
        >stdout 2>stderr || status=$?
}

quillmark --pdf hero.pdf hero.qmc
[ "$status" -eq 0 ] && [ ! -s stderr ] || fail "--pdf hero.pdf hero.qmc: status $status"
pdftotext hero.pdf hero.txt
for text in "Zoë Ångström" "Seraphim of Gabriel, Archangel of Fire" "padded item 0" "Séance € 9"; do
    grep -qF "$text" hero.txt || fail "hero.pdf lacks \"$text\""
done

# The type line holds a word: Open refuses the file with the conversion error.
mkdir out
sed '2s/^0/Angel/' hero.qmc >damaged.qmc
cp hero.qmc second.qmc
printf '%%PDF old\n' >out/damaged.pdf
quillmark --pdf out/ hero.qmc damaged.qmc second.qmc
[ "$status" -eq 1 ] || fail "three files, one damaged: status $status, expected 1"
[ "$(ls out)" = "$(printf 'damaged.pdf\nhero.pdf\nsecond.pdf')" ] || fail "out holds: $(ls -A out)"
[ "$(cat out/damaged.pdf)" = "%PDF old" ] || fail "the older damaged.pdf was replaced"
[ "$(cat stderr)" = "damaged.qmc: 'Angel' is not a valid integer value." ] || fail "messages"

head -n 25 hero.qmc >short.qmc
quillmark --pdf short.pdf short.qmc
[ "$status" -eq 0 ] && [ -s short.pdf ] || fail "a file that ends early: status $status"
grep -q "^short.qmc: The character file ended before all of its lists were read." stderr ||
    fail "no warning for the file that ends early"

quillmark --layout missing.rav --pdf new.pdf hero.qmc
[ "$status" -eq 1 ] && [ ! -e new.pdf ] || fail "a missing layout: status $status"
[ "$(cat stderr)" = "hero.qmc: The following reporting project does not exist:
\"$work/missing.rav\"" ] || fail "the missing layout's message"

# A PDF named like a named pipe: the pipe stays, no file is put in its place.
mkfifo sheet.fifo
quillmark --pdf sheet.fifo hero.qmc
[ "$status" -eq 1 ] && [ -p sheet.fifo ] || fail "--pdf into a named pipe: status $status"
grep -qF 'hero.qmc: The report cannot be written to the file "sheet.fifo": it is not a regular file.' stderr ||
    fail "the named pipe's message"

quillmark --pdf hero.pdf hero.qmc second.qmc
[ "$status" -eq 2 ] && [ "$(sed -n 2p stderr)" = "Try 'quillmark --help' for more information." ] ||
    fail "two files into one PDF: status $status, expected 2"
[ ! -e quillmark.ini ] || fail "a settings file was written"
echo "--pdf wrote the sheets, named the refusals and needed no display"
