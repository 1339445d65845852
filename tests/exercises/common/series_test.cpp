// The series of every exercise window, against a fake window: counts, the star
// column, the list of wrong answers, waits, pause and resume, correction
// passes, praise, and the pass and report rules of the diagnosis modes.

#include "engine/diagnosishost.h"
#include "engine/engine.h"
#include "exercises/common/series.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// What the window was asked to do.
struct FakeWindow : SeriesView {
    Engine& e;
    explicit FakeWindow(Engine& engine) : e(engine) {}
    std::vector<std::string> asked; // field 1 of each question shown
    bool answering = false, ticking = false, panel = false, correction = false, finished = false;
    int starBoxes = -1; // -1: hidden
    std::vector<bool> stars; // per box: wrong?
    SeriesEnd end;
    bool endShown = false;
    int diagnosisUpdates = 0;

    void showQuestion() override { asked.push_back(e.AnswerFields[1]); }
    void setAnswering(bool on) override { answering = on; }
    void setWaitTicking(bool on) override { ticking = on; }
    void restartStars(int boxes) override
    {
        starBoxes = boxes;
        stars.clear();
    }
    void hideStars() override { starBoxes = -1; }
    void starStep(bool wrong) override { stars.push_back(wrong); }
    void diagnosisChanged() override { ++diagnosisUpdates; }
    void showEnd(const SeriesEnd& shown) override
    {
        end = shown;
        endShown = true;
    }
    void clearEnd() override
    {
        end = {};
        endShown = false;
    }
    void showPanel(bool offered) override
    {
        panel = true;
        correction = offered;
    }
    void hidePanel() override { panel = false; }
    void finish() override { finished = true; }
};

struct Protocol : DiagnosisHost {
    std::vector<int> results, passed;
    int enabled = 0;
    void diagnosback(int value) override { results.push_back(value); }
    void practicePassed(int item) override { passed.push_back(item); }
    void enableProtocol() override { ++enabled; }
};

struct Series {
    FakePlatform platform;
    Engine e;
    ScratchDir cd;
    FakeWindow window{e};
    Protocol protocol;
    ExerciseRules rules;
    std::unique_ptr<ExerciseSeries> series;

    // A file of n questions "qK#aK" in the catalogue, opened in the mode.
    explicit Series(int questions = 25, WorkMode mode = WorkMode::Practice, const std::string& name = "SPA15000.DAT")
    {
        e.setPlatform(&platform, &platform, &platform);
        e.CdPath = cd.path().native();
        e.PcPath = cd.path().native();
        e.Random.seed(7);
        e.PictureMode = 0;
        std::vector<std::string> lines = {"$Rubrik"};
        for (int k = 1; k <= questions; ++k)
            lines.push_back("q" + std::to_string(k) + "#a" + std::to_string(k));
        cd.write("DATA/" + name, crlf(lines));
        std::vector<std::string> list = {name};
        for (int n = 9001; n <= 9016; ++n) {
            const std::string praise = "SpOM" + std::to_string(n) + ".LOV";
            cd.write("DATA/" + praise, crlf({"\xa1" "Bien!#Bra!"}));
            list.push_back(praise);
        }
        cd.write("DATA/datfiler.spa", crlf(list));
        e.BuildDataCatalogue();
        e.BuildPraiseCatalogue();
        e.ResetDrawState();
        e.DataFileName = name;
        e.WorkMode = mode;
        e.DiagnosisItem = 1;
        EXPECT_TRUE(e.Kolla(name));
    }
    ExerciseSeries& begin()
    {
        series = std::make_unique<ExerciseSeries>(e, window, rules, &protocol);
        series->begin();
        return *series;
    }
    std::string answer() const { return "a" + e.AnswerFields[1].substr(1); }
    void answerRight() { series->judge("a" + e.AnswerFields[1].substr(1), answer()); }
    void answerWrong()
    {
        series->judge("a" + e.AnswerFields[1].substr(1), "fel");
        waitOut();
    }
    void waitOut()
    {
        for (int i = 0; i < e.AnswerShowSeconds * 10 && series->waiting(); ++i)
            series->tick();
    }
    int stored() const { return e.ErrorCounts[e.CatalogueIndex]; }
};

