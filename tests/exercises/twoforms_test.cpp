// The second writing window, driven by real keys and mouse clicks: two forms
// typed in turn, each with its lamp, the question right only when both are,
// the correct forms shown and for how long, the end of a series, its diagnosis
// practice of two good series, and its worksheet line.

#include "engine/cp1252.h"
#include "exercises/common/textanswer.h"
#include "exercises/twoforms/skriva2.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"
#include "ui/pagebrowser.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// n adjectives "adjK#más adjK#el más adjK#svK – svKare – svKast".
std::vector<std::string> adjectives(int n, const std::string& heading = "$Komparation")
{
    std::vector<std::string> lines = {heading, "$\xa7Skriv komparativ och superlativ."};
    for (int k = 1; k <= n; ++k) {
        const std::string a = "alto" + std::to_string(k);
        lines.push_back(a + "#m\xe1s " + a + "#el m\xe1s " + a + "#l\xe5ng" + std::to_string(k) + " \x96 l\xe4ngre \x96 l\xe4ngst");
    }
    return lines;
}

QString field(const Tskriv2& w, int f) { return fromCp1252(const_cast<Tskriv2&>(w).engine().AnswerFields[f]); }

// Keys for every letter, those without a key of their own ("á") as the text they type.
void keys(QWidget* box, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClicks(box, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), {});
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), {});
        }
    }
}

void type(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    keys(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Both forms of the question on screen, right or wrong.
void answer(Tskriv2& w, bool first, bool second)
{
    type(w.Answer->Edit1, first ? field(w, 2) : QStringLiteral("fel"));
    type(w.Answer->Edit2, second ? field(w, 3) : QStringLiteral("fel"));
}

void waitOut(Tskriv2& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10 && w.series().waiting(); ++i)
        w.WaitTimerTick();
}

class TwoFormsTest : public QObject {
    Q_OBJECT
private slots:
    void twoFormsInTurnEachWithItsLamp();
    void rightOnlyWhenBothFormsAre();
    void theAnswerShowsForTheSettingsTimeAndNoEleventhQuestion();
    void pauseResumesInTheSecondBox();
    void practicePassesWithTheSecondGoodSeries();
    void aTestPausesAndInterruptNeverReports();
    void rulePageAndWorksheetLine();
};

void TwoFormsTest::twoFormsInTurnEachWithItsLamp()
{
    WindowFixture f;
    f.cd.write("DATA/Spa53100.DAT", crlf(adjectives(12)));
    f.open("Spa53100.DAT");
    Tskriv2 w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.FrageLabel2->text(), field(w, 1));
    QCOMPARE(w.SvenskaLabel->text(), field(w, 4));
    QVERIFY(w.SvenskaLabel->isVisible());
    QVERIFY(w.SkiljeShape1->isVisible() && w.SkiljeShape2->isVisible());
    QVERIFY(!w.Answer->Edit2->isVisible()); // the second box comes after the first form
    QVERIFY(!w.Answer->Helpknapp1->isVisible()); // no help in this window
    QCOMPARE(w.focusWidget(), w.Answer->Edit1);
    QVERIFY(w.Answer->Edit2->y() > w.Answer->Edit1->y());

    // The lamp switch lights a lamp beside each box, each judging its own form.
    QTest::mouseClick(w.Answer->lampknapp, Qt::LeftButton);
    QVERIFY(w.Answer->LampShape->isVisible());
    QVERIFY(!w.Answer->LampShape2->isVisible());
    keys(w.Answer->Edit1, QStringLiteral("más"));
    auto colour = [](Lamp* lamp) {
        const QImage image = lamp->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };
    QCOMPARE(colour(w.Answer->LampShape), QColor(0, 255, 0));
    w.Answer->Edit1->clear();
    type(w.Answer->Edit1, field(w, 2));
    QVERIFY(w.Answer->Edit2->isVisible());
    QVERIFY(!w.Answer->Edit1->isEnabled());
    QCOMPARE(w.focusWidget(), w.Answer->Edit2);
    QVERIFY(w.Answer->LampShape2->isVisible());
    QTest::keyClicks(w.Answer->Edit2, QStringLiteral("x"));
    QCOMPARE(colour(w.Answer->LampShape2), QColor(255, 0, 0));
    QTest::keyClick(w.Answer->Edit2, Qt::Key_Backspace);
    type(w.Answer->Edit2, field(w, 3).toUpper()); // letter case does not matter
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(!w.Answer->Edit2->isVisible()); // the next question starts at the first box
    QVERIFY(!w.Answer->LampShape2->isVisible());
    QVERIFY(w.Answer->LampShape->isVisible()); // the display stays on
}

