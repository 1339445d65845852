#!/usr/bin/env python3
"""Writes the data files whose content is regular: clock times and numbers.

    make-times-and-numbers.py DATADIR PLAINDIR

DATADIR gets (code page 1252, CR LF, as every data file):
  Spa54400.DAT   the clock exercise: 144 lines, one for each five minutes from
                 12:00 to 11:55 in that order (the line's place is the time the
                 clock shows); field 1 the Spanish time expression, field 2 the
                 time in digits, two help texts, "&" alternatives
  SpOvn115.DAT   the practice of diagnosis item 15 (the same lines)
  Spa54300.DAT   the level exercise: numbers in digits to write in Spanish words,
                 20 levels from 0-10 up to hundreds of millions
PLAINDIR gets SpDi15.DAT, the test of diagnosis item 15 (no help texts), which
the build stores scrambled as every test file.

Every correct way of saying a time or a number that a pupil may type is an
"&" alternative: "y cuarto" and "y quince", "menos veinte" and the digital
"y cuarenta", the Latin American "Faltan veinte para las tres", "en punto",
"Es mediodía" and "Es medianoche" for twelve o'clock, and "veintiún" beside
"veintiuno" (the form before a masculine noun).
"""

import os
import sys

# --- numbers ----------------------------------------------------------------------

UNITS = ["cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve",
         "diez", "once", "doce", "trece", "catorce", "quince", "dieciséis", "diecisiete",
         "dieciocho", "diecinueve", "veinte", "veintiuno", "veintidós", "veintitrés",
         "veinticuatro", "veinticinco", "veintiséis", "veintisiete", "veintiocho", "veintinueve"]
TENS = {3: "treinta", 4: "cuarenta", 5: "cincuenta", 6: "sesenta", 7: "setenta",
        8: "ochenta", 9: "noventa"}
HUNDREDS = {1: "ciento", 2: "doscientos", 3: "trescientos", 4: "cuatrocientos",
            5: "quinientos", 6: "seiscientos", 7: "setecientos", 8: "ochocientos",
            9: "novecientos"}


def _below_hundred(n, short_one):
    """1..99; short_one: "un"/"veintiún" as before a noun, mil or millones."""
    if n < 30:
        word = UNITS[n]
        if short_one and n == 1:
            return "un"
        if short_one and n == 21:
            return "veintiún"
        return word
    tens, unit = divmod(n, 10)
    if unit == 0:
        return TENS[tens]
    return TENS[tens] + " y " + ("un" if short_one and unit == 1 else UNITS[unit])


def _below_thousand(n, short_one):
    """1..999: "cien" for exactly 100, "ciento" before more."""
    if n == 100:
        return "cien"
    hundreds, rest = divmod(n, 100)
    words = []
    if hundreds:
        words.append(HUNDREDS[hundreds])
    if rest:
        words.append(_below_hundred(rest, short_one))
    return " ".join(words)


def number_words(n, short_one=False):
    """The Spanish words of 0 <= n < 10**9, as a number is read on its own
    ("veintiuno"), or with short_one the last "uno" shortened as before a
    masculine noun ("veintiún")."""
    if not 0 <= n < 10**9:
        raise ValueError(n)
    if n == 0:
        return "cero"
    millions, rest = divmod(n, 10**6)
    thousands, units = divmod(rest, 1000)
    words = []
    if millions == 1:
        words.append("un millón")
    elif millions:
        # "uno" is always "un" before millones and mil: veintiún millones.
        words.append(_below_thousand(millions, True) + " millones")
    if thousands == 1:
        words.append("mil")
    elif thousands:
        words.append(_below_thousand(thousands, True) + " mil")
    if units:
        words.append(_below_thousand(units, short_one))
    return " ".join(words)


def number_answers(n):
    """The answer and its alternatives: the shortened one where the number ends
    in "uno" (21, 31, 101, 2001 …; 1 alone is "uno", "un" being the article)."""
    answers = [number_words(n)]
    short = number_words(n, short_one=True)
    if short not in answers and n != 1:
        answers.append(short)
    return answers


def number_digits(n):
    """Digits as a Swedish and a Spanish text both write them: groups of three
    parted by a space from five digits on (10 000), four digits together (2024)."""
    text = str(n)
    if len(text) <= 4:
        return text
    groups = []
    while text:
        groups.insert(0, text[-3:])
        text = text[:-3]
    return " ".join(groups)