TEST(Series, APracticeSeriesCountsMarksAndStoresTheWrongAnswers)
{
    Series s;
    auto& series = s.begin();
    EXPECT_EQ(s.window.starBoxes, 10);
    for (int i = 1; i <= 10; ++i) {
        if (i % 3 == 0)
            s.answerWrong();
        else
            s.answerRight();
    }
    EXPECT_EQ(s.window.asked.size(), 10u);
    EXPECT_EQ(std::set<std::string>(s.window.asked.begin(), s.window.asked.end()).size(), 10u); // no repeats
    EXPECT_EQ(s.e.CorrectCount, 7);
    EXPECT_EQ(s.e.WrongCount, 3);
    EXPECT_EQ(s.stored(), 3);
    EXPECT_EQ(s.window.stars, (std::vector<bool>{0, 0, 1, 0, 0, 1, 0, 0, 1, 0}));
    // A right last answer ends the series at once, with the correction offered.
    EXPECT_EQ(series.state(), ExerciseSeries::State::Over);
    EXPECT_TRUE(s.window.panel);
    EXPECT_TRUE(s.window.correction);
    EXPECT_FALSE(s.window.answering);
}

TEST(Series, AWrongAnswerIsShownForTheSettingsTimeUnlessSpaceCutsItShort)
{
    Series s;
    s.e.AnswerShowSeconds = 2;
    auto& series = s.begin();
    series.judge("x", "y");
    EXPECT_EQ(series.state(), ExerciseSeries::State::ShowingAnswer);
    EXPECT_TRUE(s.window.ticking);
    for (int i = 1; i < 20; ++i)
        series.tick();
    EXPECT_EQ(s.window.asked.size(), 1u); // still showing the answer after 1.9 s
    series.tick();
    EXPECT_EQ(s.window.asked.size(), 2u);
    EXPECT_FALSE(s.window.ticking);

    series.judge("x", "y");
    series.cutWait();
    series.tick();
    EXPECT_EQ(s.window.asked.size(), 3u);
    // A second answer to a judged question is not taken.
    series.judge("x", "y");
    series.judge("x", "x");
    EXPECT_EQ(s.e.WrongCount, 3);
    EXPECT_EQ(s.e.CorrectCount, 0);
}

TEST(Series, AWrongLastAnswerEndsTheSeriesAfterTheFinalWait)
{
    Series s;
    auto& series = s.begin();
    for (int i = 1; i <= 9; ++i)
        s.answerRight();
    series.judge("x", "y");
    EXPECT_EQ(series.state(), ExerciseSeries::State::FinalWait);
    EXPECT_FALSE(s.window.panel);
    s.waitOut();
    EXPECT_EQ(series.state(), ExerciseSeries::State::Over);
    EXPECT_TRUE(s.window.panel);
    EXPECT_EQ(s.window.asked.size(), 10u); // no eleventh question
}

// A window that showed the faults while the pupil answered (the sentence
// analysis) goes on at once after a wrong answer too, stores it and marks its
// star; only a wrong last answer still has the final wait.
TEST(Series, AWrongAnswerCanGoOnAtOnceWhereTheRulesSay)
{
    Series s;
    s.rules.wrongGoesOnAtOnce = true;
    auto& series = s.begin();
    for (int i = 1; i <= 9; ++i) {
        const std::size_t before = s.window.asked.size();
        series.judged(i % 2 == 0);
        EXPECT_EQ(series.state(), ExerciseSeries::State::Asking) << i;
        EXPECT_EQ(s.window.asked.size(), before + 1) << i;
        EXPECT_FALSE(s.window.ticking) << i;
    }
    EXPECT_EQ(s.e.WrongCount, 5);
    EXPECT_EQ(s.stored(), 5);
    EXPECT_EQ(s.window.stars, (std::vector<bool>{1, 0, 1, 0, 1, 0, 1, 0, 1}));
    series.judged(false);
    EXPECT_EQ(series.state(), ExerciseSeries::State::FinalWait);
    EXPECT_TRUE(s.window.ticking);
    s.waitOut();
    EXPECT_EQ(series.state(), ExerciseSeries::State::Over);
    EXPECT_EQ(s.window.asked.size(), 10u);
}

