// The dictation and listening window, driven by real keys and clicks: which
// sound each question plays (the diagnosis items' folders chosen anew, the
// correction pass by the stored question), the flash without sound and its
// time, the pronunciation exercises that never judge, Esc and "&Interrumpe"
// in a test, the sound stopped at a pause and at the end, and a missing sound
// or a computer without sound said once. No sound is really played: the test
// platform records what would be.

#include "contentmap/dictation.h"
#include "engine/cp1252.h"
#include "exercises/common/registry.h"
#include "exercises/common/speechplayer.h"
#include "exercises/common/textanswer.h"
#include "exercises/dictation/diktamen.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A dictation file of n lines "textK#svenskaK", and a sound for each question
// in the folder its exercise plays from (none when folder is empty).
void dictationFile(WindowFixture& f, const std::string& name, int n, const std::string& folder,
                   const std::string& extra = {})
{
    std::vector<std::string> lines = {"$Lyssna - skriva", "$\xa7Skriv det du h\xf6r."};
    for (int k = 1; k <= n; ++k)
        lines.push_back("text" + std::to_string(k) + "#svenska" + std::to_string(k) + extra);
    f.cd.write("DATA/" + name, crlf(lines));
    if (!folder.empty())
        for (int k = 1; k <= n; ++k) {
            char file[40];
            std::snprintf(file, sizeof file, "LJUD/%s/%s%03d.WAV", folder.c_str(), folder.c_str(), k);
            f.cd.write(file, "RIFF");
        }
}

// The new question's presentation, as its timer gives it.
void present(TDiktam& w)
{
    for (int i = 0; i < 10 && w.Timer5->isActive(); ++i)
        w.Timer5Timer();
}

QString lastPlayed(const WindowFixture& f)
{
    return f.platform.played.empty() ? QString() : f.platform.played.back().file;
}

QString soundOf(int exerciseNo, int question)
{
    const auto [folder, name] = dictation::questionSound(exerciseNo, question);
    return QString::fromStdString("LJUD/" + folder + "/" + name);
}

