#!/usr/bin/env bash
# The sheet layouts in other languages (data/<language>/qmsheet.rav) are the English layout with
# its labels' texts translated and nothing else changed: the same elements in the same order with
# the same attributes, names and positions, each label's text in its own words, "{page}" and
# "{pages}" kept. Each one prints a character through --pdf with its words on the page.
# Arguments: the program, the source folder.
set -euo pipefail
program=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

compare() {
    python3 - "$source_dir/data/qmsheet.rav" "$1" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

english, translated = (list(ET.parse(name).iter()) for name in sys.argv[1:3])
if len(english) != len(translated):
    sys.exit(f"{len(translated)} elements, the English layout has {len(english)}")
for line, (a, b) in enumerate(zip(english, translated)):
    if a.tag != b.tag or a.keys() != b.keys():
        sys.exit(f"element {line}: <{b.tag}> {b.keys()} where English has <{a.tag}> {a.keys()}")
    for key in a.keys():
        if key == "text" and a.tag == "label":
            for field in ("{page}", "{pages}"):
                if a.get(key).count(field) != b.get(key).count(field):
                    sys.exit(f"element {line}: \"{b.get(key)}\" lost {field}")
        elif a.get(key) != b.get(key):
            sys.exit(f"element {line} <{a.tag}>: {key}=\"{b.get(key)}\", English \"{a.get(key)}\"")
PYTHON
}

# Each language's own words for two of its labels, as they must appear in its printed sheet.
declare -A words=(
    [de]="Charakterbogen|Seite 1 von "
    [fr]="Feuille de personnage|Page 1 sur "
)
cd "$work"
checked=0
for layout in "$source_dir"/data/*/qmsheet.rav; do
    language=$(basename "$(dirname "$layout")")
    report=$(compare "$layout" 2>&1) || fail "$layout: $report"
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --pdf \
        "$work/$language.pdf" --layout "$layout" "$source_dir/tests/data/files/full.qmc" ||
        fail "--pdf with $layout"
    pdftotext "$work/$language.pdf" "$work/$language.txt"
    IFS='|' read -ra expected <<<"${words[$language]:-}"
    for text in "${expected[@]}" "Zoë Ångström"; do
        grep -qF "$text" "$work/$language.txt" || fail "$language.pdf lacks \"$text\""
    done
    [ -z "${words[$language]:-}" ] || checked=$((checked + 1))
done
[ "$checked" -eq 2 ] || fail "$checked of the German and French layouts found"
echo "PASS"
