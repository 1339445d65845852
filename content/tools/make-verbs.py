#!/usr/bin/env python3
"""Writes the conjugation exercises and their rule pages from the verb tables.

The verbs (content/verbs/verbs.tsv) are conjugated by the rules of their group
(-ar, -er, -ir), their stem vowel change and their irregular forms; the uses
(content/verbs/uses.tsv) give the rest of each sentence in Spanish and Swedish.
The exercises and pages below say which verbs, tenses and kinds of line each
file has. The output is committed; run the script again after a change:

    content/tools/make-verbs.py            writes into content/
    content/tools/make-verbs.py --check    exits with 1 when the files differ from a fresh run
    content/tools/make-verbs.py --forms    prints every form of every verb (tab separated)
"""

import argparse
import difflib
import pathlib
import random
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import verbpages  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
CONTENT = HERE.parent
TABLES = CONTENT / "verbs"

PERSONS = 6
TENSES = ["pres", "impf", "pret", "perf", "plus", "fut", "cond"]

ENDINGS = {
    ("pres", "ar"): ["o", "as", "a", "amos", "áis", "an"],
    ("pres", "er"): ["o", "es", "e", "emos", "éis", "en"],
    ("pres", "ir"): ["o", "es", "e", "imos", "ís", "en"],
    ("impf", "ar"): ["aba", "abas", "aba", "ábamos", "abais", "aban"],
    ("impf", "er"): ["ía", "ías", "ía", "íamos", "íais", "ían"],
    ("impf", "ir"): ["ía", "ías", "ía", "íamos", "íais", "ían"],
    ("pret", "ar"): ["é", "aste", "ó", "amos", "asteis", "aron"],
    ("pret", "er"): ["í", "iste", "ió", "imos", "isteis", "ieron"],
    ("pret", "ir"): ["í", "iste", "ió", "imos", "isteis", "ieron"],
    ("fut", None): ["é", "ás", "á", "emos", "éis", "án"],
    ("cond", None): ["ía", "ías", "ía", "íamos", "íais", "ían"],
}
HABER = {"perf": ["he", "has", "ha", "hemos", "habéis", "han"],
         "plus": ["había", "habías", "había", "habíamos", "habíais", "habían"]}
IR = ["voy", "vas", "va", "vamos", "vais", "van"]
IR_IMPF = ["iba", "ibas", "iba", "íbamos", "ibais", "iban"]
REFLEXIVE = ["me", "te", "se", "nos", "os", "se"]
SWEDISH_REFLEXIVE = ["mig", "dig", "sig", "oss", "er", "sig"]
VOWELS = "aeiouáéíóú"


def read_table(name):
    rows = []
    for line in (TABLES / name).read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        rows.append(line.split("\t"))
    return rows


class Verb:
    def __init__(self, row):
        self.inf, self.sv, stem, irregular = (row + ["-", "-"])[:4]
        self.stem_change = None if stem == "-" else tuple(stem.split(">"))
        self.reflexive = self.inf.endswith("se") and self.inf not in ("ser",)
        self.base = self.inf[:-2] if self.reflexive else self.inf
        self.group = self.base[-2:].replace("í", "i")
        self.stem = self.base[:-2]
        self.irregular = {}
        if irregular != "-":
            for part in irregular.split(";"):
                key, value = part.strip().split("=")
                self.irregular[key] = value.split(",") if "," in value else value

    def changed_stem(self, narrow=False):
        """The stem with its vowel changed: e>ie, o>ue, u>ue, e>i; narrow is the
        -ir change of the preterite and the gerund (e>i, o>u)."""
        if not self.stem_change:
            return self.stem
        old, new = self.stem_change
        if narrow:
            new = {"e": "i", "o": "u"}.get(old, old)
        i = self.stem.rfind(old)
        return self.stem[:i] + new + self.stem[i + len(old):]

    def vowel_stem(self):
        return self.group != "ar" and self.stem and self.stem[-1] in VOWELS


def conjugate(v, tense):
    """The six forms of a verb in a tense, or the one form of part and ger."""
    if tense in v.irregular and tense not in ("fut",):
        return v.irregular[tense]
    if tense == "part":
        if v.vowel_stem():
            return v.stem + "ído"
        return v.stem + ("ado" if v.group == "ar" else "ido")
    if tense == "ger":
        if v.vowel_stem():
            return v.stem + "yendo"
        if v.group == "ar":
            return v.stem + "ando"
        return (v.changed_stem(narrow=True) if v.group == "ir" else v.stem) + "iendo"
    if tense in ("perf", "plus"):
        return [h + " " + conjugate(v, "part") for h in HABER[tense]]
    if tense in ("fut", "cond"):
        stem = v.irregular.get("fut", v.base)
        return [stem + e for e in ENDINGS[(tense, None)]]
    forms = []
    for p, ending in enumerate(ENDINGS[(tense, v.group)]):
        stem = v.stem
        if tense == "pres" and p in (0, 1, 2, 5):
            stem = v.changed_stem()
        if tense == "pret" and v.group == "ir" and p in (2, 5):
            stem = v.changed_stem(narrow=True)
        form = stem + ending
        # Spelling that keeps the sound.
        if tense == "pret" and p == 0 and v.group == "ar":
            for end, new in (("car", "qué"), ("gar", "gué"), ("zar", "cé")):
                if v.base.endswith(end):
                    form = stem[:-1] + new
        if tense == "pres" and p == 0:
            if v.base.endswith(("ger", "gir")):
                form = stem[:-1] + "jo"
            elif v.base.endswith(("cer", "cir")) and len(v.stem) > 1 and v.stem[-2] in VOWELS:
                form = stem[:-1] + "zco"
        if tense == "pret" and v.vowel_stem():
            form = v.stem + {0: "í", 1: "íste", 2: "yó", 3: "ímos", 4: "ísteis", 5: "yeron"}[p]
        forms.append(form)
    return forms