void type(TDiktam& w, const QString& text)
{
    QLineEdit* edit = w.Answer->Edit1;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString currentText(const Engine& e) { return fromCp1252(e.AnswerFields[1]); }

class DictationTest : public QObject {
    Q_OBJECT
private slots:
    void tablesOfTheWindow();
    void soundsAndAnswers();
    void diagnosisFoldersChosenBeforeEveryPlay();
    void correctionPassPlaysTheStoredQuestion();
    void withoutSoundTheTextFlashes();
    void pronunciationNeverJudges();
    void testModeEscPausesAndInterruptReports();
    void soundStopsAtPauseAndEnd();
    void missingSoundSaidOnce();
    void computerWithoutSoundFallsBackToSeeing();
};

void DictationTest::tablesOfTheWindow()
{
    // The sound of each question, and the dictation line a diagnosis question repeats.
    QCOMPARE(soundOf(22000, 7), QStringLiteral("LJUD/Sp220/Sp220007.WAV"));
    QCOMPARE(soundOf(37, 66), QStringLiteral("LJUD/Sp210/Sp210066.WAV"));
    QCOMPARE(soundOf(37, 70), QStringLiteral("LJUD/Sp230/Sp230004.WAV"));
    QCOMPARE(soundOf(137, 67), QStringLiteral("LJUD/Sp230/Sp230001.WAV"));
    QCOMPARE(soundOf(36, 27), QStringLiteral("LJUD/Sp250/Sp250027.WAV"));
    QCOMPARE(soundOf(138, 3), QStringLiteral("LJUD/Sp220/Sp220003.WAV"));
    QCOMPARE(soundOf(11000, 2), QStringLiteral("LJUD/Sp250/Sp250002.WAV"));
    QCOMPARE(soundOf(54500, 12), QStringLiteral("LJUD/Sp545/Sp545012.WAV"));
    QVERIFY(dictation::questionSound(22000, 1000).second.empty());
    QVERIFY(dictation::questionSound(22000, 0).second.empty());
    QCOMPARE(dictation::repeatedQuestion(37, 70), (std::pair<std::string, int>{"SPA23000.DAT", 4}));
    QCOMPARE(dictation::repeatedQuestion(136, 5), (std::pair<std::string, int>{"SPA11000.DAT", 5}));
    QVERIFY(dictation::repeatedQuestion(22000, 5).first.empty());

    // Rule pages, and the captions by exercise number.
    QCOMPARE(dictation::rulePage(11100), std::string("R11000.htm"));
    QCOMPARE(dictation::rulePage(27000), std::string("R12000.htm"));
    QCOMPARE(dictation::rulePage(54500), std::string("R23100.htm"));
    QVERIFY(!dictation::hasRulesButton(22000) && !dictation::hasRulesButton(37));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(23000).next), QStringLiteral("La &siguiente palabra - F3"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(24000).repeat), QStringLiteral("Repite la &frase - F2"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(26000).seeAndHear), QStringLiteral("Ver &y oir la letra"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(54500).hearOnly), QStringLiteral("Oir sólo el número"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(37).repeat), QStringLiteral("Repite  la palabra - F2"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(21000).time), QStringLiteral("Ver la frase"));
    QCOMPARE(QString::fromUtf8(TDiktam::captionsFor(137).time), QStringLiteral(" "));

    // The line rules the content check applies.
    auto fields = [](std::vector<std::string> f) {
        f.insert(f.begin(), std::string());
        return f;
    };
    QVERIFY(dictation::lineProblems(fields({"91 234 56 78", "&912345678"}), 54500).empty());
    QCOMPARE(dictation::lineProblems(fields({"91 234 56 78"}), 54500).size(), std::size_t(1));
    QCOMPARE(dictation::lineProblems(fields({"casa"}), 21000).size(), std::size_t(1)); // no translation
    QVERIFY(dictation::lineProblems(fields({"casa"}), 27000).empty());
    QCOMPARE(dictation::lineProblems(fields({"be"}), 26000).size(), std::size_t(1)); // not a letter
    QCOMPARE(dictation::lineProblems(fields({"casa", "hus", "Skriv casa."}), 22000).size(), std::size_t(1));
    QCOMPARE(dictation::lineProblems(fields({"casa", "hus", "Ett hus."}), 37).size(), std::size_t(1)); // help in a test
    QVERIFY(dictation::lineProblems(fields({"casa", "hus", "Ett hus."}), 137).empty());
    std::vector<std::vector<std::string>> sixtyFive(65, fields({"casa", "hus"}));
    QCOMPARE(dictation::fileProblems(sixtyFive, 21000).size(), std::size_t(1));
    QVERIFY(dictation::fileProblems(sixtyFive, 22000).empty());
}

