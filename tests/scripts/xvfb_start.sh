#!/usr/bin/env bash
# The real program on a virtual X display: started in an empty folder, its main window appears,
# a screenshot of it is kept in the build folder (xvfb-start.png), and the window is closed the
# way a window manager's close button closes it. The program must end with status 0, having
# stored its settings file in its folder, and must not have missed any of its artwork.
# Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb_start

(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program") 2>"$work/stderr" &
pid=$!
XSESSION_PIDS+=("$pid")

id=$(main_window_of "$pid") ||
    { cat "$work/stderr" >&2; fail "the main window did not appear within 20 seconds"; }
shot="$(dirname "$(dirname "$program")")/xvfb-start.png" # the build folder
stable_screenshot "$id" "$shot" || fail "the window did not settle for a screenshot in 10 seconds"
echo "screenshot: $shot ($(identify -format %wx%h "$shot"))"

status=0
close_and_wait "$id" "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status after its window was closed"

[ -f "$work/quillmark.ini" ] || fail "closing the window did not store quillmark.ini"
grep -q '^Songs=1' "$work/quillmark.ini" || fail "quillmark.ini lacks the stored Songs setting"
# Qt names a resource it cannot load in its warning, as ':/images/...'.
if grep -E "[\"']:/" "$work/stderr"; then
    fail "the program could not load some of its artwork"
fi
echo "the program started, showed its window and ended cleanly on close"
