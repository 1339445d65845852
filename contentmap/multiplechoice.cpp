#include "contentmap/multiplechoice.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace lingvaro::multiplechoice {

bool hasRulesButton(int n) { return !rulePage(n).empty(); }

std::string rulePage(int n)
{
    // The diagnosis practice files name their pages in their lines ("£").
    switch (n) {
    case 51100: case 51200: return "R21000.htm";
    case 51300: return "R21500.htm";
    case 52100: return "R22100.htm";
    case 53200: case 53300: case 53400: return "R24700.htm";
    case 55510: case 55520: return "R25500.htm";
    case 55610: return "R25600.htm";
    case 55710: return "R25700.htm";
    case 55720: return "R25800.htm";
    case 56570: return "R26238.htm";
    case 56580: return "R26239.htm";
    case 56610: return "R26241.htm";
    case 56640: return "R26243.htm";
    case 56760: return "R26251.htm";
    default: return {};
    }
}

bool smallType(int n)
{
    static const std::set<int> numbers = {55520, 9, 10, 28, 109, 110, 128};
    return numbers.count(n) != 0;
}

bool showsField2(int n)
{
    static const std::set<int> numbers = {53200, 55510, 55520, 55610, 55710, 55720, 56570, 56580, 56610};
    return numbers.count(n) != 0;
}

std::string genderRule(std::string_view field3)
{
    if (field3.size() != 1)
        return {};
    switch (field3[0]) {
    case '1': return "Undantag från regeln.";
    case '2': return "De flesta som slutar på konsonant är maskulina.";
    case '3': return "Floder och berg är maskulina.";
    case '4': return "De flesta ord på -d, -ión och -ez är feminina.";
    case '5': return "Namn på öar är feminina.";
    default: return {};
    }
}

namespace {

// Code page 1252's letter pairs: A-Z, À-Þ but ×, and Š Œ Ž Ÿ.
unsigned char lower(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

unsigned char upper(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

constexpr unsigned char OpenQuestion = 0xBF, OpenExclamation = 0xA1;

} // namespace

std::string lowerCase(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = char(lower((unsigned char)c));
    return s;
}

std::string capitalised(std::string_view word)
{
    std::string s(word);
    if (!s.empty())
        s[0] = char(upper((unsigned char)s[0]));
    return s;
}

bool beginsUpper(std::string_view word)
{
    if (word.empty())
        return false;
    const unsigned char c = (unsigned char)word[0];
    return lower(c) != c;
}

std::vector<std::string> gapWords(std::string_view sentence)
{
    std::vector<std::string> gaps;
    std::size_t from = 0;
    while (true) {
        const std::size_t open = sentence.find('<', from);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = sentence.find('>', open + 1);
        if (close == std::string_view::npos) {
            gaps.emplace_back(sentence.substr(open + 1));
            break;
        }
        gaps.emplace_back(sentence.substr(open + 1, close - open - 1));
        from = close + 1;
    }
    return gaps;
}

bool beginsWithGap(std::string_view sentence)
{
    std::size_t i = 0;
    while (i < sentence.size()
           && (sentence[i] == ' ' || (unsigned char)sentence[i] == OpenQuestion
               || (unsigned char)sentence[i] == OpenExclamation))
        ++i;
    return i < sentence.size() && sentence[i] == '<';
}

ChoiceWords choiceWords(const std::vector<std::string>& gaps)
{
    ChoiceWords words;
    for (const std::string& gap : gaps) {
        if (int(words.lower.size()) >= MaxWords)
            break;
        const std::string low = lowerCase(gap);
        if (low.empty() || std::find(words.lower.begin(), words.lower.end(), low) != words.lower.end())
            continue;
        words.lower.push_back(low);
        words.capitals.push_back(capitalised(low));
    }
    return words;
}

namespace {

// Whether a text holds the word as a whole word, letter case aside.
bool holdsWord(std::string_view text, std::string_view word)
{
    const std::string t = lowerCase(text), w = lowerCase(word);
    auto letter = [](unsigned char c) { return std::isalnum(c) || c >= 0xC0 || c == 0x8A || c == 0x9A; };
    for (std::size_t at = t.find(w); at != std::string::npos; at = t.find(w, at + 1)) {
        const bool startOk = at == 0 || !letter((unsigned char)t[at - 1]);
        const bool endOk = at + w.size() >= t.size() || !letter((unsigned char)t[at + w.size()]);
        if (startOk && endOk)
            return true;
    }
    return false;
}

// A word of the content (code page 1252) in a message (UTF-8).
std::string utf8(std::string_view cp1252)
{
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                      0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string out;
    for (unsigned char c : cp1252) {
        const unsigned u = c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c;
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xC0 | (u >> 6));
            out += char(0x80 | (u & 0x3F));
        } else {
            out += char(0xE0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

} // namespace

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) { return f < fields.size() ? fields[f] : std::string(); };
    const std::vector<std::string> gaps = gapWords(field(1));
    if (gaps.size() != 1) {
        problems.push_back(gaps.empty() ? "meningen har ingen lucka <…>"
                                        : "meningen har " + std::to_string(gaps.size()) + " luckor, men en fråga har en");
    }
    for (const std::string& gap : gaps) {
        if (gap.empty() || gap.find_first_not_of(' ') == std::string::npos)
            problems.push_back("luckan <> är tom");
        else if (int(gap.size()) > MaxWordLength)
            problems.push_back("ordet i luckan är längre än " + std::to_string(MaxWordLength) + " tecken");
    }
    for (std::size_t f = 2; f < fields.size(); ++f)
        if (fields[f].find('<') != std::string::npos)
            problems.push_back("fält " + std::to_string(f) + " har en lucka; bara meningen har det");
    if (showsField2(exerciseNo)) {
        if (field(2).empty())
            problems.push_back("fält 2 saknas; det visas under orden");
        else if (gaps.size() == 1 && !gaps[0].empty() && holdsWord(field(2), gaps[0]))
            problems.push_back("fält 2, som visas under orden, avslöjar svaret");
    }
    if (exerciseNo == 51100) {
        // "mano##1" would run the rule number into field 2.
        if (field(2).size() == 1 && field(2)[0] >= '0' && field(2)[0] <= '9')
            problems.push_back("fält 2 är tomt, så regelnumret hamnar i fält 2");
        else if (!field(3).empty() && (unsigned char)field(3)[0] != 0xA3 && genderRule(field(3)).empty())
            problems.push_back("fält 3 är inget regelnummer 1–5");
    }
    return problems;
}

std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int)
{
    std::vector<std::string> gaps;
    for (const auto& fields : lines)
        for (const std::string& gap : gapWords(fields.size() > 1 ? fields[1] : std::string()))
            gaps.push_back(gap);
    std::vector<std::string> distinct;
    for (const std::string& gap : gaps)
        if (!gap.empty() && std::find(distinct.begin(), distinct.end(), lowerCase(gap)) == distinct.end())
            distinct.push_back(lowerCase(gap));
    if (int(distinct.size()) > MaxWords)
        return {"har " + std::to_string(distinct.size()) + " olika ord i luckorna; rutorna rymmer "
                + std::to_string(MaxWords) + ", så \"" + utf8(distinct[MaxWords]) + "\" kan aldrig väljas"};
    return {};
}

} // namespace lingvaro::multiplechoice
