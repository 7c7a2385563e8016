#!/usr/bin/env bash
# The help in other languages (data/help/<language>/) has the English help's pages under the
# same names, each page with the English page's links in the same order, declared as UTF-8 and
# with its language named; German and French are there.
# Arguments: the program (unused), the source folder.
set -euo pipefail
help=$(readlink -f "$2")/data/help
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
links() { grep -o 'href="[^"]*"' "$1" || true; }

pages=$(cd "$help" && ls -- *.html)
found=""
for folder in "$help"/*/; do
    language=$(basename "$folder")
    found="$found $language"
    [ "$(cd "$folder" && ls -- *.html)" = "$pages" ] ||
        fail "help/$language has other pages than the English help"
    for page in $pages; do
        translated="$folder/$page"
        [ "$(links "$help/$page")" = "$(links "$translated")" ] ||
            fail "help/$language/$page links elsewhere than the English page"
        grep -q '<meta charset="utf-8">' "$translated" || fail "help/$language/$page does not say it is UTF-8"
        grep -q "<html lang=\"$language\">" "$translated" || fail "help/$language/$page does not name its language"
        iconv -f UTF-8 -t UTF-8 "$translated" >/dev/null || fail "help/$language/$page is not UTF-8"
    done
done
for language in de fr; do
    [[ " $found " == *" $language "* ]] || fail "no help in $language"
done
echo "PASS"
