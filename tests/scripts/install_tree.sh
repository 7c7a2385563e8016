#!/usr/bin/env bash
# Installs the build into a staging folder as the package does and checks that the desktop
# entry, the icons, the MIME type and the data are where the desktop looks for them, and the
# manual pages where man-db does; then
# starts the installed launcher on a virtual display with a fresh home folder and closes the
# window, and opens a character file through the desktop's own file opener (gio open, as file
# managers do) and from a terminal with a relative name: saving what the window then shows gives
# back that file; `quillmark --pdf` with relative names prints there with the player's layout.
# Arguments: the program in its build folder, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT

build=$(dirname "$program")
while [ ! -f "$build/CMakeCache.txt" ]; do
    [ "$build" != / ] || fail "no build folder above $program"
    build=$(dirname "$build")
done
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
share="$root/usr/share"

# The command on the PATH is the launcher; the program itself lies under libexec.
[ -x "$root/usr/games/quillmark" ] || fail "no launcher /usr/games/quillmark"
head -c 2 "$root/usr/games/quillmark" | grep -q '#!' || fail "/usr/games/quillmark is not the launcher"
[ -x "$root/usr/libexec/quillmark/quillmark" ] || fail "no program /usr/libexec/quillmark/quillmark"

# The desktop entry: valid, its command on the PATH, its icon in the theme.
entry="$share/applications/io.github.quillmark.quillmark.desktop"
[ -f "$entry" ] || fail "no desktop entry"
report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ] || fail "$report"
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/games/$exec_command" ] || fail "Exec=$exec_command is not installed in /usr/games"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 22 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "$png has the wrong size"
done

# The MIME type: the desktop's database, built from the installed file, maps *.qmc to it and
# names the program's icon for it. The staged tree gets the databases the package's triggers
# build on a real system, so the desktop's file opener can find the program below.
mime="$share/mime"
[ -f "$mime/packages/quillmark.xml" ] || fail "no MIME type file"
update-mime-database "$mime" >"$work/mime.log" 2>&1 ||
    { cat "$work/mime.log"; fail "update-mime-database rejected the MIME type file"; }
grep -q ':application/x-quillmark-character:\*\.qmc$' "$mime/globs2" || fail "*.qmc is not mapped"
grep -qx "application/x-quillmark-character:$icon" "$mime/icons" || fail "no icon for *.qmc"
update-desktop-database "$share/applications" || fail "update-desktop-database failed"

# The default layout and the help pages, as far as the sources have them.
if [ -f "$source_dir/data/qmsheet.rav" ]; then
    cmp -s "$source_dir/data/qmsheet.rav" "$share/quillmark/qmsheet.rav" ||
        fail "the default layout is not installed"
fi
cmp -s "$source_dir/data/quillmark-character.schema.json" \
    "$share/quillmark/quillmark-character.schema.json" || fail "the export's JSON Schema is not installed"
if [ -d "$source_dir/data/help" ]; then
    diff -r "$source_dir/data/help" "$share/quillmark/help" >/dev/null ||
        fail "the help pages are not installed"
