#!/usr/bin/env python3
"""Writes a pseudo-language catalogue: every text of a Qt Linguist catalogue, changed recognisably.

Usage: pseudo-translate.py TEMPLATE.ts OUT.ts

Each text becomes "[" + its words with accented letters + "]", so that a window test can tell a
text that went through translation from one that did not. Placeholders (%1, %L1, %n), access
keys (&F), markup (<b>), escapes and the blanks around a text stay as they are.
"""
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans("aeiouycnszrdtlgAEIOUYCNSZRDTLG", "áéíóúýçñšžřďťľğÁÉÍÓÚÝÇÑŠŽŘĎŤĽĞ")


def pseudo(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "%" and i + 1 < len(text):
            j = i + 1
            if text[j] == "L":
                j += 1
            while j < len(text) and (text[j].isdigit() or text[j] == "n"):
                j += 1
            out.append(text[i:j])
            i = j
        elif c == "&" and i + 1 < len(text):
            out.append(text[i : i + 2])
            i += 2
        elif c == "<":
            j = text.find(">", i)
            j = len(text) - 1 if j < 0 else j
            out.append(text[i : j + 1])
            i = j + 1
        else:
            out.append(c.translate(ACCENTS))
            i += 1
    body = "".join(out)
    stripped = body.strip(" \n\r")
    if not stripped:
        return body
    start = body.index(stripped)
    return body[:start] + "[" + stripped + "]" + body[start + len(stripped) :]


def accented(text):
    return "".join(c.translate(ACCENTS) for c in text or "")


# A text with a line break stored as <byte value="xd"/> keeps its breaks.
def copy_with_bytes(source, translation):
    translation.text = "[" + accented(source.text)
    for child in source:
        copy = ET.SubElement(translation, child.tag, child.attrib)
        copy.tail = accented(child.tail)
    translation[-1].tail = (translation[-1].tail or "") + "]"


def main(template, output):
    tree = ET.parse(template)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        source = message.find("source")
        translation = message.find("translation")
        translation.attrib.clear()
        for child in list(translation):
            translation.remove(child)
        if len(source):
            copy_with_bytes(source, translation)
        else:
            translation.text = pseudo(source.text or "")
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
