#include "contentmap/twoforms.h"

namespace lingvaro::twoforms {

// Comparison of adjectives, in practice and in its diagnosis practice.
bool hasRulesButton(int n) { return n == 53100 || n == 141; }

std::string rulePage(int n) { return hasRulesButton(n) ? "R24400.htm" : std::string(); }

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) -> const std::string& {
        static const std::string none;
        return f < fields.size() ? fields[f] : none;
    };
    for (std::size_t f = 1; f <= 4; ++f)
        if (field(f).empty())
            problems.push_back("fält " + std::to_string(f) + " saknas: en rad är ordet, två former och en svensk text");
    if (!field(5).empty())
        problems.push_back("fält 5 och senare används inte (ett &-alternativ skulle gälla båda formerna)");
    if (!field(2).empty() && field(2) == field(3))
        problems.push_back("de två formerna är lika");
    return problems;
}

} // namespace lingvaro::twoforms
