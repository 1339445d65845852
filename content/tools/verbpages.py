"""The conjugation rule pages that make-verbs.py writes: one page a group and
tense of the regular verbs, the conditional, the reflexive verbs, estar and ser."""

import html

PERSONS = ["yo (jag)", "tú (du)", "él, ella, usted (han, hon, ni)", "nosotros, nosotras (vi)",
           "vosotros, vosotras (ni)", "ellos, ellas, ustedes (de, ni)"]
TENSE_NAMES = {"pres": "presens", "impf": "imperfekt", "pret": "preteritum", "perf": "perfekt",
               "plus": "pluskvamperfekt", "fut": "futurum", "cond": "konditionalis"}
MODELS = {"ar": "hablar", "er": "comer", "ir": "vivir"}
GROUP_TITLES = {"ar": "verb på -ar", "er": "verb på -er", "ir": "verb på -ir"}

USAGE = {
    "pres": "<p>Presens används om det som händer nu, om det som brukar hända och om det som alltid gäller. "
            "Man tar bort infinitivändelsen och sätter till en ändelse som visar <b>vem</b> som gör något.</p>",
    "impf": "<p>Imperfekt används om det som <b>brukade</b> hända eller <b>pågick</b> i det förflutna: vanor, "
            "bakgrund och beskrivningar. Signalord: <i>siempre, todos los días, a menudo, antes, de niño</i>.</p>",
    "pret": "<p>Preteritum används om det som hände <b>vid ett visst tillfälle</b> och är avslutat. "
            "Signalord: <i>ayer, anoche, el sábado, la semana pasada, el año pasado</i>.</p>",
    "perf": "<p>Perfekt bildas med <b>haber</b> i presens och verbets particip. Det används om det som har hänt "
            "under en tid som ännu inte är slut: <i>hoy, esta semana, este año, ya, nunca</i>.</p>",
    "plus": "<p>Pluskvamperfekt bildas med <b>haber</b> i imperfekt och verbets particip. Det används om det som "
            "<b>hade hänt</b> före något annat i det förflutna.</p>",
    "fut": "<p>Futurum bildas av <b>hela infinitiven</b> och ändelserna <b>-é, -ás, -á, -emos, -éis, -án</b>. "
           "Ändelserna är desamma för alla tre grupperna. Det motsvarar svenskans <i>ska</i> eller "
           "<i>kommer att</i>.</p>",
    "cond": "<p>Konditionalis bildas av <b>hela infinitiven</b> och ändelserna <b>-ía, -ías, -ía, -íamos, -íais, "
            "-ían</b>, desamma för alla tre grupperna. Det motsvarar svenskans <i>skulle</i> + verb: "
            "<i>Hablaría con ella.</i> – Jag skulle tala med henne.</p>",
}

TIPS = {
    "pres": ["Alla tre grupperna har <b>-o</b> i jag-formen.",
             "-ar-verben har <b>a</b> i ändelserna, -er- och -ir-verben har <b>e</b>.",
             "-er och -ir skiljer sig bara i vi-formen och ni-formen (vosotros)."],
    "impf": ["-ar-verben får <b>-aba</b>, -er- och -ir-verben <b>-ía</b>.",
             "Jag-formen och han/hon-formen är lika: <i>hablaba</i>. Pronomenet visar vem, om det behövs.",
             "Bara tre verb är oregelbundna: <i>ser (era), ir (iba), ver (veía)</i>."],
    "pret": ["Accenten på jag-formen och han/hon-formen: <i>hablé, habló</i>. Utan accent blir "
             "<i>hablo</i> presens!",
             "Vi-formen av -ar- och -ir-verben är densamma som i presens: <i>hablamos, vivimos</i>.",
             "I ett verb på -car, -gar eller -zar ändras stavningen i jag-formen: <i>busqué, llegué, empecé</i>."],
    "perf": ["Particip: <b>-ar → -ado</b>, <b>-er och -ir → -ido</b>.",
             "Participet ändras aldrig efter vem det gäller: <i>ella ha hablado, ellos han hablado</i>.",
             "Haber och participet står alltid tillsammans: <i>No he comido.</i> – Jag har inte ätit."],
    "plus": ["Haber i imperfekt: <b>había, habías, había, habíamos, habíais, habían</b>.",
             "Participet är detsamma som i perfekt: <i>había hablado, había comido, había vivido</i>."],
    "fut": ["Hela infinitiven är stammen: <i>hablar → hablaré</i>.",
            "Alla former utom vi-formen har accent.",
            "Det går också att säga <i>voy a hablar</i> (ir + a + infinitiv) om det som ska hända snart."],
    "cond": ["Alla former har accent på í: <i>hablaría, comeríamos</i>.",
             "Jag-formen och han/hon-formen är lika."],
}

