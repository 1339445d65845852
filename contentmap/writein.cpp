#include "contentmap/writein.h"

#include <set>

namespace lingvaro::writein {
namespace {

constexpr unsigned char Pound = 0xA3; // "£": the field names the question's own rule page

// The gap-in-sentence exercises; every other number reads its lines as translations.
bool gapInSentenceExercise(int n)
{
    static const std::set<int> numbers = {29, 129, 130, 52400, 55320, 56730, 57300, 58200};
    return numbers.count(n) != 0;
}

// Letters compared without regard to case (code page 1252), every other
// character a space, runs of spaces one: how a help is searched for a word.
std::string words(const std::string& text)
{
    std::string out;
    bool space = true;
    for (unsigned char c : text) {
        const bool letter = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == 0x8A
                            || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F
                            || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
        if (!letter) {
            if (!space)
                out.push_back(' ');
            space = true;
            continue;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c = (unsigned char)(c + 0x20);
        out.push_back(char(c));
        space = false;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// A field as the problem texts quote it (they are UTF-8).
std::string utf8(const std::string& cp1252)
{
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string out;
    for (unsigned char c : cp1252) {
        const char16_t u = c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char16_t(c);
        if (u < 0x80) {
            out.push_back(char(u));
        } else if (u < 0x800) {
            out.push_back(char(0xC0 | (u >> 6)));
            out.push_back(char(0x80 | (u & 0x3F)));
        } else {
            out.push_back(char(0xE0 | (u >> 12)));
            out.push_back(char(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(char(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

bool containsWords(const std::string& haystack, const std::string& needle)
{
    return !needle.empty() && (" " + haystack + " ").find(" " + needle + " ") != std::string::npos;
}

// Whether "<" and ">" alternate properly, each pair around something.
bool marksPair(const std::string& text)
{
    bool open = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<') {
            if (open)
                return false;
            open = true;
            start = i;
        } else if (text[i] == '>') {
            if (!open || i == start + 1)
                return false;
            open = false;
        }
    }
    return !open;
}

} // namespace

bool hasRulesButton(int n)
{
    if ((n >= 56110 && n <= 56119) || (n >= 56121 && n <= 56127) || (n >= 56131 && n <= 56137)
        || (n >= 56141 && n <= 56143) || (n >= 56781 && n <= 56784) || (n >= 56811 && n <= 56815)
        || (n >= 129 && n <= 135))
        return true;
    if ((n >= 56210 && n <= 56270 && n % 10 == 0) || (n >= 56410 && n <= 56490 && n % 10 == 0)
        || (n >= 56510 && n <= 56560 && n % 10 == 0))
        return true;
    static const std::set<int> numbers = {112,   113,   117,   118,   119,   120,   52400, 53700, 55110, 55120,
                                          55130, 55210, 55220, 55310, 55320, 55330, 55730, 56620, 56630, 56660,
                                          56710, 56720, 56730, 56740, 56750, 56770, 56910, 56920, 56930, 56940,
                                          57300, 57400};
    return numbers.count(n) != 0;
}

std::string rulePage(int n)
{
    // The conjugation pages follow the exercise numbers: 5611x (-ar), 5612x (-er),
    // 5613x (-ir) for present to pluperfect, one futurum page a group, one
    // conditional page for all three.
    if ((n >= 56111 && n <= 56115) || (n >= 56121 && n <= 56125) || (n >= 56131 && n <= 56135))
        return "R" + std::to_string(n - 56000 + 26000) + ".htm";
    if (n == 56116 || n == 56126 || n == 56136)
        return "R" + std::to_string(n - 56000 + 26001) + ".htm";
    if (n >= 56210 && n <= 56260 && n % 10 == 0)
        return "R2615" + std::to_string((n - 56200) / 10) + ".htm";
    if (n >= 56420 && n <= 56460 && n % 10 == 0)
        return "R2622" + std::to_string((n - 56400) / 10) + ".htm";
    if (n >= 56510 && n <= 56560 && n % 10 == 0)
        return "R2623" + std::to_string((n - 56500) / 10) + ".htm";
    switch (n) {
    // The pages of the diagnosis practices. Two names carry a trailing space, as
    // the protocol has always named them; the lookup ignores it.
    case 112: return "R25300.htm";   // possessives (not the verb page R26100)
    case 113: case 55110: case 55120: case 55130: return "R25100.htm";
    case 117: return "R26114.htm";   // the perfect (not the page of ser)
    case 118: return "R26112.htm";   // the imperfect
    case 119: return "R26113.htm";   // the preterite
    case 120: return "R261190.htm ";
    case 129: return "R26240.htm";
    case 130: case 56720: case 56740: return "R26252.htm";
    case 131: case 132: case 56142: case 56920: case 56930: return "R26510.htm";
    case 133: case 56118: return "R261191.htm";
    case 134: return "R26600.htm ";
    case 135: return "R26700.htm";   // stem vowel changes, all three kinds
    case 52400: return "R22300.htm";
    case 53700: return "R24100.htm";
    case 55210: case 55220: return "R25200.htm";
    case 55310: case 55320: case 55330: return "R25300.htm";
    case 55730: return "R25900.htm";
    case 56110: case 56119: return "R261192.htm";
    case 56117: case 56127: case 56137: return "R261190.htm";
    case 56141: return "R26115.htm";
    case 56143: case 56940: return "R26520.htm";
    case 56270: return "R26150.htm"; // reflexive verbs in every tense
    case 56410: return "R26220.htm"; // estar in the present (R26221 is the regular present)
    case 56470: case 56480: case 56490: return "R26227.htm";
    case 56620: case 56630: return "R26242.htm";
    case 56660: return "R26245.htm";
    case 56710: return "R26254.htm";
    case 56730: case 56750: case 56770: return "R26253.htm";
    case 56781: return "R26600.htm";
    case 56782: return "R26710.htm";
    case 56783: return "R26720.htm";
    case 56784: return "R26731.htm";
    case 56811: return "R26320.htm";
    case 56812: return "R26330.htm";
    case 56813: return "R26350.htm";
    case 56814: return "R26360.htm";
    case 56815: return "R26300.htm"; // the subjunctive, all tenses
    case 56910: return "R26505.htm";
    case 57300: return "R27200.htm";
    case 57400: return "R27300.htm";
    default: return {};
    }
}

bool offersHelp(int n) { return n != 12 && n != 17 && n != 112 && n != 117; }

bool gapInSentence(int exerciseNo, const std::string& field2)
{
    return gapInSentenceExercise(exerciseNo) || field2.empty();
}

const std::string& gapText(int exerciseNo, const std::string& field1, const std::string& field2)
{
    return gapInSentence(exerciseNo, field2) ? field1 : field2;
}

int firstHelpField(int exerciseNo, const std::string& field2) { return gapInSentence(exerciseNo, field2) ? 2 : 3; }

int firstHelpFieldOf(const std::vector<std::string>& fields, int exerciseNo)
{
    return firstHelpField(exerciseNo, fields.size() > 2 ? fields[2] : std::string());
}

std::vector<Piece> splitMarks(const std::string& text)
{
    std::vector<Piece> pieces;
    std::string current;
    bool marked = false;
    for (char c : text) {
        if ((c == '<' && !marked) || (c == '>' && marked)) {
            if (!current.empty() || marked)
                pieces.push_back({current, marked});
            current.clear();
            marked = !marked;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        pieces.push_back({current, marked});
    return pieces;
}

std::vector<std::string> gapWords(const std::string& text)
{
    std::vector<std::string> gaps;
    for (const Piece& p : splitMarks(text))
        if (p.marked)
            gaps.push_back(p.text);
    return gaps;
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) -> const std::string& {
        static const std::string none;
        return f < fields.size() ? fields[f] : none;
    };
    const bool gapKind = gapInSentence(exerciseNo, field(2));
    const std::size_t gapField = gapKind ? 1 : 2;
    const std::string& text = field(gapField);
    const std::string where = gapKind ? "fält 1" : "fält 2";

    for (std::size_t f : {std::size_t(1), gapField}) {
        if (!marksPair(field(f))) {
            problems.push_back("märkena < och > i fält " + std::to_string(f) + " går inte ihop");
            return problems;
        }
    }
    const std::vector<std::string> gaps = gapWords(text);
    if (gaps.empty() || gaps.size() > 2)
        problems.push_back(where + " har " + std::to_string(gaps.size()) + " luckor; en rad har en eller två");
    if (!gapKind && gapWords(field(1)).size() > 2)
        problems.push_back("fält 1 har fler än två märkta delar");

    // Helps (up to the "&" alternatives), the alternatives themselves.
    std::vector<std::string> helps;
    int alternatives = 0;
    for (std::size_t f = std::size_t(firstHelpField(exerciseNo, field(2))); f < fields.size() && !field(f).empty(); ++f) {
        if (field(f)[0] == '&' || alternatives > 0)
            ++alternatives;
        else if ((unsigned char)field(f)[0] != Pound)
            helps.push_back(field(f));
    }
    if (gaps.size() == 2 && alternatives > 0)
        problems.push_back("en rad med två luckor har inga &-alternativ: de gäller båda luckorna");
    if (!helps.empty() && !offersHelp(exerciseNo))
        problems.push_back("övning " + std::to_string(exerciseNo) + " visar inga hjälptexter");
    for (const std::string& help : helps) {
        for (const std::string& gap : gaps) {
            if (containsWords(words(help), words(gap))) {
                problems.push_back("hjälptexten \"" + utf8(help) + "\" avslöjar luckans ord \"" + utf8(gap) + "\"");
                break;
            }
        }
    }
    return problems;
}

} // namespace lingvaro::writein
