#pragma once
// The write-in window's map: which exercises have a rules button and which
// page each has, how its lines are read (the two kinds of line, the gaps
// marked "<" and ">"), and the rules its lines keep.
//
// Two kinds of line:
//   gap in a sentence: field 1 is the sentence with its gaps, helps from field 2;
//   translation:       field 1 is a sentence with the part to translate marked,
//                      field 2 the answer sentence with its gaps, helps from field 3.
// A line of the translation kind without a field 2 is read as a gap in a sentence.

#include <string>
#include <vector>

namespace lingvaro::writein {

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// Exercises that never offer their help texts.
bool offersHelp(int exerciseNo);

bool gapInSentence(int exerciseNo, const std::string& field2);
// The text that holds the gaps, and the first field that may hold a help text.
const std::string& gapText(int exerciseNo, const std::string& field1, const std::string& field2);
int firstHelpField(int exerciseNo, const std::string& field2);
// The same for a line's fields (1-based, index 0 unused), as the content check reads them.
int firstHelpFieldOf(const std::vector<std::string>& fields, int exerciseNo);

// A text split at "<" and ">": the pieces outside and inside the marks, in order.
struct Piece {
    std::string text;
    bool marked;
};
std::vector<Piece> splitMarks(const std::string& text);
// The words between "<" and ">", in order.
std::vector<std::string> gapWords(const std::string& text);

// What is wrong with a line (fields 1-based, cp1252), in Swedish (UTF-8).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::writein
