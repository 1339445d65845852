// The level exercise, driven by real keys and clicks: the ladder of levels, its
// climb and fall, the level box and gauge, the waits that leave the pupil's
// setting alone, storing and fetching the level under a name, the panel's
// buttons, worksheet lines without the level's digits, and a file without levels.

#include "engine/cp1252.h"
#include "engine/levelfile.h"
#include "engine/textfile.h"
#include "exercises/common/textanswer.h"
#include "exercises/common/worksheetpanel.h"
#include "exercises/stegran/stegra.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <set>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A level file with `counts[l - 1]` questions on level l: "L frågaL-K#svarL-K".
void levelFile(WindowFixture& f, const std::vector<int>& counts, const std::string& name = "Spa54300.DAT")
{
    std::vector<std::string> lines = {"$R\xe4kneord", "$\xa7Skriv talet med bokst\xe4ver p\xe5 spanska.",
                                      "; kommentar#med#fält"};
    for (std::size_t l = 1; l <= counts.size(); ++l)
        for (int k = 1; k <= counts[l - 1]; ++k) {
            const std::string id = std::to_string(l) + "-" + std::to_string(k);
            const std::string line = std::to_string(l) + " fr\xe5ga" + id + "#svar" + id;
            lines.push_back(k % 2 ? Engine::kryptrad(line) : line); // scrambled or not, as files come
        }
    f.cd.write("DATA/" + name, crlf(lines));
}