fi
# The manual page and its translations, compressed, each in man-db's folder for its language.
for page in "$source_dir"/data/quillmark.6 "$source_dir"/data/*/quillmark.6; do
    language=$(basename "$(dirname "$page")")
    folder=man/$language/man6
    [ "$language" != data ] || folder=man/man6
    zcat "$share/$folder/quillmark.6.gz" | cmp -s - "$page" ||
        fail "${page#"$source_dir"/} is not installed as $folder/quillmark.6.gz"
done

unset QT_QPA_PLATFORM QT_SCALE_FACTOR XDG_DATA_HOME
xvfb_start

# Starts the installed launcher with the given environment, checks that its main window
# appears and that closing it ends the program well; echoes nothing.
run_launcher() {
    local pid id
    env "$@" "$root/usr/games/quillmark" 2>"$work/stderr" &
    pid=$!
    XSESSION_PIDS+=("$pid")
    id=$(main_window_of "$pid") || { cat "$work/stderr" >&2; fail "no main window"; }
    close_and_wait "$id" "$pid" || fail "the program ended with status $?"
}

# First start: the per-user folder is made, the default layout copied in, and the program runs
# there (closing it stores its settings in its current folder).
home="$work/home"
mkdir -p "$home"
run_launcher HOME="$home"
folder="$home/.local/share/quillmark"
[ -d "$folder" ] || fail "the launcher made no $folder"
[ -f "$folder/quillmark.ini" ] || fail "the program did not run in $folder"
if [ -f "$share/quillmark/qmsheet.rav" ]; then
    cmp -s "$share/quillmark/qmsheet.rav" "$folder/qmsheet.rav" ||
        fail "the default layout was not copied into $folder"
fi

# On a German desktop the first start copies the German layout, where there is one.
if [ -f "$share/quillmark/de/qmsheet.rav" ]; then
    run_launcher HOME="$home" XDG_DATA_HOME="$work/german" LC_ALL=de_DE.UTF-8
    cmp -s "$share/quillmark/de/qmsheet.rav" "$work/german/quillmark/qmsheet.rav" ||
        fail "the German layout was not copied on a German desktop"
fi

# XDG_DATA_HOME decides the place, and a layout the player already has stays as it is.
folder="$work/data/quillmark"
mkdir -p "$folder"
echo "the player's own layout" >"$folder/qmsheet.rav"
run_launcher HOME="$home" XDG_DATA_HOME="$work/data"
[ -f "$folder/quillmark.ini" ] || fail "the program did not run in $folder"
[ "$(cat "$folder/qmsheet.rav")" = "the player's own layout" ] || fail "the player's layout was replaced"

# A double click in a file manager: the desktop's opener looks up the type of the file and the
# program registered for it in the installed tree, and starts that entry's command with the
# file's full path. The program then is no child of this script, so it is found by its path.
characters="$work/characters"
mkdir -p "$characters"
cp "$source_dir/tests/data/files/full.qmc" "$characters/hero.qmc"
program_path="$root/usr/games/../libexec/quillmark/quillmark"
env HOME="$home" XDG_DATA_DIRS="$share" XDG_CONFIG_HOME="$home/.config" PATH="$root/usr/games:$PATH" \
    gio open "$characters/hero.qmc" 2>"$work/stderr" || { cat "$work/stderr" >&2; fail "gio open failed"; }
program_started() { pid=$(pgrep -f -n "^$program_path $characters/hero.qmc\$"); }
poll 100 program_started || fail "gio open did not start the program with the file"
XSESSION_PIDS+=("$pid")
id=$(main_window_of "$pid") || fail "no main window after gio open"
save_shown_and_close "$id" "$pid" again.qmc
cmp -s "$characters/again.qmc" "$characters/hero.qmc" ||
    fail "the window opened from the file manager did not show the character"

# From a terminal in the file's folder, with a name relative to it.
(cd "$characters" && exec env HOME="$home" "$root/usr/games/quillmark" hero.qmc) 2>"$work/stderr" &
pid=$!
XSESSION_PIDS+=("$pid")
id=$(main_window_of "$pid") || { cat "$work/stderr" >&2; fail "no main window for quillmark hero.qmc"; }
save_shown_and_close "$id" "$pid" from-terminal.qmc
wait "$pid" || fail "quillmark hero.qmc ended with status $?"
cmp -s "$characters/from-terminal.qmc" "$characters/hero.qmc" ||
    fail "quillmark hero.qmc did not show the character"
# --pdf through the launcher from the file's folder, every name relative to it: the sheet goes
# there, printed with the player's own layout (in $work/data one that is damaged, so the message
# names it), or with the layout that --layout names.
launcher_pdf() {
    (cd "$characters" && exec env -u DISPLAY HOME="$home" "$@") 2>"$work/stderr"
}
mkdir "$characters/sheets"
launcher_pdf "$root/usr/games/quillmark" --pdf sheets hero.qmc ||
    { cat "$work/stderr" >&2; fail "quillmark --pdf sheets hero.qmc ended with status $?"; }
[ -s "$characters/sheets/hero.pdf" ] || fail "quillmark --pdf sheets hero.qmc wrote no sheets/hero.pdf"
cp "$share/quillmark/qmsheet.rav" "$characters/mine.rav"
status=0
launcher_pdf XDG_DATA_HOME="$work/data" "$root/usr/games/quillmark" --pdf=own.pdf hero.qmc || status=$?
[ "$status" -eq 1 ] && grep -qF "\"$work/data/quillmark/qmsheet.rav\" is damaged" "$work/stderr" ||
    { cat "$work/stderr" >&2; fail "--pdf did not print with the player's own layout"; }
launcher_pdf XDG_DATA_HOME="$work/data" "$root/usr/games/quillmark" --layout mine.rav --pdf=own.pdf hero.qmc ||
    { cat "$work/stderr" >&2; fail "quillmark --layout mine.rav --pdf=own.pdf hero.qmc failed"; }
[ -s "$characters/own.pdf" ] || fail "--layout mine.rav --pdf=own.pdf wrote no own.pdf"
echo "PASS"
