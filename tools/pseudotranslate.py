#!/usr/bin/env python3
"""Fills every message of a Qt .ts file with a pseudo-translation.

    tools/pseudotranslate.py IN.ts OUT.ts LANGUAGE

Each text is accented letter by letter, lengthened by a third with "~" words
and put between brackets, "[Ŝåṽé~~~]" for "Save". A window shown in this
language reveals a text that is not translated (plain letters outside
brackets) and a layout that clips a longer text. Placeholders (%1, %L1, %n),
access keys (&S, &&), tags and entities stay as they are.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "åƀçðéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ"))
# Kept whole: placeholders, a literal ampersand, entities and tags.
KEPT = re.compile(r"%L?\d+|%n|&&|&[A-Za-z#0-9]+;|<[^>]*>")
GROWTH = 1.3


def pseudo(text):
    parts = []
    position = 0
    for match in KEPT.finditer(text):
        parts.append("".join(ACCENTED.get(c, c) for c in text[position:match.start()]))
        parts.append(match.group())
        position = match.end()
    parts.append("".join(ACCENTED.get(c, c) for c in text[position:]))
    body = "".join(parts)
    # Padding in short words, so that a wrapping label can still break the line.
    missing = math.ceil(len(text) * GROWTH) - 2 - len(body)
    if missing > 0:
        body += (" ~~~~" * math.ceil(missing / 5))[:missing]
    return "[" + body + "]"


def main():
    source, target, language = sys.argv[1:4]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", language)
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            translation.text = None
            for child in list(translation):
                translation.remove(child)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