def with_pronoun(v, forms):
    if not v.reflexive:
        return forms
    return [REFLEXIVE[p] + " " + f for p, f in enumerate(forms)]


def verb_form(v, tense, person):
    """The form a gap asks for: reflexive pronoun included; "ira" is ir a + infinitive,
    "iraimpf" the same in the imperfect."""
    if tense == "ira":
        return IR[person] + " a " + v.inf
    if tense == "iraimpf":
        return IR_IMPF[person] + " a " + v.inf
    return with_pronoun(v, conjugate(v, tense))[person]


# --- the sentences ------------------------------------------------------------------------

# Subjects: person (0 yo .. 5 ellos), gender and number for agreement, Spanish, Swedish.
SUBJECTS = [
    (0, "m", "Yo", "Jag"), (0, "f", "Yo", "Jag"),
    (1, "m", "Tú", "Du"), (1, "f", "Tú", "Du"),
    (2, "m", "Él", "Han"), (2, "f", "Ella", "Hon"), (2, "m", "Pedro", "Pedro"), (2, "f", "Ana", "Ana"),
    (2, "m", "Usted", "Ni"),
    (3, "m", "Nosotros", "Vi"), (3, "f", "Nosotras", "Vi"),
    (4, "m", "Vosotros", "Ni"), (4, "f", "Vosotras", "Ni"),
    (5, "m", "Ellos", "De"), (5, "f", "Ellas", "De"), (5, "m", "Mis amigos", "Mina kompisar"),
    (5, "m", "Ustedes", "Ni"),
]

# Time words by tense: (Spanish, Swedish), for actions and for lasting states.
TIMES = {
    "pres": [("", ""), ("todos los días", "varje dag"), ("ahora", "nu")],
    "impf": [("todos los días", "varje dag"), ("todos los veranos", "varje sommar"), ("los domingos", "på söndagarna")],
    "pret": [("ayer", "igår"), ("el sábado", "i lördags"), ("anoche", "igår kväll")],
    "perf": [("hoy", "i dag"), ("esta semana", "den här veckan"), ("esta mañana", "i morse")],
    "plus": [("antes de las ocho", "före klockan åtta"), ("antes de la cena", "före middagen"),
             ("antes de la fiesta", "före festen")],
    "fut": [("mañana", "i morgon"), ("la semana que viene", "nästa vecka"), ("el sábado que viene", "nästa lördag")],
    "cond": [("en ese caso", "i så fall"), (", pero no hay tiempo", ", men det finns ingen tid")],
}
STATE_TIMES = {
    "pres": [("", ""), ("ahora", "nu")],
    "impf": [("antes", "förr"), ("en aquella época", "på den tiden")],
    "pret": [("durante dos años", "i två år"), ("el año pasado", "förra året")],
    "perf": [("durante muchos años", "i många år")],
    "plus": [("antes", "tidigare")],
    "fut": [("el año que viene", "nästa år")],
    "cond": [("en ese caso", "i så fall")],
}
# Time words for what someone or something is like (ser + an adjective).
QUALITY_TIMES = {
    "pres": [("", "")],
    "impf": [("antes", "förr")],
    "pret": [("ayer", "igår")],
    "perf": [("hoy", "i dag")],
    "plus": [("hasta entonces", "dittills")],
    "fut": [("mañana", "i morgon")],
    "cond": [("en ese caso", "i så fall")],
}
# Time words for what is done now and then rather than every day.
SOMETIMES_TIMES = {
    "pres": [("", ""), ("ahora", "nu")],
    "impf": [("los domingos", "på söndagarna"), ("todos los veranos", "varje sommar")],
}
PAST = {"impf", "pret", "perf", "plus", "iraimpf"}
FUTURE = {"fut", "cond", "ira"}


class Use:
    def __init__(self, row, verbs):
        row = (row + ["", "", "", "", ""])[:5]
        self.verb = verbs[row[0]]
        self.es, sv_verb, self.sv, marks = row[1], row[2], row[3], row[4]
        self.sv_forms = sv_verb.split("|")
        self.marks = set(m for m in marks.split() if "=" not in m)
        self.tenses = next((m.split("=")[1].split(",") for m in marks.split() if m.startswith("tenses=")), None)
        self.also = [verbs[m.split("=")[1]] for m in marks.split() if m.startswith("also=")]

    def fits(self, tense):
        if self.tenses is not None and tense not in self.tenses:
            return False
        if "nopast" in self.marks and tense in PAST:
            return False
        if "nofuture" in self.marks and tense in FUTURE:
            return False
        if "nopret" in self.marks and tense == "pret":
            return False
        return True


