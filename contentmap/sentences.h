#pragma once
// The sentence-analysis window's table and the reading of its lines: field 1 is
// a Spanish sentence with up to five parts marked "<…>", fields 2..6 the codes
// of those parts in sentence order (AO, DO, P, PF, S, letter case aside; "-"
// for a marked part that has no box). Boxes follow the table's order of the
// codes, parts of one code their order in the sentence. Text is code page 1252.

#include <array>
#include <string>
#include <vector>

namespace lingvaro::sentences {

constexpr int MaxParts = 5;
// What a part keeps of its text, and the length of a sentence (its marks left
// out) that still fits three lines of the window at any scale.
constexpr int MaxPartLength = 40;
constexpr int MaxSentenceLength = 120;

struct Category {
    const char* code;
    const char* caption1; // the box's two lines (UTF-8)
    const char* caption2;
    const char* worksheetLabel; // with its spaces and "=", as printed
};
// AO, DO, P, PF, S: the order of the boxes.
const std::array<Category, 5>& categories();
// The category (1..5) of a code, letter case aside; 0 for any other code.
int categoryOf(const std::string& code);

// A sentence as its marks divide it. When the marks do not pair up (a "<"
// without its ">", one inside another) the sentence has no parts at all.
struct Sentence {
    bool paired = true;
    std::vector<std::string> parts; // the marked parts, at most MaxParts
    std::vector<std::string> plain; // the text around them: before the first part, between, after the last
    int extraParts = 0;             // marked parts beyond MaxParts (shown as plain text)
};
Sentence parse(const std::string& sentence);

// The boxes of a sentence: for each, the part (0-based) it takes and its category.
struct Box {
    int part;
    int category;
};
// codes[i] is the code of part i.
std::vector<Box> boxes(const std::vector<std::string>& codes);

// A line's first character is dropped when it is a digit; in worksheet mode a
// digit that then begins the line goes too.
std::string dropLeadingDigits(std::string line, bool worksheet);

// Whether a plain line (field 1 and its codes) gives the pupil at least one box to fill.
bool hasBoxes(const std::string& plainLine);

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// The line rules (problems in Swedish, UTF-8).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::sentences
