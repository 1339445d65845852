#!/usr/bin/env python3
"""The pictures of the picture windows, as SVG: birds, flowers, trees, fish and a
few other plants and animals that Debian's openclipart-svg has no drawing of.
Each is drawn from a few shapes and the colours that tell the species apart.

    exercise_pictures.py KIND NAME      writes the SVG of one drawing to stdout

The kinds and names are those of content/pictures/sources.txt ("draw:bird blames")."""
import math
import sys

W, H = 400, 300


def svg(body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">'
            f'<defs>{defs}</defs><rect width="{W}" height="{H}" fill="#ffffff"/>{body}</svg>\n')


OUT = 'stroke="#2b2b2b" stroke-width="2.5" stroke-linejoin="round"'

# --- birds -----------------------------------------------------------------------
# Colours: cap, face, back, wing, tail, breast, belly, beak; and marks.
BIRDS = {
    "bjorktrast": dict(cap="#8a8f99", face="#8a8f99", back="#7a4a2a", wing="#6b3f24", tail="#2b2b2b",
                       breast="#e0a050", belly="#fbf6ea", beak="#e8c030", spots="#3b2a1a"),
    "blames": dict(cap="#2f6fd0", face="#ffffff", back="#8fae4a", wing="#3a7bd5", tail="#3a7bd5", breast="#f4d03f",
                   belly="#f4d03f", beak="#2b2b2b", eyestripe="#1b2a55", bib="#1b2a55", wingbar="#ffffff", small=True),
    "bofink": dict(cap="#6f86a8", face="#d58a6a", back="#8a5a3a", wing="#2a2a2a", tail="#2a2a2a", breast="#d58a6a",
                   belly="#f0d8c8", beak="#8a9aaa", wingbar="#ffffff", wingbar2="#ffffff"),
    "domherre": dict(cap="#111111", face="#e0503a", back="#8a8a8a", wing="#1f1f1f", tail="#111111",
                     breast="#e0503a", belly="#e0503a", beak="#111111", wingbar="#b8b8b8", stout=True),
    "flugsnappare": dict(cap="#111111", face="#111111", back="#111111", wing="#111111", tail="#111111",
                         breast="#ffffff", belly="#ffffff", beak="#111111", forehead="#ffffff", throat="#ffffff",
                         wingpatch="#ffffff"),
    "grasparv": dict(cap="#8a8a8a", face="#d8d8d0", back="#8a5a30", wing="#7a4a26", tail="#6a4a2a", breast="#b8b8b0",
                     belly="#d8d8d0", beak="#2b2b2b", bib="#111111", wingbar="#ffffff", streaks="#3b2a1a", stout=True),
    "gronfink": dict(cap="#7fa040", face="#8fb048", back="#6f9038", wing="#6f8a3a", tail="#5a7a2a", breast="#a8c050",
                     belly="#c8d870", beak="#e8b8a8", wingedge="#f0d020", stout=True),
    "gok": dict(cap="#7a8088", face="#7a8088", back="#6a7078", wing="#5a6068", tail="#4a5058", breast="#8a9098",
                belly="#f4f4f0", beak="#2b2b2b", bars="#3a3a40", eyering="#f0c020", longtail=1.5, big=True),
    "hackspett": dict(cap="#111111", face="#ffffff", back="#111111", wing="#111111", tail="#111111",
                      breast="#f0ead8", belly="#f0ead8", beak="#2b2b2b", nape="#d01818", vent="#d01818",
                      wingpatch="#ffffff", eyestripe="#111111", cling=True, longbeak=1.5),
    "kaja": dict(cap="#1a1a1a", face="#2a2a2a", back="#2a2a2a", wing="#1f1f1f", tail="#1a1a1a", breast="#3a3a3e",
                 belly="#3a3a3e", beak="#111111", nape="#9a9aa2", paleeye=True, big=True, stout=True),
    "koltrast": dict(cap="#151515", face="#151515", back="#151515", wing="#111111", tail="#111111", breast="#1c1c1c",
                     belly="#1c1c1c", beak="#f08a10", eyering="#f0a020", big=True),
    "kraka": dict(cap="#111111", face="#111111", back="#9a9a9a", wing="#1a1a1a", tail="#111111", breast="#a0a0a0",
                  belly="#a8a8a8", beak="#111111", throat="#111111", big=True, stout=True, longbeak=1.3),
    "kungsfagel": dict(cap="#9aa060", face="#c0c490", back="#9aa060", wing="#7a8040", tail="#7a8040",
                       breast="#d8dcb0", belly="#e8ecd0", beak="#2b2b2b", crown="#f4c020", wingbar="#ffffff",
                       small=True),
    "notvacka": dict(cap="#6b84a8", face="#ffffff", back="#6b84a8", wing="#5a7090", tail="#5a7090",
                     breast="#f0d8b0", belly="#e0a060", beak="#3b3b3b", eyestripe="#111111", longbeak=1.5),
    "pilfink": dict(cap="#8a4a2a", face="#ffffff", back="#8a5a30", wing="#7a4a26", tail="#6a4a2a", breast="#d0c8b8",
                    belly="#e0d8c8", beak="#2b2b2b", bib="#111111", cheekspot="#111111", wingbar="#ffffff",
                    streaks="#3b2a1a", stout=True),
    "ringduva": dict(cap="#8c8fa0", face="#8c8fa0", back="#8c8fa0", wing="#7c7f90", tail="#6c6f80", breast="#c0a0a8",
                     belly="#b8b8c4", beak="#e8c0a0", neck="#ffffff", wingbar="#ffffff", big=True, smallhead=True),
    "rodhake": dict(cap="#7a6a4a", face="#e86a2a", back="#7a6a4a", wing="#6a5a3a", tail="#6a5a3a", breast="#e86a2a",
                    belly="#f4f0e8", beak="#2b2b2b"),
    "sidensvans": dict(cap="#b08a78", face="#b08a78", back="#a07a68", wing="#6a6a70", tail="#5a5a60",
                       breast="#c09a88", belly="#c8b0a0", beak="#111111", mask="#111111", bib="#111111",
                       crest="#b08a78", tailtip="#f4d020", wingtip="#e02020"),
    "siska": dict(cap="#111111", face="#d8d850", back="#a8b040", wing="#1f1f1f", tail="#1f1f1f", breast="#e0e050",
                  belly="#f0f0c0", beak="#d8c8a0", bib="#111111", wingbar="#f0e020", streaks="#4a5a20", small=True),
    "skata": dict(cap="#111111", face="#111111", back="#111111", wing="#111111", tail="#1f3a30", breast="#111111",
                  belly="#ffffff", beak="#111111", wingpatch="#ffffff", longtail=1.9, big=True, stout=True),
    "spillkraka": dict(cap="#d01818", face="#111111", back="#111111", wing="#111111", tail="#111111",
                       breast="#151515", belly="#151515", beak="#d8d0b0", paleeye=True, cling=True, longbeak=1.7,
                       big=True),
    "stare": dict(cap="#202830", face="#202830", back="#202830", wing="#2a3038", tail="#1a2028", breast="#283038",
                  belly="#283038", beak="#f0c020", dots="#f0f0e0", longbeak=1.4),
    "sanglarka": dict(cap="#a08060", face="#d0b898", back="#a08060", wing="#8a6a4a", tail="#7a5a3a",
                      breast="#e8d8b8", belly="#f8f4ea", beak="#6a5a4a", crest="#8a6a4a", streaks="#4a3420",
                      ground=True),
    "sadesarla": dict(cap="#111111", face="#ffffff", back="#8a8a8a", wing="#2a2a2a", tail="#111111", breast="#111111",
                      belly="#ffffff", beak="#111111", wingbar="#ffffff", longtail=2.0, ground=True),
    "talgoxe": dict(cap="#111111", face="#ffffff", back="#8aa040", wing="#6a7f9a", tail="#5a6f8a", breast="#f4d03f",
                    belly="#f4d03f", beak="#111111", bib="#111111", stripe="#111111", wingbar="#ffffff"),
    "tofsmes": dict(cap="#ffffff", face="#ffffff", back="#8a6a4a", wing="#7a5a3a", tail="#6a4a2a", breast="#f0e8d8",
                    belly="#e8d8c0", beak="#111111", crest="#3a3a3a", bib="#111111", eyestripe="#111111", small=True),
    "tofsvipa": dict(cap="#111111", face="#ffffff", back="#2f4a3a", wing="#1f3a2a", tail="#111111", breast="#111111",
                     belly="#ffffff", beak="#111111", crest="#111111", longcrest=True, ground=True, longlegs=True,
                     eyestripe="#111111"),
    "kyckling": dict(cap="#f8d838", face="#f8d838", back="#f4cc30", wing="#f0c028", tail="#f0c028", breast="#fae060",
                     belly="#fae060", beak="#f08a10", ground=True, chick=True),
}


