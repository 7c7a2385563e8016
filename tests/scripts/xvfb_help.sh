#!/usr/bin/env bash
# The real program at scale factor 2 on a 1280 x 1024 screen, driven at the keyboard: Help >
# Help Topics opens the help window centred on the main window and wholly on the screen, and
# Escape closes it. Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'status=$?; xsession_cleanup; [ $status -eq 0 ] || cat "$work/stderr" >&2; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
xvfb_start 1280x1024

(cd "$work" && exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$program") 2>"$work/stderr" &
pid=$!
XSESSION_PIDS+=("$pid")
id=$(main_window_of "$pid") || fail "the main window did not appear within 20 seconds"
eval "$(xdotool getwindowgeometry --shell "$id")"
main_x=$((X + WIDTH / 2)) main_y=$((Y + HEIGHT / 2))

help=""
help_shown() {
    help=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Quillmark Help$' 2>/dev/null |
        head -n 1)
    [ -n "$help" ]
}
help_gone() { ! help_shown; }

xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
xdotool key alt+h
sleep 0.3
xdotool key t
poll 100 help_shown || fail "Help > Help Topics showed no help window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$help")"
echo "help window ${WIDTH}x${HEIGHT} at $X,$Y; main window centred at $main_x,$main_y"
((X >= 0 && Y >= 0 && X + WIDTH <= 1280 && Y + HEIGHT <= 1024)) ||
    fail "the help window does not fit the 1280 x 1024 screen"
off_x=$((X + WIDTH / 2 - main_x)) off_y=$((Y + HEIGHT / 2 - main_y))
((${off_x#-} <= 4 && ${off_y#-} <= 4)) ||
    fail "the help window is not centred on the main window ($off_x, $off_y off)"

xdotool windowactivate --sync "$help" 2>/dev/null || xdotool windowfocus --sync "$help"
xdotool key Escape
poll 100 help_gone || fail "Escape did not close the help window"
close_and_wait "$id" "$pid" || fail "the program did not end cleanly when closed"
echo "PASS"