IRREGULAR_PARTICIPLES = [("hacer", "hecho", "gjort"), ("decir", "dicho", "sagt"), ("poner", "puesto", "satt, ställt"),
                         ("ver", "visto", "sett"), ("volver", "vuelto", "kommit tillbaka"),
                         ("romper", "roto", "slagit sönder"), ("escribir", "escrito", "skrivit"),
                         ("describir", "descrito", "beskrivit"), ("abrir", "abierto", "öppnat")]
FUTURE_STEMS = [("tener", "tendr-"), ("venir", "vendr-"), ("poner", "pondr-"), ("salir", "saldr-"),
                ("poder", "podr-"), ("saber", "sabr-"), ("querer", "querr-"), ("hacer", "har-"), ("decir", "dir-")]


def page(title, body):
    return ("<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
            f"<title>{html.escape(title)}</title>\n</head>\n<body>\n<h1>{html.escape(title)}</h1>\n\n"
            + body + "\n<p><small>Sidan är skapad ur verbtabellen.</small></p>\n</body>\n</html>\n")


def marked(form, plain_part):
    """A form with what is not plain_part (the stem or the infinitive) in bold."""
    if plain_part and form.startswith(plain_part):
        return html.escape(plain_part) + "<b>" + html.escape(form[len(plain_part):]) + "</b>"
    return "<b>" + html.escape(form) + "</b>"


def shown_form(v, tense, form):
    if tense in ("perf", "plus"):
        aux, part = form.split(" ", 1)
        return "<b>" + html.escape(aux) + "</b> " + marked(part, v.stem)
    if tense in ("fut", "cond"):
        return marked(form, v.base)
    return marked(form, v.stem)


def table(heads, rows):
    out = ["<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">",
           "<tr>" + "".join(f"<th>{h}</th>" for h in heads) + "</tr>"]
    for row in rows:
        out.append("<tr>" + "".join(f"<td>{c}</td>" for c in row) + "</tr>")
    out.append("</table>")
    return "\n".join(out) + "\n"


def forms_table(models, tense, conjugate, heads):
    rows = []
    for p in range(6):
        rows.append([PERSONS[p]] + [shown_form(v, tense, conjugate(v, tense)[p]) for v in models])
    return table(["Person"] + heads, rows)


class Tools:
    """What the pages borrow from make-verbs.py: conjugation, the gap's form, agreement
    and the Swedish verb."""

    def __init__(self, conjugate, verb_form, agree, swedish_verb):
        self.conjugate, self.verb_form, self.agree, self.swedish_verb = conjugate, verb_form, agree, swedish_verb


def examples(uses, tense, tools, count=4, filt=None, distinct=True):
    """A few sentences of the exercises' own kind, with the verb in bold."""
    out = []
    chosen, seen = [], set()
    for u in uses:
        if (filt is None or filt(u)) and u.fits(tense) and not (distinct and u.verb.inf in seen):
            seen.add(u.verb.inf)
            chosen.append(u)
    for i, use in enumerate(chosen[:count]):
        person, gender, es_subject, sv_subject = SUBJECTS[i % len(SUBJECTS)]
        form = tools.verb_form(use.verb, tense, person)
        es_rest = tools.agree(use.es, gender, person)
        sv_rest = tools.agree(use.sv, gender, person)
        sv_verb = tools.swedish_verb(use, tense, person)
        es = " ".join(x for x in (es_subject, f"<b>{html.escape(form)}</b>", html.escape(es_rest)) if x)
        sv = " ".join(x for x in (sv_subject, html.escape(sv_verb), html.escape(sv_rest)) if x)
        out.append(f"<li>{es}. – {sv}.</li>")
    return "<ul>\n" + "\n".join(out) + "\n</ul>\n"


SUBJECTS = [(0, "m", "Yo", "Jag"), (2, "f", "Ella", "Hon"), (3, "m", "Nosotros", "Vi"), (5, "f", "Ellas", "De"),
            (1, "m", "Tú", "Du")]