// Typed key by key; a letter beyond ASCII comes as the keyboard sends it, as text.
void keys(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

struct Stegran : WindowFixture {
    std::unique_ptr<TStegran> w;
    explicit Stegran(const std::vector<int>& counts, WorkMode mode = WorkMode::Practice)
    {
        levelFile(*this, counts);
        engine.DiagnosisDir = (pc.path() / "RESULTAT").native();
        std::filesystem::create_directories(engine.DiagnosisDir);
        open("Spa54300.DAT", mode);
    }
    TStegran& start()
    {
        w = std::make_unique<TStegran>(app);
        w->show();
        return *w;
    }
    // The level of the question on screen, from its text "frågaL-K".
    int askedLevel() const { return std::stoi(engine.AnswerFields[1].substr(5)); }
    void answer(bool right)
    {
        QLineEdit* edit = w->Answer->Edit1;
        edit->clear();
        keys(edit, right ? fromCp1252(engine.AnswerFields[2]) : QStringLiteral("fel"));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void waitOut()
    {
        for (int i = 0; i < 40 && w->series().waiting(); ++i)
            w->WaitTimerTick();
    }
    void answerAndWait(bool right)
    {
        answer(right);
        waitOut();
    }
    std::filesystem::path stored() const { return std::filesystem::path(engine.DiagnosisDir) / "XACTO.STE"; }
    // The panel's button: Esc, a click on it, the name typed after a click, Enter.
    void nameThrough(QPushButton* button, const QString& name)
    {
        if (!w->Panel1->isVisible())
            QTest::keyClick(w->Answer->Edit1, Qt::Key_Escape);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(w->NamnPanel->isVisible());
        QTest::mouseClick(w->NamnEdit, Qt::LeftButton);
        w->NamnEdit->selectAll();
        keys(w->NamnEdit, name);
        QTest::keyClick(w->NamnEdit, Qt::Key_Return);
    }
};

class StegranTest : public QObject {
    Q_OBJECT
private slots:
    void aGapEndsTheLadder();
    void climbingAndFalling();
    void theLampKeepsARightAnswerFromTheClimb();
    void theWaitsAreTheWindowsOwn();
    void thePanelContinuesAndInterrupts();
    void storedAndFetchedUnderAName();
    void storingAndFetchingThatChangeNothing();
    void worksheetLinesHaveNoLevelDigits();
    void aFileWithoutLevelsSaysSoAndCloses();
};

void StegranTest::aGapEndsTheLadder()
{
    LevelLadder ladder;
    ladder.read("1 a#b\r\n2 c#d\r\n4 e#f\r\n; 3 g#h\r\n3#\r\n03 x#y\r\n123 i#j\r\n21 k#l\r\n5x#\r\n");
    QCOMPARE(ladder.levelCount(), 4); // "03" is level 3; "3#" has no answer; 21 and 123 are no levels
    QCOMPARE(ladder.questionCount(3), 1);
    QCOMPARE(ladder.questionCount(21), 0);
    LevelLadder gap;
    gap.read("1 a#b\n2 c#d\n4 e#f\n");
    QCOMPARE(gap.levelCount(), 2);
    // Never more than 120 on a level.
    std::string many;
    for (int i = 0; i < 130; ++i)
        many += "1 q" + std::to_string(i) + "#a\n";
    LevelLadder full;
    full.read(many);
    QCOMPARE(full.questionCount(1), 120);
    QCOMPARE(withoutLevel("12 3#x"), std::string(" 3#x"));
    QCOMPARE(withoutLevel("7)x#y"), std::string(" )x#y"));

    // In the window the level-4 questions of {1, 2, 4} are never asked.
    Stegran s({3, 3, 0, 5});
    auto& w = s.start();
    QCOMPARE(w.Ladder.levelCount(), 2);
    QCOMPARE(w.Gauge1->maximum(), 2);
    for (int i = 0; i < 30; ++i) {
        QVERIFY(s.askedLevel() <= 2);
        s.answerAndWait(true);
    }
    QCOMPARE(w.Ladder.level(), 2);
}

void StegranTest::climbingAndFalling()
{
    Stegran s({4, 4, 4});
    auto& w = s.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.Answer->Edit1->hasFocus());
    QVERIFY(!w.Aster2->isVisible());
    QCOMPARE(w.NivRutan->level(), 1);
    QCOMPARE(w.NivRutan->pointSize(), 18);
    // A wrong answer at level 1 stays there.
    s.answerAndWait(false);
    QCOMPARE(w.Ladder.level(), 1);
    // Three right: up one; the number grows with the run.
    s.answerAndWait(true);
    QCOMPARE(w.NivRutan->pointSize(), 24);
    s.answerAndWait(true);
    QCOMPARE(w.NivRutan->pointSize(), 30);
    s.answerAndWait(true);
    QCOMPARE(w.Ladder.level(), 2);
    QCOMPARE(w.NivRutan->level(), 2);
    QCOMPARE(w.NivRutan->pointSize(), 18);
    QCOMPARE(w.Gauge1->level(), 2);
    QCOMPARE(s.askedLevel(), 2); // the next question comes from the new level

    // Two right, a wrong one, then two right: no climb, the run began again.
    s.answerAndWait(true);
    s.answerAndWait(true);
    s.answerAndWait(false);
    QCOMPARE(w.Ladder.level(), 1);
    QCOMPARE(w.Ladder.run(), 0);
    s.answerAndWait(true);
    s.answerAndWait(true);
    QCOMPARE(w.Ladder.level(), 1);
    s.answerAndWait(true);
    QCOMPARE(w.Ladder.level(), 2);

    // At the top, three more right answers leave the level there and start the run again.
    for (int i = 0; i < 9; ++i)
        s.answerAndWait(true);
    QCOMPARE(w.Ladder.level(), 3);
    QCOMPARE(w.Ladder.run(), 0);
    QCOMPARE(w.Gauge1->level(), 3);
    // Every question of a level comes once before any comes again.
    std::set<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        seen.insert(s.engine.AnswerFields[1]);
        s.answer(true);
        s.waitOut();
    }
    QCOMPARE(seen.size(), std::size_t(4));
}

void StegranTest::theLampKeepsARightAnswerFromTheClimb()
{
    Stegran s({4, 4});
    auto& w = s.start();
    QTest::mouseClick(w.Answer->lampknapp, Qt::LeftButton);
    QVERIFY(w.Answer->LampShape->isVisible());
    for (int i = 0; i < 4; ++i)
        s.answerAndWait(true);
    QCOMPARE(w.Ladder.level(), 1);
    QCOMPARE(w.Ladder.run(), 0);
    // Off again: the question on screen was asked with it, the next one counts.
    QTest::mousePress(w.Answer->LampShape, Qt::LeftButton);
    s.answerAndWait(true);
    QCOMPARE(w.Ladder.run(), 0);
    s.answerAndWait(true);
    QCOMPARE(w.Ladder.run(), 1);
}