TEST(Series, APauseKeepsTheQuestionAndTheCountsAndNeverLosesTheLastQuestion)
{
    Series s;
    auto& series = s.begin();
    s.answerRight();
    s.answerWrong();
    ASSERT_TRUE(series.pause());
    EXPECT_TRUE(s.window.panel);
    EXPECT_TRUE(s.window.correction); // one wrong answer stored
    EXPECT_FALSE(s.window.answering);
    series.continueSeries();
    EXPECT_EQ(s.window.asked.size(), 3u); // the same question again
    EXPECT_TRUE(s.window.answering);
    EXPECT_EQ(s.e.CorrectCount, 1);
    EXPECT_EQ(s.e.WrongCount, 1);

    // Esc on the last question: "&Continúa" goes on with it, not with a new series.
    while (s.e.SeriesPos < 10)
        s.answerRight();
    series.pause();
    series.continueSeries();
    EXPECT_EQ(s.e.SeriesPos, 10);
    s.answerRight();
    EXPECT_EQ(series.state(), ExerciseSeries::State::Over);
    EXPECT_EQ(s.e.CorrectCount, 9);
    EXPECT_TRUE(s.window.end.praised); // 9 of 10 earns the praise
    // Only now does "&Continúa" start a new series.
    series.continueSeries();
    EXPECT_EQ(s.e.SeriesPos, 1);
    EXPECT_EQ(s.e.CorrectCount, 0);
    EXPECT_EQ(s.window.starBoxes, 10);
    EXPECT_FALSE(s.window.endShown);
    // Nothing to pause while the answer shows.
    series.judge("x", "y");
    EXPECT_FALSE(series.pause());
}

// A series without a fixed length, with waits of its own after right and wrong
// answers and a pause while an answer shows (the level exercise's rules).
TEST(Series, AnEndlessSeriesWaitsAsItsRulesSayAndPausesAfterAnAnswer)
{
    Series s;
    s.rules.endless = true;
    s.rules.rightWaitTicks = 3;
    s.rules.wrongWaitTicks = 30;
    s.rules.pausesWhileWaiting = true;
    s.rules.starColumn = false;
    s.e.AnswerShowSeconds = 7; // the pupil's setting is not the window's wait
    auto& series = s.begin();
    EXPECT_EQ(s.window.starBoxes, -1);
    for (int i = 1; i <= 14; ++i) { // past a practice series' ten, never an end
        const std::size_t before = s.window.asked.size();
        const bool right = i % 4 != 0;
        series.judge("a", right ? "a" : "b");
        ASSERT_EQ(series.state(), ExerciseSeries::State::ShowingAnswer) << i;
        const int ticks = right ? 3 : 30;
        for (int t = 1; t < ticks; ++t)
            series.tick();
        EXPECT_EQ(s.window.asked.size(), before) << i;
        series.tick();
        EXPECT_EQ(s.window.asked.size(), before + 1) << i;
    }
    EXPECT_EQ(series.state(), ExerciseSeries::State::Asking);
    EXPECT_FALSE(s.window.endShown);
    EXPECT_FALSE(s.window.panel);
    EXPECT_EQ(s.e.AnswerShowSeconds, 7);

    // Esc while the answer shows: the wait stops and the panel comes; "&Continúa"
    // then asks the next question, not the answered one again.
    series.judge("a", "b");
    const std::size_t asked = s.window.asked.size();
    ASSERT_TRUE(series.pause());
    EXPECT_TRUE(s.window.panel);
    EXPECT_FALSE(s.window.ticking);
    series.tick();
    EXPECT_EQ(s.window.asked.size(), asked);
    series.continueSeries();
    EXPECT_EQ(s.window.asked.size(), asked + 1);
    EXPECT_FALSE(s.window.panel);
    EXPECT_EQ(series.state(), ExerciseSeries::State::Asking);
    // A pause on a question still asked resumes that question.
    series.pause();
    series.continueSeries();
    EXPECT_EQ(s.window.asked.size(), asked + 1);

    // Without the rules' leave, the answer display is not paused, and a right
    // answer is followed by the next question at once (every other window).
    Series plain;
    auto& other = plain.begin();
    other.judge("a", "a");
    EXPECT_EQ(other.state(), ExerciseSeries::State::Asking);
    other.judge("a", "b");
    EXPECT_FALSE(other.pause());
}