def bird(name):
    p = BIRDS[name]
    s = 0.8 if p.get("small") else 1.15 if p.get("big") else 1.0
    if p.get("chick"):
        s = 1.3
    parts = []
    # the perch: a branch, a trunk for the woodpeckers, the ground for the others
    if p.get("cling"):
        parts.append('<rect x="250" y="0" width="70" height="300" fill="#8a6a4a" stroke="#5a4028" stroke-width="3"/>'
                     '<path d="M262 40 q10 30 0 60 M300 140 q-8 40 4 80 M270 230 q8 30 -2 60" stroke="#5a4028" '
                     'stroke-width="3" fill="none"/>')
        tf = "translate(250 160) rotate(-70) translate(-200 -170)"
    elif p.get("ground"):
        parts.append('<path d="M0 262 Q200 250 400 262 L400 300 L0 300 Z" fill="#9ccc65" stroke="#558b2f" '
                     'stroke-width="2"/>')
        tf = "translate(0 %d)" % (40 if p.get("longlegs") else 20)
    else:
        parts.append('<path d="M20 236 Q200 214 390 222" stroke="#6d4c2f" stroke-width="12" fill="none" '
                     'stroke-linecap="round"/><path d="M300 220 q30 -30 60 -30" stroke="#6d4c2f" stroke-width="6" '
                     'fill="none"/><ellipse cx="362" cy="186" rx="16" ry="8" fill="#7cb342" transform="rotate(-20 362 186)"/>')
        tf = ""
    b = []
    lt = p.get("longtail", 1.0)
    # legs
    leg = 40 if p.get("longlegs") else 18
    legc = "#d08a8a" if p.get("longlegs") else "#5a4a3a"
    b.append(f'<path d="M190 205 L186 {205 + leg} M214 205 L214 {205 + leg}" stroke="{legc}" stroke-width="4" '
             f'stroke-linecap="round"/>')
    # tail
    tx, ty = 150 - 70 * lt, 195 + 45 * lt
    b.append(f'<path d="M150 175 L{tx:.0f} {ty - 10:.0f} L{tx + 14:.0f} {ty + 8:.0f} L165 198 Z" fill="{p["tail"]}" {OUT}/>')
    if p.get("tailtip"):
        b.append(f'<path d="M{tx:.0f} {ty - 10:.0f} L{tx + 14:.0f} {ty + 8:.0f}" stroke="{p["tailtip"]}" stroke-width="9"/>')
    # body: breast below, back above
    b.append(f'<clipPath id="body"><ellipse cx="200" cy="170" rx="72" ry="48" transform="rotate(-18 200 170)"/></clipPath>')
    b.append(f'<ellipse cx="200" cy="170" rx="72" ry="48" transform="rotate(-18 200 170)" fill="{p["belly"]}"/>')
    b.append(f'<g clip-path="url(#body)"><ellipse cx="240" cy="150" rx="60" ry="40" fill="{p["breast"]}"/>'
             f'<ellipse cx="170" cy="120" rx="110" ry="50" transform="rotate(-18 170 120)" fill="{p["back"]}"/>')
    if p.get("stripe"):
        b.append(f'<path d="M262 150 Q240 190 200 214" stroke="{p["stripe"]}" stroke-width="12" fill="none"/>')
    if p.get("spots"):
        for i, (x, y) in enumerate([(245, 160), (258, 175), (232, 178), (248, 192), (220, 195), (262, 158), (235, 162)]):
            b.append(f'<ellipse cx="{x}" cy="{y}" rx="4" ry="5" fill="{p["spots"]}"/>')
    if p.get("bars"):
        for y in range(165, 225, 9):
            b.append(f'<path d="M170 {y} Q220 {y - 8} 270 {y - 18}" stroke="{p["bars"]}" stroke-width="2.5" fill="none"/>')
    if p.get("dots"):
        for x in range(140, 280, 14):
            for y in range(120, 220, 14):
                b.append(f'<circle cx="{x + (y % 28) / 2}" cy="{y}" r="2.6" fill="{p["dots"]}"/>')
    if p.get("vent"):
        b.append(f'<ellipse cx="165" cy="205" rx="25" ry="14" fill="{p["vent"]}"/>')
    if p.get("streaks"):
        for x in range(130, 250, 16):
            b.append(f'<path d="M{x} {150 - (x - 130) // 4} l14 -4" stroke="{p["streaks"]}" stroke-width="3"/>')
    b.append('</g>')
    b.append(f'<ellipse cx="200" cy="170" rx="72" ry="48" transform="rotate(-18 200 170)" fill="none" {OUT}/>')
    # wing
    b.append(f'<path d="M250 140 Q200 130 150 165 Q135 180 125 190 Q190 192 240 170 Q262 158 250 140 Z" '
             f'fill="{p["wing"]}" {OUT}/>')
    if p.get("wingbar"):
        b.append(f'<path d="M232 150 Q200 150 168 170" stroke="{p["wingbar"]}" stroke-width="5" fill="none"/>')
    if p.get("wingbar2"):
        b.append(f'<path d="M222 162 Q195 166 160 180" stroke="{p["wingbar2"]}" stroke-width="4" fill="none"/>')
    if p.get("wingpatch"):
        b.append(f'<ellipse cx="222" cy="152" rx="20" ry="9" fill="{p["wingpatch"]}" transform="rotate(-15 222 152)"/>')
    if p.get("wingedge"):
        b.append(f'<path d="M240 150 Q200 150 150 178" stroke="{p["wingedge"]}" stroke-width="6" fill="none"/>')
    if p.get("wingtip"):
        b.append(f'<circle cx="150" cy="178" r="4" fill="{p["wingtip"]}"/><circle cx="162" cy="172" r="4" fill="{p["wingtip"]}"/>')
    # head
    hr = 28 if p.get("smallhead") else 36
    hx, hy = 268, 112
    if p.get("neck"):
        b.append(f'<ellipse cx="252" cy="140" rx="16" ry="10" fill="{p["neck"]}"/>')
    b.append(f'<clipPath id="head"><circle cx="{hx}" cy="{hy}" r="{hr}"/></clipPath>')
    b.append(f'<circle cx="{hx}" cy="{hy}" r="{hr}" fill="{p["face"]}"/>')
    b.append(f'<g clip-path="url(#head)"><ellipse cx="{hx - 8}" cy="{hy - hr + 6}" rx="{hr + 6}" ry="{hr * 0.55:.0f}" '
             f'fill="{p["cap"]}"/>')
    if p.get("nape"):
        b.append(f'<ellipse cx="{hx - hr + 6}" cy="{hy}" rx="14" ry="{hr}" fill="{p["nape"]}"/>')
    if p.get("crown"):
        b.append(f'<ellipse cx="{hx}" cy="{hy - hr + 6}" rx="{hr * 0.7:.0f}" ry="9" fill="#111111"/>'
                 f'<ellipse cx="{hx}" cy="{hy - hr + 7}" rx="{hr * 0.6:.0f}" ry="5" fill="{p["crown"]}"/>')
    if p.get("eyestripe"):
        b.append(f'<path d="M{hx - hr} {hy + 2} L{hx + hr} {hy - 4}" stroke="{p["eyestripe"]}" stroke-width="7"/>')
    if p.get("mask"):
        b.append(f'<path d="M{hx - 10} {hy} L{hx + hr} {hy - 6} L{hx + hr} {hy + 8} Z" fill="{p["mask"]}"/>')
    if p.get("bib"):
        b.append(f'<ellipse cx="{hx + 16}" cy="{hy + hr - 4}" rx="16" ry="13" fill="{p["bib"]}"/>')
    if p.get("throat"):
        b.append(f'<ellipse cx="{hx + 10}" cy="{hy + hr - 8}" rx="24" ry="16" fill="{p["throat"]}"/>')
    if p.get("cheekspot"):
        b.append(f'<circle cx="{hx - 2}" cy="{hy + 10}" r="6" fill="{p["cheekspot"]}"/>')
    if p.get("forehead"):
        b.append(f'<ellipse cx="{hx + hr - 8}" cy="{hy - 14}" rx="9" ry="7" fill="{p["forehead"]}"/>')
    b.append('</g>')
    b.append(f'<circle cx="{hx}" cy="{hy}" r="{hr}" fill="none" {OUT}/>')
    if p.get("crest"):
        if p.get("longcrest"):
            b.append(f'<path d="M{hx - 6} {hy - hr + 4} Q{hx - 40} {hy - hr - 40} {hx - 70} {hy - hr - 30} '
                     f'Q{hx - 36} {hy - hr - 20} {hx - 14} {hy - hr + 10} Z" fill="{p["crest"]}" {OUT}/>')
        else:
            b.append(f'<path d="M{hx - 20} {hy - hr + 10} L{hx - 30} {hy - hr - 22} L{hx + 6} {hy - hr + 2} Z" '
                     f'fill="{p["crest"]}" {OUT}/>')
    # beak and eye
    bl = 26 * p.get("longbeak", 1.0)
    bw = 10 if p.get("stout") else 7
    b.append(f'<path d="M{hx + hr - 6} {hy - bw} L{hx + hr - 6 + bl:.0f} {hy + 2} L{hx + hr - 6} {hy + bw} Z" '
             f'fill="{p["beak"]}" {OUT}/>')
    ex, ey = hx + 12, hy - 6
    if p.get("eyering"):
        b.append(f'<circle cx="{ex}" cy="{ey}" r="8" fill="{p["eyering"]}"/>')
    b.append(f'<circle cx="{ex}" cy="{ey}" r="5.5" fill="{"#f4f4f4" if p.get("paleeye") else "#111111"}" '
             f'stroke="#111" stroke-width="1.5"/><circle cx="{ex + 1.5}" cy="{ey - 1.5}" r="1.8" '
             f'fill="{"#111111" if p.get("paleeye") else "#ffffff"}"/>')
    parts.append(f'<g transform="{tf} translate(200 170) scale({s}) translate(-200 -170)">' + "".join(b) + '</g>')
    return svg("".join(parts))