void DictationTest::soundsAndAnswers()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SPA22000.DAT", 12, "Sp220");
    f.open("SPA22000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    // Heard, not read: the text is nowhere on screen, the translation is.
    QVERIFY(lastPlayed(f).endsWith(soundOf(22000, f.engine.QuestionNo)));
    QVERIFY(!lastPlayed(f).isEmpty() && !f.platform.played.back().wait);
    QVERIFY(!w.FrageLabel2->isVisible() && !w.BlinkLabel->isVisible() && !w.Label5->isVisible());
    QCOMPARE(w.Svensklabel2->text(), QStringLiteral("svenska%1").arg(f.engine.QuestionNo));
    QVERIFY(w.BaraHoraButton->isVisible() && w.UpprepaButton->isEnabled());
    QVERIFY(!w.NextButton->isVisible() && !w.TidSpinButton->isVisible());

    // F2 says it again; F3 does not skip a dictation's question.
    const int question = f.engine.QuestionNo;
    const std::size_t played = f.platform.played.size();
    QTest::keyClick(w.Answer->Edit1, Qt::Key_F2);
    QCOMPARE(f.platform.played.size(), played + 1);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_F3);
    QCOMPARE(int(f.engine.QuestionNo), question);
    QCOMPARE(f.engine.SeriesPos, 1);

    // A right answer (letter case and the final stop do not matter), then the next is given.
    type(w, currentText(f.engine).toUpper() + u'.');
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(w.Timer5->isActive());
    present(w);
    QVERIFY(lastPlayed(f).endsWith(soundOf(22000, f.engine.QuestionNo)));

    // A wrong one shows the text; the answer wait is the frame's clock, not the presentation's.
    const QString wanted = currentText(f.engine);
    type(w, QStringLiteral("fel"));
    QVERIFY(w.Label5->isVisible());
    QCOMPARE(w.Label5->text(), wanted);
    QVERIFY(w.WaitTimer->isActive() && !w.Timer5->isActive());
    QVERIFY(!w.UpprepaButton->isEnabled() && !w.BaraseordetButton->isEnabled());
    QCOMPARE(w.Aster2->BoxRight(2), false);
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(!w.Label5->isVisible());
    QVERIFY(w.Timer5->isActive());

    // See and hear: the sound, then the text flashes and the box waits for it.
    QTest::mouseClick(w.SeochHoraButton, Qt::LeftButton);
    QVERIFY(w.TidSpinButton->isVisible() && w.SeTidPanel->isVisible());
    present(w);
    QVERIFY(lastPlayed(f).endsWith(soundOf(22000, f.engine.QuestionNo)));
    QVERIFY(w.BlinkLabel->isVisible() && !w.Answer->Edit1->isEnabled());
    w.Timer3Timer();
    QVERIFY(!w.BlinkLabel->isVisible() && w.Answer->Edit1->isEnabled());
    QTest::mouseClick(w.BaraHoraButton, Qt::LeftButton);
    QVERIFY(!w.TidSpinButton->isVisible());
}

void DictationTest::diagnosisFoldersChosenBeforeEveryPlay()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SpDi37.DAT", 72, {});
    for (const char* file : {"LJUD/Sp210/Sp210066.WAV", "LJUD/Sp230/Sp230004.WAV", "LJUD/Sp210/Sp210001.WAV"})
        f.cd.write(file, "RIFF");
    f.open("SpDi37.DAT", WorkMode::Test);
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    QVERIFY(w.Svensklabel2->isVisible()); // item 37 shows the translation
    QVERIFY(!w.BaraHoraButton->isVisible() && !w.Answer->lampknapp->isVisible());
    f.platform.played.clear();
    f.platform.messages.clear();
    for (int n : {66, 70, 1, 1000}) {
        f.engine.QuestionNo = uint16_t(n);
        w.UpprepaButtonClick();
    }
    QCOMPARE(int(f.platform.played.size()), 3); // question 1000 has no sound
    QVERIFY(f.platform.played[0].file.endsWith(QStringLiteral("LJUD/Sp210/Sp210066.WAV")));
    QVERIFY(f.platform.played[1].file.endsWith(QStringLiteral("LJUD/Sp230/Sp230004.WAV")));
    QVERIFY(f.platform.played[2].file.endsWith(QStringLiteral("LJUD/Sp210/Sp210001.WAV")));
    QVERIFY(f.platform.messages.empty());
}

void DictationTest::correctionPassPlaysTheStoredQuestion()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SPA22000.DAT", 12, "Sp220");
    f.open("SPA22000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    const int wrong = f.engine.QuestionNo;
    type(w, QStringLiteral("fel"));
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    present(w);
    QVERIFY(int(f.engine.QuestionNo) != wrong);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible() && w.Button1->isEnabled());
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QVERIFY(f.engine.CorrectionPass);
    QCOMPARE(f.engine.ErrorQuestionNo, wrong);
    present(w);
    QVERIFY(lastPlayed(f).endsWith(soundOf(22000, wrong)));
    QCOMPARE(currentText(f.engine), QStringLiteral("text%1").arg(wrong));
}