void TwoFormsTest::rightOnlyWhenBothFormsAre()
{
    WindowFixture f;
    f.cd.write("DATA/Spa53100.DAT", crlf(adjectives(12)));
    f.open("Spa53100.DAT");
    Tskriv2 w(f.app);
    w.show();
    // A wrong first form stays in sight while the second is typed; a right second
    // form after it is no right answer, and its form is not shown again.
    type(w.Answer->Edit1, QStringLiteral("fel"));
    QVERIFY(w.SvarsLabel1->isVisible());
    QCOMPARE(w.SvarsLabel1->text(), field(w, 2));
    QVERIFY(w.series().asking());
    type(w.Answer->Edit2, field(w, 3));
    QVERIFY(!w.SvarsLabel2->isVisible());
    QVERIFY(w.SvarsLabel1->isVisible());
    QCOMPARE(f.engine.CorrectCount, 0);
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(w.Aster2->BoxRight(1), false);
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 1);
    waitOut(w);
    // A second form that differs only in letter case is right and not shown.
    type(w.Answer->Edit1, field(w, 2));
    type(w.Answer->Edit2, field(w, 3).toUpper());
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(!w.SvarsLabel2->isVisible());
    // A wrong second form is shown beside its box.
    type(w.Answer->Edit1, field(w, 2));
    type(w.Answer->Edit2, QStringLiteral("el altísimo"));
    QVERIFY(w.SvarsLabel2->isVisible());
    QCOMPARE(w.SvarsLabel2->text(), field(w, 3));
    QVERIFY(!w.SvarsLabel1->isVisible());
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 2);
}

void TwoFormsTest::theAnswerShowsForTheSettingsTimeAndNoEleventhQuestion()
{
    WindowFixture f;
    f.cd.write("DATA/Spa53100.DAT", crlf(adjectives(12)));
    f.open("Spa53100.DAT");
    f.engine.AnswerShowSeconds = 2; // the pupil's setting
    Tskriv2 w(f.app);
    w.show();
    for (int q = 1; q <= 10; ++q) {
        const std::string asked = f.engine.AnswerFields[1];
        answer(w, true, false);
        QVERIFY(w.SvarsLabel2->isVisible());
        // Shown for the whole time the setting gives, then the next question (or the end).
        for (int tick = 1; tick < 20; ++tick) {
            w.WaitTimerTick();
            QVERIFY2(w.SvarsLabel2->isVisible(), qPrintable(QString::number(tick)));
            QCOMPARE(f.engine.AnswerFields[1], asked);
        }
        w.WaitTimerTick();
        if (q < 10) {
            QVERIFY(f.engine.AnswerFields[1] != asked);
            QVERIFY(!w.SvarsLabel2->isVisible());
        }
    }
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(f.engine.SeriesPos, 11);
    // However long the window waits now, no further question comes.
    const std::string last = f.engine.AnswerFields[1];
    for (int tick = 0; tick < 100; ++tick)
        w.WaitTimerTick();
    QCOMPARE(f.engine.AnswerFields[1], last);
    QVERIFY(!w.Answer->Edit1->isEnabled());
    QVERIFY(!w.WaitTimer->isActive());
    QCOMPARE(f.engine.AnswerShowSeconds, 2); // the setting was left alone
}