void StegranTest::theWaitsAreTheWindowsOwn()
{
    Stegran s({4, 4});
    s.engine.AnswerShowSeconds = 7;
    auto& w = s.start();
    // A wrong answer shows its answer three seconds, a right one three tenths.
    const std::string first = s.engine.AnswerFields[1];
    s.answer(false);
    QVERIFY(w.Label5->isVisible());
    QCOMPARE(w.Label5->text(), fromCp1252(s.engine.AnswerFields[2]));
    for (int i = 1; i < 30; ++i)
        w.WaitTimerTick();
    QCOMPARE(s.engine.AnswerFields[1], first);
    w.WaitTimerTick();
    QVERIFY(!w.Label5->isVisible());
    const std::string second = s.engine.AnswerFields[1];
    s.answer(true);
    w.WaitTimerTick();
    w.WaitTimerTick();
    QCOMPARE(s.engine.AnswerFields[1], second);
    w.WaitTimerTick();
    QVERIFY(s.engine.AnswerFields[1] != second);
    // Space ends a wait at once.
    s.answer(false);
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(w.series().asking());
    w.close();
    QCOMPARE(s.engine.AnswerShowSeconds, 7); // the pupil's setting, as it was
}

void StegranTest::thePanelContinuesAndInterrupts()
{
    Stegran s({4, 4});
    auto& w = s.start();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.Button1->text(), QStringLiteral("&Fija el nivel"));
    QCOMPARE(w.Button2->text(), QStringLiteral("&Continúa"));
    QCOMPARE(w.Button3->text(), QStringLiteral("&Interrumpe"));
    QCOMPARE(w.BitBtn1->text(), QStringLiteral("&Abre el nivel"));
    // Esc while asking: "&Continúa" goes on with the same question.
    const std::string asked = s.engine.AnswerFields[1];
    QTest::mouseClick(w.FrageLabel2, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.Button1->isEnabled());
    QVERIFY(w.BitBtn1->isEnabled());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(s.engine.AnswerFields[1], asked);
    QVERIFY(w.Answer->Edit1->hasFocus());
    // Esc while a wrong answer shows: the wait stops; "&Continúa" then asks the next one.
    s.answer(false);
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.WaitTimer->isActive());
    QVERIFY(w.Label5->isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(s.engine.AnswerFields[1] != asked);
    QVERIFY(w.series().asking());
    // "&Interrumpe" closes the window.
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

void StegranTest::storedAndFetchedUnderAName()
{
    Stegran s({3, 3, 3, 3});
    {
        auto& w = s.start();
        for (int i = 0; i < 6; ++i)
            s.answerAndWait(true);
        QCOMPARE(w.Ladder.level(), 3);
        s.nameThrough(w.Button1, QStringLiteral("Åsa Öberg"));
        QVERIFY(!w.NamnPanel->isVisible());
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.series().asking()); // the next question follows
        QCOMPARE(s.platform.texts().last(), QStringLiteral("Nivå 3 är sparad för Åsa Öberg."));
        QCOMPARE(s.engine.PupilName, toCp1252(QStringLiteral("Åsa Öberg")));
        w.close();
    }
    const auto fetched = LevelFile(s.stored()).fetch(toCp1252(QStringLiteral("ÅSA ÖBERG")));
    QCOMPARE(int(fetched.status), int(LevelFile::Status::Found));
    QCOMPARE(fetched.level, 3);

    // After a restart, fetched under the name in other letters: the pupil goes on at 3.
    s.engine.PupilName.clear();
    auto& again = s.start();
    QCOMPARE(again.Ladder.level(), 1);
    s.nameThrough(again.BitBtn1, QStringLiteral("åsa öberg"));
    QCOMPARE(again.Ladder.level(), 3);
    QCOMPARE(again.NivRutan->level(), 3);
    QCOMPARE(again.Gauge1->level(), 3);
    QCOMPARE(s.askedLevel(), 3);
    QCOMPARE(s.platform.texts().last(), QStringLiteral("Välkommen tillbaka, åsa öberg! Du fortsätter på nivå 3."));

    // The top level is fetched too, and a stored level above this file's top is its top.
    for (int level : {4, 9}) {
        std::filesystem::remove(s.stored());
        QCOMPARE(int(LevelFile(s.stored()).store("Bo", level).status), int(LevelFile::Status::Saved));
        s.nameThrough(again.BitBtn1, QStringLiteral("bo"));
        QCOMPARE(again.Ladder.level(), 4);
    }
}

