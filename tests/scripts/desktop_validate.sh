#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without an error, warning or hint, passes the
# file it is asked to open on to the program, and declares the character files' MIME type.
# Arguments: the program (unused), the source folder.
set -euo pipefail
entry="$2/data/io.github.quillmark.quillmark.desktop"
command -v desktop-file-validate >/dev/null ||
    { echo "FAIL: desktop-file-validate is missing (Debian package desktop-file-utils)"; exit 1; }
if ! report=$(desktop-file-validate "$entry" 2>&1) || [ -n "$report" ]; then
    echo "FAIL: $entry"
    echo "$report"
    exit 1
fi
grep -qx 'Exec=quillmark %f' "$entry" || { echo "FAIL: Exec does not pass one file on"; exit 1; }
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$2/data/quillmark-mime.xml")
[ "$type" = application/x-quillmark-character ] || { echo "FAIL: MIME type is '$type'"; exit 1; }
grep -qx "MimeType=$type;" "$entry" || { echo "FAIL: the entry does not take $type"; exit 1; }
echo "PASS"