def agree(text, gender, person, reflexive_person=None):
    """A text made to agree with its subject; the Swedish reflexive follows the
    Swedish subject (reflexive_person: "Ni" to a single person takes "er")."""
    plural = person >= 3
    text = text.replace("{o}", ("as" if plural else "a") if gender == "f" else ("os" if plural else "o"))
    text = text.replace("{s}", "s" if plural else "").replace("{es}", "es" if plural else "")
    text = text.replace("{a}", "a" if plural else "")
    return text.replace("{sig}", SWEDISH_REFLEXIVE[person if reflexive_person is None else reflexive_person])


def swedish_person(subject):
    """The person of the Swedish reflexive: formal "Ni" is "er" like any "ni"."""
    return 4 if subject[3] == "Ni" else subject[0]


def swedish_verb(use, tense, person, reflexive_person=None):
    inf, pres, past, sup = [agree(f, "m", person, reflexive_person) for f in use.sv_forms]
    future = ("kommer att " if "kommer" in use.marks else "ska ") + inf
    return {"pres": pres, "impf": past, "pret": past, "perf": "har " + sup, "plus": "hade " + sup,
            "fut": future, "ira": "ska " + inf, "cond": "skulle " + inf, "iraimpf": "skulle " + inf}[tense]


def join(*parts):
    text = ""
    for p in parts:
        if not p:
            continue
        text += p if (not text or p.startswith(",")) else " " + p
    return text


def times_for(use, tense):
    table = STATE_TIMES if "state" in use.marks else QUALITY_TIMES if "quality" in use.marks else TIMES
    if "sometimes" in use.marks and tense in SOMETIMES_TIMES:
        table = SOMETIMES_TIMES
    return table.get({"ira": "fut", "iraimpf": "cond"}.get(tense, tense), [("", "")])


class Line:
    """One question: the Swedish sentence (or the sentence to change), the answer
    sentence with its gaps, helps and accepted alternatives."""

    def __init__(self, prompt, answer, helps=(), alternatives=()):
        self.prompt, self.answer = prompt, answer
        self.helps, self.alternatives = list(helps), list(alternatives)

    def fields(self, with_help):
        # A gap in a sentence has no answer field: its helps follow the sentence.
        fields = [self.prompt] + ([self.answer] if self.answer else [])
        if with_help:
            fields += self.helps
        fields += ["&" + a for a in self.alternatives]
        return fields


def clause(use, subject, tense, time):
    person, gender, es_subject, sv_subject = subject
    es_rest = agree(use.es, gender, person)
    sv_rest = agree(use.sv, gender, person, swedish_person(subject))
    es = join(es_subject, "<" + verb_form(use.verb, tense, person) + ">", es_rest, time[0])
    sv = join(sv_subject, "<" + swedish_verb(use, tense, person, swedish_person(subject)) + ">", sv_rest, time[1])
    return es, sv


def clashes(use, subject):
    name = subject[2]
    return name in ("Pedro", "Ana") and (name in use.es or name in use.sv)


# --- exercises -------------------------------------------------------------------------------

class Exercise:
    """A data file: its name, its heading lines, its instruction and note, and how
    its lines are made."""

    def __init__(self, name, headings, instruction, note, make, count=25, helps=True, plain=False):
        self.name, self.headings, self.instruction, self.note = name, headings, instruction, note
        self.make, self.count, self.helps, self.plain = make, count, helps, plain

    def text(self):
        rnd = random.Random(self.name)
        lines = ["$" + h for h in self.headings]
        if self.instruction:
            lines.append("$§" + self.instruction)
        if self.note:
            lines.append("$%" + self.note)
        lines.append("; Skapad av content/tools/make-verbs.py ur content/verbs/. Ändra där, inte här.")
        seen = set()
        made = []
        tries = 0
        while len(made) < self.count:
            tries += 1
            if tries > 20000:
                raise SystemExit(f"{self.name}: too few different questions")
            line = self.make(rnd)
            if line is None:
                continue
            key = line.prompt.lower()
            if key in seen:
                continue
            seen.add(key)
            made.append(line)
        for line in made:
            lines.append("#".join(line.fields(self.helps)))
        return "\r\n".join(lines) + "\r\n"


def pick_uses(uses, verbs, tense, exclude_also=False):
    chosen = [u for u in uses if u.verb.inf in verbs and u.fits(tense)]
    if exclude_also:
        chosen = [u for u in chosen if not u.also]
    if not chosen:
        raise SystemExit(f"no uses of {sorted(verbs)} in {tense}")
    return chosen


