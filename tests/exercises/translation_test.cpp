// The translation window, driven by real keys and mouse clicks: its answer box
// with help, lamp and paste menu, its variants by exercise number, its rules
// button and pages, and its worksheet lines. (The rules of the series itself
// are tested once, against a fake window, in common/series_test.cpp.)

#include "engine/cp1252.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/textanswer.h"
#include "exercises/common/worksheetpanel.h"
#include "exercises/translation/skriva.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"
#include "ui/pagebrowser.h"
#include "ui/rulepagepanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// The pupil types and presses Enter: the right answer or a wrong one.
void answer(TSKRIV& w, bool right)
{
    const QString text = right ? fromCp1252(w.engine().AnswerFields[2]) : QStringLiteral("fel");
    w.Answer->Edit1->clear();
    QTest::keyClicks(w.Answer->Edit1, text);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Return);
}

// Lets the answer display run out: as many ticks as the wait takes.
void waitOut(TSKRIV& w)
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

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void aSeriesThroughTheKeys();
    void aClickAnywhereLeavesTheKeyboardToTheAnswer();
    void helpTexts();
    void lampColoursWhileTyping();
    void variantsAndTheHiddenLowerLine();
    void longQuestionsBreakBeforeTheStarColumn();
    void rulesButtonAndPages();
    void diagnosisTestThroughTheWindow();
    void worksheetModeSendsTheQuestionAndItsAnswer();
};

void TranslationTest::aSeriesThroughTheKeys()
{
    WindowFixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(int(f.engine.ExerciseNo), 15000);
    QCOMPARE(w.Heading->Overs1Label->text(), QStringLiteral("Rubrik"));
    QCOMPARE(w.InstruktionsLabel->text(), QStringLiteral("Skriv på spanska."));
    QCOMPARE(w.Aster2->MaxAntalRutor(), 10);
    QVERIFY(w.Answer->Edit1->hasFocus()); // ready for typing from the start
    for (int i = 1; i <= 10; ++i) {
        const bool right = i % 3 != 0;
        answer(w, right);
        QCOMPARE(w.Aster2->BoxRight(i), right);
        if (!right) {
            QVERIFY(w.Label5->isVisible()); // the correct answer in maroon
            QVERIFY(!w.Answer->Edit1->isEnabled());
            QVERIFY(w.WaitTimer->isActive());
            // Space ends the display, wherever the focus went.
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Space);
            w.WaitTimerTick();
            QVERIFY(!w.Label5->isVisible());
            QVERIFY(w.Answer->Edit1->isEnabled());
        }
    }
    QCOMPARE(f.engine.CorrectCount, 7);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.Button1->isEnabled());
    QCOMPARE(w.Button1->text(), QStringLiteral("Corrige las &faltas"));
    QCOMPARE(w.Button2->text(), QStringLiteral("&Continúa"));
    QVERIFY(!w.BildPanelen->isVisible()); // pictures are off: nothing stands where one would be

    // A second Esc on the panel acts on "&Interrumpe" and closes the window.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(f.platform.messages.empty());
}

void TranslationTest::aClickAnywhereLeavesTheKeyboardToTheAnswer()
{
    WindowFixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit* edit = w.Answer->Edit1;
    // Clicks into the left of the box, on the question, on the instruction and
    // on the background: each time typing still lands in the box.
    const QPoint places[] = {edit->mapTo(&w, QPoint(4, edit->height() / 2)),
                             w.FrageLabel2->geometry().center(), w.InstruktionsLabel->geometry().center(),
                             QPoint(w.width() / 2, w.height() * 3 / 4)};
    QString typed;
    for (const QPoint& at : places) {
        QWidget* target = w.childAt(at) ? w.childAt(at) : &w;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, at));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));
        typed += u'a';
        QCOMPARE(edit->text(), typed);
    }
    // Esc after a click pauses the series.
    QTest::mouseClick(w.FrageLabel2, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.Panel1->isVisible());
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), typed); // the paused answer is still there
}

