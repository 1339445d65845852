#include "exercises/common/series.h"

#include "engine/diagnosishost.h"
#include "engine/engine.h"

#include <algorithm>

namespace lingvaro {

// --- the catalogue's questions ------------------------------------------------------

void QuestionSource::fetch(Engine& e, bool correctionPass)
{
    if (correctionPass) {
        e.haemtafel(e.DataFileName, ErrorOp::FetchFirst);
    } else {
        e.QuestionNo = uint16_t(e.haemta_slumptal(e.DrawCounters[e.CatalogueIndex], e.CatalogueIndex));
        e.haemtaord(e.DataFileName, e.QuestionNo);
    }
}

void QuestionSource::note(Engine& e, ErrorOp op) { e.haemtafel(e.DataFileName, op); }

int QuestionSource::storedErrors(const Engine& e) const { return e.ErrorCounts[e.CatalogueIndex]; }

int QuestionSource::questionCount(const Engine& e) const { return e.QuestionCounts[e.CatalogueIndex]; }

// --- the series -----------------------------------------------------------------------

ExerciseSeries::ExerciseSeries(Engine& engine, SeriesView& view, const ExerciseRules& rules, DiagnosisHost* host)
    : e_(engine), view_(view), rules_(rules), host_(host), source_(std::make_unique<QuestionSource>())
{
}

ExerciseSeries::~ExerciseSeries() = default;

void ExerciseSeries::setSource(std::unique_ptr<QuestionSource> source)
{
    if (source)
        source_ = std::move(source);
}

WorkMode ExerciseSeries::mode() const { return e_.WorkMode; }

void ExerciseSeries::begin()
{
    e_.CorrectionPass = false;
    e_.SeriesPos = 1;
    e_.CorrectCount = 0;
    e_.WrongCount = 0;
    lampOn_ = false;
    if (showsDiagnosisCounters(mode())) {
        e_.QuestionTotal = e_.SeriesSize = Engine::DiagnosisRoundSize;
        view_.hideStars();
    } else {
        // A file shorter than a series is asked whole, never a question twice.
        const int count = source_->questionCount(e_);
        e_.QuestionTotal = e_.SeriesSize = count > 0 && !rules_.shortFileFillsSeries
                                               ? std::min(count, Engine::QuestionsPerSeries)
                                               : Engine::QuestionsPerSeries;
        if (isWorksheet(mode()) || !rules_.starColumn)
            view_.hideStars();
        else
            view_.restartStars(e_.QuestionTotal);
    }
    if (isWorksheet(mode()))
        e_.PrintWithAnswers = false;
    view_.diagnosisChanged();
    view_.hidePanel();
    NyPost();
}

void ExerciseSeries::NyPost()
{
    view_.setWaitTicking(false);
    e_.TickCount = 0;
    pausedAfterAnswer_ = false;
    source_->fetch(e_, e_.CorrectionPass);
    e_.str_postarray(e_.CurrentLine);
    helpUsed_ = lampOn_ && rules_.lampCounts.has(mode()) ? 1 : 0;
    state_ = isWorksheet(mode()) ? State::Picking : State::Asking;
    view_.diagnosisChanged();
    view_.showQuestion();
    if (state_ == State::Asking)
        view_.setAnswering(true);
}

void ExerciseSeries::useHelp(int which)
{
    if ((which <= 1 ? rules_.firstHelpCounts : rules_.laterHelpCounts).has(mode()))
        ++helpUsed_;
}

void ExerciseSeries::setLamp(bool on)
{
    lampOn_ = on;
    if (on && rules_.lampCounts.has(mode()))
        ++helpUsed_;
}

bool ExerciseSeries::isRight(const std::string& correct, const std::string& given) const
{
    return e_.svarstest(correct, given, rules_.judgingKind) == AnswerRight;
}

bool ExerciseSeries::judge(const std::string& correct, const std::string& given)
{
    const bool right = isRight(correct, given);
    judged(right);
    return right;
}

void ExerciseSeries::judged(bool right)
{
    // One answer a question: a second click or key on a judged question is not an answer.
    if (state_ != State::Asking)
        return;
    view_.setAnswering(false);
    e_.LastAnswerRight = right;
    if (right) {
        if (helpUsed_ == 0)
            ++e_.CorrectCount;
        if (e_.CorrectionPass)
            source_->note(e_, ErrorOp::RemoveFirst);
    } else {
        ++e_.WrongCount;
        source_->note(e_, e_.CorrectionPass ? ErrorOp::MoveToBack : ErrorOp::Store);
    }
    if (marksStars(mode()) && rules_.starColumn)
        view_.starStep(!right);
    view_.diagnosisChanged(); // before the position moves: "3/20" while the third answer shows
    ++e_.SeriesPos;
    if (rules_.endless || e_.SeriesPos <= e_.QuestionTotal) {
        if ((right && rules_.rightWaitTicks <= 0) || (!right && rules_.wrongGoesOnAtOnce))
            NyPost();
        else
            startWait(State::ShowingAnswer, right);
    } else if (right) {
        Avslutning();
    } else {
        startWait(State::FinalWait, right);
    }
}

void ExerciseSeries::startWait(State wait, bool right)
{
    state_ = wait;
    waitTicks_ = right                      ? rules_.rightWaitTicks
                 : rules_.wrongWaitTicks > 0 ? rules_.wrongWaitTicks
                                             : e_.AnswerShowSeconds * 10;
    view_.setWaitTicking(true);
}

void ExerciseSeries::tick()
{
    if (!waiting())
        return;
    if (++e_.TickCount < waitTicks_)
        return;
    if (state_ == State::ShowingAnswer) {
        NyPost();
    } else {
        view_.setWaitTicking(false);
        Avslutning();
    }
}

void ExerciseSeries::cutWait()
{
    if (waiting())
        e_.TickCount = 20000;
}

bool ExerciseSeries::correctionOffered() const
{
    return offersCorrection(mode()) && source_->storedErrors(e_) >= 1;
}

bool ExerciseSeries::pause()
{
    if (state_ == State::ShowingAnswer && rules_.pausesWhileWaiting) {
        // The wait stops; the answer stays on screen behind the panel.
        view_.setWaitTicking(false);
        state_ = State::Paused;
        pausedAfterAnswer_ = true;
        view_.showPanel(correctionOffered());
        return true;
    }
    if (state_ != State::Asking)
        return false;
    if (mode() == WorkMode::Test && rules_.testEscape == ExerciseRules::TestEscape::EndsTest) {
        endTest();
        return true;
    }
    state_ = State::Paused;
    view_.setAnswering(false);
    view_.showPanel(correctionOffered());
    return true;
}

void ExerciseSeries::endTest()
{
    if (state_ == State::Closed)
        return;
    report();
    close();
}

void ExerciseSeries::continueSeries()
{
    if (state_ == State::Over || (state_ == State::Paused && rules_.continueEndsCorrection && e_.CorrectionPass))
        startNewSeries();
    else if (state_ == State::Paused)
        resume();
}

void ExerciseSeries::resume()
{
    if (pausedAfterAnswer_) {
        view_.hidePanel();
        NyPost();
        return;
    }
    // The paused question again, with the counts it had: a pupil who pauses in a
    // test is scored on the whole series.
    state_ = State::Asking;
    view_.hidePanel();
    view_.setAnswering(true);
}

void ExerciseSeries::startNewSeries()
{
    view_.clearEnd();
    e_.CorrectCount = 0;
    e_.WrongCount = 0;
    e_.CorrectionPass = false;
    e_.QuestionTotal = e_.SeriesSize;
    if (mode() == WorkMode::PracticeCorrection)
        e_.WorkMode = WorkMode::DiagnosisPractice;
    e_.SeriesPos = 1;
    if (mode() == WorkMode::Practice && rules_.starColumn)
        view_.restartStars(e_.QuestionTotal);
    else
        view_.hideStars();
    view_.hidePanel();
    NyPost();
}

void ExerciseSeries::correctionPass()
{
    if (state_ != State::Over && state_ != State::Paused)
        return;
    if (!correctionOffered())
        return;
    view_.clearEnd();
    e_.CorrectCount = 0;
    e_.WrongCount = 0;
    e_.CorrectionPass = true;
    const int stored = source_->storedErrors(e_);
    e_.QuestionTotal = std::min(stored, std::min(e_.SeriesSize, Engine::QuestionsPerSeries));
    e_.SeriesPos = 1;
    if (isDiagnosisPractice(mode()))
        e_.WorkMode = WorkMode::PracticeCorrection;
    if (rules_.starColumn && marksStars(mode()))
        view_.restartStars(e_.QuestionTotal);
    view_.hidePanel();
    NyPost();
}

void ExerciseSeries::interrupt()
{
    if (state_ == State::Closed)
        return;
    switch (rules_.interrupt) {
    case ExerciseRules::Interrupt::Close:
        break;
    case ExerciseRules::Interrupt::ReportTest:
        if (mode() == WorkMode::Test)
            report();
        break;
    case ExerciseRules::Interrupt::ReportTestAndPractice:
        if (mode() == WorkMode::Test) {
            report();
        } else if (isDiagnosisPractice(mode()) && !e_.CorrectionPass
                   && e_.CorrectCount >= Engine::QuestionsPerSeries - 2) {
            // A good series left by "&Interrumpe" counts as a practice series done.
            if (e_.PracticeRound != 0) {
                passPractice();
                e_.PracticeRound = 0;
                return;
            }
            ++e_.PracticeRound;
        }
        break;
    }
    close();
}

void ExerciseSeries::settingsClosed()
{
    if (state_ == State::Paused)
        resume();
}

void ExerciseSeries::Avslutning()
{
    view_.setAnswering(false);
    if (mode() == WorkMode::Test)
        e_.PracticeRound = 0;
    if (isDiagnosisPractice(mode()) && !e_.CorrectionPass) {
        if (rules_.practicePass == ExerciseRules::PracticePass::TwelveOfTwenty) {
            if (e_.CorrectCount >= Engine::DiagnosisPassMark) {
                passPractice();
                return;
            }
        } else if (e_.CorrectCount >= Engine::QuestionsPerSeries - 2) {
            if (e_.PracticeRound == 0) {
                e_.PracticeRound = 1; // the next series reads "Övning 2"
            } else {
                passPractice();
                return;
            }
        }
    }
    if (mode() == WorkMode::Test) {
        endTest();
        return;
    }

    SeriesEnd end;
    if (rules_.rewardPicture && (e_.PictureMode == 1 || e_.PictureMode == 3)) {
        e_.PictureNo = e_.haemta_Bildslumptal();
        if (e_.PictureNo > 0) {
            end.pictureNo = e_.PictureNo;
            end.pictureCaption = e_.PictureCaption;
        }
    }
    if (rules_.praise && mode() == WorkMode::Practice && !e_.CorrectionPass
        && e_.CorrectCount >= e_.QuestionTotal - 2) {
        e_.HaemtaLovordFilNamn();
        if (e_.KollaLovOrd(e_.PraiseFileName)) {
            e_.QuestionNo = uint16_t(e_.haemta_Lovordslumptal(e_.PraiseDrawCounters[e_.PraiseIndex], e_.PraiseIndex));
            e_.haemtaord(e_.PraiseFileName, e_.QuestionNo);
            e_.str_postarray(e_.CurrentLine);
            end.praised = true;
            for (int i = 0; i < 3; ++i)
                end.praise[std::size_t(i)] = e_.LovordMen(e_.AnswerFields[i + 1]);
        }
    }
    state_ = State::Over;
    view_.diagnosisChanged();
    view_.showEnd(end);
    view_.showPanel(correctionOffered());
}

void ExerciseSeries::passPractice()
{
    e_.WorkMode = WorkMode::PracticePassed;
    e_.PracticeRound = 5;
    if (host_)
        host_->practicePassed(e_.DiagnosisItem);
    e_.WorkMode = WorkMode::Test;
    e_.CorrectCount = 0;
    close();
}

void ExerciseSeries::report()
{
    if (host_)
        host_->diagnosback(e_.CorrectCount);
}

void ExerciseSeries::enableProtocol()
{
    if (host_)
        host_->enableProtocol();
}

void ExerciseSeries::close()
{
    if (inDiagnosis(mode()))
        enableProtocol();
    state_ = State::Closed;
    view_.setWaitTicking(false);
    view_.finish();
}

} // namespace lingvaro
