// The click-choice window, driven by real mouse presses, releases and moves on
// its panels and by real keys: the answers' order and number, the marked part
// of the question, the right panel after a wrong click, pausing, 14000's hint
// and two rows, Swedish captions, the diagnosis practice that passes on its
// second good series, the test that reports at its end, and the worksheet
// lines with the code words written out.

#include "engine/cp1252.h"
#include "exercises/clickchoice/passakt.h"
#include "exercises/common/choicepanel.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

void dataFile(WindowFixture& f, const std::string& name, const std::vector<std::string>& lines,
              const std::string& note = {})
{
    std::vector<std::string> all = {"$Satsl\xf6sning", "$Satsdelar", "$\xa7V\xe4lj r\xe4tt svar."};
    if (!note.empty())
        all.push_back("$%" + note);
    all.insert(all.end(), lines.begin(), lines.end());
    f.cd.write("DATA/" + name, crlf(all));
}

void click(ChoicePanel* panel, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = panel->rect().center();
    QTest::mouseMove(panel, at);
    QTest::mousePress(panel, button, {}, at);
    QTest::mouseRelease(panel, button, {}, at);
}

QStringList texts(const TPassAkt& w)
{
    QStringList out;
    for (int i = 0; i < w.Valpanel->count(); ++i)
        out << w.Valpanel->panels[i]->text();
    return out;
}

// The panel with the right answer, or one with a wrong one.
ChoicePanel* answerPanel(TPassAkt& w, bool right)
{
    const QString correct = fromCp1252(w.engine().AnswerFields[w.engine().ExerciseNo == 14000 ? 3 : 2]);
    for (int i = 0; i < w.Valpanel->count(); ++i)
        if ((w.Valpanel->panels[i]->text() == correct) == right)
            return w.Valpanel->panels[i];
    return nullptr;
}

void waitOut(TPassAkt& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
}

QStringList lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// n lines of 59400's kind, each a different sentence.
std::vector<std::string> objects(int n)
{
    std::vector<std::string> out;
    for (int k = 1; k <= n; ++k)
        out.push_back("Doy <el libro " + std::to_string(k) + "> a Juan.#ACK#DAT#PRED.F.");
    return out;
}

class ClickChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void theAnswersStandInByteOrderAndAtMostSix();
    void theMarkedPartStandsOutInGreen();
    void aWrongClickShowsTheRightPanelAndTakesNoMore();
    void theRightButtonAndEscPauseAndNoPanelAnswersWhilePaused();
    void theHintAndTheTwoRowsOfRooms();
    void swedishCaptionsForAdverbs();
    void aDiagnosisPracticePassesOnItsSecondGoodSeries();
    void aTestReportsAtItsEndOnly();
    void worksheetLinesWriteTheCodeWordsOut();
    void nothingStandsUnderTheStarColumnOrTheCounters();
};

void ClickChoiceTest::theAnswersStandInByteOrderAndAtMostSix()
{
    WindowFixture f;
    // "Œ" is 0x8C in the code page and sorts before "é" (0xE9), unlike in Unicode;
    // capitals before small letters; a "£" field is no answer; the seventh is left out.
    dataFile(f, "Spa59400.DAT", {"Una <frase>.#S#AO#DO", "Otra <frase>.#\xe9t\xe9#\x8cuvre#z\xe9ro#\xa3R28300#a#b#c#d"});
    f.open("Spa59400.DAT");
    TPassAkt w(f.app);
    w.show();
    for (int i = 0; i < 2; ++i) {
        if (f.engine.AnswerFields[2] == "S") {
            QCOMPARE(texts(w), (QStringList{"AO", "DO", "S"}));
        } else {
            QCOMPARE(texts(w), (QStringList{"a", "b", "c", QStringLiteral("zéro"), QStringLiteral("Œuvre"), QStringLiteral("été")}));
        }
        for (int k = w.Valpanel->count(); k < w.Valpanel->panels.size(); ++k)
            QVERIFY(w.Valpanel->panels[k]->isHidden());
        // The first panel stands highlighted at each question.
        QCOMPARE(w.Valpanel->highlighted(), 0);
        click(answerPanel(w, true));
    }
    QCOMPARE(f.engine.CorrectCount, 2);
}