void TranslationTest::helpTexts()
{
    for (WorkMode mode : {WorkMode::Practice, WorkMode::DiagnosisPractice}) {
        WindowFixture f;
        f.dataFile(mode == WorkMode::Practice ? "SPA15000.DAT" : "SpOvn101.DAT", 25, "#hj\xe4lp1#hj\xe4lp2#hj\xe4lp3");
        f.open(mode == WorkMode::Practice ? "SPA15000.DAT" : "SpOvn101.DAT", mode);
        f.engine.DiagnosisItem = 1;
        TSKRIV w(f.app);
        w.show();
        QCOMPARE(w.Answer->HelpTextCount, 3);
        QTest::mouseClick(w.Answer->Helpknapp1, Qt::LeftButton);
        QVERIFY(w.Answer->Label6->isVisible());
        QVERIFY(!w.Answer->Helpknapp1->isEnabled()); // three helps: only the first is offered
        QVERIFY(!w.Answer->HelpKnapp2->isVisible());
        QCOMPARE(w.focusWidget(), w.Answer->Edit1); // the click on help gives the keys back
        answer(w, true);
        QCOMPARE(f.engine.CorrectCount, mode == WorkMode::Practice ? 1 : 0);
    }
    WindowFixture two;
    two.dataFile("SPA15000.DAT", 12, "#ett#tv\xe5");
    two.open("SPA15000.DAT");
    TSKRIV w(two.app);
    w.show();
    QTest::mouseClick(w.Answer->Helpknapp1, Qt::LeftButton);
    QVERIFY(!w.Answer->Helpknapp1->isVisible());
    QVERIFY(w.Answer->HelpKnapp2->isVisible());
    QTest::mouseClick(w.Answer->HelpKnapp2, Qt::LeftButton);
    QCOMPARE(w.Answer->Label7->text(), QStringLiteral("två"));
    QVERIFY(w.Answer->Label7->isVisible());
    // The paste menu puts its letter where the pupil types.
    w.Answer->PopupMenu1->actions().at(2)->trigger();
    QCOMPARE(w.Answer->Edit1->text(), QStringLiteral("ñ"));
    QCOMPARE(two.platform.clipboard, QStringLiteral("ñ"));
}

void TranslationTest::lampColoursWhileTyping()
{
    WindowFixture f;
    f.dataFile("SPA15000.DAT", 12);
    f.open("SPA15000.DAT");
    TSKRIV w(f.app);
    w.show();
    QTest::mouseClick(w.Answer->lampknapp, Qt::LeftButton);
    QVERIFY(w.Answer->LampShape->isVisible());
    const QString right = fromCp1252(f.engine.AnswerFields[2]);
    auto colourAfter = [&](const QString& typed) {
        w.Answer->Edit1->setText(typed);
        const QImage image = w.Answer->LampShape->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };
    QCOMPARE(colourAfter(right.left(2)), QColor(0, 255, 0));
    QCOMPARE(colourAfter(right.left(2) + QStringLiteral("x")), QColor(255, 0, 0));
    answer(w, true);
    QVERIFY(w.Answer->LampShape->isVisible()); // stays on from question to question
    // The lamp judges against the answer of the question on screen.
    QCOMPARE(colourAfter(fromCp1252(f.engine.AnswerFields[2])), QColor(0, 255, 0));
    QTest::mousePress(w.Answer->LampShape, Qt::LeftButton);
    QVERIFY(!w.Answer->LampShape->isVisible());
    QVERIFY(w.Answer->lampknapp->isVisible());
}

void TranslationTest::variantsAndTheHiddenLowerLine()
{
    WindowFixture f;
    f.cd.write("DATA/Spa52300.DAT", crlf({"$Plural", "libro#libros#bok", "casa#casas#hus"}));
    f.cd.write("DATA/Spa54100.DAT", crlf({"$Grundtal", "tre#tres#hemligt"}));
    f.cd.write("DATA/SpDi06.DAT", crlf({"$Plural", "el libro#los libros"}));
    f.cd.write("DATA/SPA15000.DAT", crlf({"$X", "{F}en mycket mycket mycket mycket mycket mycket mycket mycket mycket "
                                                "mycket mycket lång fråga som bryts#svar"}));
    f.open("Spa52300.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.Answer->Label6->isVisible()); // shown from the start...
        QVERIFY(!w.Answer->Helpknapp1->isVisible());
        answer(w, true);
        QCOMPARE(f.engine.CorrectCount, 1); // ...and not counted as a help
    }
    f.open("Spa54100.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(!w.Answer->Helpknapp1->isVisible());
        QVERIFY(!w.Answer->Label6->isVisible());
    }
    f.open("SpDi06.DAT", WorkMode::Test);
    {
        TSKRIV w(f.app);
        w.show();
        QCOMPARE(w.Label4->text(), QStringLiteral("flera "));
        QVERIFY(w.Label4->isVisible());
        QVERIFY(w.Answer->Edit1->x() > w.FrageLabel1->x() + w.Label4->width());
        QVERIFY(!w.Answer->lampknapp->isVisible()); // no lamp in a test
    }
    f.open("SPA15000.DAT");
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.FrageLabel1->isVisible());
        QVERIFY(!w.FrageLabel2->isVisible());
    }
}