def group_page(verbs, uses, tools, group, tense):
    model = verbs[MODELS[group]]
    name = TENSE_NAMES[tense]
    title = f"{name.capitalize()} av {GROUP_TITLES[group]}"
    body = USAGE[tense]
    body += f"<p>Exempel: <b>{model.inf}</b> ({html.escape(model.sv)}).</p>\n"
    body += forms_table([model], tense, tools.conjugate, [f"{model.inf}<br>({html.escape(model.sv)})"])
    body += "\n<h2>Jämför med de andra grupperna</h2>\n"
    models = [verbs[MODELS[g]] for g in ("ar", "er", "ir")]
    body += forms_table(models, tense, tools.conjugate, [f"{m.inf}<br>({html.escape(m.sv)})" for m in models])
    if tense in ("perf", "plus") and group != "ar":
        body += "\n<h2>Oregelbundna particip</h2>\n<p>Några vanliga verb har ett eget particip:</p>\n"
        body += table(["Infinitiv", "Particip", "Svenska"],
                      [[i, f"<b>{p}</b>", s] for i, p, s in IRREGULAR_PARTICIPLES])
    if tense in ("fut", "cond"):
        body += "\n<h2>Oregelbunden stam</h2>\n<p>Några verb har en egen stam, men samma ändelser:</p>\n"
        body += table(["Infinitiv", "Stam", "jag-form"],
                      [[i, s, f"<b>{s[:-1]}{'é' if tense == 'fut' else 'ía'}</b>"] for i, s in FUTURE_STEMS])
    body += "\n<h2>Exempel</h2>\n"
    body += examples(uses, tense, tools,
                     filt=lambda u: u.verb.group == group and not u.verb.reflexive and not u.verb.irregular
                     and not u.verb.stem_change and u.verb.inf not in ("leer", "conocer"))
    body += "\n<h2>Tänk på</h2>\n<ul>\n" + "\n".join(f"<li>{t}</li>" for t in TIPS[tense]) + "\n</ul>\n"
    return title, body


def conditional_page(verbs, uses, tools):
    title = "Konditionalis"
    models = [verbs[MODELS[g]] for g in ("ar", "er", "ir")]
    body = USAGE["cond"]
    body += forms_table(models, "cond", tools.conjugate, [f"{m.inf}<br>({html.escape(m.sv)})" for m in models])
    body += "\n<h2>Oregelbunden stam</h2>\n<p>Samma verb som har egen stam i futurum har den också här:</p>\n"
    body += table(["Infinitiv", "Stam", "jag-form"], [[i, s, f"<b>{s[:-1]}ía</b>"] for i, s in FUTURE_STEMS])
    body += "\n<h2>Exempel</h2>\n"
    body += examples(uses, "cond", tools,
                     filt=lambda u: not u.verb.reflexive and not u.verb.irregular and not u.verb.stem_change)
    body += "\n<h2>Tänk på</h2>\n<ul>\n" + "\n".join(f"<li>{t}</li>" for t in TIPS["cond"]) + "\n</ul>\n"
    return title, body