void ClickChoiceTest::theMarkedPartStandsOutInGreen()
{
    WindowFixture f;
    dataFile(f, "Spa59400.DAT", {"Doy <el libro> a Juan.#ACK#DAT#PRED.F.", "Juan es m\xe9" "dico.#PRED.F.#ACK#DAT"});
    f.open("Spa59400.DAT");
    TPassAkt w(f.app);
    w.show();
    for (int i = 0; i < 2; ++i) {
        if (f.engine.AnswerFields[2] == "ACK") {
            QCOMPARE(w.Label4->text(), QStringLiteral("Doy "));
            QCOMPARE(w.Label5->text(), QStringLiteral("el libro"));
            QCOMPARE(w.Label6->text(), QStringLiteral(" a Juan."));
            QCOMPARE(w.Label5->palette().color(QPalette::WindowText), QColor(0, 128, 0));
            QCOMPARE(w.Label5->x(), w.Label4->geometry().right() + 1);
            QVERIFY(!w.Label3->isVisible());
        } else {
            QCOMPARE(w.Label3->text(), QStringLiteral("Juan es médico."));
            QVERIFY(!w.Label5->isVisible());
        }
        QVERIFY(w.Valpanel->y() > w.Label3->geometry().bottom() || !w.Label3->isVisible());
        QVERIFY(!w.FrageLabel1->isVisible() && !w.FrageLabel2->isVisible());
        click(answerPanel(w, true));
    }
}

void ClickChoiceTest::aWrongClickShowsTheRightPanelAndTakesNoMore()
{
    WindowFixture f;
    dataFile(f, "Spa59400.DAT", objects(12));
    f.open("Spa59400.DAT");
    TPassAkt w(f.app);
    w.show();
    ChoicePanel* wrong = answerPanel(w, false);
    ChoicePanel* right = answerPanel(w, true);
    QTest::mouseMove(wrong, wrong->rect().center());
    QVERIFY(wrong->highlighted()); // the mouse highlights what it is over
    click(wrong);
    QVERIFY(right->highlighted());
    QVERIFY(!wrong->highlighted());
    QVERIFY(!w.Valpanel->isEnabled());
    QVERIFY(w.WaitTimer->isActive());
    const QImage image = right->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 2, 4), QColor(255, 255, 0));
    // Neither another panel nor the right one is taken now.
    click(right);
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(w.Valpanel->isEnabled());
    QCOMPARE(w.Valpanel->highlighted(), 0);
    QCOMPARE(f.engine.SeriesPos, 2);
}

void ClickChoiceTest::theRightButtonAndEscPauseAndNoPanelAnswersWhilePaused()
{
    WindowFixture f;
    dataFile(f, "Spa59400.DAT", objects(12));
    f.open("Spa59400.DAT");
    TPassAkt w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    click(answerPanel(w, true));
    // A right click on a panel pauses; the panels take no answer until "&Continúa".
    QTest::mousePress(w.Valpanel->panels[0], Qt::RightButton, {}, QPoint(4, 4));
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Valpanel->isEnabled());
    click(answerPanel(w, true));
    QCOMPARE(f.engine.SeriesPos, 2);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(w.Valpanel->isEnabled());
    QCOMPARE(f.engine.CorrectCount, 1);
    // So does one on the background, and Esc.
    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(w.width() / 2, w.height() - 150));
    QVERIFY(w.Panel1->isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Valpanel->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // a second Esc: "&Interrumpe"
    QVERIFY(!w.isVisible());
}

