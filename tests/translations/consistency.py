# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Every catalogue says what its source says: each translation, every plural form included,
# keeps the source's placeholders (%1, %L1, %n), and the die kinds keep apart, each short
# name ("d6") with its own number and each long name ("six-sided die") a name of its own.
#   consistency.py CATALOGUE...
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
NUMBER = re.compile(r"\d+")
SIDES = ["four", "six", "eight", "ten", "twelve", "twenty", "hundred"]
SHORT = {f"d{n}" for n in (4, 6, 8, 10, 12, 20, 100)}
LONG = {f"{n}-sided die" for n in SIDES} | {"percentile tens die"}

faults = []
for catalogue in sys.argv[1:]:
    short, long = {}, {}
    for message in ElementTree.parse(catalogue).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
        for form in forms:
            if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                faults.append(f"{catalogue}: {source!r} as {form!r}: not the same placeholders")
        if source in SHORT:
            short[source] = forms[0]
            if NUMBER.findall(forms[0]) != NUMBER.findall(source):
                faults.append(f"{catalogue}: {source!r} as {forms[0]!r}: another number")
        if source in LONG:
            long[source] = forms[0]
    for names in (short, long):
        if len(set(names.values())) != len(names):
            faults.append(f"{catalogue}: two die kinds share a name: {names}")

print("\n".join(faults) or f"{len(sys.argv) - 1} catalogues consistent")
sys.exit(1 if faults else 0)
