#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without an error, warning or hint.
# Arguments: the program (unused), the source folder.
set -euo pipefail
entry="$2/data/quillmark.desktop"
command -v desktop-file-validate >/dev/null ||
    { echo "FAIL: desktop-file-validate is missing (Debian package desktop-file-utils)"; exit 1; }
if ! report=$(desktop-file-validate "$entry" 2>&1) || [ -n "$report" ]; then
    echo "FAIL: $entry"
    echo "$report"
    exit 1
fi
echo "PASS"
