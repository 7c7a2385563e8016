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

windows_of_program() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
dialog_open() { (($(windows_of_program) > 1)); }
dialog_closed() { (($(windows_of_program) == 1)); }

# File menu by its access key, then the item's access key; the dialog takes the typed name. When
# the name is of an existing file its completion list shows as Return is pressed; it must go
# with the dialog, leaving only the main window.
run_dialog() {
    local key=$1 name=$2
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key alt+f
    sleep 0.3
    xdotool key "$key"
    poll 100 dialog_open || fail "File > $key did not show a dialog"
    sleep 0.5
    xdotool type --delay 20 "$name"
    sleep 0.5
    xdotool key Return
    poll 100 dialog_closed || fail "the dialog of File > $key left a window open"
}

run_dialog s "$work/fresh.qmc"
cmp "$work/fresh.qmc" "$source_dir/tests/data/files/fresh.qmc" ||
    fail "File > Save of the fresh sheet differs from the character file of a fresh sheet"

cp "$source_dir/tests/data/files/full.qmc" "$work/full.qmc"
run_dialog o "$work/full.qmc"
run_dialog s "$work/again.qmc"
cmp "$work/again.qmc" "$work/full.qmc" || fail "File > Open then File > Save changed the file"
close_and_wait "$id" "$pid" || fail "the program did not end cleanly when closed"
echo "File > Save wrote the fresh sheet exactly; File > Open then File > Save gave back a full file"
