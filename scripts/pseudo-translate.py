#!/usr/bin/env python3
"""Fills a .ts file with a made-up language for testing: every text accented,
about 40% longer, between "[" and " ~~~]", so that a text cut off or not
translated shows at a glance and can be found by a test.

    pseudo-translate.py SOURCE.ts OUTPUT.ts

Placeholders (%1, %L1, %n, %Ln), mnemonics (&F, &&), markup (<b>, &amp;) and
escapes stay as they are, so the texts work wherever the English ones do.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(
    zip(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "áƀçðéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ",
    )
)
# What must reach the program unchanged: placeholders, markup, entities,
# and a mnemonic's "&" (the letter after it is accented like any other).
KEEP = re.compile(r"%L?\d+|%L?n|<[^>]*>|&[a-zA-Z#0-9]+;|&&|&")


def accent(text):
    out, pos = [], 0
    for m in KEEP.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[pos : m.start()]))
        out.append(m.group(0))
        pos = m.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[pos:]))
    return "".join(out)


def pseudo(source):
    if source == "QT_LAYOUT_DIRECTION":
        return "LTR"
    if not re.search(r"[A-Za-z]", KEEP.sub("", source)):
        return source  # numbers and placeholders only: nothing to translate
    visible = len(KEEP.sub("x", source))
    padding = max(1, math.ceil(visible * 0.4) - 3)
    return "[" + accent(source) + " " + "~" * padding + "]"


def main(source_path, output_path):
    tree = ET.parse(source_path)
    root = tree.getroot()
    root.set("language", "en_XA")
    root.set("sourcelanguage", "en")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        if translation.get("type") in ("vanished", "obsolete"):
            continue
        text = pseudo(message.findtext("source", ""))
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(output_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