void TwoFormsTest::pauseResumesInTheSecondBox()
{
    WindowFixture f;
    f.cd.write("DATA/Spa53100.DAT", crlf(adjectives(12)));
    f.open("Spa53100.DAT");
    Tskriv2 w(f.app);
    w.show();
    type(w.Answer->Edit1, field(w, 2));
    QTest::keyClick(w.Answer->Edit2, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Answer->Edit2->isEnabled());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(w.Answer->Edit2->isEnabled());
    QCOMPARE(w.focusWidget(), w.Answer->Edit2);
    QVERIFY(!w.Answer->Edit1->isEnabled());
    type(w.Answer->Edit2, field(w, 3));
    QCOMPARE(f.engine.CorrectCount, 1);
}

void TwoFormsTest::practicePassesWithTheSecondGoodSeries()
{
    WindowFixture f;
    f.cd.write("DATA/SpOvn141.DAT", crlf(adjectives(25, "$\xd6vning till diagnos 41")));
    f.open("SpOvn141.DAT", WorkMode::DiagnosisPractice);
    f.engine.DiagnosisItem = 41;
    Tskriv2 w(f.app);
    w.show();
    QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Övning 1"));
    auto series = [&](int right) {
        for (int q = 1; q <= 20; ++q) {
            answer(w, q <= right, true);
            waitOut(w);
        }
    };
    series(8); // good: the window stays open for a second series
    QVERIFY(w.isVisible());
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(f.engine.PracticeRound, 1);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Övning 2"));
    series(7); // weaker: changes nothing
    QVERIFY(f.protocol.passed.empty());
    QCOMPARE(f.engine.PracticeRound, 1);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    series(8); // the second good series passes the item and closes the window
    QCOMPARE(f.protocol.passed, std::vector<int>{41});
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(f.engine.WorkMode, WorkMode::Test);
}

void TwoFormsTest::aTestPausesAndInterruptNeverReports()
{
    WindowFixture f;
    f.cd.write("DATA/SpDi41.DAT", crlf(adjectives(22, "$Diagnos 41")));
    f.open("SpDi41.DAT", WorkMode::Test);
    f.engine.DiagnosisItem = 41;
    Tskriv2 w(f.app);
    w.show();
    QVERIFY(!w.Answer->lampknapp->isVisible());
    answer(w, true, true);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QVERIFY(f.protocol.results.empty());
    QCOMPARE(f.protocol.enabled, 1);
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TwoFormsTest::rulePageAndWorksheetLine()
{
    WindowFixture f;
    f.cd.write("DATA/Spa53100.DAT", crlf({"$Adjektiv", "$Komparation", "alto#m\xe1s alto#el m\xe1s alto#l\xe5ng \x96 l\xe4ngre \x96 l\xe4ngst"}));
    f.cd.write("regler/R24400.htm", "<p>Komparation av adjektiv</p>");
    f.open("Spa53100.DAT");
    {
        Tskriv2 w(f.app);
        w.show();
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Komparation av adjektiv")));
        QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
        QCOMPARE(w.focusWidget(), w.Answer->Edit1);
    }
    f.open("Spa53100.DAT", WorkMode::Worksheet);
    Tskriv2 w(f.app);
    w.show();
    QVERIFY(!w.Answer->Edit1->isVisible());
    QVERIFY(w.SvarsLabel1->isVisible() && w.SvarsLabel2->isVisible()); // the forms where the boxes would be
    QVERIFY(!w.SvenskaLabel->isVisible());
    QVERIFY(!w.regelknapp->isVisible());
    w.sendToPrintList();
    auto lines = [](const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    };
    QCOMPARE(lines(f.utskrift->ListBox1), (QStringList{"1.  Adjektiv Komparation", "   1. alto", "       " + QString(57, u'_')}));
    QCOMPARE(lines(f.utskrift->ListBox2),
             (QStringList{"1.  Adjektiv Komparation", "   1. alto", "       más alto, el más alto (lång – längre – längst)"}));
}

} // namespace

QTEST_MAIN(TwoFormsTest)
#include "twoforms_test.moc"