# --- flowers and small plants ---------------------------------------------------------------
def stem(x, y1, y2, colour="#4caf50", width=6):
    return f'<path d="M{x} {y2} Q{x - 10} {(y1 + y2) / 2} {x} {y1}" stroke="{colour}" stroke-width="{width}" fill="none"/>'


def leaf(x, y, angle, length=60, width=18, colour="#66bb6a"):
    return (f'<ellipse cx="{x + length / 2}" cy="{y}" rx="{length / 2}" ry="{width / 2}" fill="{colour}" '
            f'stroke="#2e7d32" stroke-width="2" transform="rotate({angle} {x} {y})"/>')


def blossom(cx, cy, n, length, width, colour, centre, centre_r, edge="#555"):
    out = []
    for i in range(n):
        a = 360 * i / n
        out.append(f'<ellipse cx="{cx + length / 2}" cy="{cy}" rx="{length / 2}" ry="{width / 2}" fill="{colour}" '
                   f'stroke="{edge}" stroke-width="1.5" transform="rotate({a:.1f} {cx} {cy})"/>')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{centre_r}" fill="{centre}" stroke="#444" stroke-width="1.5"/>')
    return "".join(out)


def bell(cx, cy, size, colour, angle=0):
    return (f'<path d="M{cx - size * 0.5} {cy} Q{cx - size * 0.55} {cy + size} {cx - size * 0.75} {cy + size * 1.1} '
            f'L{cx + size * 0.75} {cy + size * 1.1} Q{cx + size * 0.55} {cy + size} {cx + size * 0.5} {cy} Z" '
            f'fill="{colour}" stroke="#333" stroke-width="1.5" transform="rotate({angle} {cx} {cy})"/>')


