// The exercise protocol, driven through the translation window with keys:
// whole series, the answer display, pause, correction passes, praise, help,
// the lamp, variants, rule pages, the diagnosis rules and worksheet mode.

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/translation/skriva.h"
#include "results/aster.h"
#include "results/skrivut.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// Stands in for the diagnosis protocol: records what the windows report.
struct ProtocolStandIn : DiagnosisHost {
    std::vector<int> results;
    std::vector<int> passed;
    int enabled = 0;
    void diagnosback(int value) override { results.push_back(value); }
    void practicePassed(int item) override { passed.push_back(item); }
    void enableProtocol() override { ++enabled; }
};

struct Fixture {
    TestPlatform platform;
    Engine engine;
    ScratchDir pc, cd;
    AppContext app{engine, platform};
    ProtocolStandIn protocol;
    std::unique_ptr<TUtskrift> utskrift;

    Fixture()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.PcPath = pc.path().native();
        engine.CdPath = cd.path().native();
        platform.screen = {1024, 768};
        engine.Random.seed(11);
        pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n");
        engine.HaemtaTyskaINI();
        utskrift = std::make_unique<TUtskrift>(app);
        app.utskrift = utskrift.get();
        app.diagnosis = &protocol;
        std::vector<std::string> praise;
        for (int n = 9001; n <= 9016; ++n)
            praise.push_back("SpOM" + std::to_string(n) + ".LOV");
        for (const auto& p : praise)
            cd.write("DATA/" + p, crlf({"\xa1Muy bien, <namn>!#Bra gjort!"}));
    }
    // A data file of n questions "frågaK#svarK" with a help text, in the catalogue.
    void dataFile(const std::string& name, int n, const std::string& extra = "#hj\xe4lp")
    {
        std::vector<std::string> lines = {"$Rubrik", "$\xa7Skriv p\xe5 spanska."};
        for (int k = 1; k <= n; ++k)
            lines.push_back("fr\xe5ga" + std::to_string(k) + "#svar" + std::to_string(k) + extra);
        cd.write("DATA/" + name, crlf(lines));
    }
    void open(const std::string& name, int mode = 0)
    {
        std::vector<std::string> names;
        for (auto& entry : std::filesystem::directory_iterator(cd.path() / "DATA"))
            names.push_back(entry.path().filename().string());
        cd.write("DATA/datfiler.spa", crlf(names));
        engine.BuildDataCatalogue();
        engine.BuildPraiseCatalogue();
        engine.ResetDrawState();
        engine.WorkMode = uint8_t(mode);
        engine.DataFileName = name;
        QVERIFY(engine.Kolla(name));
    }
};

// The pupil types and presses Enter: the right answer or a wrong one.
void answer(TSKRIV& w, bool right)
{
    const QString text = right ? fromCp1252(w.engine().AnswerFields[2]) : QStringLiteral("fel");
    w.Edit1->setText(text);
    QTest::keyClick(w.Edit1, Qt::Key_Return);
}

// Lets the answer display run out: as many ticks as the wait takes.
void waitOut(TSKRIV& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10; ++i) {
        w.Timer1Timer();
        w.Timer3Timer();
    }
}

class SkrivaTest : public QObject {
    Q_OBJECT
private slots:
    void aSeriesOfRightAndWrongAnswers();
    void theAnswerDisplayIsCutShortBySpace();
    void pauseAndResumeRestartsTheCounts();
    void praiseNeedsEightOfTen();
    void correctionPassesShrink();
    void helpCountsOnlyInDiagnosisModes();
    void lampColoursWhileTyping();
    void variantsAndTheHiddenLowerLine();
    void rulesButtonAndPages();
    void diagnosisTestAndPracticeRules();
    void worksheetModePicksForThePrintList();
};

