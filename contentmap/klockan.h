#pragma once
// The clock window's table and line rules. A clock file holds one line for each
// five minutes of twelve hours, in time order from 12:00 to 11:55: the line's
// place is the time the clock shows. Field 1 is the Spanish time expression
// (with "&" alternatives), field 2 the time as digits, so that the order can be
// checked.

#include <string>
#include <string_view>
#include <vector>

namespace lingvaro::klockan {

constexpr int ClockTimes = 144;

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// The time the t-th line stands for (1..144), as field 2 writes it: "12:00",
// "12:05", …, "1:00", …, "11:55".
std::string clockText(int t);

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::klockan
