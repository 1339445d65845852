#pragma once
// The line rules of the word lists (the vocabulary quiz's "*.sp1" and "*.sp2")
// and of the odd-word game's file, as the content check applies them. Fields
// are cp1252, 1-based from index 1, alternatives with their "&".

#include <string>
#include <vector>

namespace lingvaro::wordlists {

// A word list's line: a word, its answer, and from field 3 on only "&"
// alternatives (the quiz shows no help texts).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

// An odd-word line: four different words, the first of them the one to pick,
// and the comment that says why.
std::vector<std::string> oddWordLineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::wordlists