def translation(uses, verbs, tenses, hint, two_gaps=0.0):
    """Swedish sentence with its verb marked → the Spanish sentence with the verb as a gap."""

    def make(rnd):
        tense = rnd.choice(tenses)
        two = rnd.random() < two_gaps
        pool = pick_uses(uses, verbs, tense, exclude_also=two)
        use = rnd.choice(pool)
        subject = rnd.choice(SUBJECTS)
        if clashes(use, subject):
            return None
        time = rnd.choice(times_for(use, tense))
        if two:
            other = rnd.choice(pool)
            subject2 = rnd.choice(SUBJECTS)
            if other.verb is use.verb or clashes(other, subject2) or subject2[0] == subject[0]:
                return None
            es1, sv1 = clause(use, subject, tense, ("", ""))
            es2, sv2 = clause(other, subject2, tense, time)
            infinitives = ", ".join(u.sv_forms[0].replace("{sig}", "sig") + " = " + u.verb.inf for u in (use, other))
            return Line(sv1 + " och " + lower_first(sv2) + ".", es1 + " y " + lower_first(es2) + ".",
                        [infinitives, hint(use.verb, tense)])
        es, sv = clause(use, subject, tense, time)
        alternatives = [verb_form(a, tense, subject[0]) for a in use.also]
        return Line(sv + ".", es + ".", [use.sv_forms[0].replace("{sig}", "sig") + " = " + use.verb.inf,
                                          hint(use.verb, tense)], alternatives)

    return make


def lower_first(text):
    """A subject inside a sentence: names keep their capital."""
    if text.startswith(("Ana", "Pedro")):
        return text
    return text[0].lower() + text[1:]


def change(uses, verbs, source, target, hint, frame=None):
    """A Spanish sentence with its verb marked in one tense → the same sentence with the
    verb in another tense as a gap. frame: a reporting frame ("Pedro dijo que …")."""

    def make(rnd):
        use = rnd.choice(pick_uses(uses, verbs, target))
        subject = rnd.choice(SUBJECTS)
        if clashes(use, subject):
            return None
        person, gender, es_subject, _ = subject
        rest = agree(use.es, gender, person)
        time = rnd.choice(times_for(use, target))[0] if source in ("ira",) else ""
        before = join(es_subject, "<" + verb_form(use.verb, source, person) + ">", rest, time)
        after = join(es_subject, "<" + verb_form(use.verb, target, person) + ">", rest, time)
        if frame:
            reporter = "Ana" if "Pedro" in (es_subject + use.es) else "Pedro"
            if reporter in (es_subject + use.es):
                return None
            before = reporter + " dijo que " + lower_first(before)
            after = reporter + " dijo que " + lower_first(after)
        return Line(before + ".", after + ".", [use.sv_forms[0].replace("{sig}", "sig") + " = " + use.verb.inf,
                                                hint(use.verb, target)])

    return make


def reported(uses, verbs, tense, hint):
    """Swedish "X sa att jag skulle …" → Spanish "X dijo que yo iba a …"."""

    def make(rnd):
        use = rnd.choice(pick_uses(uses, verbs, "cond"))
        subject = rnd.choice(SUBJECTS)
        if clashes(use, subject):
            return None
        person, gender, es_subject, sv_subject = subject
        reporter = "Ana" if "Pedro" in (es_subject + use.es + use.sv) else "Pedro"
        if reporter in (es_subject + use.es + use.sv):
            return None
        es_s, sv_s = lower_first(es_subject), lower_first(sv_subject)
        es = join(reporter, "dijo que", es_s, "<" + verb_form(use.verb, tense, person) + ">",
                  agree(use.es, gender, person))
        sv = join(reporter, "sa att", sv_s, "<" + swedish_verb(use, "iraimpf", person, swedish_person(subject)) + ">",
                  agree(use.sv, gender, person, swedish_person(subject)))
        return Line(sv + ".", es + ".", [use.sv_forms[0].replace("{sig}", "sig") + " = " + use.verb.inf,
                                         hint(use.verb, tense)])

    return make


def cloze(uses, verbs, tense):
    """A Spanish sentence with the verb as a gap and its infinitive in brackets; the
    Swedish sentence is the help."""

    def make(rnd):
        use = rnd.choice(pick_uses(uses, verbs, tense))
        subject = rnd.choice(SUBJECTS)
        if clashes(use, subject):
            return None
        time = rnd.choice(times_for(use, tense))
        person, gender, es_subject, sv_subject = subject
        es = join(es_subject, "<" + verb_form(use.verb, tense, person) + ">", "(" + use.verb.inf + ")",
                  agree(use.es, gender, person), time[0])
        sv = join(sv_subject, swedish_verb(use, tense, person, swedish_person(subject)),
                  agree(use.sv, gender, person, swedish_person(subject)), time[1])
        return Line(es + ".", "", [sv + "."])

    return make


# --- help texts -------------------------------------------------------------------------------

