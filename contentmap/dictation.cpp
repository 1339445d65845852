#include "contentmap/dictation.h"
#include "contentmap/text.h"

#include <cctype>
#include <cstdio>

namespace lingvaro::dictation {
namespace {

struct Exercise {
    int number;
    const char* soundFolder;
    const char* rulePage;
};

// The exercises of the window with their recordings and rule pages.
constexpr Exercise exercises[] = {
    {11000, "Sp250", "R12000.htm"}, {11100, "Sp111", "R11000.htm"}, {11200, "Sp112", "R13000.htm"},
    {11300, "Sp113", "R14000.htm"}, {11400, "Sp114", ""},           {21000, "Sp210", ""},
    {22000, "Sp220", ""},           {23000, "Sp230", ""},           {24000, "Sp240", ""},
    {26000, "Sp260", "R12000.htm"}, {27000, "Sp270", "R12000.htm"}, {54500, "Sp545", "R23100.htm"},
};

const Exercise* exerciseOf(int n)
{
    for (const Exercise& e : exercises)
        if (e.number == n)
            return &e;
    return nullptr;
}

// The diagnosis item of a test (36..38) or practice (136..138) number; 0 for others.
int itemOf(int n)
{
    if (n >= 36 && n <= 38)
        return n;
    if (n >= 136 && n <= 138)
        return n - 100;
    return 0;
}

// A field (code page 1252) inside a message (UTF-8).
std::string shownText(const std::string& cp1252)
{
    std::string out;
    for (unsigned char c : cp1252) {
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c >= 0xA0) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

// Letters compared without regard to case (code page 1252: the accented
// capitals are 0x20 below their small letters).
std::string folded(const std::string& s)
{
    std::string out;
    for (unsigned char c : s)
        out.push_back(char(c < 0x80 ? std::tolower(c) : (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c));
    return out;
}

bool isLetter(unsigned char c) { return std::isalpha(c) || (c >= 0xC0 && c != 0xD7 && c != 0xF7); }

} // namespace

Family familyOf(int n)
{
    if (n >= 11000 && n <= 11400)
        return Family::Pronunciation;
    if (itemOf(n))
        return Family::Diagnosis;
    return Family::Dictation;
}

bool isNumberedDictation(int n) { return n >= 21000 && n <= 24000; }

bool showsTranslation(int n)
{
    return familyOf(n) == Family::Pronunciation || isNumberedDictation(n) || itemOf(n) == 37 || itemOf(n) == 38;
}

bool hasRulesButton(int n) { return !rulePage(n).empty(); }

std::string rulePage(int n)
{
    const Exercise* e = exerciseOf(n);
    return e ? e->rulePage : std::string();
}

std::pair<std::string, std::string> questionSound(int n, int q)
{
    std::string folder;
    switch (itemOf(n)) {
    case 36: folder = "Sp250"; break;
    case 37:
        folder = q <= FirstDictationLines ? "Sp210" : "Sp230";
        if (q > FirstDictationLines)
            q -= FirstDictationLines;
        break;
    case 38: folder = "Sp220"; break;
    default:
        if (const Exercise* e = exerciseOf(n))
            folder = e->soundFolder;
        break;
    }
    if (folder.empty() || q < 1 || q > 999)
        return {};
    char name[16];
    std::snprintf(name, sizeof name, "%s%03d.WAV", folder.c_str(), q);
    return {folder, name};
}

std::pair<std::string, int> repeatedQuestion(int n, int q)
{
    switch (itemOf(n)) {
    case 36: return {"SPA11000.DAT", q};
    case 37: return q <= FirstDictationLines ? std::pair<std::string, int>{"SPA21000.DAT", q}
                                              : std::pair<std::string, int>{"SPA23000.DAT", q - FirstDictationLines};
    case 38: return {"SPA22000.DAT", q};
    default: return {};
    }
}

std::vector<std::string> questionFiles(int n, int q)
{
    const auto [folder, name] = questionSound(n, q);
    if (name.empty())
        return {};
    return {"\\LJUD\\" + folder + "\\" + name};
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int n)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t i) { return i < fields.size() ? trimmedSpaces(fields[i]) : std::string(); };
    const std::string text = field(1);
    if (text.empty()) {
        problems.push_back("texten som ska höras och skrivas saknas");
        return problems;
    }
    std::vector<std::string> helps, alternatives;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const std::string f = field(i);
        if (f.starts_with('&'))
            alternatives.push_back(f.substr(1));
        else if (i >= 3 && !f.empty() && (unsigned char)f[0] != 0xA3)
            helps.push_back(f);
    }
    if (showsTranslation(n) && (field(2).empty() || field(2).starts_with('&')))
        problems.push_back("den svenska översättningen (fält 2) saknas");
    if ((n == 11000 || n == 26000 || itemOf(n) == 36) && !(text.size() == 1 && isLetter((unsigned char)text[0])))
        problems.push_back("\"" + shownText(text) + "\" är inte en bokstav");
    if (n == 54500) {
        std::string digits;
        bool plain = true;
        for (unsigned char c : text) {
            if (std::isdigit(c))
                digits.push_back(char(c));
            else if (c != ' ')
                plain = false;
        }
        if (!plain || digits.size() < 6)
            problems.push_back("\"" + shownText(text) + "\" är inget telefonnummer (siffror i grupper)");
        bool digitsOnly = false;
        for (const std::string& a : alternatives)
            digitsOnly = digitsOnly || a == digits;
        if (plain && !digitsOnly && text != digits)
            problems.push_back("numret utan mellanrum (&" + digits + ") saknas bland alternativen");
    }
    if (n >= 36 && n <= 38 && !helps.empty())
        problems.push_back("ett diagnostest har inga hjälptexter");
    for (const std::string& help : helps)
        if (folded(help).find(folded(text)) != std::string::npos) {
            problems.push_back("hjälptexten \"" + shownText(help) + "\" avslöjar texten");
            break;
        }
    return problems;
}

std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int n)
{
    std::vector<std::string> problems;
    if (n == 21000 && lines.size() != std::size_t(FirstDictationLines))
        problems.push_back("har " + std::to_string(lines.size()) + " frågor; diagnos 37 spelar de "
                           + std::to_string(FirstDictationLines) + " första härifrån, så filen ska ha exakt "
                           + std::to_string(FirstDictationLines));
    if (itemOf(n) && lines.size() < 20)
        problems.push_back("har " + std::to_string(lines.size()) + " frågor; en diagnosfil behöver minst 20");
    return problems;
}

} // namespace lingvaro::dictation
