#!/usr/bin/env bash
# The real program on a virtual X display keeps a changed character when it is ended: killed with
# SIGKILL, the recovery copy it wrote a few seconds after the change stays in the state folder and
# is offered at the next start; ended with SIGTERM or SIGHUP, it writes the copy at once. Started
# to ignore SIGHUP, it keeps ignoring it.
# Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'status=$?; xsession_cleanup; [ $status -eq 0 ] || cat "$work/stderr" >&2; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
export XDG_STATE_HOME="$work/state"
copies="$XDG_STATE_HOME/quillmark"
xvfb_start

# Starts the program, ignoring the signal named, as "nohup" starts it ignoring SIGHUP.
start() {
    (
        cd "$work"
        [ -z "${1:-}" ] || trap '' "$1"
        exec env QT_QPA_PLATFORM=xcb "$program"
    ) 2>>"$work/stderr" &
    pid=$!
    XSESSION_PIDS+=("$pid")
    id=$(main_window_of "$pid") || fail "the main window did not appear within 20 seconds"
}

windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
only_main_window() { (($(windows) == 1)); }
a_box_shows() { (($(windows) > 1)); }
copy_holding() { grep -qsl "$1" "$copies"/*.qmc; }

ended_by() {
    local signal=$1 status=0
    poll 100 process_ended "$pid" || fail "the program did not end on SIG$signal"
    wait "$pid" || status=$?
    [ "$status" -eq $((128 + $(kill -l "$signal"))) ] ||
        fail "the program ended with status $status on SIG$signal, not by the signal"
}

# SIGKILL cannot be caught: only the copy written from the event loop is left.
start
change_character "$id" Anselme
poll 150 copy_holding Anselme || fail "no recovery copy was written within 15 seconds of the change"
kill -KILL "$pid"
ended_by KILL
copy_holding Anselme || fail "the recovery copy did not outlast SIGKILL"

# The next start offers it; Escape leaves it for later.
for signal in TERM HUP; do
    start
    poll 100 a_box_shows || fail "the copy left by the killed program was not offered"
    while a_box_shows; do
        xdotool key Escape
        poll 50 only_main_window || true
    done
    change_character "$id" "Kept$signal"
    kill "-$signal" "$pid"
    ended_by "$signal"
    copy_holding "Kept$signal" || fail "SIG$signal ended the program without its recovery copy"
done
copy_holding Anselme || fail "a copy left for later was removed"

# Started under nohup, the program outlives SIGHUP: the SIGTERM sent after it is what ends it.
start HUP
while a_box_shows; do
    xdotool key Escape
    poll 50 only_main_window || true
done
kill -HUP "$pid"
kill -TERM "$pid"
ended_by TERM
echo "A change outlasts SIGKILL in its copy, which the next start offers; SIGTERM and SIGHUP write it"
