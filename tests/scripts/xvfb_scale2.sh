#!/usr/bin/env bash
# The real program in a real X window at scale factors 1 and 2: at 2 the window is exactly
# twice as large, the screenshot has the same size as the window, and the button arrows are
# drawn at full resolution rather than blown up; the screenshot at scale 2 is kept in the build
# folder (xvfb-scale2.png). Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
xvfb_start

# Runs the program at a scale factor in a folder of its own, screenshots its main window and
# closes it; sets WIDTH and HEIGHT to the window's size.
shoot() {
    local scale=$1 folder="$work/scale$1" pid id
    mkdir -p "$folder"
    (cd "$folder" && exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program") \
        2>"$work/stderr$scale" &
    pid=$!
    XSESSION_PIDS+=("$pid")
    id=$(main_window_of "$pid") ||
        { cat "$work/stderr$scale" >&2; fail "no main window at scale $scale"; }
    eval "$(xdotool getwindowgeometry --shell "$id")"
    stable_screenshot "$id" "$work/shot$scale.png" || fail "no steady screenshot at scale $scale"
    close_and_wait "$id" "$pid" || fail "the program ended with status $? at scale $scale"
}

shoot 1
width1=$WIDTH height1=$HEIGHT
shoot 2
width2=$WIDTH height2=$HEIGHT
echo "window at scale 1: ${width1}x${height1}; at scale 2: ${width2}x${height2}"

[ "$width1" -eq 579 ] || fail "the window is $width1 wide at scale 1, not 579"
[ "$width2" -eq $((2 * width1)) ] && [ "$height2" -eq $((2 * height1)) ] ||
    fail "the window at scale 2 is not twice the size at scale 1"
[ "$(identify -format %wx%h "$work/shot2.png")" = "${width2}x${height2}" ] ||
    fail "the screenshot at scale 2 is not the window's size"

# The measure must tell a blown-up picture: the scale-1 screenshot doubled pixel by pixel
# has no mixed blocks at all.
convert "$work/shot1.png" -scale 200% "$work/doubled.png"
read -r red mixed < <(python3 "$here/lib/doubled_blocks.py" "$work/doubled.png")
[ "$red" -gt 100 ] && [ "$mixed" -eq 0 ] || fail "doubled scale-1 shot: $red red, $mixed mixed"

read -r red mixed < <(python3 "$here/lib/doubled_blocks.py" "$work/shot2.png")
echo "arrow blocks at scale 2: $red, of which $mixed show detail finer than 2x2"
[ "$red" -gt 100 ] || fail "no button arrows in the screenshot at scale 2"
[ $((10 * mixed)) -ge "$red" ] || fail "the button arrows at scale 2 are blown up, not redrawn"

[ -f "$work/scale2/quillmark.ini" ] || fail "closing the window did not store the settings"
# Kept for a look by eye, beside the other real-display screenshots in the build folder.
cp "$work/shot2.png" "$(dirname "$(dirname "$program")")/xvfb-scale2.png"
echo "PASS"
