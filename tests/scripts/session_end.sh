#!/usr/bin/env bash
# The real program in an X session whose end a session manager stand-in announces over XSMP, as
# a desktop does at logout. Interaction allowed, the changed character is asked about and Cancel
# cancels the session's end, the window staying; no interaction allowed, it goes into its recovery
# copy and the program ends without a question when the session manager says so.
# Arguments: the program, the source folder, the session manager stand-in.
set -euo pipefail
program=$(readlink -f "$1")
standin=$(readlink -f "$3")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'status=$?; xsession_cleanup; [ $status -eq 0 ] || cat "$work"/*.log "$work/stderr" >&2; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb_start

windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
a_box_shows() { (($(windows | wc -l) > 1)); }
said() { grep -qx "$1" "$log"; }
copy_holding() { grep -qsl "$1" "$XDG_STATE_HOME"/quillmark/*.qmc; }

# Starts the stand-in with an interaction style and the program as its client, with a state
# folder of its own, and changes the character's name.
start() {
    log="$work/$1.log"
    export XDG_STATE_HOME="$work/state-$1"
    rm -f "$work/address" "$work/end"
    (cd "$work" && exec "$standin" "$1") >"$log" 2>&1 &
    XSESSION_PIDS+=($!)
    poll 50 test -s "$work/address" || fail "the session manager stand-in did not start"
    (cd "$work" && exec env QT_QPA_PLATFORM=xcb SESSION_MANAGER="$(cat "$work/address")" \
        "$program") 2>>"$work/stderr" &
    pid=$!
    XSESSION_PIDS+=("$pid")
    id=$(main_window_of "$pid") || fail "the main window did not appear within 20 seconds"
    poll 100 said registered || fail "the program did not join the session"
    change_character "$id" "$2"
    touch "$work/end"
}

start any Stays
poll 100 a_box_shows || fail "the session's end asked nothing about the changed character"
box=$(windows | grep -vx "$id" | head -n 1)
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Escape
poll 100 said "interaction done, the end cancelled" || fail "Cancel did not cancel the session's end"
poll 50 said "not saved" || fail "the program did not finish the session's request"
process_ended "$pid" && fail "the program ended although its end was cancelled"
title_marked "$id" || fail "the changed character was lost"
kill -TERM "$pid"
poll 100 process_ended "$pid" || fail "the program did not end on SIGTERM"

start none Kept
poll 100 said "told to die" || fail "the program did not save itself for the session's end"
poll 100 process_ended "$pid" || fail "the program did not end with the session"
wait "$pid" || fail "the program ended with status $? at the session's end"
copy_holding Kept || fail "the session's end left no recovery copy of the changed character"
echo "The session's end asks about a changed character when it may, and keeps it in its copy when not"