def plant(name):
    g = '<path d="M0 285 L400 285 L400 300 L0 300 Z" fill="#8d6e63"/>'
    if name == "maskros":
        b = stem(200, 110, 285) + leaf(200, 270, 200, 90, 22) + leaf(200, 272, -20, 90, 22) + \
            blossom(200, 100, 40, 70, 9, "#fdd835", "#f9a825", 16, "#c49000")
    elif name == "vallmo":
        b = stem(200, 120, 285) + leaf(200, 240, 200, 60) + "".join(
            f'<ellipse cx="{200 + dx}" cy="{100 + dy}" rx="48" ry="42" fill="#e53935" stroke="#8e0000" stroke-width="2"/>'
            for dx, dy in ((-32, 0), (32, 0), (0, -28), (0, 20))) + \
            '<circle cx="200" cy="100" r="16" fill="#212121"/><circle cx="200" cy="100" r="6" fill="#7cb342"/>'
    elif name == "blaklocka":
        b = '<path d="M200 285 Q195 180 205 70 Q250 60 270 100 M205 150 Q150 130 130 160" stroke="#4caf50" ' \
            'stroke-width="5" fill="none"/>' + bell(270, 100, 40, "#5c6bc0") + bell(130, 160, 36, "#5c6bc0") + \
            bell(205, 70, 34, "#5c6bc0", -20) + leaf(200, 270, 200, 50, 10) + leaf(200, 268, -25, 50, 10)
    elif name == "vitsippa":
        b = stem(200, 120, 285) + leaf(200, 175, -30, 70, 26, "#43a047") + leaf(200, 175, 210, 70, 26, "#43a047") + \
            blossom(200, 110, 6, 64, 34, "#ffffff", "#fdd835", 14, "#9e9e9e")
    elif name == "smorblomma":
        b = stem(200, 120, 285) + leaf(200, 230, 200, 60, 24) + leaf(200, 250, -20, 60, 24) + \
            blossom(200, 110, 5, 58, 48, "#ffeb3b", "#f9a825", 14, "#c49000")
    elif name == "liljekonvalj":
        b = leaf(190, 285, -75, 220, 60, "#388e3c") + leaf(210, 285, -105, 200, 50, "#43a047") + \
            '<path d="M200 285 Q205 120 270 80" stroke="#66bb6a" stroke-width="4" fill="none"/>' + "".join(
                f'<path d="M{x} {y} l0 12" stroke="#66bb6a" stroke-width="2"/>' + bell(x, y + 10, 14, "#ffffff")
                for x, y in ((215, 150), (225, 125), (240, 105), (255, 90), (270, 80)))
    elif name == "tistel":
        b = stem(200, 120, 285, "#689f38") + "".join(
            f'<path d="M200 {y} l{d * 70} -20 l-20 10 l14 -26 l-26 14 z" fill="#7cb342" stroke="#33691e" '
            f'stroke-width="2"/>' for y, d in ((250, 1), (220, -1), (190, 1))) + \
            '<ellipse cx="200" cy="120" rx="34" ry="30" fill="#8bc34a" stroke="#33691e" stroke-width="2"/>' + \
            "".join(f'<path d="M200 100 l{math.cos(math.radians(a)) * 55:.0f} {-abs(math.sin(math.radians(a))) * 60:.0f}" '
                    f'stroke="#8e24aa" stroke-width="5" stroke-linecap="round"/>' for a in range(20, 170, 9))
    elif name == "ljung":
        b = "".join(f'<path d="M{x} 285 Q{x + 10} 200 {x + 20} {120 + (x % 40)}" stroke="#5d4037" stroke-width="4" '
                    f'fill="none"/>' + "".join(f'<circle cx="{x + 8 + k}" cy="{130 + (x % 40) + k * 12}" r="6" '
                                               f'fill="#ab47bc" stroke="#6a1b9a" stroke-width="1"/>'
                                               for k in range(0, 10)) for x in (120, 160, 200, 240, 280))
    elif name == "nassla":
        b = stem(200, 40, 285, "#558b2f", 7) + "".join(
            f'<path d="M200 {y} q{d * 40} -40 {d * 100} -20 q{-d * 10} 10 {-d * 6} 14 q{-d * 10} 0 {-d * 8} 12 '
            f'q{-d * 12} 0 {-d * 10} 12 q{-d * 30} 10 {-d * 76} -18 z" fill="#558b2f" stroke="#33691e" '
            f'stroke-width="2"/>' for y, d in ((250, 1), (250, -1), (180, 1), (180, -1), (110, 1), (110, -1)))
    elif name == "blabar":
        b = berries("#3949ab", "#1a237e", bloom=True)
    elif name == "hallon":
        b = berries("#e53950", "#880e2f", drupes=True)
    elif name == "lingon":
        b = berries("#d32f2f", "#7f0000", small=True)
    elif name == "morot":
        b = '<path d="M170 90 L230 90 L205 280 Q200 290 195 280 Z" fill="#fb8c00" stroke="#bf5f00" stroke-width="3"/>' \
            '<path d="M180 130 l20 4 M186 170 l18 3 M190 210 l14 2" stroke="#bf5f00" stroke-width="2"/>' + "".join(
                f'<path d="M200 92 Q{200 + d} 40 {200 + d * 1.6:.0f} 10" stroke="#43a047" stroke-width="6" fill="none"/>'
                for d in (-40, -15, 10, 35))
        g = ""
    elif name == "tomat":
        b = '<circle cx="200" cy="170" r="95" fill="#e53935" stroke="#8e0000" stroke-width="3"/>' \
            '<ellipse cx="165" cy="130" rx="25" ry="14" fill="#ff8a80" opacity="0.8"/>' + "".join(
                f'<path d="M200 80 l{math.cos(math.radians(a)) * 40:.0f} {math.sin(math.radians(a)) * 20 + 6:.0f}" '
                f'stroke="#2e7d32" stroke-width="8" stroke-linecap="round"/>' for a in range(0, 360, 72)) + \
            '<path d="M200 80 l4 -30" stroke="#2e7d32" stroke-width="7"/>'
        g = ""
    elif name == "sallad":
        b = "".join(f'<ellipse cx="{200 + dx}" cy="{180 + dy}" rx="{r}" ry="{r * 0.8:.0f}" fill="{c}" stroke="#33691e" '
                    f'stroke-width="3"/>' for dx, dy, r, c in ((-70, 20, 70, "#7cb342"), (70, 20, 70, "#7cb342"),
                                                               (0, 30, 80, "#8bc34a"), (-35, -10, 60, "#9ccc65"),
                                                               (35, -10, 60, "#9ccc65"), (0, -20, 50, "#c5e1a5")))
        g = ""
    elif name == "paprika":
        b = '<path d="M200 70 Q300 60 300 160 Q300 270 240 280 Q220 270 200 282 Q180 270 160 280 Q100 270 100 160 ' \
            'Q100 60 200 70 Z" fill="#e53935" stroke="#8e0000" stroke-width="3"/>' \
            '<path d="M200 75 Q205 110 200 270" stroke="#b71c1c" stroke-width="3" fill="none"/>' \
            '<path d="M200 72 Q198 40 225 30" stroke="#2e7d32" stroke-width="12" fill="none" stroke-linecap="round"/>'
        g = ""
    else:
        raise KeyError(name)
    return svg(g + b)


