#pragma once
// The level exercise's table and line rules. A question line starts with its
// level, one or two digits (1..20) followed by the question (which therefore
// begins with something else than a digit: "5 200#doscientos"). The levels in
// use are 1..n without a gap, at most 120 questions each.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro::stegran {

constexpr int MaxLevels = 20;
constexpr int MaxQuestionsPerLevel = 120;

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// The level a line starts with (1..20), and in *length the digits it takes;
// 0 when the line starts with none, with a number outside 1..20, or with more
// than two digits.
int levelOf(std::string_view line, std::size_t* length = nullptr);

// The number of levels a file's questions make: the highest n such that levels
// 1..n all have a question; countPerLevel[l] for l = 1..20.
int levelCount(const std::vector<int>& countPerLevel);

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::stegran
