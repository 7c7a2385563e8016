#!/usr/bin/env bash
# The real program refuses the window system's own options as it refuses any option it does not
# know, before it reads a file or loads a plugin they name: each ends at once with status 2.
# Arguments: the program, the source folder.
set -uo pipefail
program=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkfifo "$work/fifo"

expect_refused() {
    local option=$1
    shift
    local status=0
    timeout 20 env QT_QPA_PLATFORM=offscreen "$program" "$@" >/dev/null 2>"$work/stderr" ||
        status=$?
    if [ "$status" -ne 2 ] || ! grep -qF "Unknown option '$option'." "$work/stderr"; then
        echo "quillmark $*: status $status, expected 2 and \"Unknown option '$option'.\"" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
}

expect_refused stylesheet -stylesheet /dev/zero
expect_refused stylesheet -stylesheet "$work/fifo"
expect_refused session -session "$work/fifo"
expect_refused platform -platform bogus
expect_refused reverse -reverse
echo "Qt's own options were refused with status 2"
