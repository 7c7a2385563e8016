#!/usr/bin/env bash
# The launcher, configured around a stand-in for the program that records its folder and its
# arguments: a caller's folder whose name ends in a line feed is kept exactly, "-" is a file of
# that folder but standard output after an export option, and help and exports need no writable
# home; a first run gets the layout of the language the program names. The program itself names
# its language by gettext's rule. Arguments: the program, the source folder.
set -euo pipefail
real_program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}
mkdir "$work/bin" "$work/home"
sed -e 's|@QUILLMARK_PROGRAM_FROM_BIN@|program|' -e 's|@QUILLMARK_DATA_FROM_BIN@|.|' \
    -e "/@QUILLMARK_DEFAULT_LAYOUT_FUNCTION@/{r $source_dir/scripts/default-layout.sh" -e 'd}' \
    "$source_dir/scripts/quillmark-launcher.in" >"$work/bin/quillmark"
cat >"$work/bin/program" <<'PROGRAM'
#!/bin/sh
[ "$1" = --layout-language ] && { echo "${LAYOUT_LANGUAGE:-}"; exit 0; }
{ pwd; printf '%s\n' "$@"; } >"$RECORD"
printf '%s' "$QUILLMARK_CALLER_FOLDER" >"$RECORD.caller"
PROGRAM
chmod +x "$work/bin/quillmark" "$work/bin/program"
export RECORD="$work/record"

lf=$'\n'
mkdir "$work/folder$lf" "$work/folder"
(cd "$work/folder$lf" && HOME="$work/home" "$work/bin/quillmark" hero.qmc -)
[ "$(sed -n '2,$p' "$RECORD")" = "$work/folder$lf/hero.qmc$lf$work/folder$lf/-" ] ||
    fail "the caller's folder with a line feed: $(cat -A "$RECORD")"
[ "$(head -n 1 "$RECORD")" = "$work/home/.local/share/quillmark" ] || fail "not run in the player's folder"
[ "$(cat "$RECORD.caller"; printf x)" = "$work/folder${lf}x" ] ||
    fail "the caller's folder is not passed on: $(cat -A "$RECORD.caller")"

# A home below a plain file cannot be made, not even by root.
touch "$work/file"
(cd "$work/folder" && HOME="$work/file/home" "$work/bin/quillmark" --help) ||
    fail "--help with no home to write in"
[ "$(cat "$RECORD")" = "$work/folder$lf--help" ] || fail "--help: $(cat "$RECORD")"

# An export needs no home either; its OUT "-" is standard output, any other OUT a name made full.
(cd "$work/folder" && HOME="$work/file/home" "$work/bin/quillmark" --json - a.qmc) ||
    fail "--json with no home to write in"
[ "$(cat "$RECORD")" = "$work/folder$lf--json$lf-$lf$work/folder/a.qmc" ] || fail "--json -: $(cat "$RECORD")"
(cd "$work/folder" && HOME="$work/file/home" "$work/bin/quillmark" --markdown=out a.qmc)
[ "$(sed -n 2p "$RECORD")" = "--markdown=$work/folder/out" ] || fail "--markdown=out: $(cat "$RECORD")"
# The first run copies the layout of the program's language; a later one keeps the player's.
mkdir "$work/bin/fr" "$work/french"
echo english >"$work/bin/qmsheet.rav"
echo french >"$work/bin/fr/qmsheet.rav"
(cd "$work/folder" && HOME="$work/french" LAYOUT_LANGUAGE=fr "$work/bin/quillmark")
[ "$(cat "$work/french/.local/share/quillmark/qmsheet.rav")" = french ] ||
    fail "the first run did not get the French layout"
(cd "$work/folder" && HOME="$work/french" LAYOUT_LANGUAGE= "$work/bin/quillmark")
[ "$(cat "$work/french/.local/share/quillmark/qmsheet.rav")" = french ] ||
    fail "a later run replaced the player's layout"

# LANGUAGE comes first, its empty entries skipped; C is English whatever else is set.
language() {
    env -u LC_ALL -u LC_MESSAGES "$@" "$real_program" --layout-language
}
[ "$(language LANG=de_DE.UTF-8 LANGUAGE=:fr)" = fr ] || fail "LANGUAGE=:fr under a German LANG"
[ "$(language LANG=de_DE.UTF-8 LANGUAGE=)" = de ] || fail "LANG=de_DE.UTF-8"
[ -z "$(language LANG=C LANGUAGE=fr)" ] || fail "LANG=C"

echo "the launcher kept and passed on the caller's folder, passed - on as a file, kept an export's -," \
    "needed no home for help or exports and gave a first run the layout of the program's language"
