#pragma once
// The click-choice window's table and the reading of its lines: the question
// in field 1 (a marked part "<…>" stands out), the possible answers from field
// 2 on up to the first empty field ("£" fields are none of them), the right one
// field 2 — or field 3 for 14000, whose field 2 is a hint "£…". Text is code
// page 1252.

#include <string>
#include <vector>

namespace lingvaro::clickchoice {

// The panels offer this many answers, each of at most this many characters
// in the content (the window itself shows longer ones whole).
constexpr int MaxAlternatives = 6;
constexpr int MaxAlternativeLength = 30;

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);
// The buttons speak Swedish (57100).
bool swedishCaptions(int exerciseNo);
// 14000: a hint behind "&Ayuda" and the answers in two rows of three.
bool hasHint(int exerciseNo);
// The field that holds the right answer.
int answerField(int exerciseNo);

// The answers a line offers, at most MaxAlternatives, in code page 1252's byte
// order, so that their places never tell which one is right.
std::vector<std::string> alternatives(const std::vector<std::string>& fields);

// The line rules of the window's data files (problems in Swedish, UTF-8).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::clickchoice