# The levels: (what the level practises, the numbers asked). Each number is
# asked once in the file; every answer fits the answer box (70 characters).
LEVELS = [
    ("0–10", [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10]),
    ("11–20", [11, 12, 13, 14, 15, 16, 17, 18, 19, 20]),
    ("21–29", [21, 22, 23, 24, 25, 26, 27, 28, 29]),
    ("tiotal", [30, 31, 40, 50, 60, 70, 80, 90]),
    ("31–59", [32, 35, 38, 41, 44, 45, 47, 52, 56, 59]),
    ("61–99", [61, 63, 67, 72, 76, 78, 81, 85, 94, 97]),
    ("hundratal", [100, 200, 300, 400, 500, 600, 700, 800, 900]),
    ("101–199", [101, 102, 110, 115, 120, 121, 150, 163, 188, 199]),
    ("hundratal och lite till", [205, 230, 301, 416, 507, 650, 709, 880, 902, 960]),
    ("201–999", [234, 345, 478, 512, 591, 629, 736, 784, 857, 999]),
    ("1000–1999", [1000, 1001, 1010, 1021, 1100, 1200, 1492, 1500, 1776, 1999]),
    ("2000–9999", [2000, 2001, 2024, 3000, 3500, 4321, 5005, 6790, 7100, 9999]),
    ("10 000–99 999", [10000, 11000, 15500, 20000, 21000, 31000, 40004, 56789, 71300, 99999]),
    ("hundratusental", [100000, 101000, 121000, 200000, 250000, 333000, 500000, 700000, 900000]),
    ("100 000–999 999", [100100, 101101, 215300, 356021, 470900, 555555, 608080, 777001, 890450]),
    ("miljoner", [1000000, 2000000, 3000000, 5000000, 7000000, 9000000, 10000000, 21000000]),
    ("miljoner och tusental", [1001000, 1500000, 2300000, 4100000, 6250000, 8001000, 11000000,
                               31500000]),
    ("miljoner och mer", [1000001, 1000100, 2000021, 3000500, 5500500, 7007007, 9000090, 4000100]),
    ("tiotals och hundratals miljoner", [15000000, 20000000, 45000000, 100000000, 101000000,
                                         200000000, 500000000, 999000000]),
    ("stora tal", [12000012, 60000060, 100100100, 201001001, 300300000, 500500500, 700000700,
                   61061061]),
]

# --- clock times -------------------------------------------------------------------

HOURS = ["", "una", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve",
         "diez", "once", "doce"]
# Minutes after the hour as the clock says them, and as a digital clock reads them.
PAST = {5: "cinco", 10: "diez", 15: "cuarto", 20: "veinte", 25: "veinticinco", 30: "media"}
DIGITAL = {5: "cinco", 10: "diez", 15: "quince", 20: "veinte", 25: "veinticinco",
           30: "treinta", 35: "treinta y cinco", 40: "cuarenta", 45: "cuarenta y cinco",
           50: "cincuenta", 55: "cincuenta y cinco"}
CLOCK_TIMES = 144


def clock_of(t):
    """The hour (1..12) and minutes the t-th line stands for (t = 1..144)."""
    s = t - 1
    hour = s // 12 or 12
    return hour, s % 12 * 5


def clock_text(t):
    hour, minute = clock_of(t)
    return "%d:%02d" % (hour, minute)


def _is_are(hour):
    """"Es la una", "Son las dos": one o'clock is singular."""
    return "Es la una" if hour == 1 else "Son las " + HOURS[hour]


def clock_answers(hour, minute):
    """The answer and its alternatives for a time on the five-minute grid."""
    next_hour = hour % 12 + 1
    if minute == 0:
        answers = [_is_are(hour) + ".", _is_are(hour) + " en punto."]
        if hour == 12:
            answers += ["Es mediodía.", "Es medianoche."]
        return answers
    if minute <= 30:
        answers = ["%s y %s." % (_is_are(hour), PAST[minute])]
        if minute in (15, 30):
            answers.append("%s y %s." % (_is_are(hour), DIGITAL[minute]))
        return answers
    # After the half the minutes are counted to the next hour.
    left = 60 - minute
    to = "cuarto" if left == 15 else DIGITAL[left]
    the_next = "la una" if next_hour == 1 else "las " + HOURS[next_hour]
    answers = ["%s menos %s." % (_is_are(next_hour), to)]
    if left == 15:
        answers.append("%s menos quince." % _is_are(next_hour))
    answers.append("%s y %s." % (_is_are(hour), DIGITAL[minute]))
    if left == 15:
        answers.append("Falta un cuarto para %s." % the_next)
        answers.append("Faltan quince para %s." % the_next)
    else:
        answers.append("Faltan %s para %s." % (DIGITAL[left], the_next))
    return answers


