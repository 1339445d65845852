"""The generated clock and number content: the Spanish words, the alternatives a
pupil may type, and the files as the program reads them.

    python3 times_and_numbers_test.py SCRIPT
"""

import importlib.util
import os
import sys
import tempfile
import unittest

SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "content", "tools", "make-times-and-numbers.py")
module_spec = importlib.util.spec_from_file_location("times_and_numbers", SCRIPT)
tn = importlib.util.module_from_spec(module_spec)
module_spec.loader.exec_module(tn)

ANSWER_BOX = 70  # characters the answer box takes


class NumberWords(unittest.TestCase):
    def test_the_numbers_that_go_wrong(self):
        cases = {
            0: "cero", 15: "quince", 16: "dieciséis", 21: "veintiuno", 22: "veintidós",
            30: "treinta", 31: "treinta y uno", 99: "noventa y nueve",
            100: "cien", 101: "ciento uno", 115: "ciento quince", 500: "quinientos",
            700: "setecientos", 900: "novecientos", 1000: "mil", 1001: "mil uno",
            2001: "dos mil uno", 10000: "diez mil", 21000: "veintiún mil",
            100000: "cien mil", 101000: "ciento un mil", 1000000: "un millón",
            1000001: "un millón uno", 2000000: "dos millones", 21000000: "veintiún millones",
            101000000: "ciento un millones", 999999999: "novecientos noventa y nueve millones "
            "novecientos noventa y nueve mil novecientos noventa y nueve",
        }
        for n, words in cases.items():
            self.assertEqual(tn.number_words(n), words, n)

    def test_alternatives_where_spanish_has_them(self):
        self.assertEqual(tn.number_answers(21), ["veintiuno", "veintiún"])
        self.assertEqual(tn.number_answers(31), ["treinta y uno", "treinta y un"])
        self.assertEqual(tn.number_answers(2001), ["dos mil uno", "dos mil un"])
        # "un" alone is the article, and "mil" never takes one: no alternative.
        self.assertEqual(tn.number_answers(1), ["uno"])
        self.assertEqual(tn.number_answers(1000), ["mil"])
        self.assertEqual(tn.number_answers(11), ["once"])
        self.assertEqual(tn.number_answers(21000), ["veintiún mil"])

    def test_digits_are_grouped_from_five_digits_on(self):
        self.assertEqual(tn.number_digits(2024), "2024")
        self.assertEqual(tn.number_digits(10000), "10 000")
        self.assertEqual(tn.number_digits(1000000), "1 000 000")


class ClockTimes(unittest.TestCase):
    def test_the_times_and_their_alternatives(self):
        self.assertEqual(tn.clock_answers(12, 0),
                         ["Son las doce.", "Son las doce en punto.", "Es mediodía.", "Es medianoche."])
        self.assertEqual(tn.clock_answers(1, 5), ["Es la una y cinco."])
        self.assertEqual(tn.clock_answers(2, 15), ["Son las dos y cuarto.", "Son las dos y quince."])
        self.assertEqual(tn.clock_answers(4, 30), ["Son las cuatro y media.", "Son las cuatro y treinta."])
        self.assertEqual(tn.clock_answers(2, 40), ["Son las tres menos veinte.", "Son las dos y cuarenta.",
                                                   "Faltan veinte para las tres."])
        self.assertEqual(tn.clock_answers(12, 45), ["Es la una menos cuarto.", "Es la una menos quince.",
                                                    "Son las doce y cuarenta y cinco.",
                                                    "Falta un cuarto para la una.", "Faltan quince para la una."])
        self.assertEqual(tn.clock_answers(11, 55)[0], "Son las doce menos cinco.")
        self.assertEqual(tn.clock_answers(1, 0), ["Es la una.", "Es la una en punto."])

    def test_positions_are_times_in_order(self):
        self.assertEqual(tn.clock_text(1), "12:00")
        self.assertEqual(tn.clock_text(4), "12:15")
        self.assertEqual(tn.clock_text(16), "1:15")
        self.assertEqual(tn.clock_text(144), "11:55")
        self.assertEqual(len({tn.clock_text(t) for t in range(1, 145)}), 144)


class Files(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        data, plain = os.path.join(self.folder.name, "DATA"), os.path.join(self.folder.name, "plain")
        self.assertEqual(tn.main(["", data, plain]), 0)
        self.files = {}
        for folder in (data, plain):
            for name in os.listdir(folder):
                with open(os.path.join(folder, name), "rb") as f:
                    self.files[name] = f.read()

    def tearDown(self):
        self.folder.cleanup()

    def questions(self, name):
        text = self.files[name].decode("cp1252")
        self.assertTrue(text.endswith("\r\n"))
        lines = text.split("\r\n")[:-1]
        return [line.split("#") for line in lines if line and line[0] not in ";$"]

    def test_clock_files_hold_144_times_in_order(self):
        for name in ("Spa54400.DAT", "SpOvn115.DAT", "SpDi15.DAT"):
            lines = self.questions(name)
            self.assertEqual(len(lines), 144, name)
            for t, fields in enumerate(lines, start=1):
                self.assertEqual(fields[1], tn.clock_text(t), name)
                self.assertLessEqual(len(fields), 10, fields)  # the program reads ten fields
                answers = [fields[0]] + [f[1:] for f in fields if f.startswith("&")]
                self.assertEqual(len(answers), len(set(answers)), fields)
                for a in answers:
                    self.assertLessEqual(len(a), ANSWER_BOX, a)
                helps = [f for f in fields[2:] if not f.startswith("&")]
                # The test file has no help texts; the practice ones have two.
                self.assertEqual(len(helps), 0 if name == "SpDi15.DAT" else 2, fields)
                for h in helps:
                    self.assertNotIn(fields[0].rstrip(".").lower(), h.lower())
        self.assertIn("$Diagnos 15", self.files["SpDi15.DAT"].decode("cp1252"))

    def test_the_level_file(self):
        lines = self.questions("Spa54300.DAT")
        per_level = {}
        questions = set()
        for fields in lines:
            # The level's digits, then a space: a digit next to them would be read as the level's.
            level, space, digits = fields[0].partition(" ")
            self.assertTrue(level.isdigit() and space == " " and digits, fields)
            per_level.setdefault(int(level), []).append(fields)
            self.assertNotIn(digits, questions)  # every question once
            questions.add(digits)
            n = int(digits.replace(" ", ""))
            self.assertEqual([fields[1]] + [f[1:] for f in fields[2:]], tn.number_answers(n))
            for f in fields[1:]:
                self.assertLessEqual(len(f.lstrip("&")), ANSWER_BOX, f)
        self.assertEqual(sorted(per_level), list(range(1, 21)))
        for level, qs in per_level.items():
            self.assertTrue(8 <= len(qs) <= 15, (level, len(qs)))
        # From 0–10 at the foot of the ladder to eight and nine digits at its top.
        self.assertEqual(max(int(f[0].split(" ", 1)[1].replace(" ", "")) for f in per_level[1]), 10)
        self.assertGreaterEqual(min(int(f[0].split(" ", 1)[1].replace(" ", "")) for f in per_level[20]), 10**7)


if __name__ == "__main__":
    unittest.main()