void ClickChoiceTest::theHintAndTheTwoRowsOfRooms()
{
    WindowFixture f;
    // A second row wider than the first: the area takes the wider row.
    dataFile(f, "SPA14000.DAT", {"la cama#\xa3" "D\xe4r ligger man p\xe5 natten.#el dormitorio#el ba\xf1o#el garaje#el jard\xedn#"
                                 "la habitaci\xf3n de invitados#la cocina"});
    f.open("SPA14000.DAT");
    TPassAkt w(f.app);
    w.show();
    QCOMPARE(texts(w), (QStringList{QStringLiteral("el baño"), "el dormitorio", "el garaje", QStringLiteral("el jardín"),
                                     "la cocina", QStringLiteral("la habitación de invitados")}));
    QList<int> tops;
    for (ChoicePanel* p : w.Valpanel->panels)
        tops << p->y();
    QCOMPARE(tops.mid(0, 3), QList<int>(3, tops[0]));
    QCOMPARE(tops.mid(3), QList<int>(3, tops[3]));
    QVERIFY(tops[3] > tops[0]);
    for (ChoicePanel* p : w.Valpanel->panels)
        QVERIFY2(p->geometry().right() < w.Valpanel->width(), qPrintable(p->text()));
    QVERIFY(w.Valpanel->geometry().right() < w.Aster2->x());
    // "&Ayuda" shows the hint without its "£", and costs nothing in practice.
    QVERIFY(w.ButtonHelp->isVisible());
    QVERIFY(!w.Label7->isVisible());
    QTest::mouseClick(w.ButtonHelp, Qt::LeftButton);
    QCOMPARE(w.Label7->text(), QStringLiteral("Där ligger man på natten."));
    QVERIFY(w.Label7->isVisible());
    QVERIFY(w.Label7->y() > w.Valpanel->geometry().bottom());
    QVERIFY(w.ButtonHelp->y() > w.Label7->y());
    click(answerPanel(w, true));
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(!w.ButtonHelp->isVisible()); // the series is over
}

void ClickChoiceTest::swedishCaptionsForAdverbs()
{
    WindowFixture f;
    const std::vector<std::string> lines = {"Canta <bien>.#adverb#adjektiv#substantiv#verb"};
    dataFile(f, "Spa57100.DAT", lines);
    dataFile(f, "Spa59400.DAT", objects(3));
    f.open("Spa57100.DAT");
    {
        TPassAkt w(f.app);
        w.show();
        QCOMPARE(w.Button1->text(), QStringLiteral("&Rätta felen"));
        QCOMPARE(w.Button2->text(), QStringLiteral("&Fortsätta"));
        QCOMPARE(w.Button3->text(), QStringLiteral("&Avbryt"));
        QCOMPARE(w.BitBtn1->text(), QStringLiteral("&Inställningar"));
        QCOMPARE(w.regelknapp->text(), QStringLiteral("&Regler"));
        QVERIFY(w.regelknapp->isVisible());
        QVERIFY(!w.ButtonHelp->isVisible());
        QCOMPARE(texts(w), (QStringList{"adjektiv", "adverb", "substantiv", "verb"}));
    }
    f.open("Spa59400.DAT");
    TPassAkt w(f.app);
    QCOMPARE(w.Button1->text(), QStringLiteral("Corrige las &faltas"));
    QCOMPARE(w.regelknapp->text(), QStringLiteral("&Reglas"));
}