void TranslationTest::longQuestionsBreakBeforeTheStarColumn()
{
    for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        for (WorkMode mode : {WorkMode::Practice, WorkMode::Test}) {
            WindowFixture f;
            f.platform.screen = screen;
            f.engine.ScaleFactor = uint16_t(screen.width() > 1500 ? 160 : 100);
            const std::string name = mode == WorkMode::Test ? "SpDi01.DAT" : "SPA15000.DAT";
            f.cd.write("DATA/" + name,
                       crlf({"$X", "Den gamla kvinnan som bor i det stora gula huset vid torget brukar ge brödsmulor "
                                   "till duvorna varje morgon innan hon#svar"}));
            f.open(name, mode);
            TSKRIV w(f.app);
            w.show();
            QVERIFY(w.FrageLabel1->isVisible());
            // Left of the star column, and in a test left of the counters that stand there instead.
            const int edge = mode == WorkMode::Test ? w.DiagPanel1->x() : w.Aster2->x();
            for (QLabel* line : {w.FrageLabel1, w.FrageLabel2}) {
                const int right = line->x() + QFontMetrics(line->font()).horizontalAdvance(line->text());
                QVERIFY2(right < edge, qPrintable(line->text()));
            }
            QVERIFY(w.DiagPanel1->geometry().right() < screen.width());
            // The window's type follows its scale.
            QCOMPARE(w.FrageLabel2->font().pixelSize(), 26 * f.engine.ScaleFactor / 100);
        }
    }
}

void TranslationTest::rulesButtonAndPages()
{
    WindowFixture f;
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
        QCOMPARE(w.focusWidget(), w.Answer->Edit1);
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
                QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
            }
            answer(w, true);
        }
    }
    QCOMPARE(f.platform.messages.size(), size_t(1));
    f.dataFile("SpOvn108.DAT", 5);
    f.open("SpOvn108.DAT", WorkMode::DiagnosisPractice);
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QCOMPARE(f.platform.texts().last(),
                 "Filen " + QString::fromStdString(f.engine.CdPath) + "/regler/R108.htm finns inte eller är felaktig");
    }
    f.open("SpOvn108.DAT", WorkMode::Test); // in a test only a line's own page has a button
    {
        TSKRIV w(f.app);
        w.show();
        QVERIFY(!w.regelknapp->isVisible());
    }
}

