#pragma once
// The multiple-choice window's table and the reading of its lines: a sentence
// with one gap "<word>" in field 1, the word panels built from every gap word
// of the file, field 2 a Swedish text some exercises show under the panels,
// and for 51100 a gender-rule number in field 3. Text is code page 1252.

#include <string>
#include <string_view>
#include <vector>

namespace lingvaro::multiplechoice {

// The panels have room for this many words, and a word for this many letters
// in the content (the window itself shows longer words whole).
constexpr int MaxWords = 12;
constexpr int MaxWordLength = 10;

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);
// The exercises whose sentences stand in the smaller type (long sentences).
bool smallType(int exerciseNo);
// The exercises that show field 2 under the panels.
bool showsField2(int exerciseNo);
// The gender-rule text of 51100's field 3 (UTF-8), "" for no rule.
std::string genderRule(std::string_view field3);

// Letter case by the code page's rules (é ↔ É, ñ ↔ Ñ, œ ↔ Œ ...).
std::string lowerCase(std::string_view text);
std::string capitalised(std::string_view word);
bool beginsUpper(std::string_view word);

// The gaps "<…>" of a sentence, in order.
std::vector<std::string> gapWords(std::string_view sentence);
// Whether the sentence begins with its gap (after an opening "¿" or "¡").
bool beginsWithGap(std::string_view sentence);

// The panels' words: every gap word once, whatever its case, in lower case and
// in the order of the file, at most MaxWords; and the same words capitalised.
struct ChoiceWords {
    std::vector<std::string> lower;
    std::vector<std::string> capitals;
};
ChoiceWords choiceWords(const std::vector<std::string>& gaps);

// The line and file rules of the window's data files (problems in Swedish, UTF-8).
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::multiplechoice
