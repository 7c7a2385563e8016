#!/usr/bin/env bash
# Checks that the committed catalogues hold every text of the sources: lupdate, run on copies of
# them, must find no new text and say nothing about the sources, and the German and French ones
# leave no text unfinished. Usage: lupdate_check.sh LUPDATE SOURCES-LIST TS-FILE...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
names=()
for ts in "$@"; do
    cp "$ts" "$copies/"
    names+=("$copies/$(basename "$ts")")
done
report=$("$lupdate" -locations none "@$sources" -ts "${names[@]}" 2>&1)
echo "$report"
found=$(grep -c 'Found [0-9]* source text' <<<"$report" || true)
[ "$found" -eq $# ] || { echo "lupdate_check: lupdate did not read every catalogue" >&2; exit 1; }
if grep -E 'Found [0-9]+ source text\(s\) \([1-9][0-9]* new' <<<"$report"; then
    echo "lupdate_check: texts above are missing from the catalogues; run" \
        "'cmake --build build --target update_translations' and translate them" >&2
    exit 1
fi
if grep -vE "^(Updating '|    (Found|Kept|Removed|Same-text) )" <<<"$report"; then
    echo "lupdate_check: lupdate says the above of the sources" >&2
    exit 1
fi
for ts in "${names[@]}"; do
    case $ts in
    *_de.ts | *_fr.ts)
        released=$("$(dirname "$lupdate")/lrelease" "$ts" -qm "$copies/check.qm" 2>&1)
        echo "$released"
        grep -q ' 0 unfinished)' <<<"$released" ||
            { echo "lupdate_check: $(basename "$ts") leaves texts unfinished" >&2; exit 1; }
        ;;
    esac
done
