#pragma once
// The reading comprehension window's map: where a fable's text lies, how the
// text is tidied before it is shown, and the rules of the question lines
// (question # right answer # wrong answer # [a second wrong answer]).

#include <string>
#include <vector>

namespace lingvaro::fables {

// The text file of a data file: its name up to the first ".", at most nine
// characters, + ".LAS" ("Spa45100.DAT" → "Spa45100.LAS").
std::string textFileName(const std::string& dataFileName);

// The text as it is shown: a first line beginning with "-" is left out, and so
// is every line beginning with "$"; a line of fewer than 15 characters that
// does not end a sentence (".", "!", "?") is joined to the line after it with
// one space.
std::vector<std::string> tidyText(const std::vector<std::string>& lines);

std::vector<std::string> exerciseFiles(int exerciseNo);
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::fables