void SkrivaTest::aSeriesOfRightAndWrongAnswers()
{
    Fixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    QCOMPARE(int(f.engine.ExerciseNo), 15000);
    QCOMPARE(w.Overs1Label->text(), QStringLiteral("Rubrik"));
    QCOMPARE(w.InstruktionsLabel->text(), QStringLiteral("Skriv på spanska."));
    QCOMPARE(w.Aster2->MaxAntalRutor(), 10);
    QSet<QString> asked;
    for (int i = 1; i <= 10; ++i) {
        asked << w.FrageLabel2->text();
        const bool right = i % 3 != 0; // wrong on 3, 6, 9
        answer(w, right);
        QCOMPARE(w.Aster2->RutNummer(), i);
        QCOMPARE(w.Aster2->BoxRight(i), right);
        if (!right) {
            QVERIFY(w.Label5->isVisible());
            QVERIFY(!w.Edit1->isEnabled());
            waitOut(w);
        }
    }
    QCOMPARE(asked.size(), 10); // no question twice in a series
    QCOMPARE(f.engine.CorrectCount, 7);
    QCOMPARE(f.engine.WrongCount, 3);
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 3);
    QVERIFY(w.Panel1->isVisible()); // a right last answer ends the series at once
    QVERIFY(w.Button1->isEnabled());
    QCOMPARE(w.Button2->text(), QStringLiteral("&Continúa"));

    // A wrong last answer shows the answer first, then ends the series.
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(f.engine.SeriesPos, 1);
    for (int i = 1; i <= 9; ++i)
        answer(w, true);
    answer(w, false);
    QVERIFY(!w.Panel1->isVisible());
    QVERIFY(w.Label5->isVisible());
    waitOut(w);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(f.platform.messages.empty());
}

void SkrivaTest::theAnswerDisplayIsCutShortBySpace()
{
    Fixture f;
    f.engine.AnswerShowSeconds = 9;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    answer(w, false);
    const QString shownQuestion = w.FrageLabel2->text();
    w.Timer1Timer();
    QCOMPARE(w.FrageLabel2->text(), shownQuestion); // still showing the answer
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!w.Helpknapp1->hasFocus()); // Space must not land on a button
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Space);
    w.Timer1Timer();
    QVERIFY(w.FrageLabel2->text() != shownQuestion);
    QVERIFY(w.Edit1->isEnabled());
    QVERIFY(!w.Label5->isVisible());
}

void SkrivaTest::pauseAndResumeRestartsTheCounts()
{
    Fixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    answer(w, true);
    answer(w, true);
    const QString question = w.FrageLabel2->text();
    QTest::keyClick(w.Edit1, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Button1->isEnabled()); // nothing stored to correct yet
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.Panel1->isVisible());
    QCOMPARE(w.FrageLabel2->text(), question); // the same question again
    QCOMPARE(f.engine.CorrectCount, 0);
    QCOMPARE(f.engine.SeriesPos, 3);

    // Esc on the last question and "&Continúa" start a new series.
    while (f.engine.SeriesPos < 10)
        answer(w, true);
    QTest::keyClick(w.Edit1, Qt::Key_Escape);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(f.engine.SeriesPos, 1);
    QCOMPARE(w.Aster2->RutNummer(), 0);

    // A second Esc acts on "&Interrumpe" and closes the window.
    QTest::keyClick(w.Edit1, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(f.protocol.results.empty());
}

void SkrivaTest::praiseNeedsEightOfTen()
{
    for (int wrong : {2, 3}) {
        Fixture f;
        f.dataFile("SPA15000.DAT", 12);
        f.open("SPA15000.DAT");
        TSKRIV w(f.app);
        w.show();
        for (int i = 1; i <= 10; ++i) {
            answer(w, i > wrong);
            waitOut(w);
        }
        QCOMPARE(w.LovordPanel->isVisible(), wrong == 2);
        if (wrong == 2) {
            QCOMPARE(f.engine.PraiseFileName, std::string("SpOM9013.LOV"));
            QCOMPARE(w.LovordLabel1->text(), QStringLiteral("¡Muy bien, !"));
            QCOMPARE(w.LovordLabel2->text(), QStringLiteral("Bra gjort!"));
        }
    }
}

void SkrivaTest::correctionPassesShrink()
{
    Fixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    std::vector<QString> wrongQuestions;
    for (int i = 1; i <= 10; ++i) {
        const bool right = i > 4;
        if (!right)
            wrongQuestions.push_back(w.FrageLabel2->text());
        answer(w, right);
        waitOut(w);
    }
    QVERIFY(w.Button1->isEnabled());
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.QuestionTotal, 4);
    QVERIFY(f.engine.CorrectionPass);
    QCOMPARE(w.FrageLabel2->text(), wrongQuestions[0]); // oldest first
    answer(w, false); // wrong again: to the back
    waitOut(w);
    QCOMPARE(w.FrageLabel2->text(), wrongQuestions[1]);
    answer(w, true); // right: removed
    QCOMPARE(w.FrageLabel2->text(), wrongQuestions[2]);
    answer(w, true);
    answer(w, true);
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 1);
    QVERIFY(!w.LovordPanel->isVisible()); // a correction pass never earns praise
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.QuestionTotal, 1);
    QCOMPARE(w.FrageLabel2->text(), wrongQuestions[0]);
    answer(w, true);
    QVERIFY(!w.Button1->isEnabled()); // nothing left to correct
}

