#include "contentmap/duel.h"
#include "contentmap/text.h"

#include <cctype>
#include <cstdio>

namespace lingvaro::duel {
namespace {

std::string upper(std::string s)
{
    for (char& c : s)
        c = char(std::toupper((unsigned char)c));
    return s;
}

} // namespace

std::string targetMark(int n) { return n == 52200 ? "M" : "X"; }

bool speaksWords(int n) { return n > 11400 && n < 11700; }

std::pair<std::string, std::string> questionSound(int n, int q)
{
    if (!speaksWords(n) || q < 1 || q > 999)
        return {};
    char folder[8], name[16];
    std::snprintf(folder, sizeof folder, "Sp%03d", n / 100);
    std::snprintf(name, sizeof name, "%s%03d.WAV", folder, q);
    return {folder, name};
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
    if (field(1).empty())
        problems.push_back("ordet saknas");
    const std::string mark = upper(field(2));
    if (n == 52200 ? mark != "M" && mark != "F" : !mark.empty() && mark != "X" && mark != "-")
        problems.push_back(n == 52200 ? "fält 2 ska vara ordets genus, M eller F"
                                      : "fält 2 ska vara X (ordet räknas) eller - (det räknas inte)");
    if (field(3).empty())
        problems.push_back("den svenska översättningen (fält 3) saknas");
    return problems;
}

std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int n)
{
    std::vector<std::string> problems;
    if (lines.size() < 5)
        problems.push_back("har " + std::to_string(lines.size()) + " ord; en omgång visar fem olika");
    int marked = 0;
    for (const auto& fields : lines)
        if (fields.size() > 2 && upper(trimmedSpaces(fields[2])) == targetMark(n))
            ++marked;
    // Every answer from 0 to 5 should be able to come up, so neither kind may be scarce.
    if (!lines.empty() && (marked * 5 < int(lines.size()) || marked * 5 > 4 * int(lines.size())))
        problems.push_back(std::to_string(marked) + " av " + std::to_string(lines.size())
                           + " ord räknas; mellan en femtedel och fyra femtedelar behövs för att alla svar 0–5 ska förekomma");
    return problems;
}

} // namespace lingvaro::duel