void TranslationTest::diagnosisTestThroughTheWindow()
{
    WindowFixture f;
    f.dataFile("SpDi01.DAT", 25);
    f.open("SpDi01.DAT", WorkMode::Test);
    TSKRIV w(f.app);
    w.show();
    QVERIFY(!w.Aster2->isVisible());
    QVERIFY(w.DiagPanel1->isVisible());
    QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
    answer(w, true);
    answer(w, false);
    QCOMPARE(w.DiagLabel3->text(), QStringLiteral("2/20")); // while the answer shows
    waitOut(w);
    QCOMPARE(w.DiagLabel3->text(), QStringLiteral("3/20"));
    QCOMPARE(w.DiagLabel5->text(), QStringLiteral("1"));
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QCOMPARE(f.protocol.results, std::vector<int>{1});
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TranslationTest::worksheetModeSendsTheQuestionAndItsAnswer()
{
    WindowFixture f;
    f.dataFile("SPA15000.DAT", 120, "#hj\xe4lp#&alt");
    f.open("SPA15000.DAT", WorkMode::Worksheet);
    TSKRIV w(f.app);
    w.show();
    QVERIFY(!w.Answer->Edit1->isVisible());
    QVERIFY(!w.Answer->Helpknapp1->isVisible());
    QVERIFY(!w.Aster2->isVisible());
    QVERIFY(w.Worksheet->SkrivutPanel1->isVisible());
    for (QPushButton* b : w.Worksheet->printButtons)
        QVERIFY(!b->isEnabled()); // nothing in the list yet

    // "&Klart" with 0: only the pending heading goes to the list.
    w.Worksheet->chooseCount(-1);
    w.sendChosen(w.Worksheet->ChosenCount);
    QCOMPARE(lines(f.utskrift->ListBox1), (QStringList{"1.  Rubrik", "      Skriv på spanska:"}));
    QCOMPARE(lines(f.utskrift->ListBox2), QStringList{"1.  Rubrik"});

    const QString question = fromCp1252(f.engine.AnswerFields[1]);
    QTest::mouseClick(w.Worksheet->SkrivutPanel1->findChildren<QPushButton*>().at(1), Qt::LeftButton); // "Välja &ut"
    QPushButton* send = w.Worksheet->SkrivutValPanel->findChildren<QPushButton*>().at(1);
    QCOMPARE(send->text(), QStringLiteral("Skickas &till utskrift"));
    QTest::mouseClick(send, Qt::LeftButton);
    const QStringList without = lines(f.utskrift->ListBox1), with = lines(f.utskrift->ListBox2);
    QCOMPARE(without.mid(2), (QStringList{"   1. " + question, "       " + QString(57, u'_')}));
    QCOMPARE(with.mid(1, 1), QStringList{"   1. " + question});
    QVERIFY(with.last().startsWith(QStringLiteral("       svar")));
    QVERIFY(with.last().endsWith(QStringLiteral(" eller alt."))); // the alternatives written out
    QVERIFY(fromCp1252(f.engine.AnswerFields[1]) != question);         // the next question is on screen
    for (QPushButton* b : w.Worksheet->printButtons)
        QVERIFY(b->isEnabled());
    // The printer knows each line's kind without reading its spaces.
    QCOMPARE(f.utskrift->ListBox1->item(2)->data(TUtskrift::KindRole).toInt(), int(TUtskrift::Task));
    QCOMPARE(f.utskrift->ListBox1->item(1)->data(TUtskrift::KindRole).toInt(), int(TUtskrift::Other));

    // Printed without answers to a PDF file.
    QTemporaryDir dir;
    f.platform.pdfFile = dir.filePath(QStringLiteral("blad.pdf"));
    w.printWorksheet(false);
    QVERIFY(pdfText(f.platform.pdfFile).contains(QStringLiteral("Arbetsblad från Lingvaro.")));

    // The preview opens as a window of the exercise, above it, and goes back after.
    w.Worksheet->showRow(w.Worksheet->SkrivutListValPanel);
    QTest::mouseClick(w.Worksheet->SkrivutListValPanel->findChildren<QPushButton*>().at(0), Qt::LeftButton);
    QCOMPARE(f.utskrift->parentWidget(), &w);
    QVERIFY(f.utskrift->isVisible());
    QVERIFY(f.utskrift->isWindow());
    QTest::mouseClick(w.Worksheet->SkrivutListValPanel->findChildren<QPushButton*>().at(2), Qt::LeftButton);
    QVERIFY(!f.utskrift->isVisible());
    QCOMPARE(f.utskrift->parentWidget(), nullptr);

    // "&Rensa" empties both lists and numbering starts again with the heading.
    w.clearPrintList();
    QCOMPARE(f.utskrift->ListBox1->count(), 0);
    w.sendToPrintList();
    QCOMPARE(f.utskrift->ListBox1->item(0)->text(), QStringLiteral("1.  Rubrik"));
    QVERIFY(f.utskrift->ListBox1->item(2)->text().startsWith(QStringLiteral("   1. ")));
    // "Till &menyn" closes the window.
    QTest::mouseClick(w.Worksheet->TillMenynButton, Qt::LeftButton);
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

} // namespace

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