TEST(Series, PraiseNeedsEightOfTenAndAnAcceptedFile)
{
    for (int wrong : {2, 3}) {
        Series s;
        s.begin();
        for (int i = 1; i <= 10; ++i)
            i <= wrong ? s.answerWrong() : s.answerRight();
        EXPECT_EQ(s.window.end.praised, wrong == 2);
        if (wrong == 2) {
            EXPECT_EQ(s.e.PraiseFileName, "SpOM9013.LOV");
            EXPECT_EQ(s.window.end.praise[0], "\xa1" "Bien!");
            EXPECT_EQ(s.window.end.praise[1], "Bra!");
        }
    }
    // A refused praise file gives no praise box (not the last series' one).
    Series s;
    s.cd.write("DATA/SpOM9002.LOV", "");
    s.e.BuildPraiseCatalogue();
    s.begin();
    for (int i = 1; i <= 10; ++i)
        i == 1 ? s.answerWrong() : s.answerRight();
    EXPECT_EQ(s.e.PraiseFileName, "SpOM9002.LOV");
    EXPECT_FALSE(s.window.end.praised);
}

TEST(Series, CorrectionPassesAskTheStoredAnswersAndShrink)
{
    Series s;
    auto& series = s.begin();
    std::vector<std::string> wrong;
    for (int i = 1; i <= 10; ++i) {
        if (i <= 4) {
            wrong.push_back(s.window.asked.back());
            s.answerWrong();
        } else {
            s.answerRight();
        }
    }
    series.correctionPass();
    EXPECT_TRUE(s.e.CorrectionPass);
    EXPECT_EQ(s.e.QuestionTotal, 4);
    EXPECT_EQ(s.window.starBoxes, 4);
    EXPECT_EQ(s.window.asked.back(), wrong[0]); // oldest first
    s.answerWrong();                            // wrong again: to the back
    EXPECT_EQ(s.window.asked.back(), wrong[1]);
    s.answerRight(); // right: out of the list
    s.answerRight();
    s.answerRight();
    EXPECT_EQ(s.stored(), 1);
    EXPECT_FALSE(s.window.end.praised); // a correction pass never earns praise
    series.correctionPass();
    EXPECT_EQ(s.e.QuestionTotal, 1);
    EXPECT_EQ(s.window.asked.back(), wrong[0]);
    s.answerRight();
    EXPECT_FALSE(s.window.correction); // nothing left to correct
    const auto asked = s.window.asked.size();
    series.correctionPass(); // and nothing happens when asked anyway
    EXPECT_EQ(s.window.asked.size(), asked);
}

TEST(Series, ContinueCanEndACorrectionPassWhereTheRulesSaySo)
{
    for (bool ends : {false, true}) {
        Series s;
        s.rules.continueEndsCorrection = ends;
        auto& series = s.begin();
        for (int i = 1; i <= 10; ++i)
            i <= 3 ? s.answerWrong() : s.answerRight();
        series.correctionPass();
        series.pause();
        series.continueSeries();
        EXPECT_EQ(s.e.CorrectionPass, !ends);
        EXPECT_EQ(s.e.QuestionTotal, ends ? 10 : 3);
    }
}