void ClickChoiceTest::aDiagnosisPracticePassesOnItsSecondGoodSeries()
{
    WindowFixture f;
    std::vector<std::string> lines;
    for (int k = 1; k <= 24; ++k)
        lines.push_back("Canta <bien " + std::to_string(k) + ">.#adverb#adjektiv#substantiv#verb#\xa3R27100");
    dataFile(f, "SpOvn139.DAT", lines);
    f.engine.DiagnosisItem = 39;
    f.engine.PracticeRound = 0;
    f.open("SpOvn139.DAT", WorkMode::DiagnosisPractice);
    TPassAkt w(f.app);
    w.show();
    QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Övning 1"));
    QVERIFY(w.regelknapp->isVisible()); // the lines name their page
    auto series = [&](int right) {
        for (int i = 0; i < 20; ++i) {
            click(answerPanel(w, i < right));
            if (w.WaitTimer->isActive())
                waitOut(w);
        }
    };
    series(8);
    QVERIFY(w.isVisible());
    QVERIFY(f.protocol.passed.empty());
    QVERIFY(w.Panel1->isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Övning 2"));
    series(7); // a weak series changes nothing
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    series(8);
    QCOMPARE(f.protocol.passed, std::vector<int>{39});
    QVERIFY(!w.isVisible());
}

void ClickChoiceTest::aTestReportsAtItsEndOnly()
{
    WindowFixture f;
    dataFile(f, "SpDi39.DAT", objects(22));
    f.open("SpDi39.DAT", WorkMode::Test);
    {
        TPassAkt w(f.app);
        w.show();
        for (int i = 0; i < 19; ++i) {
            click(answerPanel(w, i % 2 == 0));
            if (w.WaitTimer->isActive())
                waitOut(w);
        }
        // A pause offers no correction pass in a test.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.Button1->isEnabled());
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QVERIFY(f.protocol.results.empty());
        click(answerPanel(w, true));
        QCOMPARE(f.protocol.results, std::vector<int>{11});
        QVERIFY(!w.isVisible());
    }
    // "&Interrumpe" closes a test without a report.
    f.open("SpDi39.DAT", WorkMode::Test);
    TPassAkt w(f.app);
    w.show();
    click(answerPanel(w, true));
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(f.protocol.results, std::vector<int>{11});
}

void ClickChoiceTest::worksheetLinesWriteTheCodeWordsOut()
{
    QCOMPARE(TPassAkt::writtenOut(u"ACK"_qs), u"Ackusativ"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"ack."_qs), u"Ackusativ"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"PRED.F."_qs), u"Predikatsfyllnad"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"PREDIKAT"_qs), u"Predikatsfyllnad"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"DAT"_qs), u"Dativ"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"SUBJ"_qs), u"Subjekt"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"SUBST"_qs), u"Substantiv"_qs);
    QCOMPARE(TPassAkt::writtenOut(u"adverb"_qs), u"Adverb"_qs);

    WindowFixture f;
    dataFile(f, "Spa59400.DAT", {"Juan es <m\xe9" "dico>.#PRED.F.#ACK#DAT"}, "Skriv ACK, DAT eller PRED.F.");
    f.open("Spa59400.DAT", WorkMode::Worksheet);
    TPassAkt w(f.app);
    w.show();
    QVERIFY(!w.Valpanel->isEnabled());
    w.sendToPrintList();
    const QString heading = u"1.  Ackusativ, dativ eller predikatsfyllnad?"_qs;
    QCOMPARE(lines(f.utskrift->ListBox1), (QStringList{heading, u"      Skriv ACK, DAT eller PRED.F."_qs,
                                                       u"   1. Juan es <médico>."_qs, "       " + QString(28, u'_')}));
    QCOMPARE(lines(f.utskrift->ListBox2), (QStringList{heading, u"      Skriv ACK, DAT eller PRED.F."_qs,
                                                       u"   1. Juan es <médico>."_qs, u"       Predikatsfyllnad"_qs}));
}

void ClickChoiceTest::nothingStandsUnderTheStarColumnOrTheCounters()
{
    std::vector<std::string> lines;
    for (int k = 1; k <= 22; ++k)
        lines.push_back("Mis abuelos, que viven en un pueblo peque\xf1o cerca de la costa, le regalan <una bicicleta roja> a mi "
                        "hermano " + std::to_string(k) + ".#ACK#DAT#PRED.F.#predicado verbal#sujeto de la frase#complemento");
    for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        for (WorkMode mode : {WorkMode::Practice, WorkMode::Test}) {
            WindowFixture f;
            f.platform.screen = screen;
            f.engine.ScaleFactor = uint16_t(screen.width() > 1500 ? 160 : 100);
            const std::string name = mode == WorkMode::Test ? "SpDi39.DAT" : "Spa59400.DAT";
            dataFile(f, name, lines);
            f.open(name, mode);
            TPassAkt w(f.app);
            w.show();
            const int right = mode == WorkMode::Test ? w.DiagPanel1->x() : w.Aster2->x();
            const QString what = QStringLiteral("%1x%2 mode %3").arg(screen.width()).arg(screen.height()).arg(int(mode));
            QVERIFY2(w.Valpanel->geometry().right() < right, qPrintable(what));
            for (QLabel* l : {w.Label3, w.Label4, w.Label5, w.Label6})
                QVERIFY2(l->isHidden() || l->geometry().right() < right, qPrintable(what + u' ' + l->text()));
            for (ChoicePanel* p : w.Valpanel->panels)
                QVERIFY2(p->isHidden() || p->geometry().right() < w.Valpanel->width(), qPrintable(what + u' ' + p->text()));
            QVERIFY2(w.Valpanel->geometry().bottom() < w.Panel1->y(), qPrintable(what));
        }
    }
}

} // namespace

QTEST_MAIN(ClickChoiceTest)
#include "clickchoice_test.moc"