void SkrivaTest::helpCountsOnlyInDiagnosisModes()
{
    for (int mode : {0, 3}) {
        Fixture f;
        f.dataFile(mode == 0 ? "SPA15000.DAT" : "SpOvn101.DAT", 25, "#hj\xe4lp1#hj\xe4lp2#hj\xe4lp3");
        f.open(mode == 0 ? "SPA15000.DAT" : "SpOvn101.DAT", mode);
        f.engine.DiagnosisItem = 1;
        TSKRIV w(f.app);
        w.show();
        QCOMPARE(w.HelpTextCount, 3);
        QVERIFY(w.Helpknapp1->isVisible());
        QTest::mouseClick(w.Helpknapp1, Qt::LeftButton);
        QVERIFY(w.Label6->isVisible());
        QVERIFY(!w.Helpknapp1->isEnabled()); // three helps: only the first is offered
        QVERIFY(!w.HelpKnapp2->isVisible());
        answer(w, true);
        QCOMPARE(f.engine.CorrectCount, mode == 0 ? 1 : 0);
        // The lamp counts as a help in practice.
        QTest::mouseClick(w.lampknapp, Qt::LeftButton);
        answer(w, true);
        QCOMPARE(f.engine.CorrectCount, mode == 0 ? 2 : 0);
    }
    Fixture two;
    two.dataFile("SPA15000.DAT", 12, "#ett#tv\xe5");
    two.open("SPA15000.DAT");
    TSKRIV w(two.app);
    w.show();
    QTest::mouseClick(w.Helpknapp1, Qt::LeftButton);
    QVERIFY(!w.Helpknapp1->isVisible());
    QVERIFY(w.HelpKnapp2->isVisible());
    QTest::mouseClick(w.HelpKnapp2, Qt::LeftButton);
    QCOMPARE(w.Label7->text(), QStringLiteral("två"));
    QVERIFY(w.Label7->isVisible());
}

void SkrivaTest::lampColoursWhileTyping()
{
    Fixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    QTest::mouseClick(w.lampknapp, Qt::LeftButton);
    QVERIFY(w.LampShape->isVisible());
    const QString right = fromCp1252(f.engine.AnswerFields[2]);
    auto colourAfter = [&](const QString& typed) {
        w.Edit1->setText(typed);
        return w.LampShape->grab().toImage().pixelColor(w.LampShape->width() / 2, w.LampShape->height() / 2);
    };
    QCOMPARE(colourAfter(right.left(2)), QColor(0, 255, 0));
    QCOMPARE(colourAfter(right.left(2) + QStringLiteral("x")), QColor(255, 0, 0));
    answer(w, true);
    QVERIFY(w.LampShape->isVisible()); // stays on from question to question
    QTest::mousePress(w.LampShape, Qt::LeftButton);
    QVERIFY(!w.LampShape->isVisible());
    QVERIFY(w.lampknapp->isVisible());
}

void SkrivaTest::variantsAndTheHiddenLowerLine()
{
    Fixture f;
    f.cd.write("DATA/Spa52300.DAT", crlf({"$Plural", "libro#libros#bok", "casa#casas#hus"}));
    f.cd.write("DATA/Spa54100.DAT", crlf({"$Grundtal", "tre#tres#hemligt"}));
    f.cd.write("DATA/SpDi06.DAT", crlf({"$Plural", "el libro#los libros"}));
    f.cd.write("DATA/SPA15000.DAT", crlf({"$X", "{F}en mycket mycket mycket mycket mycket mycket mycket mycket mycket "
                                                "mycket mycket lång fråga som bryts#svar"}));
    f.open("Spa52300.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.Label6->isVisible()); // shown from the start...
        QVERIFY(!w.Helpknapp1->isVisible());
        answer(w, true);
        QCOMPARE(f.engine.CorrectCount, 1); // ...and not counted as a help
    }
    f.open("Spa54100.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(!w.Helpknapp1->isVisible());
        QVERIFY(!w.Label6->isVisible());
    }
    f.open("SpDi06.DAT", 2);
    {
        TSKRIV w(f.app);
        w.show();
        QCOMPARE(w.Label4->text(), QStringLiteral("flera "));
        QVERIFY(w.Label4->isVisible());
        QVERIFY(w.Edit1->x() > w.FrageLabel1->x() + w.Label4->width());
    }
    f.open("SPA15000.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.FrageLabel1->isVisible());
        QVERIFY(!w.FrageLabel2->isVisible());
    }
}