TEST(Series, AFileShorterThanASeriesIsAskedWhole)
{
    Series s(7);
    s.begin();
    EXPECT_EQ(s.e.QuestionTotal, 7);
    EXPECT_EQ(s.window.starBoxes, 7);
    for (int i = 1; i <= 7; ++i)
        s.answerRight();
    EXPECT_EQ(std::set<std::string>(s.window.asked.begin(), s.window.asked.end()).size(), 7u);
    EXPECT_EQ(s.series->state(), ExerciseSeries::State::Over);

    // Where the rules fill the series, three questions go round until ten are
    // asked, each once before any comes again.
    Series filled(3);
    filled.rules.shortFileFillsSeries = true;
    filled.begin();
    EXPECT_EQ(filled.e.QuestionTotal, 10);
    EXPECT_EQ(filled.window.starBoxes, 10);
    for (int i = 1; i <= 10; ++i)
        filled.answerRight();
    const auto& asked = filled.window.asked;
    ASSERT_EQ(asked.size(), 10u);
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.begin() + 3).size(), 3u);
    for (std::size_t i = 3; i < asked.size(); ++i)
        EXPECT_EQ(asked[i], asked[i % 3]);
    EXPECT_EQ(filled.series->state(), ExerciseSeries::State::Over);
}

TEST(Series, HelpAndTheLampCountOnlyWhereTheRulesSay)
{
    for (WorkMode mode : {WorkMode::Practice, WorkMode::Test, WorkMode::DiagnosisPractice}) {
        Series s(25, mode, "SpOvn101.DAT");
        auto& series = s.begin();
        series.useHelp(1);
        s.answerRight();
        series.useHelp(2);
        s.answerRight();
        series.setLamp(true);
        s.answerRight();
        s.answerRight(); // the lamp stays on: it counts from question to question
        const int expected = mode == WorkMode::Practice ? 4 : mode == WorkMode::Test ? 3 : 0;
        EXPECT_EQ(s.e.CorrectCount, expected) << int(mode);
    }
}

TEST(Series, ATestEndsOnEscAndReportsOrPausesAsTheRulesSay)
{
    {
        Series s(25, WorkMode::Test, "SpDi01.DAT");
        auto& series = s.begin();
        EXPECT_EQ(s.window.starBoxes, -1);
        EXPECT_EQ(s.e.QuestionTotal, 20);
        s.answerRight();
        s.answerRight();
        s.answerWrong();
        series.pause();
        EXPECT_EQ(s.protocol.results, std::vector<int>{2});
        EXPECT_TRUE(s.window.finished);
    }
    {
        Series s(25, WorkMode::Test, "SpDi01.DAT");
        s.rules.testEscape = ExerciseRules::TestEscape::Pauses;
        s.rules.interrupt = ExerciseRules::Interrupt::ReportTest;
        auto& series = s.begin();
        s.answerWrong();
        s.answerRight();
        series.pause();
        EXPECT_TRUE(s.window.panel);
        EXPECT_FALSE(s.window.correction); // no correction pass inside a test
        series.correctionPass();
        EXPECT_FALSE(s.e.CorrectionPass);
        series.continueSeries();
        s.answerRight();
        series.pause();
        series.interrupt();
        EXPECT_EQ(s.protocol.results, std::vector<int>{2}); // the answers before the pause count too
        EXPECT_TRUE(s.window.finished);
    }
    {
        Series s(25, WorkMode::Test, "SpDi01.DAT");
        s.begin();
        for (int i = 1; i <= 20; ++i)
            i <= 15 ? s.answerRight() : s.answerWrong();
        EXPECT_EQ(s.protocol.results, std::vector<int>{15});
        EXPECT_TRUE(s.window.finished);
    }
}

