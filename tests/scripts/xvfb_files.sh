#!/usr/bin/env bash
# The real program on a virtual X display, driven at the keyboard through the File menu and its
# real dialogs: File > Save of the fresh sheet writes exactly the character file of a fresh sheet;
# File > Open of a full character file and File > Save again give back that file byte for byte.
# Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'status=$?; xsession_cleanup; [ $status -eq 0 ] || cat "$work/stderr" >&2; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb_start

(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program") 2>"$work/stderr" &
pid=$!
XSESSION_PIDS+=("$pid")
id=$(main_window_of "$pid") || fail "the main window did not appear within 20 seconds"

# The dialog is gone from the screen before the program has written the file: on a busy machine
# the file comes a moment later. The save is atomic, so once the name is there the file is whole.
saved() {
    poll 100 test -e "$1" || fail "File > Save wrote no $1"
}

file_dialog "$id" "$pid" s "$work/fresh.qmc"
saved "$work/fresh.qmc"
cmp "$work/fresh.qmc" "$source_dir/tests/data/files/fresh.qmc" ||
    fail "File > Save of the fresh sheet differs from the character file of a fresh sheet"

cp "$source_dir/tests/data/files/full.qmc" "$work/full.qmc"
file_dialog "$id" "$pid" o "$work/full.qmc"
file_dialog "$id" "$pid" s "$work/again.qmc"
saved "$work/again.qmc"
cmp "$work/again.qmc" "$work/full.qmc" || fail "File > Open then File > Save changed the file"
close_and_wait "$id" "$pid" || fail "the program did not end cleanly when closed"
echo "File > Save wrote the fresh sheet exactly; File > Open then File > Save gave back a full file"
