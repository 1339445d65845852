#pragma once
// What the exercise windows differ in, as one value per window: how an answer is
// judged, what a used help costs, what Esc, "&Continúa" and "&Interrumpe" do, how
// a diagnosis practice is passed, what the end of a series shows, and the
// captions of the button panel. The series reads it; a window only fills it in.

#include "engine/workmode.h"

#include <cstdint>
#include <initializer_list>

namespace lingvaro {

// A set of work modes, written as the list of its members.
class ModeSet {
public:
    constexpr ModeSet() = default;
    constexpr ModeSet(std::initializer_list<WorkMode> modes)
    {
        for (WorkMode m : modes)
            bits_ |= uint8_t(1u << unsigned(m));
    }
    constexpr bool has(WorkMode m) const { return (bits_ >> unsigned(m)) & 1u; }

private:
    uint8_t bits_ = 0;
};

// The four captions of the button panel (UTF-8, with their "&" keys).
struct ButtonCaptions {
    const char* correction;
    const char* next;
    const char* interrupt;
    const char* settings;
};
inline constexpr ButtonCaptions SpanishCaptions{"Corrige las &faltas", "&Continúa", "&Interrumpe", "&Ajustes"};
inline constexpr ButtonCaptions SwedishCaptions{"&Rätta felen", "&Fortsätta", "&Avbryt", "&Inställningar"};

struct ExerciseRules {
    // The kind of comparison an answer is judged with (svarstest: 1 exact
    // letters, 2 letter case ignored, 3 case and end marks ignored, alternatives).
    int judgingKind = 3;

    // Where a used help, or the wrong-letter lamp, makes a right answer not count.
    ModeSet firstHelpCounts{WorkMode::Test, WorkMode::DiagnosisPractice, WorkMode::PracticePassed};
    ModeSet laterHelpCounts{WorkMode::DiagnosisPractice, WorkMode::PracticePassed};
    ModeSet lampCounts{WorkMode::DiagnosisPractice, WorkMode::PracticePassed};

    // Esc (or the window's own pause, a right click) during a diagnosis test.
    enum class TestEscape { EndsTest, Pauses };
    TestEscape testEscape = TestEscape::EndsTest;

    // What "&Interrumpe" reports before the window closes.
    enum class Interrupt {
        Close,                 // nothing is reported
        ReportTest,            // a test reports the right answers so far
        ReportTestAndPractice, // so does a test; a good practice series counts as a passed series
    };
    Interrupt interrupt = Interrupt::Close;

    // How a diagnosis practice passes its item.
    enum class PracticePass {
        TwelveOfTwenty, // one series with at least 12 right
        TwoGoodSeries,  // the second series with at least 8 right
    };
    PracticePass practicePass = PracticePass::TwelveOfTwenty;

    // "&Continúa" while a correction pass runs starts a fresh series rather than
    // going on with the pass.
    bool continueEndsCorrection = false;

    // A series without a fixed length (the level exercise): answers never end
    // it, so there is no end of series, praise or correction pass; the window
    // decides what an answer means beyond being right or wrong.
    bool endless = false;

    // How long an answer shows, in ticks of 100 ms: after a wrong answer (0: the
    // pupil's setting, AnswerShowSeconds) and after a right one inside the series
    // (0: the next question comes at once).
    int wrongWaitTicks = 0;
    int rightWaitTicks = 0;

    // A wrong answer inside the series is followed by the next question at once,
    // as a right one is: the window showed what was wrong while the pupil was
    // still answering (a sentence whose parts were dropped on wrong boxes). The
    // final wait after a wrong last answer stays.
    bool wrongGoesOnAtOnce = false;

    // Esc while an answer shows pauses the series as well; "&Continúa" then goes
    // on with the next question, as the shown one has had its answer.
    bool pausesWhileWaiting = false;

    // A file shorter than a series is asked round again until the series is
    // full (a word list of three words gives a series of ten), rather than
    // being asked whole once.
    bool shortFileFillsSeries = false;

    // What the window has.
    bool starColumn = true;
    bool rewardPicture = true;
    bool praise = true;

    // The button panel's captions for an exercise number; Spanish when unset.
    ButtonCaptions (*captionsFor)(int exerciseNo) = nullptr;
    ButtonCaptions captions(int exerciseNo) const { return captionsFor ? captionsFor(exerciseNo) : SpanishCaptions; }
};

} // namespace lingvaro
