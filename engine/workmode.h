#pragma once
// What the program is doing as a whole, which every window asks before it acts.
// The values are those the diagnosis file and the windows have always used.

#include <cstdint>

namespace lingvaro {

enum class WorkMode : uint8_t {
    Practice = 0,           // ordinary practice
    Worksheet = 1,          // questions are picked for the print list, nothing is asked
    Test = 2,               // diagnosis: the protocol is open, or an item is being tested
    DiagnosisPractice = 3,  // practice of one diagnosis item
    PracticePassed = 4,     // a diagnosis practice just passed (within one end-of-series step)
    PracticeCorrection = 5, // a correction pass started from a diagnosis practice
};

constexpr bool isWorksheet(WorkMode m) { return m == WorkMode::Worksheet; }
// Every diagnosis mode: the protocol window is open below the exercise.
constexpr bool inDiagnosis(WorkMode m) { return m >= WorkMode::Test && m <= WorkMode::PracticeCorrection; }
// The modes that show the diagnosis counters ("Uppgift", "Rätta svar") instead of the star column.
constexpr bool showsDiagnosisCounters(WorkMode m) { return m >= WorkMode::Test && m <= WorkMode::PracticePassed; }
constexpr bool isDiagnosisPractice(WorkMode m)
{
    return m == WorkMode::DiagnosisPractice || m == WorkMode::PracticePassed;
}
// The modes whose answers fill the star column.
constexpr bool marksStars(WorkMode m) { return m == WorkMode::Practice || m == WorkMode::PracticeCorrection; }
// The modes that offer "Corrige las faltas" and the wrong-letter lamp; never a test.
constexpr bool offersCorrection(WorkMode m)
{
    return m == WorkMode::Practice || m >= WorkMode::DiagnosisPractice;
}

} // namespace lingvaro