void StegranTest::storingAndFetchingThatChangeNothing()
{
    Stegran s({3, 3, 3});
    auto& w = s.start();
    // Level 1 is not written, not even as a new file.
    s.nameThrough(w.Button1, QStringLiteral("Ana"));
    QCOMPARE(s.platform.texts().last(), QStringLiteral("Nivå 1 sparas inte: alla börjar på nivå 1."));
    QVERIFY(!std::filesystem::exists(s.stored()));
    // A name with nothing stored keeps the level the pupil has.
    for (int i = 0; i < 3; ++i)
        s.answerAndWait(true);
    s.nameThrough(w.BitBtn1, QStringLiteral("Ana"));
    QCOMPARE(s.platform.texts().last(), QStringLiteral("Det finns ingen sparad nivå för Ana."));
    QCOMPARE(w.Ladder.level(), 2);
    // A higher stored level stays; the pupil is told.
    LevelFile(s.stored()).store("ANA", 3);
    const std::string before = readFileBytes(s.stored()).value();
    s.nameThrough(w.Button1, QStringLiteral("ana"));
    QCOMPARE(s.platform.texts().last(), QStringLiteral("ana har redan nivå 3 sparad. Den högre nivån står kvar."));
    QCOMPARE(readFileBytes(s.stored()).value(), before);
    // An empty name is no name; Esc leaves the name box for the panel.
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    w.NamnEdit->clear();
    QTest::keyClick(w.NamnEdit, Qt::Key_Return);
    QVERIFY(w.NamnPanel->isVisible());
    QTest::keyClick(w.NamnEdit, Qt::Key_Escape);
    QVERIFY(!w.NamnPanel->isVisible());
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.isVisible());
    // A level file that cannot be read is neither read nor written over.
    std::filesystem::remove(s.stored());
    std::filesystem::create_directories(s.stored());
    s.nameThrough(w.Button1, QStringLiteral("Ana"));
    QVERIFY(s.platform.texts().last().contains(QStringLiteral("finns men kan inte läsas, så nivån sparas inte")));
    QVERIFY(std::filesystem::is_directory(s.stored()));
}

void StegranTest::worksheetLinesHaveNoLevelDigits()
{
    Stegran s({3, 3, 3}, WorkMode::Worksheet);
    auto& w = s.start();
    QVERIFY(!w.NivRutan->isVisible());
    QVERIFY(!w.Gauge1->isVisible());
    QVERIFY(w.Worksheet->isVisible());
    QVERIFY(w.FrageLabel2->text().startsWith(QStringLiteral("fråga")));
    w.sendChosen(9);
    QStringList tasks;
    for (int i = 0; i < s.utskrift->ListBox2->count(); ++i)
        tasks << s.utskrift->ListBox2->item(i)->text();
    QCOMPARE(tasks.size(), 1 + 2 * 9);
    QCOMPARE(tasks.first(), QStringLiteral("1.  Räkneord"));
    // Each task is the question without its level, then its answer.
    const QRegularExpression task(QStringLiteral("^ +\\d\\. fråga(\\d)-\\d$"));
    for (int i = 1; i < tasks.size(); i += 2) {
        const auto m = task.match(tasks[i]);
        QVERIFY2(m.hasMatch(), qPrintable(tasks[i]));
        QVERIFY2(tasks[i + 1].startsWith(QStringLiteral("       svar") + m.captured(1)), qPrintable(tasks[i + 1]));
    }
}

void StegranTest::aFileWithoutLevelsSaysSoAndCloses()
{
    Stegran s({0, 3});
    auto& w = s.start();
    QCOMPARE(s.platform.texts(), QStringList{QStringLiteral("Filen Spa54300.DAT finns inte eller är felaktig")});
    QTRY_VERIFY(!w.isVisible());
}

} // namespace

QTEST_MAIN(StegranTest)
#include "stegran_test.moc"
