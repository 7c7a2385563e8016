# Shared by the scripts that run the real program on a virtual X display. Source it; it keeps
# the processes it starts in XSESSION_PIDS and ends them on exit.
XSESSION_LIB=$(dirname "${BASH_SOURCE[0]}")
XSESSION_PIDS=()

xsession_cleanup() {
    local pid
    for pid in "${XSESSION_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${XSESSION_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls a command until it succeeds, for at most the given number of tenths of a second.
poll() {
    local tenths=$1
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a free display (it picks the number itself) at 96 dots per inch. It must not
# reset when its last client leaves: a program connecting during that reset (right after an
# xdotool look, or after the previous program closed) cannot reach the display and aborts.
# The screen is 2560 x 2048 unless a size ("1280x1024") is given.
xvfb_start() {
    command -v Xvfb >/dev/null || fail "Xvfb is missing (Debian package xvfb)"
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-2560x2048}x24" -dpi 96 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XSESSION_PIDS+=($!)
    local number
    read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Prints "ID WIDTH HEIGHT" of the largest visible window of the process. Windows may vanish
# while they are looked at (the splash window does), so a failed look skips the window.
largest_window_of() {
    local pid=$1 id geometry best="" best_area=0 WIDTH HEIGHT
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
        eval "$geometry"
        if ((WIDTH * HEIGHT > best_area)); then
            best="$id $WIDTH $HEIGHT"
            best_area=$((WIDTH * HEIGHT))
        fi
    done
    [ -n "$best" ] && echo "$best"
}

# Waits until the program's main window is on the screen (it is wider than the splash window)
# and prints its id.
main_window_of() {
    local pid=$1 id width height
    main_window_shown() {
        read -r id width height < <(largest_window_of "$pid") && ((width > 300))
    }
    poll 200 main_window_shown || return 1
    echo "$id"
}

# Takes a screenshot of the window once two grabs in a row agree, so painting has finished.
stable_screenshot() {
    local id=$1 out=$2 previous
    previous=$(mktemp --suffix=.png)
    import -window "$id" "$previous" 2>/dev/null || return 1
    same_as_before() {
        import -window "$id" "$out" 2>/dev/null || return 1
        cmp -s "$out" "$previous" && return 0
        cp "$out" "$previous"
        return 1
    }
    poll 100 same_as_before
    local status=$?
    rm -f "$previous"
    return $status
}

# True once the process is gone or only waits to be reaped.
process_ended() {
    local state
    state=$(ps -o stat= -p "$1") || return 0
    [[ $state == Z* ]]
}

# Closes a window as the close button does, then waits for its process to end and returns
# the process's exit status.
close_and_wait() {
    local id=$1 pid=$2
    python3 "$XSESSION_LIB/wm_delete.py" "$id" || return 1
    poll 100 process_ended "$pid" || fail "the program did not end when closed"
    wait "$pid"
}

# File > KEY in the main window ID of process PID, by access keys; NAME is typed into the file
# dialog that shows, then Return. Returns once the dialog has gone from the screen.
file_dialog() {
    local id=$1 pid=$2 key=$3 name=$4
    windows_of_program() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
    dialog_open() { (($(windows_of_program | wc -l) > 1)); }
    dialog_closed() { (($(windows_of_program | wc -l) == 1)); }
    # A dialog is on the screen a moment before it takes the keyboard; keys typed in between
    # would go to the main window.
    dialog_focused() {
        local focus
        focus=$(xdotool getwindowfocus 2>/dev/null) && [ "$focus" != "$id" ] &&
            windows_of_program | grep -qx "$focus"
    }
    poll 50 dialog_closed || fail "a message box stands over the window"
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key alt+f
    sleep 0.3
    xdotool key "$key"
    poll 100 dialog_open || fail "File > $key did not show a dialog"
    poll 100 dialog_focused || fail "the dialog of File > $key did not take the keyboard"
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 20 "$name"
    sleep 0.3
    xdotool key Return
    # When NAME is of an existing file its completion list shows as Return is pressed; it must
    # go with the dialog, leaving only the main window.
    poll 100 dialog_closed || fail "the dialog of File > $key left a window open"
}

# Saves what the program's window shows with File > Save under a bare name, so the Save
# window's own folder decides where it goes; then closes the window and waits until the program
# has ended (it need not be a child of the caller).
save_shown_and_close() {
    local id=$1 pid=$2 name=$3
    sleep 0.5
    file_dialog "$id" "$pid" s "$name"
    python3 "$XSESSION_LIB/wm_delete.py" "$id" || fail "cannot close the window"
    poll 100 process_ended "$pid" || fail "the program did not end when closed"
}

# True when the title of window ID marks a changed character.
title_marked() {
    [[ $(xdotool getwindowname "$1" 2>/dev/null) == *'*'* ]]
}

# Types TEXT into the first box of window ID that takes text, as a player who tabs to it would,
# until the title marks the character changed.
change_character() {
    local id=$1 text=$2 try
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    for try in 1 2 3 4 5; do
        xdotool key Tab
        xdotool type --delay 20 "$text"
        poll 20 title_marked "$id" && return 0
    done
    fail "typing changed nothing on the sheet"
}
