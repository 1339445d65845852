#pragma once
// The dictation and listening window's map: its three families of exercises,
// the rule page of each, the sound each question plays, and the rules its data
// lines keep. The window, the content check and the tests read this one table.
//
// A line is: the Spanish text (what is heard, and what the pupil writes) # the
// Swedish translation (shown in the pronunciation exercises, the four
// dictations and diagnosis items 37 and 38) # a help text # "&" alternatives.

#include <string>
#include <utility>
#include <vector>

namespace lingvaro::dictation {

enum class Family {
    Pronunciation, // 11000 .. 11400: listen, read and say it; nothing is typed or judged
    Dictation,     // 21000 .. 24000, 26000, 27000, 54500: write what is heard
    Diagnosis,     // 36 .. 38 tests and 136 .. 138 practice
};
Family familyOf(int exerciseNo);

// "Diktamen 1" .. "Diktamen 4": the Swedish translation is shown with each question.
bool isNumberedDictation(int exerciseNo);
// The Swedish translation is shown with the question.
bool showsTranslation(int exerciseNo);

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

// The sound of question n: its folder under LJUD and its file name
// ("Sp230", "Sp230004.WAV" for question 70 of diagnosis item 37); two empty
// strings when the question has no sound (n outside 1 .. 999, or an
// exercise without recordings).
std::pair<std::string, std::string> questionSound(int exerciseNo, int questionNo);

// The dictation line a diagnosis question repeats, whose recording it plays:
// the data file and its question number ("SPA23000.DAT", 4 for question 70 of
// item 37); an empty name for any other exercise.
std::pair<std::string, int> repeatedQuestion(int exerciseNo, int questionNo);

// Diagnosis item 37 plays the first 66 questions from "Diktamen 1".
inline constexpr int FirstDictationLines = 66;

// What the content check asks of an installation.
std::vector<std::string> questionFiles(int exerciseNo, int questionNo);
std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::dictation