RULES = {
    ("pres", "ar"): "Presens, -ar: -o, -as, -a, -amos, -áis, -an",
    ("pres", "er"): "Presens, -er: -o, -es, -e, -emos, -éis, -en",
    ("pres", "ir"): "Presens, -ir: -o, -es, -e, -imos, -ís, -en",
    ("impf", "ar"): "Imperfekt, -ar: -aba, -abas, -aba, -ábamos, -abais, -aban",
    ("impf", "er"): "Imperfekt, -er och -ir: -ía, -ías, -ía, -íamos, -íais, -ían",
    ("impf", "ir"): "Imperfekt, -er och -ir: -ía, -ías, -ía, -íamos, -íais, -ían",
    ("pret", "ar"): "Preteritum, -ar: -é, -aste, -ó, -amos, -asteis, -aron",
    ("pret", "er"): "Preteritum, -er och -ir: -í, -iste, -ió, -imos, -isteis, -ieron",
    ("pret", "ir"): "Preteritum, -er och -ir: -í, -iste, -ió, -imos, -isteis, -ieron",
    "perf": "Perfekt: haber i presens + particip på -ado eller -ido",
    "plus": "Pluskvamperfekt: haber i imperfekt + particip på -ado eller -ido",
    "fut": "Futurum: hela infinitiven + -é, -ás, -á, -emos, -éis, -án",
    "cond": "Konditionalis: hela infinitiven + -ía, -ías, -ía, -íamos, -íais, -ían",
    "ira": "ir i presens + a + infinitiven",
    "iraimpf": "ir i imperfekt + a + infinitiven",
}

