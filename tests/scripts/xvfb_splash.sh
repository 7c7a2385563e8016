#!/usr/bin/env bash
# The splash window stands fully drawn on a real X display while the main window is being built:
# the real program is held (under gdb) as the main window's constructor begins, and the screen is
# read at that moment. Keeps the screenshot in the build folder (xvfb-splash.png).
# Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
source "$here/lib/xsession.sh"
command -v gdb >/dev/null || fail "gdb is missing (Debian package gdb)"

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb_start

shot="$(dirname "$(dirname "$program")")/xvfb-splash.png" # the build folder
rm -f "$shot"
(cd "$work" && QT_QPA_PLATFORM=xcb timeout 120 gdb -batch -nx \
    -ex 'set breakpoint pending on' -ex 'break TMainForm::TMainForm' -ex run \
    -ex "shell import -window root '$shot'" -ex kill --args "$program") >"$work/gdb.log" 2>&1 ||
    true
if grep -q 'ptrace: Operation not permitted' "$work/gdb.log"; then
    fail "gdb may not trace the program here (ptrace is not permitted)"
fi
grep -q 'Breakpoint 1, TMainForm::TMainForm' "$work/gdb.log" ||
    { cat "$work/gdb.log" >&2; fail "the program never began to build its main window"; }
[ -f "$shot" ] || fail "no screenshot was taken while the main window was being built"

# The splash is centred on the screen, which is black around it; the picture has hundreds of
# colours (gradients and smooth edges), a blank or missing window has one.
convert "$shot" -gravity center -crop 112x346+0+0 +repage "$work/splash.png"
read -r colours brightness < <(convert "$work/splash.png" -format '%k %[fx:int(100*mean)]\n' info:)
echo "splash area: $colours colours, brightness $brightness%"
[ "$colours" -gt 200 ] || fail "the splash is not drawn while the main window is built"
[ "$brightness" -gt 10 ] || fail "the splash area is dark: no picture on the screen"
echo "the splash stood drawn on the screen while the main window was being built"
