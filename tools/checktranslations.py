#!/usr/bin/env python3
"""Checks translations against the texts the sources have now.

    checktranslations.py CURRENT.ts TRANSLATION.ts...

CURRENT.ts holds every text lupdate finds in the sources (the build's
palmora_en_XA.ts). Each translation must translate every one of them, finished,
keeping the text's arguments (%1, %n) and its one access key marker (&), and
hold nothing else. Prints each problem and exits 1 when there is any."""

import re
import sys
import xml.etree.ElementTree as ET

ARGUMENT = re.compile(r"%(?:\d+|n)")


def messages(path):
    """(context, source) -> the <message> element."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message
    return found


def access_keys(text):
    return text.replace("&&", "").count("&")


def problems(current, path):
    translated = messages(path)
    for key in current:
        where = f"{path}: {key[0]}: {key[1][:60]!r}"
        message = translated.get(key)
        if message is None:
            yield f"{where}: missing"
            continue
        translation = message.find("translation")
        if translation.get("type") is not None:
            yield f"{where}: {translation.get('type')}"
            continue
        forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
        for form in forms:
            if not form.strip():
                yield f"{where}: empty"
            elif sorted(ARGUMENT.findall(form)) != sorted(ARGUMENT.findall(key[1])):
                yield f"{where}: arguments differ: {form[:60]!r}"
            elif access_keys(form) != access_keys(key[1]):
                yield f"{where}: access keys differ: {form[:60]!r}"
    for key in translated.keys() - current.keys():
        yield f"{path}: {key[0]}: {key[1][:60]!r}: no longer in the sources"


def main(arguments):
    if len(arguments) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    current = messages(arguments[0])
    found = [problem for path in arguments[1:] for problem in problems(current, path)]
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
