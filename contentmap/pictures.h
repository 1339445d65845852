#pragma once
// What the picture windows read from an installation: the body picture of a
// naming exercise, the picture of each question of a plant or animal exercise,
// the bird calls of the birds exercise, and the rules their data lines keep.
// The windows, the content check and the tests all read this one table.

#include <string>
#include <vector>

namespace lingvaro::pictures {

// --- picture naming (TBilden) ---------------------------------------------------

// "\BILD\KROPP\KROPPEN.BMP" for 13110 …; "" for a number without a picture.
std::string bodyPicture(int exerciseNo);
// How many numbered markers the body picture has (the questions' "nr N" stay
// within them); 0 for a number without a picture.
int bodyMarkers(int exerciseNo);

// --- picture vocabulary (TBildvis) ----------------------------------------------

// "\BILD\VAXTER\T214405.BMP" for exercise 13240, question 5; "" for a question
// numbered 100 or more, and for an exercise that is not a plant or animal one.
std::string questionPicture(int exerciseNo, int questionNo);
// The bird call of a question of the birds exercise ("BERGUV.WAV"), or "" when
// the question has none. The files lie in "\LJUD\BIRDS\".
std::string birdCall(int exerciseNo, int questionNo);
inline constexpr int BirdsExercise = 13310;

// --- what the content check asks of an installation -----------------------------

std::vector<std::string> namingFiles(int exerciseNo);
std::vector<std::string> vocabularyFiles(int exerciseNo);
std::vector<std::string> vocabularyQuestionFiles(int exerciseNo, int questionNo);
std::vector<std::string> namingLineProblems(const std::vector<std::string>& fields, int exerciseNo);
std::vector<std::string> vocabularyLineProblems(const std::vector<std::string>& fields, int exerciseNo);

} // namespace lingvaro::pictures
