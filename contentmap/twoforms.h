#pragma once
// The second writing window's map: two forms of one word asked in turn. A line
// is the word (field 1), its first and its second form (fields 2 and 3) and a
// Swedish text shown under the boxes (field 4).

#include <string>
#include <vector>

namespace lingvaro::twoforms {

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// What is wrong with a line (fields 1-based, cp1252), in Swedish (UTF-8).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::twoforms
