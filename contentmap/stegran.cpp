#include "contentmap/stegran.h"

namespace lingvaro::stegran {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool hasRulesButton(int exerciseNo) { return exerciseNo == 54300; }

std::string rulePage(int exerciseNo) { return exerciseNo == 54300 ? "R23100.htm" : std::string(); }

int levelOf(std::string_view line, std::size_t* length)
{
    std::size_t digits = 0;
    int level = 0;
    while (digits < line.size() && isDigit(line[digits])) {
        if (++digits > 2)
            return 0;
        level = level * 10 + (line[digits - 1] - '0');
    }
    if (digits == 0 || level < 1 || level > MaxLevels)
        return 0;
    if (length)
        *length = digits;
    return level;
}

int levelCount(const std::vector<int>& countPerLevel)
{
    int n = 0;
    while (n + 1 < int(countPerLevel.size()) && n < MaxLevels && countPerLevel[std::size_t(n + 1)] > 0)
        ++n;
    return n;
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    const std::string question = fields.size() > 1 ? fields[1] : std::string();
    const std::string answer = fields.size() > 2 ? fields[2] : std::string();
    std::size_t prefix = 0;
    if (levelOf(question, &prefix) == 0)
        problems.push_back("raden börjar inte med en nivå 1–20 och sedan frågan (t.ex. \"5 200#doscientos\")");
    else if (question.find_first_not_of(' ', prefix) == std::string::npos)
        problems.push_back("frågan saknas efter nivån");
    if (answer.find_first_not_of(' ') == std::string::npos)
        problems.push_back("svaret (fält 2) saknas, så frågan ställs aldrig");
    return problems;
}

std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int)
{
    std::vector<int> count(MaxLevels + 1, 0);
    for (const auto& fields : lines) {
        const int level = fields.size() > 1 ? levelOf(fields[1]) : 0;
        const bool answered = fields.size() > 2 && fields[2].find_first_not_of(' ') != std::string::npos;
        if (level > 0 && answered)
            ++count[std::size_t(level)];
    }
    std::vector<std::string> problems;
    const int levels = levelCount(count);
    if (levels == 0)
        problems.push_back("har inga frågor på nivå 1, så övningen kan inte börja");
    int highest = 0;
    for (int l = 1; l <= MaxLevels; ++l)
        if (count[std::size_t(l)] > 0)
            highest = l;
    if (highest > levels && levels > 0)
        problems.push_back("nivå " + std::to_string(levels + 1) + " saknas, så "
                           + (highest == levels + 2 ? "nivå " + std::to_string(highest)
                                                    : "nivåerna " + std::to_string(levels + 2) + "–"
                                                          + std::to_string(highest))
                           + " nås aldrig");
    for (int l = 1; l <= MaxLevels; ++l)
        if (count[std::size_t(l)] > MaxQuestionsPerLevel)
            problems.push_back("nivå " + std::to_string(l) + " har " + std::to_string(count[std::size_t(l)])
                               + " frågor; bara de " + std::to_string(MaxQuestionsPerLevel) + " första ställs");
    return problems;
}

} // namespace lingvaro::stegran
