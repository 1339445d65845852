#pragma once
// The series of an exercise window, without widgets: which question comes next,
// judging's bookkeeping (counts, the star column, the list of wrong answers,
// the diagnosis counters), the answer display and the final wait, the end of a
// series with its praise and picture, pause and resume, the correction pass,
// and the pass and report rules of the diagnosis modes.
//
// It talks to its window through SeriesView, and is driven by the window's
// events: judged() after an answer, tick() every 100 ms of a wait, pause(),
// continueSeries(), correctionPass(), interrupt(). Tests drive it with a fake
// view and explicit ticks.
//
//   Asking --judged(wrong)--> ShowingAnswer --ticks or Space--> Asking
//   Asking --judged, last--> (right) Over, (wrong) FinalWait --ticks--> Over
//   Asking --pause--> Paused --continue--> Asking (the same question, the counts kept)
//   Over/Paused --correctionPass--> Asking (the stored wrong answers of the file)
//   Over --continue--> Asking (a new series)
//   Worksheet mode: Picking, questions are shown for the print list, never asked.

#include "exercises/common/rules.h"

#include <array>
#include <memory>
#include <string>

namespace lingvaro {

class DiagnosisHost;
class Engine;
enum class ErrorOp;

// Where questions come from and where the wrong ones are kept. The default is
// the catalogue's data file with the program's list of wrong answers; windows
// with lists or levels of their own supply their own.
class QuestionSource {
public:
    virtual ~QuestionSource() = default;
    // Leaves the next question (in a correction pass: the first stored wrong
    // one) in the engine's CurrentLine.
    virtual void fetch(Engine& e, bool correctionPass);
    // Store (wrong), MoveToBack (wrong again in a correction pass) or
    // RemoveFirst (right in a correction pass).
    virtual void note(Engine& e, ErrorOp op);
    virtual int storedErrors(const Engine& e) const;
    virtual int questionCount(const Engine& e) const;
};

// What the series asks of its window.
struct SeriesEnd {
    int pictureNo = 0;          // the reward picture, 0 for none
    std::string pictureCaption; // cp1252
    bool praised = false;
    std::array<std::string, 3> praise; // the praise lines, ready to show (cp1252)
};

class SeriesView {
public:
    virtual ~SeriesView() = default;
    // The line just fetched is in the engine's AnswerFields: show it.
    virtual void showQuestion() = 0;
    // The answer input takes answers (a question is asked) or not.
    virtual void setAnswering(bool on) = 0;
    // The 100 ms clock of the answer display and the final wait runs or stops.
    virtual void setWaitTicking(bool on) = 0;
    virtual void restartStars(int boxes) = 0;
    virtual void hideStars() = 0;
    virtual void starStep(bool wrong) = 0;
    // The diagnosis counters and caption follow the series.
    virtual void diagnosisChanged() = 0;
    virtual void showEnd(const SeriesEnd& end) = 0;
    virtual void clearEnd() = 0;
    virtual void showPanel(bool correctionOffered) = 0;
    virtual void hidePanel() = 0;
    // The window closes.
    virtual void finish() = 0;
};

class ExerciseSeries {
public:
    enum class State { Idle, Asking, ShowingAnswer, FinalWait, Over, Paused, Picking, Closed };

    ExerciseSeries(Engine& engine, SeriesView& view, const ExerciseRules& rules, DiagnosisHost* host = nullptr);
    ~ExerciseSeries();

    // Another source of questions than the catalogue's file; set before begin().
    void setSource(std::unique_ptr<QuestionSource> source);
    QuestionSource& source() { return *source_; }

    // The window has been built: the counts start, the series size follows the
    // mode, and the first question is shown (or picking begins in worksheet mode).
    void begin();
    // Fetches and shows the next question (NyPost).
    void NyPost();

    // Help and the wrong-letter lamp, as the rules count them.
    void useHelp(int which); // 1 for the first help, 2 for a later one
    void setLamp(bool on);
    bool lampOn() const { return lampOn_; }
    int helpUsed() const { return helpUsed_; }

    // Whether an answer is right by the window's judging kind (nothing is counted).
    bool isRight(const std::string& correct, const std::string& given) const;
    // Judges a typed or chosen answer with the window's kind and goes on; true when right.
    bool judge(const std::string& correct, const std::string& given);
    // The answer has been judged by the window: count it and go on.
    void judged(bool right);
    // Whether a question is waiting for its answer.
    bool asking() const { return state_ == State::Asking; }

    // Every 100 ms of the answer display or the final wait.
    void tick();
    // Space: the wait ends at the next tick.
    void cutWait();
    bool waiting() const { return state_ == State::ShowingAnswer || state_ == State::FinalWait; }

    // Esc or a right click while a question is asked (or, where the rules say
    // so, while an answer shows): the series pauses, or in a test ends as the
    // rules say. False when there was nothing to pause.
    bool pause();
    // A test ends now and reports the right answers so far.
    void endTest();
    // "&Continúa": a paused series goes on with the same question and the same
    // counts (with the next one, when it was paused after its answer); after the
    // last answer a new series starts.
    void continueSeries();
    // "Corrige las &faltas": a series of the file's stored wrong answers.
    void correctionPass();
    bool correctionOffered() const;
    // "&Interrumpe": reports as the rules say, and the window closes.
    void interrupt();
    // "&Ajustes" has closed: a paused series goes on.
    void settingsClosed();

    State state() const { return state_; }
    const ExerciseRules& rules() const { return rules_; }

private:
    void startNewSeries();
    void resume();
    void startWait(State wait, bool right);
    void Avslutning();
    void passPractice();
    void report();
    void enableProtocol();
    void close();
    WorkMode mode() const;

    Engine& e_;
    SeriesView& view_;
    const ExerciseRules& rules_;
    DiagnosisHost* host_;
    std::unique_ptr<QuestionSource> source_;
    State state_ = State::Idle;
    int waitTicks_ = 0;             // ticks the answer display or the final wait lasts
    bool pausedAfterAnswer_ = false; // paused while an answer showed: the next question is due
    int helpUsed_ = 0;
    bool lampOn_ = false;
};

} // namespace lingvaro