void DictationTest::withoutSoundTheTextFlashes()
{
    WindowFixture f;
    f.engine.SoundMode = 0;
    dictationFile(f, "SPA21000.DAT", 66, {});
    f.open("SPA21000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // See only, for 0.3 s: the box shut until the flash has gone.
    QCOMPARE(w.ShowMode, 1);
    QCOMPARE(w.FlashTime, 300);
    QCOMPARE(w.SeTidPanel->text(), QStringLiteral("3"));
    QVERIFY(w.BlinkLabel->isVisible() && w.flashing());
    QCOMPARE(w.BlinkLabel->text(), currentText(f.engine));
    QCOMPARE(w.Timer3->interval(), 300);
    QVERIFY(!w.Answer->Edit1->isEnabled());
    type(w, currentText(f.engine)); // typed into a shut box: nothing is judged
    QCOMPARE(f.engine.SeriesPos, 1);
    w.Timer3Timer();
    QVERIFY(!w.BlinkLabel->isVisible() && w.Answer->Edit1->isEnabled() && w.Answer->Edit1->hasFocus());
    QVERIFY(!w.UpprepaButton->isEnabled() && !w.BaraHoraButton->isEnabled() && !w.SeochHoraButton->isEnabled());
    QVERIFY(w.Svensklabel2->isVisible());
    QVERIFY(f.platform.played.empty());

    // The time in tenths of a second, from 1 to 30.
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(w.TidSpinButton->downButton(), Qt::LeftButton);
    QCOMPARE(w.FlashTime, 100);
    QCOMPARE(w.SeTidPanel->text(), QStringLiteral("1"));
    for (int i = 0; i < 40; ++i)
        w.TidSpinUp();
    QCOMPARE(w.FlashTime, 3000);
    QCOMPARE(w.SeTidPanel->text(), QStringLiteral("30"));

    // The next question flashes as long as the spin says.
    type(w, currentText(f.engine));
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(w.BlinkLabel->isVisible());
    QCOMPARE(w.Timer3->interval(), 3000);
}

void DictationTest::pronunciationNeverJudges()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SPA11200.DAT", 25, "Sp112");
    f.open("SPA11200.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    QVERIFY(!w.Answer->Edit1->isVisible() && !w.Aster2->isVisible() && !w.InstruktionsLabel->isVisible());
    QVERIFY(w.NextButton->isVisible());
    QCOMPARE(w.NextButton->text(), QStringLiteral("La &siguiente palabra - F3"));
    QCOMPARE(w.FrageLabel2->text(), currentText(f.engine));
    QCOMPARE(w.Svensklabel2->text(), QStringLiteral("svenska%1").arg(f.engine.QuestionNo));
    // More steps than a series has, by key and by button: nothing is judged, nothing ends.
    for (int i = 0; i < 14; ++i) {
        const int before = f.engine.QuestionNo;
        const std::size_t played = f.platform.played.size();
        if (i % 2)
            QTest::mouseClick(w.NextButton, Qt::LeftButton);
        else
            QTest::keyClick(&w, Qt::Key_F3);
        QVERIFY(int(f.engine.QuestionNo) != before);
        present(w);
        QCOMPARE(f.platform.played.size(), played + 1);
        QVERIFY(lastPlayed(f).endsWith(soundOf(11200, f.engine.QuestionNo)));
    }
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(f.engine.SeriesPos, 1);
    QCOMPARE(f.engine.CorrectCount + f.engine.WrongCount, 0);
    QVERIFY(!w.Panel1->isVisible());

    // Only Esc stops; the panel has no correction and no settings.
    const int question = f.engine.QuestionNo;
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Button1->isVisible() && !w.BitBtn1->isVisible());
    QTest::keyClick(&w, Qt::Key_F3); // paused: no step
    QCOMPARE(int(f.engine.QuestionNo), question);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.Panel1->isVisible());
    QCOMPARE(int(f.engine.QuestionNo), question);
}