void SkrivaTest::rulesButtonAndPages()
{
    Fixture f;
    f.cd.write("DATA/Spa56857.DAT", crlf({"$Imperativ", "tala!#habla"}));
    f.cd.write("DATA/Spa56860.DAT", crlf({"$Blandat", "tala!#habla", "kom!#ven#\xa3R26420"}));
    f.cd.write("regler/R26410.htm", "<p>Imperativ av -ar-verb</p>");
    f.open("Spa56857.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QVERIFY(w.RegelPanel->isVisible());
        QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Imperativ av -ar-verb")));
        QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
        QVERIFY(!w.RegelPanel->isVisible());
    }
    f.open("Spa56860.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        for (int i = 0; i < 2; ++i) {
            const bool own = f.engine.AnswerFields[3] == "\xa3R26420";
            QCOMPARE(w.regelknapp->isVisible(), own); // "Blandat" has a button only for a line's own page
            if (own) {
                QTest::mouseClick(w.regelknapp, Qt::LeftButton);
                QCOMPARE(f.platform.texts().last(),
                         "Filen " + QString::fromStdString(f.engine.CdPath) + "/regler/R26420.htm finns inte eller är felaktig");
            }
            answer(w, true);
        }
    }
    QCOMPARE(f.platform.messages.size(), size_t(1));
    f.dataFile("SpOvn108.DAT", 5);
    f.open("SpOvn108.DAT", 3);
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QCOMPARE(f.platform.texts().last(),
                 "Filen " + QString::fromStdString(f.engine.CdPath) + "/regler/R108.htm finns inte eller är felaktig");
    }
    f.open("SpOvn108.DAT", 2); // in a test only a line's own page has a button
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(!w.regelknapp->isVisible());
    }
}