def reflexive_page(verbs, uses, tools, tense):
    model = verbs["lavarse"]
    pronouns = ["me", "te", "se", "nos", "os", "se"]
    if tense is None:
        title = "Reflexiva verb i alla tempus"
        body = ("<p>Ett reflexivt verb har ett pronomen som syftar tillbaka på den som gör något: "
                "<i>Me lavo.</i> – Jag tvättar mig. I infinitiven sitter pronomenet efter verbet: "
                "<b>lavarse</b>.</p>\n")
        rows = []
        for t in ("pres", "impf", "pret", "perf", "plus", "fut"):
            rows.append([TENSE_NAMES[t], html.escape(tools.verb_form(model, t, 0)), html.escape(tools.verb_form(model, t, 2)),
                         html.escape(tools.verb_form(model, t, 3))])
        body += table(["Tempus", "yo (jag)", "él, ella (han, hon)", "nosotros (vi)"], rows)
        body += ("\n<h2>Pronomenen</h2>\n" + table(["Person", "Pronomen"],
                                                    [[PERSONS[p], f"<b>{pronouns[p]}</b>"] for p in range(6)]))
        body += ("\n<h2>Ändrad stamvokal</h2>\n<p>Några reflexiva verb ändrar stamvokalen i presens, utom i vi- "
                 "och ni-formen: <i>acostarse → me acuesto, despertarse → me despierto, sentarse → me siento, "
                 "vestirse → me visto, divertirse → me divierto</i>.</p>\n")
        body += ("\n<h2>Tänk på</h2>\n<ul>\n<li>Pronomenet står före verbet, och i perfekt före haber: "
                 "<i>me he lavado</i>.</li>\n<li>Ett spanskt verb kan vara reflexivt fast det svenska inte är det: "
                 "<i>me levanto</i> – jag stiger upp, <i>me ducho</i> – jag duschar.</li>\n</ul>\n")
        return title, body
    title = f"Reflexiva verb i {TENSE_NAMES[tense]}"
    body = USAGE[tense]
    body += ("<p>Ett reflexivt verb får sitt pronomen (<b>me, te, se, nos, os, se</b>) före verbet"
             + (", och i perfekt och pluskvamperfekt före haber" if tense in ("perf", "plus") else "") + ".</p>\n")
    rows = []
    for p in range(6):
        form = tools.conjugate(model, tense)[p]
        rows.append([PERSONS[p], f"<b>{pronouns[p]}</b> " + shown_form(model, tense, form)])
    body += table(["Person", "lavarse<br>(tvätta sig)"], rows)
    body += "\n<h2>Exempel</h2>\n"
    body += examples(uses, tense, tools, filt=lambda u: u.verb.reflexive)
    if tense == "pres":
        body += ("\n<h2>Ändrad stamvokal</h2>\n<p><i>acostarse → me acuesto, despertarse → me despierto, "
                 "sentarse → me siento, vestirse → me visto, divertirse → me divierto</i></p>\n")
    return title, body


ESTAR = ("<p><b>Estar</b> används om <b>var</b> någon eller något är och om hur någon <b>mår</b> eller "
         "<b>känner sig</b> just då: <i>Estoy en casa. Ana está cansada.</i></p>\n")
SER = ("<p><b>Ser</b> används om <b>vem</b> eller <b>vad</b> någon är, varifrån någon kommer och om "
       "egenskaper som hör till personen: <i>Soy de Suecia. Pedro es muy simpático.</i></p>\n")


def irregular_page(verbs, uses, tools, inf, tense):
    v = verbs[inf]
    title = f"{inf.capitalize()} i {TENSE_NAMES[tense]}"
    body = (ESTAR if inf == "estar" else SER) + USAGE[tense]
    rows = []
    for p in range(6):
        rows.append([PERSONS[p], "<b>" + html.escape(tools.conjugate(v, tense)[p]) + "</b>"])
    body += table(["Person", f"{inf}<br>(vara)"], rows)
    body += "\n<h2>Exempel</h2>\n"
    body += examples(uses, tense, tools, count=5, filt=lambda u: u.verb.inf == inf, distinct=False)
    if inf == "ser" and tense == "pret":
        body += "<p>Ser och ir har samma former i preteritum: <i>fui</i> betyder både <i>jag var</i> och " \
                "<i>jag gick/åkte</i>.</p>\n"
    if inf == "estar" and tense == "pres":
        body += "<p>Accenten: <i>estás, está, estáis, están</i> betonas på ändelsen.</p>\n"
    return title, body


def pages(verbs, uses, tools):
    """Every page, by file name."""
    out = {}

    def add(name, made):
        title, body = made
        out[name] = page(title, body)

    for g, digit in (("ar", 1), ("er", 2), ("ir", 3)):
        for t, last in (("pres", 1), ("impf", 2), ("pret", 3), ("perf", 4), ("plus", 5), ("fut", 7)):
            add(f"R261{digit}{last}.htm", group_page(verbs, uses, tools, g, t))
    add("R261190.htm", conditional_page(verbs, uses, tools))
    add("R26150.htm", reflexive_page(verbs, uses, tools, None))
    for i, t in enumerate(("pres", "impf", "pret", "perf", "plus", "fut"), start=1):
        add(f"R2615{i}.htm", reflexive_page(verbs, uses, tools, t))
        add(f"R2623{i}.htm", irregular_page(verbs, uses, tools, "ser", t))
        # Estar's present page is R26220: R26221 is the regular present.
        add("R26220.htm" if i == 1 else f"R2622{i}.htm", irregular_page(verbs, uses, tools, "estar", t))
    return out