def berries(colour, dark, bloom=False, drupes=False, small=False):
    out = ['<path d="M60 60 Q200 40 330 90" stroke="#6d4c2f" stroke-width="6" fill="none"/>']
    for x, a in ((110, 30), (190, -30), (280, 40)):
        out.append(leaf(x, 55 + (x - 60) // 8, a, 70, 30, "#43a047"))
    r = 22 if small else 30
    for i, (x, y) in enumerate(((120, 140), (165, 150), (210, 140), (255, 160), (145, 195), (195, 200), (240, 210),
                                (175, 245))):
        out.append(f'<path d="M{x} {y - r} L{x + (200 - x) // 6} 70" stroke="#6d4c2f" stroke-width="2"/>')
        out.append(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{colour}" stroke="{dark}" stroke-width="2.5"/>')
        if drupes:
            out += [f'<circle cx="{x + dx}" cy="{y + dy}" r="7" fill="none" stroke="{dark}" stroke-width="1.5"/>'
                    for dx in (-10, 0, 10) for dy in (-10, 0, 10)]
        if bloom:
            out.append(f'<circle cx="{x}" cy="{y - r + 6}" r="5" fill="{dark}"/>')
        out.append(f'<ellipse cx="{x - r / 3:.0f}" cy="{y - r / 3:.0f}" rx="{r / 4:.0f}" ry="{r / 6:.0f}" fill="#ffffff" '
                   f'opacity="0.6"/>')
    return "".join(out)


# --- trees: the tree, and a leaf or a twig of it in the corner --------------------------------
def trunk(x, top, colour="#795548", width=26, birch=False):
    out = f'<path d="M{x - width / 2} 290 L{x - width / 3} {top} L{x + width / 3} {top} L{x + width / 2} 290 Z" fill="{colour}" stroke="#3e2723" stroke-width="2"/>'
    if birch:
        out += "".join(f'<path d="M{x - 8 + (k % 3) * 4} {top + 20 + k * 28} l10 0" stroke="#212121" stroke-width="4"/>'
                       for k in range(8))
    return out


def crown(cx, cy, rx, ry, colour, lumps=7):
    out = []
    for i in range(lumps):
        a = 2 * math.pi * i / lumps
        out.append(f'<circle cx="{cx + math.cos(a) * rx * 0.55:.0f}" cy="{cy + math.sin(a) * ry * 0.55:.0f}" '
                   f'r="{min(rx, ry) * 0.62:.0f}" fill="{colour}" stroke="#1b5e20" stroke-width="2"/>')
    out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx * 0.7:.0f}" ry="{ry * 0.7:.0f}" fill="{colour}"/>')
    return "".join(out)


def inset(content):
    return ('<rect x="272" y="170" width="120" height="120" rx="10" fill="#fffde7" stroke="#8d6e63" stroke-width="2"/>'
            f'<g transform="translate(332 230)">{content}</g>')


def tree(name):
    ground = '<path d="M0 288 L400 288 L400 300 L0 300 Z" fill="#8d6e63"/>'
    if name == "gran":
        b = trunk(150, 200, width=20) + "".join(
            f'<path d="M{150 - w} {y} L150 {y - 90} L{150 + w} {y} Z" fill="#2e7d32" stroke="#1b5e20" stroke-width="2"/>'
            for y, w in ((250, 95), (195, 78), (140, 60), (95, 40))) + \
            inset('<path d="M-40 10 L40 -10" stroke="#6d4c2f" stroke-width="5"/>' + "".join(
                f'<path d="M{x} {-x / 4:.0f} l{d * 6} {d * 22}" stroke="#2e7d32" stroke-width="3"/>'
                for x in range(-34, 40, 8) for d in (1, -1)) +
                '<ellipse cx="0" cy="30" rx="14" ry="26" fill="#8d6e63" stroke="#4e342e" stroke-width="2"/>')
    elif name == "tall":
        b = trunk(150, 70, "#d08a4a", 18) + \
            '<path d="M150 120 L100 100 M150 90 L200 70" stroke="#a0522d" stroke-width="8"/>' + \
            crown(95, 95, 60, 30, "#388e3c", 5) + crown(205, 65, 70, 34, "#388e3c", 5) + crown(150, 45, 50, 28, "#43a047", 5) + \
            inset('<path d="M-30 30 L20 -30" stroke="#6d4c2f" stroke-width="4"/><path d="M0 0 l-20 -40 M0 0 l24 -36" '
                  'stroke="#2e7d32" stroke-width="3"/><ellipse cx="-14" cy="26" rx="14" ry="20" fill="#a1887f" '
                  'stroke="#4e342e" stroke-width="2"/>')
    elif name == "bjork":
        b = trunk(150, 80, "#f5f5f5", 24, birch=True) + crown(150, 95, 120, 90, "#9ccc65", 8) + \
            inset('<path d="M0 -40 Q36 -10 0 40 Q-36 -10 0 -40 Z" fill="#9ccc65" stroke="#33691e" stroke-width="2"/>'
                  '<path d="M0 -40 L0 50" stroke="#33691e" stroke-width="2"/>')
    elif name == "ek":
        b = trunk(150, 120, width=38) + crown(150, 100, 140, 90, "#558b2f", 9) + \
            inset('<path d="M0 -45 q16 6 10 16 q18 0 12 14 q18 4 8 16 q14 10 -2 16 l-28 0 q-16 -6 -2 -16 q-10 -12 8 -16 '
                  'q-6 -14 12 -14 q-6 -10 -18 -16 z" fill="#7cb342" stroke="#33691e" stroke-width="2" '
                  'transform="translate(-8 0)"/><ellipse cx="22" cy="34" rx="9" ry="12" fill="#a1887f" stroke="#4e342e" '
                  'stroke-width="2"/><path d="M13 28 q9 -8 18 0" fill="#6d4c41"/>')
    elif name == "lonn":
        b = trunk(150, 120, width=30) + crown(150, 100, 130, 95, "#e65100", 8) + crown(150, 100, 90, 60, "#fb8c00", 6) + \
            inset('<path d="M0 45 L0 10 L-40 -4 L-26 -10 L-34 -28 L-14 -20 L-10 -44 L0 -30 L10 -44 L14 -20 L34 -28 '
                  'L26 -10 L40 -4 L0 10 Z" fill="#f4511e" stroke="#bf360c" stroke-width="2"/>')
    elif name == "pil":
        b = trunk(150, 90, width=32) + crown(150, 80, 110, 55, "#9ccc65", 7) + "".join(
            f'<path d="M{x} 70 Q{x + 5} 160 {x - 4} 250" stroke="#7cb342" stroke-width="9" fill="none" '
            f'stroke-linecap="round"/>' for x in range(50, 260, 18)) + \
            inset('<path d="M-6 -48 Q8 0 -6 48 Q-20 0 -6 -48 Z" fill="#9ccc65" stroke="#33691e" stroke-width="2"/>'
                  '<path d="M16 -48 Q30 0 16 48 Q2 0 16 -48 Z" fill="#9ccc65" stroke="#33691e" stroke-width="2"/>')
    elif name == "ronn":
        b = trunk(150, 130, width=24) + crown(150, 110, 110, 85, "#66bb6a", 8) + "".join(
            f'<circle cx="{x}" cy="{y}" r="7" fill="#e53935" stroke="#8e0000" stroke-width="1.5"/>'
            for x, y in ((110, 90), (118, 100), (104, 102), (190, 120), (198, 130), (184, 132), (150, 60),
                         (158, 70), (144, 72))) + \
            inset('<path d="M0 48 L0 -48" stroke="#33691e" stroke-width="3"/>' + "".join(
                f'<ellipse cx="{d * 18}" cy="{y}" rx="16" ry="6" fill="#66bb6a" stroke="#33691e" stroke-width="1.5"/>'
                for y in (-36, -18, 0, 18, 36) for d in (1, -1)) +
                '<ellipse cx="0" cy="-46" rx="6" ry="14" fill="#66bb6a" stroke="#33691e" stroke-width="1.5"/>')
    elif name == "kastanj":
        b = trunk(150, 130, width=36) + crown(150, 100, 135, 95, "#2e7d32", 9) + "".join(
            f'<path d="M{x} {y} l6 -26 l6 26 z" fill="#fafafa" stroke="#bdbdbd" stroke-width="1"/>'
            for x, y in ((90, 80), (140, 50), (190, 90), (120, 120), (200, 140))) + \
            inset("".join(f'<ellipse cx="0" cy="-26" rx="9" ry="26" fill="#43a047" stroke="#1b5e20" stroke-width="1.5" '
                          f'transform="rotate({a})"/>' for a in (-90, -45, 0, 45, 90)) +
                  '<circle cx="10" cy="30" r="14" fill="#6d4c41" stroke="#3e2723" stroke-width="2"/>'
                  '<circle cx="6" cy="26" r="4" fill="#bcaaa4"/>')
    elif name == "en":
        b = trunk(150, 240, width=14) + '<path d="M150 20 Q210 120 190 250 L110 250 Q90 120 150 20 Z" fill="#33691e" ' \
            'stroke="#1b5e20" stroke-width="2"/>' + "".join(f'<circle cx="{x}" cy="{y}" r="5" fill="#3949ab"/>'
                                                         for x, y in ((140, 120), (170, 170), (130, 200), (160, 90))) + \
            inset('<path d="M-30 40 L30 -40" stroke="#6d4c2f" stroke-width="4"/>' + "".join(
                f'<path d="M{x} {-x * 4 // 3} l{d * 16} -6" stroke="#33691e" stroke-width="3"/>'
                for x in range(-24, 28, 8) for d in (1, -1)) +
                ''.join(f'<circle cx="{x}" cy="{y}" r="7" fill="#3949ab" stroke="#1a237e" stroke-width="1.5"/>'
                        for x, y in ((-12, 4), (6, -14), (14, 20))))
    elif name == "syren":
        b = "".join(trunk(x, 180, width=10) for x in (110, 150, 190)) + crown(150, 150, 140, 100, "#66bb6a", 9) + "".join(
            f'<path d="M{x - 16} {y + 30} L{x} {y - 20} L{x + 16} {y + 30} Z" fill="#ab47bc" stroke="#6a1b9a" '
            f'stroke-width="2"/>' for x, y in ((80, 140), (130, 100), (180, 120), (220, 160), (110, 190), (170, 190))) + \
            inset('<path d="M0 -45 Q36 20 0 45 Q-36 20 0 -45 Z" fill="#66bb6a" stroke="#33691e" stroke-width="2"/>')
    else:
        raise KeyError(name)
    return svg(ground + b)


# --- fish and reptiles -----------------------------------------------------------------------------
FISH = {
    "abborre": dict(body="#9e9d24", belly="#f0f4c3", fins="#e53935", bars="#33691e", shape="tall"),
    "gadda": dict(body="#689f38", belly="#f1f8e9", fins="#8d6e63", dots="#dcedc8", shape="long", jaw=True),
    "lax": dict(body="#90a4ae", belly="#fafafa", fins="#78909c", spots="#263238", shape="normal", back="#546e7a"),
    "torsk": dict(body="#a1887f", belly="#efebe9", fins="#8d6e63", spots="#6d4c41", shape="normal", barbel=True,
                  line=True),
    "sill": dict(body="#90caf9", belly="#fafafa", fins="#b0bec5", shape="slim", back="#1e88e5"),
    "makrill": dict(body="#4fc3f7", belly="#fafafa", fins="#607d8b", waves="#0d47a1", shape="slim", back="#0277bd"),
    "haj": dict(body="#78909c", belly="#eceff1", fins="#607d8b", shape="shark"),
    "rodspatta": dict(body="#a1887f", belly="#a1887f", fins="#8d6e63", spots="#ff7043", shape="flat"),
    "tonfisk": dict(body="#283593", belly="#e8eaf6", fins="#fdd835", shape="tuna", back="#1a237e"),
}


def fish(name):
    if name == "al":
        b = ('<path d="M40 170 Q100 100 170 160 Q240 220 310 150 Q340 120 370 130 Q380 140 368 150 Q340 150 320 170 '
             'Q250 250 170 190 Q100 140 48 182 Z" fill="#6d4c41" stroke="#3e2723" stroke-width="3"/>'
             '<circle cx="362" cy="136" r="4" fill="#111"/>')
        return svg('<rect width="400" height="300" fill="#e3f2fd"/>' + b)
    p = FISH[name]
    shape = p["shape"]
    rx, ry = {"tall": (130, 70), "long": (160, 40), "normal": (140, 52), "slim": (140, 38), "shark": (150, 45),
              "flat": (120, 90), "tuna": (140, 58)}[shape]
    cx, cy = 200, 150
    out = ['<rect width="400" height="300" fill="#e3f2fd"/>']
    # tail, fins
    tx = cx - rx
    out.append(f'<path d="M{tx + 10} {cy} L{tx - 50} {cy - ry * 0.9:.0f} L{tx - 36} {cy} L{tx - 50} {cy + ry * 0.9:.0f} Z" '
               f'fill="{p["fins"]}" stroke="#333" stroke-width="2"/>')
    if shape == "shark":
        out.append(f'<path d="M{cx - 10} {cy - ry + 6} L{cx + 10} {cy - ry - 60} L{cx + 50} {cy - ry + 10} Z" '
                   f'fill="{p["fins"]}" stroke="#333" stroke-width="2"/>')
    elif shape != "flat":
        out.append(f'<path d="M{cx - 60} {cy - ry + 8} Q{cx - 10} {cy - ry - 40} {cx + 40} {cy - ry + 6} Z" '
                   f'fill="{p["fins"]}" stroke="#333" stroke-width="2"/>')
        out.append(f'<path d="M{cx - 40} {cy + ry - 8} Q{cx - 20} {cy + ry + 26} {cx + 10} {cy + ry - 6} Z" '
                   f'fill="{p["fins"]}" stroke="#333" stroke-width="2"/>')
    out.append(f'<clipPath id="fishbody"><ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}"/></clipPath>')
    out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{p["belly"]}"/>')
    out.append(f'<g clip-path="url(#fishbody)"><ellipse cx="{cx}" cy="{cy - ry * 0.45:.0f}" rx="{rx + 10}" '
               f'ry="{ry * 0.85:.0f}" fill="{p["body"]}"/>')
    if p.get("back"):
        out.append(f'<ellipse cx="{cx}" cy="{cy - ry:.0f}" rx="{rx + 10}" ry="{ry * 0.5:.0f}" fill="{p["back"]}"/>')
    if p.get("bars"):
        out += [f'<rect x="{x}" y="{cy - ry}" width="14" height="{ry * 1.5:.0f}" fill="{p["bars"]}" opacity="0.8"/>'
                for x in range(cx - 90, cx + 80, 34)]
    if p.get("waves"):
        out += [f'<path d="M{x} {cy - ry} q10 20 0 40" stroke="{p["waves"]}" stroke-width="5" fill="none"/>'
                for x in range(cx - 110, cx + 100, 22)]
    for key, r in (("spots", 5), ("dots", 6)):
        if p.get(key):
            out += [f'<circle cx="{x}" cy="{y}" r="{r}" fill="{p[key]}"/>'
                    for x in range(cx - rx + 30, cx + rx - 40, 24) for y in range(cy - ry + 12, cy + ry - 12, 22)
                    if (x + y) % 3]
    if p.get("line"):
        out.append(f'<path d="M{cx - rx} {cy} Q{cx} {cy - 20} {cx + rx} {cy - 6}" stroke="#efebe9" stroke-width="3" fill="none"/>')
    out.append('</g>')
    out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="none" stroke="#333" stroke-width="3"/>')
    # head: gill, eye, mouth
    hx = cx + rx * 0.55
    out.append(f'<path d="M{hx:.0f} {cy - ry * 0.7:.0f} Q{hx - 16:.0f} {cy} {hx:.0f} {cy + ry * 0.7:.0f}" stroke="#333" '
               f'stroke-width="2.5" fill="none"/>')
    ex = cx + rx * 0.75
    ey = cy - ry * 0.25 if shape != "flat" else cy - ry * 0.45
    out.append(f'<circle cx="{ex:.0f}" cy="{ey:.0f}" r="9" fill="#fff" stroke="#333" stroke-width="2"/>'
               f'<circle cx="{ex + 2:.0f}" cy="{ey:.0f}" r="4.5" fill="#111"/>')
    if shape == "flat":
        out.append(f'<circle cx="{ex - 14:.0f}" cy="{ey - 14:.0f}" r="9" fill="#fff" stroke="#333" stroke-width="2"/>'
                   f'<circle cx="{ex - 12:.0f}" cy="{ey - 14:.0f}" r="4.5" fill="#111"/>')
        out.append(f'<path d="M{cx - rx + 10} {cy} Q{cx} {cy + ry + 30} {cx + rx - 10} {cy + 10}" stroke="{p["fins"]}" '
                   f'stroke-width="12" fill="none" opacity="0.7"/>')
    mx = cx + rx
    if p.get("jaw") or shape == "shark":
        out.append(f'<path d="M{mx - 30} {cy + 8} L{mx} {cy + 2}" stroke="#333" stroke-width="3"/>' + "".join(
            f'<path d="M{mx - 28 + k * 6} {cy + 7 - k} l3 6 l3 -6" fill="#fff" stroke="#333" stroke-width="1"/>'
            for k in range(4)))
    else:
        out.append(f'<path d="M{mx - 4} {cy + 4} l-16 4" stroke="#333" stroke-width="3"/>')
    if p.get("barbel"):
        out.append(f'<path d="M{mx - 14} {cy + 12} q4 20 -6 26" stroke="#6d4c41" stroke-width="3" fill="none"/>')
    if shape == "tuna":
        out += [f'<path d="M{x} {cy - ry + 4} l6 -10 l6 10 z M{x} {cy + ry - 4} l6 10 l6 -10 z" fill="#fdd835" '
                f'stroke="#333" stroke-width="1"/>' for x in range(cx - rx + 20, cx - 30, 16)]
    return svg("".join(out))


def reptile(name):
    ground = '<path d="M0 240 Q200 228 400 240 L400 300 L0 300 Z" fill="#d7ccc8"/>'
    if name in ("orm", "huggorm"):
        colour, mark = ("#455a64", "#263238") if name == "huggorm" else ("#689f38", "#33691e")
        b = (f'<path d="M60 220 Q110 150 170 210 Q230 270 280 200 Q310 150 340 160" stroke="#333" stroke-width="34" '
             f'fill="none" stroke-linecap="round"/><path d="M60 220 Q110 150 170 210 Q230 270 280 200 Q310 150 340 160" '
             f'stroke="{colour}" stroke-width="28" fill="none" stroke-linecap="round"/>')
        if name == "huggorm":
            b += ('<path d="M60 220 Q110 150 170 210 Q230 270 280 200 Q310 150 340 160" stroke="#111" stroke-width="10" '
                  'fill="none" stroke-dasharray="14 10"/>')
        else:
            b += ('<ellipse cx="345" cy="158" rx="14" ry="10" fill="#fdd835"/>')
        b += (f'<ellipse cx="352" cy="160" rx="28" ry="18" fill="{colour}" stroke="#333" stroke-width="3"/>'
              '<circle cx="362" cy="154" r="4" fill="#111"/><path d="M380 162 l16 -4 m-16 4 l16 6" stroke="#d32f2f" '
              'stroke-width="2.5"/>')
        if name == "huggorm":
            b += '<path d="M336 150 l10 6 l-10 6" stroke="#111" stroke-width="4" fill="none"/>'
        return svg(ground + b)
    if name == "skoldpadda":
        b = ('<ellipse cx="305" cy="190" rx="34" ry="24" fill="#9ccc65" stroke="#33691e" stroke-width="3"/>'
             '<circle cx="318" cy="182" r="5" fill="#111"/>' + "".join(
                 f'<ellipse cx="{x}" cy="232" rx="20" ry="14" fill="#9ccc65" stroke="#33691e" stroke-width="3"/>'
                 for x in (130, 260)) +
             '<path d="M80 220 Q90 100 190 100 Q290 100 295 220 Z" fill="#8d6e63" stroke="#3e2723" stroke-width="4"/>' +
             "".join(f'<path d="{d}" fill="#a1887f" stroke="#3e2723" stroke-width="3"/>' for d in (
                 "M150 130 L230 130 L245 170 L190 195 L135 170 Z", "M100 200 L135 170 L190 195 L185 218 L95 218 Z",
                 "M245 170 L280 200 L282 218 L195 218 L190 195 Z")))
        return svg(ground + b)
    if name == "krokodil":
        b = ('<path d="M20 210 Q80 190 140 180 L300 170 Q360 168 390 184 Q360 196 300 196 L160 214 Q90 226 20 210 Z" '
             'fill="#558b2f" stroke="#1b5e20" stroke-width="3"/>' + "".join(
                 f'<path d="M{x} 178 l6 -12 l6 12" fill="#33691e" stroke="#1b5e20" stroke-width="2"/>'
                 for x in range(60, 260, 18)) +
             "".join(f'<path d="M{x} 200 l-6 34 l16 0" stroke="#1b5e20" stroke-width="10" fill="none" '
                     f'stroke-linecap="round"/>' for x in (120, 240)) +
             '<circle cx="300" cy="168" r="7" fill="#fdd835" stroke="#333" stroke-width="2"/><circle cx="301" cy="168" '
             'r="3" fill="#111"/>' + "".join(f'<path d="M{x} 190 l3 7 l3 -7" fill="#fff" stroke="#333" '
                                              f'stroke-width="1"/>' for x in range(312, 384, 9)))
        return svg(ground + b)
    raise KeyError(name)


def main():
    kind, name = sys.argv[1], sys.argv[2]
    drawing = {"bird": bird, "plant": plant, "tree": tree, "fish": fish, "reptile": reptile}[kind]
    sys.stdout.write(drawing(name))


if __name__ == "__main__":
    main()
