#include "contentmap/wordlists.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace lingvaro::wordlists {
namespace {

std::string field(const std::vector<std::string>& fields, std::size_t i)
{
    return i < fields.size() ? fields[i] : std::string();
}

// Upper case for the comparison of words: ASCII and the letters of code page
// 1252 that Spanish and Swedish use (à..þ → À..Þ, but not ÷).
std::string upper(std::string s)
{
    for (char& c : s) {
        const unsigned char u = (unsigned char)c;
        if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
            c = char(u - 0x20);
        else
            c = char(std::toupper(u));
    }
    return s;
}

} // namespace

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    if (field(fields, 1).empty() || field(fields, 2).empty()) {
        problems.push_back("ingen fråga: ordet och svaret skiljs åt av #");
        return problems;
    }
    for (std::size_t f = 3; f < fields.size(); ++f)
        if (!fields[f].empty() && fields[f][0] != '&')
            problems.push_back("fält " + std::to_string(f) + " är inget alternativ (börjar inte med &): förhöret visar inga hjälptexter");
    return problems;
}

std::vector<std::string> oddWordLineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    std::set<std::string> words;
    for (std::size_t f = 1; f <= 5; ++f) {
        const std::string text = field(fields, f);
        if (text.empty())
            problems.push_back("fält " + std::to_string(f) + " saknas: fyra ord och en kommentar");
        else if (text[0] == '&')
            problems.push_back("fält " + std::to_string(f) + " är ett alternativ: ett ord här har bara en form");
        else if (f <= 4 && !words.insert(upper(text)).second)
            problems.push_back("ordet \"" + text + "\" står två gånger");
    }
    for (std::size_t f = 6; f < fields.size(); ++f)
        if (!fields[f].empty())
            problems.push_back("fler än fem fält");
    return problems;
}

} // namespace lingvaro::wordlists
