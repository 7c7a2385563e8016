#!/usr/bin/env bash
# Every finished translation in translations/*.ts keeps what the program relies on in its source
# text: each placeholder %1, %2 ... as often as the source has it, an access key "&" exactly when
# the source has one, the blanks at either end and a closing line feed.
# Arguments: the program (unused), the source folder.
set -euo pipefail
python3 - "$2"/translations/*.ts <<'PYTHON'
import re
import sys
import xml.etree.ElementTree as ET

def placeholders(text):
    return sorted(re.findall(r"%\d+", text))

def access_keys(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))

def ends(text):
    return (len(text) - len(text.lstrip(" ")), len(text) - len(text.rstrip(" ")), text.endswith("\n"))

faults = []
checked = 0
for name in sys.argv[1:]:
    for context in ET.parse(name).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            if translation is None or translation.get("type") is not None:
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for text in forms:
                checked += 1
                for what, rule in (("placeholders", placeholders), ("access keys", access_keys),
                                   ("blanks at the ends", ends)):
                    if rule(source) != rule(text):
                        faults.append(f"{name}: {context.findtext('name')}: {what} differ: "
                                      f"{source!r} -> {text!r}")
for fault in faults:
    print(fault)
if checked == 0:
    sys.exit("no finished translation found")
sys.exit(1 if faults else 0)
PYTHON
echo "PASS"