def clock_helps(hour, minute):
    """Two help texts: how the minutes are said, then the verb and article.
    They point the way and leave the words of the answer to the pupil."""
    named = hour if minute <= 30 else hour % 12 + 1
    if minute == 0:
        first = "Hel timme: bara timmen, inga minuter."
    elif minute == 15:
        first = "Kvart över: timmen + y + ordet för kvart."
    elif minute == 30:
        first = "Halv: timmen som har gått + y media."
    elif minute < 30:
        first = "Minuter över: timmen + y + minuterna."
    elif minute == 45:
        first = "Kvart i: nästa timme + menos + ordet för kvart."
    else:
        first = "Efter halv: nästa timme + menos + minuterna som fattas."
    second = ("Klockan ett är singular: es la …" if named == 1
              else "Två till tolv är plural: son las …")
    return [first, second]


# --- files -------------------------------------------------------------------------

def clock_lines(with_helps):
    lines = []
    for t in range(1, CLOCK_TIMES + 1):
        hour, minute = clock_of(t)
        answers = clock_answers(hour, minute)
        fields = [answers[0], clock_text(t)]
        if with_helps:
            fields += clock_helps(hour, minute)
        fields += ["&" + a for a in answers[1:]]
        lines.append("#".join(fields))
    return lines


def level_lines():
    lines = []
    for level, (_, numbers) in enumerate(LEVELS, start=1):
        lines.append("; Nivå %d: %s" % (level, LEVELS[level - 1][0]))
        for n in numbers:
            answers = number_answers(n)
            # The question starts with a space: a digit right after the level's
            # digits would be read as part of the level.
            fields = ["%d %s" % (level, number_digits(n)), answers[0]] + ["&" + a for a in answers[1:]]
            lines.append("#".join(fields))
    return lines


GENERATED = "; Skriven av content/tools/make-times-and-numbers.py: ändra skriptet, inte filen."
CLOCK_FORMAT = ("; En rad för var femte minut från 12:00 till 11:55, i tidsordning (radens plats är "
                "klockslaget): svar # klockslag # hjälptext 1 # hjälptext 2 # &alternativ")
CLOCK_INSTRUCTION = "$§Skriv på spanska vad klockan är."


def files():
    """Every file: (folder key, name, lines)."""
    clock_practice = clock_lines(with_helps=True)
    clock_test = clock_lines(with_helps=False)
    return [
        ("data", "Spa54400.DAT", ["$Klockan", "$Vad är klockan?", CLOCK_INSTRUCTION, GENERATED,
                                  CLOCK_FORMAT] + clock_practice),
        ("data", "SpOvn115.DAT", ["$Övning till diagnos 15", "$Klockan", CLOCK_INSTRUCTION, GENERATED,
                                  CLOCK_FORMAT] + clock_practice),
        ("plain", "SpDi15.DAT", ["$Diagnos 15", "$Klockan", CLOCK_INSTRUCTION, GENERATED,
                                 "; Som Spa54400.DAT, utan hjälptexter."] + clock_test),
        ("data", "Spa54300.DAT", ["$Räkneord", "$Klättra nivå för nivå",
                                  "$§Skriv talet med bokstäver på spanska.", GENERATED,
                                  "; Nivå, mellanslag och talet med siffror # talet med bokstäver"
                                  " # &alternativ"] + level_lines()),
    ]


def write(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    scratch = path + ".tmp"
    with open(scratch, "wb") as out:
        out.write(data)
    os.replace(scratch, path)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("användning: make-times-and-numbers.py DATAKATALOG KLARTEXTKATALOG\n")
        return 2
    folders = {"data": argv[1], "plain": argv[2]}
    for folder in folders.values():
        os.makedirs(folder, exist_ok=True)
    for key, name, lines in files():
        write(os.path.join(folders[key], name), lines)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