void SkrivaTest::diagnosisTestAndPracticeRules()
{
    // A test of 20: Esc ends it at once and reports the right answers so far.
    {
        Fixture f;
        f.dataFile("SpDi01.DAT", 25);
        f.open("SpDi01.DAT", 2);
        TSKRIV w(f.app);
        w.show();
        QVERIFY(!w.Aster2->isVisible());
        QVERIFY(w.DiagPanel1->isVisible());
        QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
        answer(w, true);
        answer(w, true);
        answer(w, false);
        QCOMPARE(w.DiagLabel3->text(), QStringLiteral("3/20")); // while the answer shows
        waitOut(w);
        QCOMPARE(w.DiagLabel3->text(), QStringLiteral("4/20"));
        QTest::keyClick(w.Edit1, Qt::Key_Escape);
        QCOMPARE(f.protocol.results, std::vector<int>{2});
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
    // A whole test reports at its end.
    {
        Fixture f;
        f.dataFile("SpDi01.DAT", 25);
        f.open("SpDi01.DAT", 2);
        TSKRIV w(f.app);
        w.show();
        for (int i = 1; i <= 20; ++i) {
            answer(w, i <= 15);
            waitOut(w);
        }
        QCOMPARE(f.protocol.results, std::vector<int>{15});
    }
    // Practice: 12 right passes the item and closes the window; 11 does not.
    for (int right : {12, 11}) {
        Fixture f;
        f.dataFile("SpOvn101.DAT", 25);
        f.open("SpOvn101.DAT", 3);
        f.engine.DiagnosisItem = 1;
        TSKRIV w(f.app);
        w.show();
        QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Övning 1"));
        for (int i = 1; i <= 20; ++i) {
            answer(w, i <= right);
            waitOut(w);
        }
        if (right == 12) {
            QCOMPARE(f.protocol.passed, std::vector<int>{1});
            QCOMPARE(int(f.engine.WorkMode), 2);
            QCOMPARE(f.engine.PracticeRound, 5);
            QCOMPARE(w.result(), int(QDialog::Accepted));
        } else {
            QVERIFY(f.protocol.passed.empty());
            QVERIFY(w.Panel1->isVisible());
            // A correction pass of a practice runs in mode 5, and back to 3 after it.
            QTest::mouseClick(w.Button1, Qt::LeftButton);
            QCOMPARE(int(f.engine.WorkMode), 5);
            QCOMPARE(f.engine.QuestionTotal, 9);
        }
    }
}

void SkrivaTest::worksheetModePicksForThePrintList()
{
    Fixture f;
    f.dataFile("SPA15000.DAT", 120);
    f.open("SPA15000.DAT", 1);
    TSKRIV w(f.app);
    w.show();
    QVERIFY(!w.Edit1->isVisible());
    QVERIFY(!w.Aster2->isVisible());
    QVERIFY(w.SkrivutPanel1->isVisible());
    for (QPushButton* b : w.printButtons)
        QVERIFY(!b->isEnabled()); // nothing in the list yet

    // The count chooser stays within 0 .. the file's questions.
    w.chooseCount(-1);
    w.chooseCount(-1);
    QCOMPARE(w.ChosenCount, 0);
    w.countDone(); // 0: only the pending heading goes to the list
    QCOMPARE(f.utskrift->ListBox1->count(), 2);
    QCOMPARE(f.utskrift->ListBox1->item(0)->text(), QStringLiteral("1.  Rubrik"));
    QCOMPARE(f.utskrift->ListBox1->item(1)->text(), QStringLiteral("      Skriv på spanska:"));
    QCOMPARE(f.utskrift->ListBox2->count(), 1);
    // The arrow keys drive the chooser while it shows, whichever button has the focus.
    w.showRow(w.SkrivutAntalPanel);
    QPushButton* klart = w.SkrivutAntalPanel->findChildren<QPushButton*>().first();
    QTest::keyClick(klart, Qt::Key_Up);
    QTest::keyClick(klart, Qt::Key_Up);
    QCOMPARE(w.ChosenCount, 2);
    for (int i = 0; i < 200; ++i)
        w.chooseCount(+1);
    QCOMPARE(w.ChosenCount, 120);
    w.ChosenCount = 100;
    w.countDone();
    // Another 10 chosen one by one.
    for (int i = 0; i < 10; ++i)
        w.sendToPrintList();
    const QStringList l1 = [&] {
        QStringList out;
        for (int i = 0; i < f.utskrift->ListBox1->count(); ++i)
            out << f.utskrift->ListBox1->item(i)->text();
        return out;
    }();
    QCOMPARE(l1.filter(QStringLiteral("1.  Rubrik")).size(), 1); // the heading once
    QVERIFY(l1.at(2).startsWith(QStringLiteral("   1. fråga")));
    QVERIFY(l1.contains(QStringLiteral("       ") + QString(57, u'_')));
    QVERIFY(std::any_of(l1.begin(), l1.end(), [](const QString& s) { return s.startsWith(QStringLiteral(" 10. fråga")); }));
    QVERIFY(std::any_of(l1.begin(), l1.end(), [](const QString& s) { return s.startsWith(QStringLiteral("100. fråga")); }));
    QCOMPARE(f.engine.WorksheetTaskCount, 110);
    for (QPushButton* b : w.printButtons)
        QVERIFY(b->isEnabled());
    QCOMPARE(f.utskrift->ListBox2->item(2)->text().left(11), QStringLiteral("       svar"));

    // Printed without answers to a PDF file.
    QTemporaryDir dir;
    f.platform.pdfFile = dir.filePath(QStringLiteral("blad.pdf"));
    w.printWorksheet(false);
    QVERIFY(pdfText(f.platform.pdfFile).contains(QStringLiteral("Arbetsblad från Lingvaro.")));

    // "&Rensa" empties both lists and numbering starts again with the heading.
    w.clearPrintList();
    QCOMPARE(f.utskrift->ListBox1->count(), 0);
    QCOMPARE(f.utskrift->ListBox2->count(), 0);
    w.sendToPrintList();
    QCOMPARE(f.utskrift->ListBox1->item(0)->text(), QStringLiteral("1.  Rubrik"));
    QVERIFY(f.utskrift->ListBox1->item(2)->text().startsWith(QStringLiteral("   1. ")));
}

} // namespace

QTEST_MAIN(SkrivaTest)
#include "translation_test.moc"
