#pragma once
// The duel game's map: the mark each of its exercises counts, which of them
// speak their words, and the rules of its data lines (word # mark # Swedish).

#include <string>
#include <utility>
#include <vector>

namespace lingvaro::duel {

// The mark a line counts with, upper-cased: "X" (11500, 11600), "M" (52200).
std::string targetMark(int exerciseNo);
// Whether "Oír les letras" can speak the turn's words (with the sound on).
bool speaksWords(int exerciseNo);
// The sound of question n: its folder under LJUD and its file name ("Sp115",
// "Sp115007.WAV"); two empty strings when it has none.
std::pair<std::string, std::string> questionSound(int exerciseNo, int questionNo);

std::vector<std::string> questionFiles(int exerciseNo, int questionNo);
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::duel