# What is irregular about a verb in a tense, as a help that points the way.
HINTS = {
    ("ser", "pres"): "Helt oregelbundet: jag-formen slutar på -oy",
    ("ser", "impf"): "Oregelbundet: stammen er- + -a, -as, -a …",
    ("ser", "pret"): "Oregelbundet: samma former som ir i preteritum",
    ("estar", "pres"): "Jag-formen slutar på -oy; accent på ändelsen i du-, han- och de-formen",
    ("estar", "pret"): "Oregelbunden stam: estuv- + -e, -iste, -o, -imos, -isteis, -ieron",
    ("ir", "pres"): "Oregelbundet: stammen v- + -oy, -as, -a, -amos, -ais, -an",
    ("ir", "impf"): "Oregelbundet: stammen ib- + -a, -as, -a …",
    ("ir", "pret"): "Oregelbundet: samma former som ser i preteritum",
    ("tener", "pres"): "Jag-formen slutar på -go; e blir ie (utom i vi- och ni-formen)",
    ("tener", "pret"): "Oregelbunden stam: tuv- + -e, -iste, -o, -imos, -isteis, -ieron",
    ("tener", "fut"): "Oregelbunden stam i futurum: tendr-",
    ("tener", "cond"): "Oregelbunden stam i konditionalis: tendr-",
    ("hacer", "pres"): "Jag-formen slutar på -go; resten är regelbundet",
    ("hacer", "pret"): "Oregelbunden stam: hic- (hiz- i han-formen), utan accent",
    ("hacer", "fut"): "Oregelbunden stam i futurum: har-",
    ("hacer", "part"): "Oregelbundet particip – se regelsidan",
    ("decir", "pres"): "Jag-formen slutar på -go; e blir i (utom i vi- och ni-formen)",
    ("decir", "pret"): "Oregelbunden stam: dij- + -e, -iste, -o, -imos, -isteis, -eron",
    ("decir", "fut"): "Oregelbunden stam i futurum: dir-",
    ("decir", "part"): "Oregelbundet particip – se regelsidan",
    ("poner", "pres"): "Jag-formen slutar på -go; resten är regelbundet",
    ("poner", "pret"): "Oregelbunden stam: pus- + -e, -iste, -o, -imos, -isteis, -ieron",
    ("poner", "fut"): "Oregelbunden stam i futurum: pondr-",
    ("poner", "part"): "Oregelbundet particip – se regelsidan",
    ("venir", "pres"): "Jag-formen slutar på -go; e blir ie (utom i vi- och ni-formen)",
    ("venir", "pret"): "Oregelbunden stam: vin- + -e, -iste, -o, -imos, -isteis, -ieron",
    ("venir", "fut"): "Oregelbunden stam i futurum: vendr-",
    ("salir", "pres"): "Jag-formen slutar på -go; resten som ett -ir-verb",
    ("salir", "fut"): "Oregelbunden stam i futurum: saldr-",
    ("saber", "pres"): "Oregelbunden jag-form; resten som ett -er-verb",
    ("saber", "fut"): "Oregelbunden stam i futurum: sabr-",
    ("querer", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("querer", "fut"): "Oregelbunden stam i futurum: querr-",
    ("poder", "pres"): "o blir ue (utom i vi- och ni-formen)",
    ("poder", "pret"): "Oregelbunden stam: pud- + -e, -iste, -o, -imos, -isteis, -ieron",
    ("poder", "fut"): "Oregelbunden stam i futurum: podr-",
    ("dar", "pres"): "Jag-formen slutar på -oy; resten som ett -ar-verb utan accent",
    ("dar", "pret"): "Böjs som ett -er-verb i preteritum, utan accenter",
    ("ver", "pres"): "Regelbundet, men jag-formen behåller e:et från infinitiven",
    ("ver", "impf"): "Oregelbundet: stammen ve- + -ía, -ías, -ía …",
    ("ver", "pret"): "Som ett -er-verb, men utan accenter",
    ("ver", "part"): "Oregelbundet particip – se regelsidan",
    ("oír", "pres"): "Jag-formen slutar på -igo; i blir y i du-, han- och de-formen",
    ("oír", "pret"): "i blir y i han- och de-formen",
    ("traer", "pres"): "Jag-formen slutar på -igo; resten är regelbundet",
    ("traer", "pret"): "Oregelbunden stam: traj- + -e, -iste, -o, -imos, -isteis, -eron",
    ("conocer", "pres"): "Jag-formen slutar på -zco; resten är regelbundet",
    ("leer", "pret"): "i blir y i han- och de-formen",
    ("volver", "pres"): "o blir ue (utom i vi- och ni-formen)",
    ("volver", "part"): "Oregelbundet particip – se regelsidan",
    ("dormir", "pres"): "o blir ue (utom i vi- och ni-formen)",
    ("dormir", "pret"): "o blir u i han- och de-formen",
    ("pedir", "pres"): "e blir i (utom i vi- och ni-formen)",
    ("pedir", "pret"): "e blir i i han- och de-formen",
    ("jugar", "pres"): "u blir ue (utom i vi- och ni-formen)",
    ("jugar", "pret"): "Jag-formen stavas med -gu- för att behålla uttalet",
    ("empezar", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("empezar", "pret"): "Jag-formen stavas med c före e",
    ("pensar", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("cerrar", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("encontrar", "pres"): "o blir ue (utom i vi- och ni-formen)",
    ("acostarse", "pres"): "o blir ue (utom i vi- och ni-formen)",
    ("despertarse", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("sentarse", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("divertirse", "pres"): "e blir ie (utom i vi- och ni-formen)",
    ("vestirse", "pres"): "e blir i (utom i vi- och ni-formen)",
    ("divertirse", "pret"): "e blir i i han- och de-formen",
    ("vestirse", "pret"): "e blir i i han- och de-formen",
    ("escribir", "part"): "Oregelbundet particip – se regelsidan",
    ("abrir", "part"): "Oregelbundet particip – se regelsidan",
    ("describir", "part"): "Oregelbundet particip – se regelsidan",
    ("romper", "part"): "Oregelbundet particip – se regelsidan",
}


def rule_hint(v, tense):
    """The rule of the tense, or what is irregular about the verb in it."""
    if tense in ("perf", "plus") and "part" in v.irregular and (v.inf, "part") in HINTS:
        return HINTS[(v.inf, "part")]
    if (v.inf, tense) in HINTS:
        return HINTS[(v.inf, tense)]
    if tense == "cond" and (v.inf, "fut") in HINTS:
        return HINTS[(v.inf, "fut")].replace("futurum", "konditionalis")
    rule = RULES.get((tense, v.group)) or RULES.get(tense)
    if v.reflexive:
        rule = "me, te, se, nos, os, se före verbet. " + rule
    return rule


# --- the files -------------------------------------------------------------------------------------

def exercises(verbs, uses):
    regular = {g: {v.inf for v in verbs.values() if v.group == g and not v.reflexive and not v.irregular
                   and not v.stem_change and v.inf not in ("leer", "conocer")}
               for g in ("ar", "er", "ir")}
    # Verbs whose only irregular form is the participle count as regular but in the perfect tenses.
    for g in ("er", "ir"):
        regular[g] |= {v.inf for v in verbs.values()
                   if v.group == g and set(v.irregular) == {"part"} and not v.stem_change}
    all_regular = regular["ar"] | regular["er"] | regular["ir"]
    reflexive = {v.inf for v in verbs.values() if v.reflexive}
    irregular = {"ser", "estar", "ir", "tener", "hacer", "decir", "poner", "venir", "salir", "saber", "querer",
                 "poder", "dar", "ver", "oír", "traer", "conocer", "volver", "dormir", "pedir", "jugar",
                 "empezar", "pensar", "cerrar", "encontrar"}
    participles = {"hacer", "decir", "poner", "ver", "escribir", "abrir", "volver", "romper", "describir"}
    tense_names = {"pres": "presens", "impf": "imperfekt", "pret": "preteritum", "perf": "perfekt",
                   "plus": "pluskvamperfekt", "fut": "futurum", "cond": "konditionalis"}
    note = "Översätt det som står mellan < och > och skriv verbet på linjen."
    out = []

    def regular_only(group, tense):
        chosen = set(regular[group])
        if tense not in ("perf", "plus"):
            chosen -= {v for v in chosen if "part" in verbs[v].irregular}
        return chosen

    groups = [("ar", 56110, "Konjugation 1 (-ar)"), ("er", 56120, "Konjugation 2 (-er)"),
              ("ir", 56130, "Konjugation 3 (-ir)")]
    for group, base, title in groups:
        for i, tense in enumerate(["pres", "impf", "pret", "perf", "plus", "fut", "cond"], start=1):
            both = group != "ar" and tense in ("plus", "cond")
            heading = tense_names[tense].capitalize() + (" 1 och 2" if both else "")
            instruction = f"Översätt det gröna till spanska. Skriv verbet i {tense_names[tense]}."
            if both:
                instruction = f"Skriv verben i {tense_names[tense]}. En del meningar har två luckor."
            out.append(Exercise(f"Spa{base + i}.DAT", ["Regelbundna verb", title + ": " + heading], instruction, note,
                                translation(uses, regular_only(group, tense), [tense], rule_hint,
                                            two_gaps=0.4 if both else 0.0)))

    mixed = all_regular - {v for v in all_regular if "part" in verbs[v].irregular}
    out.append(Exercise("Spa56141.DAT", ["Ändra tempus", "Från perfekt till pluskvamperfekt"],
                        "Skriv verbet i pluskvamperfekt i stället för perfekt.",
                        "Skriv verbet i pluskvamperfekt.",
                        change(uses, mixed, "perf", "plus", rule_hint)))
    out.append(Exercise("Spa56142.DAT", ["Ändra tempus", "Från presens till futurum"],
                        "Skriv verbet i futurum i stället för presens.", "Skriv verbet i futurum.",
                        change(uses, mixed, "pres", "fut", rule_hint)))
    out.append(Exercise("Spa56143.DAT", ["Ändra tempus", "Från presens till konditionalis"],
                        "Skriv verbet i konditionalis i stället för presens.", "Skriv verbet i konditionalis.",
                        change(uses, mixed, "pres", "cond", rule_hint)))

    for name, tense in (("Spa5611.DAT", "pres"), ("Spa5612.DAT", "impf"), ("Spa5613.DAT", "pret"),
                        ("Spa5615.DAT", "perf"), ("Spa5616.DAT", "plus"), ("Spa5614.DAT", "fut")):
        out.append(Exercise(name, ["Oregelbundna verb", "Blandat: " + tense_names[tense]],
                            f"Översätt det gröna till spanska. Skriv verbet i {tense_names[tense]}.", note,
                            translation(uses, irregular, [tense], rule_hint)))

    for i, tense in enumerate(["pres", "impf", "pret", "perf", "plus", "fut"], start=1):
        out.append(Exercise(f"Spa562{i}0.DAT", ["Reflexiva verb", tense_names[tense].capitalize()],
                            f"Översätt det gröna till spanska. Skriv verbet med sitt pronomen i {tense_names[tense]}.",
                            note, translation(uses, reflexive, [tense], rule_hint)))
    out.append(Exercise("Spa56270.DAT", ["Reflexiva verb", "Blandade tempus"],
                        "Översätt det gröna till spanska. Orden om tid visar vilket tempus som passar.", note,
                        translation(uses, reflexive, ["pres", "impf", "pret", "perf", "fut"], rule_hint)))

    for verb, base, title in (("estar", 56400, "Estar"), ("ser", 56500, "Ser")):
        for i, tense in enumerate(["pres", "impf", "pret", "perf", "plus", "fut"], start=1):
            out.append(Exercise(f"Spa{base + 10 * i}.DAT", [title, tense_names[tense].capitalize()],
                                f"Översätt det gröna till spanska. Skriv {verb} i {tense_names[tense]}.", note,
                                translation(uses, {verb}, [tense], rule_hint)))

    present = "Översätt det gröna till spanska. Skriv verbet i presens."
    out.append(Exercise("Spa56710.DAT", ["Oregelbundna verb", "Presens (salir)"], present, note,
                        translation(uses, {"salir"}, ["pres"], rule_hint)))
    out.append(Exercise("Spa56720.DAT", ["Oregelbundna verb", "Presens (decir och hacer)"], present, note,
                        translation(uses, {"decir", "hacer"}, ["pres"], rule_hint)))
    out.append(Exercise("Spa56730.DAT", ["Oregelbundna verb", "Presens (saber och venir)"],
                        "Skriv verbet inom parentes i presens.", "Skriv verbet inom parentes i presens.",
                        cloze(uses, {"saber", "venir"}, "pres")))
    out.append(Exercise("Spa56740.DAT", ["Oregelbundna verb", "Presens (poner)"], present, note,
                        translation(uses, {"poner"}, ["pres"], rule_hint)))
    out.append(Exercise("Spa56750.DAT", ["Oregelbundna verb", "Presens (oír)"], present, note,
                        translation(uses, {"oír"}, ["pres"], rule_hint)))
    out.append(Exercise("Spa56770.DAT", ["Oregelbundna verb", "Olika tempus (ir)"],
                        "Översätt det gröna till spanska. Orden om tid visar vilket tempus som passar.", note,
                        translation(uses, {"ir"}, ["pres", "impf", "pret", "perf", "fut"], rule_hint)))

    futures = mixed | {"tener", "hacer", "decir", "poner", "venir", "salir", "saber", "querer", "poder"}
    out.append(Exercise("Spa56920.DAT", ["Infinitiv", "Futurum (ir + a + infinitiv)"],
                        "Översätt det gröna till spanska. Använd (ir + a + infinitiv).", note,
                        translation(uses, mixed, ["ira"], rule_hint)))
    out.append(Exercise("Spa56930.DAT", ["Infinitiv", "Till futurum (från ir + a + infinitiv)"],
                        "Skriv verbet i vanligt futurum i stället för (ir + a + infinitiv).",
                        "Skriv verbet i futurum.", change(uses, futures, "ira", "fut", rule_hint)))
    out.append(Exercise("Spa56940.DAT", ["Infinitiv", "Konditionalis (ir i imperfekt + a + infinitiv)"],
                        "Översätt det gröna till spanska. Använd (ir i imperfekt + a + infinitiv).", note,
                        reported(uses, mixed, "iraimpf", rule_hint)))
    out.append(Exercise("Spa56950.DAT", ["Infinitiv", "Till konditionalis (från ir + a + infinitiv)"],
                        "Skriv verbet i konditionalis i stället för (ir + a + infinitiv).",
                        "Skriv verbet i konditionalis.", change(uses, futures, "iraimpf", "cond", rule_hint,
                                                                  frame="reported")))

    # The diagnosis items: a test without helps, a practice with them.
    items = [
        (17, "Verb, regelbundna, perfekt", mixed | (participles & all_regular), ["perf"], translation),
        (18, "Verb, regelbundna, imperfekt", mixed, ["impf"], translation),
        (19, "Verb, regelbundna, preteritum", mixed, ["pret"], translation),
        (20, "Verb, regelbundna, konditionalis", mixed, ["cond"], translation),
        (24, "Verb, oregelbundna, presens", irregular, ["pres"], translation),
        (25, "Verb, oregelbundna, perfekt", participles, ["perf"], translation),
        (30, "Verben (decir och hacer)", {"decir", "hacer"}, ["pres"], translation),
        (31, "Futurum (ir + a + infinitiv)", mixed, ["ira"], translation),
        (32, "Futurum, vanlig", futures, ["fut"], translation),
    ]
    for item, title, chosen, tenses, kind in items:
        tense = tenses[0]
        what = {"ira": "med (ir + a + infinitiv)"}.get(tense, "i " + tense_names.get(tense, ""))
        instruction = f"Översätt det gröna till spanska. Skriv verbet {what}."
        out.append(Exercise(f"SpDi{item:02d}.DAT", [f"Diagnos {item}", title], instruction, note,
                            kind(uses, chosen, tenses, rule_hint), count=24, helps=False, plain=True))
        practice = kind(uses, chosen, tenses, rule_hint)
        practice_instruction = instruction
        if item == 30:
            practice = cloze(uses, chosen, tense)
            practice_instruction = "Skriv verbet inom parentes i presens."
        out.append(Exercise(f"SpOvn1{item:02d}.DAT", [f"Övning till diagnos {item}", title], practice_instruction,
                            note if item != 30 else practice_instruction, practice, helps=item != 17))
    return out


def write_file(path, text, encoding):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(text.encode(encoding))


def generate(out_dir):
    verbs = {v.inf: v for v in (Verb(r) for r in read_table("verbs.tsv"))}
    uses = [Use(r, verbs) for r in read_table("uses.tsv")]
    written = []
    for ex in exercises(verbs, uses):
        text = ex.text()
        folder = "plain" if ex.plain else "DATA"
        write_file(out_dir / folder / ex.name, text, "cp1252")
        written.append(f"{folder}/{ex.name}")
    tools = verbpages.Tools(conjugate, verb_form, agree, swedish_verb)
    for name, html in verbpages.pages(verbs, uses, tools).items():
        write_file(out_dir / "regler" / name, html, "utf-8")
        written.append(f"regler/{name}")
    return written


def forms(verbs):
    for v in verbs.values():
        for tense in TENSES + ["part", "ger"]:
            value = conjugate(v, tense)
            print(f"{v.inf}\t{tense}\t{value if isinstance(value, str) else ','.join(value)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files")
    parser.add_argument("--forms", action="store_true", help="print every form of every verb")
    parser.add_argument("--out", type=pathlib.Path, default=CONTENT, help="where to write (default: content/)")
    args = parser.parse_args()
    if args.forms:
        forms({v.inf: v for v in (Verb(r) for r in read_table("verbs.tsv"))})
        return 0
    if args.check:
        with tempfile.TemporaryDirectory() as tmp:
            written = generate(pathlib.Path(tmp))
            differ = []
            for rel in written:
                fresh = (pathlib.Path(tmp) / rel).read_bytes()
                committed = CONTENT / rel
                if not committed.exists() or committed.read_bytes() != fresh:
                    differ.append(rel)
            for rel in differ:
                print(f"{rel} skiljer sig från make-verbs.py:s utdata", file=sys.stderr)
                if (CONTENT / rel).exists():
                    old = (CONTENT / rel).read_bytes().decode("cp1252" if rel.endswith(".DAT") else "utf-8")
                    new = (pathlib.Path(tmp) / rel).read_bytes().decode("cp1252" if rel.endswith(".DAT") else "utf-8")
                    sys.stderr.writelines(list(difflib.unified_diff(old.splitlines(True), new.splitlines(True),
                                                                    "incheckad", "ny"))[:20])
            return 1 if differ else 0
    for rel in generate(args.out):
        print(rel)
    return 0


if __name__ == "__main__":
    sys.exit(main())