void DictationTest::testModeEscPausesAndInterruptReports()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SpDi38.DAT", 25, "Sp220");
    f.open("SpDi38.DAT", WorkMode::Test);
    f.engine.DiagnosisItem = 38;
    auto drive = [&](TDiktam& w) {
        for (int i = 0; i < 3; ++i) {
            present(w);
            type(w, currentText(f.engine));
        }
        present(w);
        // F3 does not skip in a test; Esc only pauses it, and the sound stops.
        const int question = f.engine.QuestionNo;
        QTest::keyClick(w.Answer->Edit1, Qt::Key_F3);
        QCOMPARE(int(f.engine.QuestionNo), question);
        const int stops = f.platform.stops;
        QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(f.platform.stops > stops);
        QVERIFY(f.protocol.results.empty());
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.Button3, Qt::LeftButton);
    };
    f.platform.modalAnswers.push_back([&](QDialog& dialog) -> int {
        drive(static_cast<TDiktam&>(dialog));
        return dialog.result();
    });
    QVERIFY(exerciseWindows().at("TDiktam")(f.app));
    QCOMPARE(f.protocol.results, std::vector<int>{3});
    QCOMPARE(f.protocol.enabled, 1);
}

void DictationTest::soundStopsAtPauseAndEnd()
{
    WindowFixture f;
    f.engine.SoundMode = 3;
    dictationFile(f, "SPA24000.DAT", 10, "Sp240");
    f.open("SPA24000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    QVERIFY(f.platform.playing);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QVERIFY(!f.platform.playing && w.Panel1->isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    for (int i = 0; i < 10; ++i) {
        present(w);
        QVERIFY(f.platform.playing || i == 0);
        type(w, currentText(f.engine));
    }
    QVERIFY(!f.platform.playing);
    QVERIFY(w.Panel1->isVisible() && w.LovordPanel->isVisible() && !w.Answer->Edit1->isVisible());
    QVERIFY(!w.LovordLabel2->isVisible());
    QVERIFY(w.LovordLabel1->geometry().right() <= w.lovordinnershape->width());
}

void DictationTest::missingSoundSaidOnce()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    dictationFile(f, "SPA27000.DAT", 10, {});
    f.open("SPA27000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 4; ++i) {
        present(w);
        type(w, currentText(f.engine));
    }
    QCOMPARE(f.platform.texts().size(), 1);
    QVERIFY(f.platform.texts().front().startsWith(QStringLiteral("Ljudfilen ")));
    QVERIFY(f.platform.texts().front().contains(QStringLiteral("SP270")));
    QVERIFY(f.platform.played.empty());
    QCOMPARE(f.engine.CorrectCount, 4);
}

void DictationTest::computerWithoutSoundFallsBackToSeeing()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    f.platform.soundFails = true;
    dictationFile(f, "SPA23000.DAT", 12, "Sp230");
    f.open("SPA23000.DAT");
    TDiktam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    present(w);
    // Said once; from then on the text is flashed, as without sound.
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Ljudet kunde inte spelas upp: datorn har ingen ljudutgång.")});
    QVERIFY(!w.SoundOn && w.Speech->playerFailed());
    QCOMPARE(w.ShowMode, 1);
    QVERIFY(w.BlinkLabel->isVisible() && w.TidSpinButton->isVisible());
    w.Timer3Timer();
    type(w, currentText(f.engine));
    QVERIFY(w.BlinkLabel->isVisible());
    QCOMPARE(f.platform.texts().size(), 1);
    QCOMPARE(int(f.platform.played.size()), 1);
}

} // namespace

QTEST_MAIN(DictationTest)
#include "dictation_test.moc"