TEST(Series, APracticeOfTwelveRightPassesTheItem)
{
    for (int right : {12, 11}) {
        Series s(25, WorkMode::DiagnosisPractice, "SpOvn101.DAT");
        auto& series = s.begin();
        for (int i = 1; i <= 20; ++i)
            i <= right ? s.answerRight() : s.answerWrong();
        if (right == 12) {
            EXPECT_EQ(s.protocol.passed, std::vector<int>{1});
            EXPECT_EQ(s.e.WorkMode, WorkMode::Test);
            EXPECT_EQ(s.e.PracticeRound, 5);
            EXPECT_TRUE(s.window.finished);
        } else {
            EXPECT_TRUE(s.protocol.passed.empty());
            EXPECT_TRUE(s.window.panel);
            // A correction pass of a practice runs in its own mode, and back after it.
            series.correctionPass();
            EXPECT_EQ(s.e.WorkMode, WorkMode::PracticeCorrection);
            EXPECT_EQ(s.e.QuestionTotal, 9);
            EXPECT_EQ(s.window.starBoxes, 9);
            for (int i = 1; i <= 9; ++i)
                s.answerRight();
            series.continueSeries();
            EXPECT_EQ(s.e.WorkMode, WorkMode::DiagnosisPractice);
            EXPECT_EQ(s.e.QuestionTotal, 20);
            EXPECT_EQ(s.window.starBoxes, -1);
        }
    }
}

TEST(Series, TheSecondGoodSeriesPassesWhereTheRulesAskForTwo)
{
    Series s(25, WorkMode::DiagnosisPractice, "SpOvn139.DAT");
    s.rules.practicePass = ExerciseRules::PracticePass::TwoGoodSeries;
    s.e.DiagnosisItem = 39;
    auto& series = s.begin();
    auto run = [&](int right) {
        for (int i = 1; i <= 20; ++i)
            i <= right ? s.answerRight() : s.answerWrong();
    };
    run(8);
    EXPECT_TRUE(s.protocol.passed.empty());
    EXPECT_EQ(s.e.PracticeRound, 1); // the next series is "Övning 2"
    series.continueSeries();
    run(7); // a weaker series in between changes nothing
    EXPECT_TRUE(s.protocol.passed.empty());
    series.continueSeries();
    run(8);
    EXPECT_EQ(s.protocol.passed, std::vector<int>{39});
    EXPECT_TRUE(s.window.finished);
}

TEST(Series, InterruptReportsAsTheRulesSay)
{
    {
        Series s(25, WorkMode::DiagnosisPractice, "SpOvn101.DAT");
        auto& series = s.begin();
        s.answerRight();
        series.pause();
        series.interrupt();
        EXPECT_TRUE(s.protocol.results.empty()); // a practice is never written as a test result
        EXPECT_EQ(s.protocol.enabled, 1);
        EXPECT_TRUE(s.window.finished);
    }
    {
        Series s(25, WorkMode::DiagnosisPractice, "SpOvn101.DAT");
        s.rules.interrupt = ExerciseRules::Interrupt::ReportTestAndPractice;
        auto& series = s.begin();
        for (int i = 1; i <= 8; ++i)
            s.answerRight();
        series.pause();
        series.interrupt();
        EXPECT_EQ(s.e.PracticeRound, 1); // a good series left early counts as one done
        EXPECT_TRUE(s.protocol.passed.empty());
    }
    {
        Series s;
        auto& series = s.begin();
        series.pause();
        series.interrupt();
        EXPECT_EQ(s.protocol.enabled, 0); // outside a diagnosis there is no protocol
        EXPECT_TRUE(s.window.finished);
    }
}

TEST(Series, WorksheetModePicksAndNeverAsks)
{
    Series s(25, WorkMode::Worksheet);
    auto& series = s.begin();
    EXPECT_EQ(series.state(), ExerciseSeries::State::Picking);
    EXPECT_EQ(s.window.starBoxes, -1);
    EXPECT_FALSE(s.window.answering);
    series.NyPost();
    series.judged(true);
    EXPECT_EQ(s.e.CorrectCount, 0);
    EXPECT_EQ(s.window.asked.size(), 2u);
}

} // namespace
