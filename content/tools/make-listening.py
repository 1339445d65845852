#!/usr/bin/env python3
"""Writes the listening exercises' data files that follow from others.

    make-listening.py CONTENTDIR           writes the files
    make-listening.py --check CONTENTDIR   says which files differ from what it would write

CONTENTDIR is the content folder (content/). The script reads the dictations in
DATA/ and writes, in code page 1252 with CR LF as every data file:

  DATA/Spa54500.DAT    "Mitt telefonnummer": Spanish telephone numbers in the
                       groups they are said in ("612 34 56 78"), each with the
                       digits alone as an "&" alternative
  plain/SpDi36.DAT     the tests of diagnosis items 36-38 (no help texts; the
  plain/SpDi37.DAT     build stores them scrambled)
  plain/SpDi38.DAT
  DATA/SpOvn136.DAT    their practice files (help texts kept)
  DATA/SpOvn137.DAT
  DATA/SpOvn138.DAT

A diagnosis question plays the recording of a dictation by its number, so
line n of a diagnosis file must be the line whose sound it plays: item 36
plays the alphabet (SPA11000), item 37 "Diktamen 1" (SPA21000) for its first
66 questions and "Diktamen 3" (SPA23000) from question 67 on, item 38
"Diktamen 2" (SPA22000). The files are written from those lines in their
order; `lingvaro-tool check` compares them again.

The output is committed; the test suite runs --check, so a dictation changed
without running the script is caught.
"""

import os
import random
import sys

FIRST_DICTATION_LINES = 66


def read_lines(path):
    with open(path, "rb") as f:
        text = f.read().decode("cp1252")
    return [line.rstrip("\r") for line in text.split("\n")]


def question_lines(path):
    return [line for line in read_lines(path) if line and line[0] not in ";$"]


def fields_of(line):
    return line.split("#")


def test_line(line, with_translation):
    """A line without its help texts: the text, the Swedish translation where
    the item shows it, and the "&" alternatives."""
    fields = fields_of(line)
    kept = [fields[0]]
    rest = fields[1:]
    if with_translation and rest and not rest[0].startswith("&"):
        kept.append(rest[0])
    kept += [f for f in rest if f.startswith("&")]
    return "#".join(kept)


def practice_line(line, with_translation):
    """A practice line: the whole dictation line, without the translation where
    the item does not show it."""
    if with_translation:
        return line
    fields = fields_of(line)
    return "#".join([fields[0]] + [f for f in fields[2:]])


def telephone_numbers():
    """Twenty-two numbers: mobile numbers (6.. in groups 3+2+2+2) and numbers of
    fixed lines with the area codes of a few cities (2+3+2+2)."""
    rng = random.Random(54500)
    areas = ["91", "93", "96", "95", "94", "98"]
    numbers = []
    seen = set()
    while len(numbers) < 22:
        if len(numbers) % 2 == 0:
            digits = rng.choice("67") + "".join(rng.choice("0123456789") for _ in range(8))
            grouped = f"{digits[0:3]} {digits[3:5]} {digits[5:7]} {digits[7:9]}"
        else:
            digits = rng.choice(areas) + rng.choice("123456789") + "".join(rng.choice("0123456789") for _ in range(6))
            grouped = f"{digits[0:2]} {digits[2:5]} {digits[5:7]} {digits[7:9]}"
        if digits in seen:
            continue
        seen.add(digits)
        numbers.append(f"{grouped}#&{digits}")
    return numbers


def files(content):
    data = os.path.join(content, "DATA")
    alphabet = question_lines(os.path.join(data, "SPA11000.DAT"))
    words1 = question_lines(os.path.join(data, "SPA21000.DAT"))
    words3 = question_lines(os.path.join(data, "SPA23000.DAT"))
    sentences = question_lines(os.path.join(data, "SPA22000.DAT"))
    if len(words1) != FIRST_DICTATION_LINES:
        sys.exit(f"make-listening: SPA21000.DAT has {len(words1)} questions; item 37 needs exactly "
                 f"{FIRST_DICTATION_LINES}")

    items = {
        36: ("Lyssna och skriva - alfabetet", "Lyssna på bokstavens namn och skriv bokstaven. Tryck Enter.",
             "bokstaven", alphabet, False),
        37: ("Lyssna och skriva - bara ord", "Lyssna och skriv ordet på spanska. Tryck Enter.",
             "ordet # svensk översättning", words1 + words3, True),
        38: ("Lyssna och skriva - meningar", "Lyssna och skriv meningen på spanska. Tryck Enter.",
             "meningen # svensk översättning", sentences, True),
    }
    out = {}
    for item, (title, instruction, test_fields, lines, translation) in items.items():
        source = {36: "SPA11000", 37: "SPA21000 (fråga 1-66) och SPA23000 (fråga 67-)", 38: "SPA22000"}[item]
        note = f"; Skriven av content/tools/make-listening.py från {source}: fråga n spelar den frågans ljud."
        out[f"plain/SpDi{item}.DAT"] = [f"$Diagnos {item}", f"${title}", f"$§{instruction}", note,
                                        f"; Fält: {test_fields} # &andra godtagbara svar"] + \
            [test_line(line, translation) for line in lines]
        out[f"DATA/SpOvn{100 + item}.DAT"] = [f"$Övning till diagnos {item}", f"${title}", f"$§{instruction}", note,
                                              f"; Fält: {test_fields} # hjälptext # &andra godtagbara svar"] + \
            [practice_line(line, translation) for line in lines]
    out["DATA/Spa54500.DAT"] = ["$Räkneord", "$Mitt telefonnummer",
                                "$§Lyssna och skriv telefonnumret med siffror. Tryck Enter.",
                                "; Skriven av content/tools/make-listening.py.",
                                "; Fält: numret i grupperna det sägs i # &numret utan mellanrum"] + telephone_numbers()
    return {name: ("\r\n".join(lines) + "\r\n").encode("cp1252") for name, lines in out.items()}


def main(argv):
    check = len(argv) == 3 and argv[1] == "--check"
    if len(argv) != (3 if check else 2):
        sys.exit(__doc__)
    content = argv[-1]
    differing = []
    for name, data in sorted(files(content).items()):
        path = os.path.join(content, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                differing.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if differing:
        print("make-listening: these files are not what content/tools/make-listening.py writes "
              "(run it and commit the result): " + ", ".join(differing))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
