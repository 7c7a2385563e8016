#!/usr/bin/env bash
# quillmark --pdf, the real program with no display and no platform chosen: one character file
# into one PDF whose text holds the name and the items; three into a folder, one of them refused
# by Open: two PDFs, one message naming that file, status 1, and its older PDF kept; a file that
# ends early printed with its warning; a missing layout named; a named pipe or a character file as
# the PDF left as it is; a long value quoted in part; escape bytes shown as escapes; a platform
# that cannot start; a usage mistake with status 2.
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
printf '%%PDF-1.4 old\n' >out/damaged.pdf
quillmark --pdf out/ hero.qmc damaged.qmc second.qmc
[ "$status" -eq 1 ] || fail "three files, one damaged: status $status, expected 1"
[ "$(ls out)" = "$(printf 'damaged.pdf\nhero.pdf\nsecond.pdf')" ] || fail "out holds: $(ls -A out)"
[ "$(cat out/damaged.pdf)" = "%PDF-1.4 old" ] || fail "the older damaged.pdf was replaced"
[ "$(cat stderr)" = "damaged.qmc: 'Angel' is not a valid integer value." ] || fail "messages"

head -n 25 hero.qmc >short.qmc
quillmark --pdf short.pdf short.qmc
[ "$status" -eq 0 ] && [ -s short.pdf ] || fail "a file that ends early: status $status"
grep -q "^short.qmc: The character file ended before all of its lists were read." stderr ||
    fail "no warning for the file that ends early"

quillmark --layout missing.rav --pdf new.pdf hero.qmc
[ "$status" -eq 1 ] && [ ! -e new.pdf ] || fail "a missing layout: status $status"
[ "$(cat stderr)" = "hero.qmc: The following reporting project does not exist: \"$work/missing.rav\"" ] || fail "the missing layout's message"

# A PDF named like a named pipe: the pipe stays, no file is put in its place.
mkfifo sheet.fifo
quillmark --pdf sheet.fifo hero.qmc
[ "$status" -eq 1 ] && [ -p sheet.fifo ] || fail "--pdf into a named pipe: status $status"
grep -qF 'hero.qmc: The report cannot be written to the file "sheet.fifo": it is a named pipe, not a regular file; it was left as it is.' stderr ||
    fail "the named pipe's message"

# Meant as two inputs: the first is OUT, a character file, and stays as it was.
quillmark --pdf second.qmc hero.qmc
cmp -s second.qmc hero.qmc && [ "$status" -eq 1 ] || fail "--pdf second.qmc hero.qmc: status $status"
[ "$(cat stderr)" = "hero.qmc: The report cannot be written to the file \"second.qmc\": it is a character file, which only Save replaces; it was left as it is." ] ||
    fail "the message for a character file as OUT"

# A name of 20,000,000 letters: refused at once, with the line and its length.
{ head -c 20000000 /dev/zero | tr '\0' a; echo; sed -n '2,$p' hero.qmc; } >longname.qmc
quillmark --pdf longname.pdf longname.qmc
[ "$status" -eq 1 ] && [ ! -e longname.pdf ] || fail "the long name: status $status"
[ "$(cat stderr)" = "longname.qmc: Line 1 of the character file is too long: '$(printf 'a%.0s' $(seq 60))…' (20,000,000 characters); a value may have at most 100,000 characters." ] ||
    fail "the long name's message"

# A type line of 2,000,000 digits: the message quotes 60 of them, soon.
{ sed -n 1p hero.qmc; head -c 2000000 /dev/zero | tr '\0' 9; echo; sed -n '3,$p' hero.qmc; } >long.qmc
start=$(date +%s%N)
quillmark --pdf long.pdf long.qmc
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 1 ] && [ "$elapsed_ms" -lt 2000 ] || fail "the long type line: status $status, $elapsed_ms ms"
[ "$(cat stderr)" = "long.qmc: '$(printf '9%.0s' $(seq 60))…' (2,000,000 characters) is not a valid integer value." ] ||
    fail "the long type line's message"

# Escape bytes in a file's name and in its type line reach the terminal as escapes.
name=$(printf 'evil\033]2;owned\007.qmc')
{ sed -n 1p hero.qmc; printf '\033[2J\n'; sed -n '3,$p' hero.qmc; } >"$name"
quillmark --pdf out "$name"
! grep -q "$(printf '[\001-\011\013-\037\177]')" stderr || fail "a control byte reached standard error"
[ "$(cat stderr)" = "evil\\x1b]2;owned\\x07.qmc: '\\x1b[2J' is not a valid integer value." ] ||
    fail "the escaped message"

# A name that is not UTF-8 is said to be so, not "File not found".
cp hero.qmc "$(printf 'h\351ro.qmc')"
quillmark --pdf out "$(printf 'h\351ro.qmc')"
[ "$status" -eq 1 ] && grep -qF "its name cannot be read, as it is not valid UTF-8." stderr ||
    fail "the name that is not UTF-8: status $status"

# A platform that cannot start without a display: one line and status 1, no core dump.
status=0
timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --pdf x.pdf hero.qmc \
    >stdout 2>stderr || status=$?
[ "$status" -eq 1 ] && [ "$(cat stderr)" = "quillmark: the platform 'xcb' could not be started; unset QT_QPA_PLATFORM to print without a display" ] ||
    fail "QT_QPA_PLATFORM=xcb without a display: status $status"

quillmark --pdf hero.pdf hero.qmc second.qmc
[ "$status" -eq 2 ] && [ "$(sed -n 2p stderr)" = "Try 'quillmark --help' for more information." ] ||
    fail "two files into one PDF: status $status, expected 2"
[ ! -e quillmark.ini ] || fail "a settings file was written"
echo "--pdf wrote the sheets, named the refusals and needed no display"
