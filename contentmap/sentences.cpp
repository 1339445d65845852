#include "contentmap/sentences.h"
#include "contentmap/text.h"

#include <algorithm>

namespace lingvaro::sentences {

namespace {

std::string upper(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

// The fields of a plain line, split at "#" (field 1 first).
std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find('#', start);
        fields.push_back(trimmedSpaces(line.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

const std::array<Category, 5>& categories()
{
    static const std::array<Category, 5> table = {{
        {"AO", "Ackusativ-", "objekt", "Ackusativobjekt" "  ="},
        {"DO", "Dativ-", "objekt", "Dativobjekt" "        ="},
        {"P", "Predikat", "", "Predikat" "             ="},
        {"PF", "Predikats-", "fyllnad", "Predikatsfyllnad" " ="},
        {"S", "Subjekt", "", "Subjekt" "               ="},
    }};
    return table;
}

int categoryOf(const std::string& code)
{
    const std::string wanted = upper(trimmedSpaces(code));
    for (std::size_t k = 0; k < categories().size(); ++k)
        if (wanted == categories()[k].code)
            return int(k) + 1;
    return 0;
}

Sentence parse(const std::string& sentence)
{
    Sentence s;
    std::string plain;
    std::size_t pos = 0;
    while (pos <= sentence.size()) {
        const std::size_t open = sentence.find_first_of("<>", pos);
        if (open == std::string::npos) {
            plain += sentence.substr(pos);
            break;
        }
        const std::size_t close = sentence.find_first_of("<>", open + 1);
        if (sentence[open] != '<' || close == std::string::npos || sentence[close] != '>') {
            s.paired = false;
            break;
        }
        plain += sentence.substr(pos, open - pos);
        const std::string part = sentence.substr(open + 1, close - open - 1);
        if (int(s.parts.size()) < MaxParts) {
            s.plain.push_back(plain);
            plain.clear();
            s.parts.push_back(part.substr(0, MaxPartLength));
        } else {
            // A sixth part has no label to stand in: it is read as plain text.
            ++s.extraParts;
            plain += part;
        }
        pos = close + 1;
    }
    if (!s.paired) {
        s.parts.clear();
        s.plain = {sentence};
        s.extraParts = 0;
        return s;
    }
    s.plain.push_back(plain);
    return s;
}

std::vector<Box> boxes(const std::vector<std::string>& codes)
{
    std::vector<Box> out;
    for (int k = 1; k <= int(categories().size()); ++k)
        for (std::size_t part = 0; part < codes.size() && part < std::size_t(MaxParts); ++part)
            if (categoryOf(codes[part]) == k)
                out.push_back({int(part), k});
    return out;
}

std::string dropLeadingDigits(std::string line, bool worksheet)
{
    if (!line.empty() && isDigit(line[0])) {
        line.erase(0, 1);
        if (worksheet && !line.empty() && isDigit(line[0]))
            line.erase(0, 1);
    }
    return line;
}

bool hasBoxes(const std::string& plainLine)
{
    const std::vector<std::string> fields = split(plainLine);
    const Sentence s = parse(fields[0]);
    if (!s.paired)
        return false;
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < s.parts.size(); ++i)
        codes.push_back(i + 1 < fields.size() ? fields[i + 1] : std::string());
    return !boxes(codes).empty();
}

bool hasRulesButton(int exerciseNo) { return !rulePage(exerciseNo).empty(); }

std::string rulePage(int exerciseNo)
{
    switch (exerciseNo) {
    case 59100: return "R28100.htm";
    case 59200:
    case 59300: return "R28200.htm";
    default: return {};
    }
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) { return f < fields.size() ? fields[f] : std::string(); };
    const std::string sentence = dropLeadingDigits(field(1), false);
    const Sentence s = parse(sentence);
    if (!s.paired) {
        problems.push_back("märkena < och > går inte ihop: meningen visas utan satsdelar");
        return problems;
    }
    if (s.parts.empty())
        problems.push_back("ingen satsdel är markerad med < >");
    if (s.extraParts > 0)
        problems.push_back("fler än " + std::to_string(MaxParts) + " markerade satsdelar; de sista blir vanlig text");
    std::size_t length = 0;
    for (const std::string& p : s.plain)
        length += p.size();
    for (const std::string& p : s.parts) {
        length += p.size();
        if (trimmedSpaces(p).empty())
            problems.push_back("en markerad satsdel är tom");
    }
    if (length > std::size_t(MaxSentenceLength))
        problems.push_back("meningen är längre än " + std::to_string(MaxSentenceLength)
                           + " tecken och får inte plats på tre rader");
    // One code a part, and no code without its part.
    std::size_t codeCount = 0;
    for (std::size_t f = 2; f < fields.size() && !field(f).empty(); ++f)
        ++codeCount;
    const std::size_t partCount = s.parts.size() + std::size_t(s.extraParts);
    if (codeCount != partCount)
        problems.push_back(std::to_string(partCount) + " markerade satsdelar men " + std::to_string(codeCount)
                           + " koder");
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < s.parts.size(); ++i) {
        const std::string code = field(i + 2);
        codes.push_back(code);
        if (!code.empty() && code != "-" && categoryOf(code) == 0)
            problems.push_back("okänd kod \"" + code + "\" (AO, DO, P, PF, S eller - för en satsdel utan ruta)");
    }
    if (!s.parts.empty() && boxes(codes).empty())
        problems.push_back("ingen satsdel har en ruta: meningen kan inte lösas");
    return problems;
}

} // namespace lingvaro::sentences
