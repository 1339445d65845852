// The write-in window, driven by real keys and mouse clicks: its two kinds of
// line, the boxes inside the sentence, two gaps as one question, help, pause
// and resume into the right box, its rule pages and its worksheet lines.

#include "engine/cp1252.h"
#include "exercises/common/textanswer.h"
#include "exercises/common/worksheetpanel.h"
#include "exercises/writein/skrivin.h"
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

// n lines of the translation kind; every third with two gaps when asked for.
std::vector<std::string> translationLines(int n, bool twoGaps, const std::string& extra = "#tala = hablar")
{
    std::vector<std::string> lines = {"$Regelbundna verb", "$Konjugation 1 (-ar): Presens",
                                      "$\xa7\xd6vers\xe4tt det gr\xf6na till spanska."};
    for (int k = 1; k <= n; ++k) {
        const std::string w = "habl" + std::string(k, 'o');
        if (twoGaps)
            lines.push_back("Jag <talar" + std::to_string(k) + "> och du <sjunger>.#Yo <" + w + "> y t\xfa <cantas>.");
        else
            lines.push_back("Jag <talar" + std::to_string(k) + "> spanska.#Yo <" + w + "> espa\xf1ol." + extra);
    }
    return lines;
}

QStringList lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The pupil clicks the box of the gap being answered, types and presses Enter.
void fill(TSkrivinf& w, int gap, const QString& text)
{
    QLineEdit* box = gap == 1 ? w.Answer->Edit1 : w.Answer->Edit2;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void waitOut(TSkrivinf& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10 && w.series().waiting(); ++i)
        w.WaitTimerTick();
}

// The shown texts of the sentence pieces, in order.
QStringList pieceTexts(const TSkrivinf& w)
{
    QStringList out;
    for (QLabel* p : w.Pieces)
        if (p->isVisible())
            out << p->text();
    return out;
}

class WriteInTest : public QObject {
    Q_OBJECT
private slots:
    void bothKindsOfLine();
    void twoGapsAreOneQuestion();
    void correctionPassWithTwoGaps();
    void helpAndTheExercisesWithout();
    void pauseResumesInTheBoxThatHadTheKeys();
    void rulePages();
    void worksheetBlanksWhateverTheKind();
    void aTestPausesAndInterruptReports();
};

void WriteInTest::bothKindsOfLine()
{
    WindowFixture f;
    f.cd.write("DATA/Spa56111.DAT", crlf(translationLines(12, false)));
    f.open("Spa56111.DAT");
    {
        TSkrivinf w(f.app);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.GapCount, 1);
        QCOMPARE(w.HelpTexts, QStringList{"tala = hablar"});
        // The sentence to translate with its marked part, and the answer sentence
        // with a box in the place of its gap word.
        const QString gap = w.gapWord(1);
        const QStringList pieces = pieceTexts(w);
        QCOMPARE(pieces.size(), 5);
        QCOMPARE(pieces[0], QStringLiteral("Jag "));
        QVERIFY(pieces[1].startsWith(QStringLiteral("talar")));
        QCOMPARE(w.Pieces[1]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(pieces[3], QStringLiteral("Yo "));
        QCOMPARE(pieces[4], QStringLiteral(" español."));
        QLineEdit* box = w.Answer->Edit1;
        QVERIFY(box->isVisible());
        QCOMPARE(box->x(), w.Pieces[3]->x() + QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("Yo ")));
        QVERIFY(w.Pieces[4]->x() >= box->geometry().right());
        QCOMPARE(box->y(), w.Pieces[4]->y() - (box->height() - w.Pieces[4]->height()) / 2);
        QVERIFY(w.Pieces[3]->y() > w.Pieces[0]->y()); // the answer sentence under the one to translate
        QCOMPARE(box->width(), QFontMetrics(box->font()).horizontalAdvance(gap + QStringLiteral("ww")));
        QCOMPARE(box->maxLength(), int(gap.size()) + 10);
        QVERIFY(!w.Answer->Edit2->isVisible());
        fill(w, 1, gap.toUpper()); // judged without regard to case
        QCOMPARE(f.engine.CorrectCount, 1);
        QCOMPARE(w.Aster2->BoxRight(1), true);
    }

    // The gap in a sentence: field 1 holds the gaps, field 2 is a help. A short
    // gap word still gets a box for the word and two more "w".
    f.cd.write("DATA/Spa52400.DAT", crlf({"$Substantiv", "$\xa7Skriv de, del, de la, de los eller de las.",
                                          "La casa <del> profesor.#l\xe4rarens hus",
                                          "El perro <de la> vecina.#grannens hund",
                                          "Es el libro <de> Ana.#Anas bok"}));
    f.open("Spa52400.DAT");
    TSkrivinf w(f.app);
    w.show();
    QCOMPARE(w.HelpTexts.size(), 1);
    QVERIFY(w.Answer->Helpknapp1->isVisible());
    const QString gap = w.gapWord(1);
    QCOMPARE(w.HelpTexts.first(), fromCp1252(f.engine.AnswerFields[2]));
    QVERIFY(!pieceTexts(w).join(QString()).contains(gap + u' ')); // the word is not shown, only its box
    QCOMPARE(w.Answer->Edit1->width(), QFontMetrics(w.Answer->Edit1->font()).horizontalAdvance(gap + QStringLiteral("ww")));
    fill(w, 1, QStringLiteral("fel"));
    QVERIFY(w.Label14->isVisible()); // the correct word in the box's place, in maroon
    QCOMPARE(w.Label14->text(), gap);
    QCOMPARE(w.Label14->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QVERIFY(!w.Answer->Edit1->isVisible());
    QVERIFY(!w.regelknapp->isEnabled());
    waitOut(w);
    QVERIFY(!w.Label14->isVisible());
    QVERIFY(w.Answer->Edit1->isVisible());
}

void WriteInTest::twoGapsAreOneQuestion()
{
    WindowFixture f;
    f.cd.write("DATA/Spa56125.DAT", crlf(translationLines(14, true)));
    f.open("Spa56125.DAT");
    TSkrivinf w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // right-right, right-wrong, wrong-right, wrong-wrong: one star box each,
    // one count at most, one stored wrong answer for each wrong question.
    const bool outcomes[4][2] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (int q = 0; q < 4; ++q) {
        QCOMPARE(w.GapCount, 2);
        const QString first = w.gapWord(1), second = w.gapWord(2);
        QVERIFY(w.Answer->Edit1->isVisible() && w.Answer->Edit2->isVisible());
        QVERIFY(!w.Answer->Edit2->isEnabled()); // gap 1 first
        const QString typed = first.toUpper();
        fill(w, 1, outcomes[q][0] ? typed : QStringLiteral("x"));
        QVERIFY(w.series().asking()); // the question goes on at gap 2
        QVERIFY(w.Label14->isVisible());
        // A right gap 1 shows what was typed, in green; a wrong one the correct word.
        QCOMPARE(w.Label14->text(), outcomes[q][0] ? typed : first);
        QCOMPARE(w.Label14->palette().color(QPalette::WindowText),
                 outcomes[q][0] ? QColor(0, 128, 0) : QColor(128, 0, 0));
        QVERIFY(w.Answer->Edit2->isEnabled());
        QCOMPARE(w.focusWidget(), w.Answer->Edit2);
        fill(w, 2, outcomes[q][1] ? second : QStringLiteral("y"));
        const bool right = outcomes[q][0] && outcomes[q][1];
        QCOMPARE(w.Aster2->RutNummer(), q + 1);
        QCOMPARE(w.Aster2->BoxRight(q + 1), right);
        QCOMPARE(f.engine.CorrectCount, 1);
        QCOMPARE(f.engine.WrongCount, q);
        QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], q);
        if (!right) {
            QVERIFY(w.series().waiting());
            waitOut(w);
        }
    }
}

void WriteInTest::correctionPassWithTwoGaps()
{
    WindowFixture f;
    f.cd.write("DATA/Spa56125.DAT", crlf(translationLines(10, true)));
    f.open("Spa56125.DAT");
    TSkrivinf w(f.app);
    w.show();
    for (int q = 1; q <= 10; ++q) {
        fill(w, 1, q <= 3 ? QStringLiteral("x") : w.gapWord(1));
        fill(w, 2, q <= 3 ? QStringLiteral("y") : w.gapWord(2));
        waitOut(w);
    }
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 3); // both gaps wrong stored each question once
    QVERIFY(w.Button1->isEnabled());
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.QuestionTotal, 3);
    // Right at gap 1, wrong at gap 2: the question goes to the back, nothing is removed.
    const std::string firstAsked = f.engine.AnswerFields[1];
    fill(w, 1, w.gapWord(1));
    fill(w, 2, QStringLiteral("y"));
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 3);
    waitOut(w);
    // The two others right: out of the list; the first comes back last.
    for (int q = 0; q < 2; ++q) {
        QVERIFY(f.engine.AnswerFields[1] != firstAsked);
        fill(w, 1, w.gapWord(1));
        fill(w, 2, w.gapWord(2));
    }
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 1);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.AnswerFields[1], firstAsked);
}

void WriteInTest::helpAndTheExercisesWithout()
{
    WindowFixture f;
    f.cd.write("DATA/SpOvn113.DAT",
               crlf({"$\xd6vning till diagnos 13", "$\xa7Skriv pronomenet.", "Jag ser <henne>.#Yo <la> veo.#ack#f\xf6rsta",
                     "Jag ser <honom>.#Yo <lo> veo.#ack#f\xf6rsta", "Jag ser <dem>.#Yo <los> veo.#ack#f\xf6rsta"}));
    for (WorkMode mode : {WorkMode::Practice, WorkMode::DiagnosisPractice}) {
        f.open("SpOvn113.DAT", mode);
        f.engine.DiagnosisItem = 13;
        TSkrivinf w(f.app);
        w.show();
        // One help button for two texts: the first click the first, the second the second.
        QTest::mouseClick(w.Answer->Helpknapp1, Qt::LeftButton);
        QVERIFY(w.Answer->Label6->isVisible());
        QCOMPARE(w.focusWidget(), w.Answer->Edit1); // the keys go back to the box
        QVERIFY(w.Answer->HelpKnapp2->isVisible());
        QCOMPARE(w.Answer->HelpKnapp2->geometry(), w.Answer->Helpknapp1->geometry());
        QTest::mouseClick(w.Answer->HelpKnapp2, Qt::LeftButton);
        QVERIFY(w.Answer->Label7->isVisible());
        QVERIFY(!w.Answer->HelpKnapp2->isEnabled());
        fill(w, 1, w.gapWord(1));
        QCOMPARE(f.engine.CorrectCount, mode == WorkMode::Practice ? 1 : 0); // help counts in a diagnosis practice
    }
    // Exercises 12, 17, 112 and 117 never offer help, whatever the file holds.
    for (const char* name : {"SpOvn112.DAT", "SpOvn117.DAT"}) {
        f.cd.write(std::string("DATA/") + name, crlf({"$X", "Es <mi> libro.#Det \xe4r min bok.#hj\xe4lp",
                                                      "Es <tu> libro.#Det \xe4r din bok.#hj\xe4lp"}));
        f.open(name, WorkMode::DiagnosisPractice);
        TSkrivinf w(f.app);
        w.show();
        QVERIFY(!w.Answer->Helpknapp1->isVisible());
    }
}

void WriteInTest::pauseResumesInTheBoxThatHadTheKeys()
{
    WindowFixture f;
    f.cd.write("DATA/Spa56125.DAT", crlf(translationLines(12, true)));
    f.open("Spa56125.DAT");
    TSkrivinf w(f.app);
    w.show();
    fill(w, 1, w.gapWord(1));
    QTest::keyClicks(w.Answer->Edit2, QStringLiteral("ca"));
    QTest::keyClick(w.Answer->Edit2, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Answer->Edit2->isEnabled());
    QVERIFY(!w.regelknapp->isEnabled());
    QTest::mouseClick(w.Button2, Qt::LeftButton); // "&Continúa"
    QVERIFY(!w.Panel1->isVisible());
    QVERIFY(w.Answer->Edit2->isEnabled());
    QCOMPARE(w.focusWidget(), w.Answer->Edit2);
    QCOMPARE(w.Answer->Edit2->text(), QStringLiteral("ca"));
    QVERIFY(!w.Answer->Edit1->isVisible()); // gap 1 stays answered
    QTest::keyClick(w.Answer->Edit2, Qt::Key_Backspace);
    QTest::keyClick(w.Answer->Edit2, Qt::Key_Backspace);
    fill(w, 2, w.gapWord(2));
    QCOMPARE(f.engine.CorrectCount, 1); // the counts were kept over the pause

    // The rest of the series; after the last answer "&Continúa" starts a new one.
    for (int q = 2; q <= 10; ++q) {
        fill(w, 1, w.gapWord(1));
        fill(w, 2, w.gapWord(2));
    }
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(f.engine.CorrectCount, 10);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(f.engine.SeriesPos, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
    QCOMPARE(w.Aster2->RutNummer(), 0);
    QCOMPARE(w.focusWidget(), w.Answer->Edit1);
}

void WriteInTest::rulePages()
{
    WindowFixture f;
    // Practice 120's page carries a trailing space in its name; 118 has a page now.
    f.cd.write("regler/R261190.htm", "<p>Konditionalis</p>");
    f.cd.write("regler/R26112.htm", "<p>Imperfekt</p>");
    f.cd.write("regler/R25200.htm", "<p>Reflexiva pronomen</p>");
    for (const auto& [name, page] : {std::pair{"SpOvn120.DAT", "Konditionalis"}, std::pair{"SpOvn118.DAT", "Imperfekt"}}) {
        f.cd.write(std::string("DATA/") + name, crlf(translationLines(3, false)));
        f.open(name, WorkMode::DiagnosisPractice);
        TSkrivinf w(f.app);
        w.show();
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QVERIFY(w.WebBrowser1->toPlainText().contains(QString::fromUtf8(page)));
        QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
        QCOMPARE(w.focusWidget(), w.Answer->Edit1);
    }
    QVERIFY(f.platform.messages.empty());

    // A line's own page, in a gap-in-sentence line (field 2), even in a test;
    // an exercise without a page has no button.
    f.cd.write("DATA/SpDi29.DAT", crlf({"$Diagnos 29", "Yo <tengo> (tener) un perro.#\xa3R25200", "Ella <tiene> (tener) un gato."}));
    f.open("SpDi29.DAT", WorkMode::Test);
    {
        TSkrivinf w(f.app);
        w.show();
        QCOMPARE(w.regelknapp->isVisible(), w.OwnRulePage);
        QVERIFY(w.HelpTexts.isEmpty());
    }
    f.cd.write("DATA/Spa56590.DAT", crlf(translationLines(3, false)));
    f.open("Spa56590.DAT");
    TSkrivinf w(f.app);
    w.show();
    QVERIFY(!w.regelknapp->isVisible());
}

void WriteInTest::worksheetBlanksWhateverTheKind()
{
    WindowFixture f;
    f.cd.write("DATA/Spa52400.DAT", crlf({"$Substantiv", "$Konstruktion med de", "$\xa7Skriv de, del, de la, de los eller de las.",
                                          "La casa <del> profesor.#l\xe4rarens hus"}));
    f.cd.write("DATA/Spa56111.DAT", crlf({"$Regelbundna verb", "$\xa7\xd6vers\xe4tt det gr\xf6na.",
                                          "Jag <talar> spanska.#Yo <hablo> espa\xf1ol.#tala = hablar"}));
    f.open("Spa52400.DAT", WorkMode::Worksheet);
    f.engine.ScaleFactor = 130; // a large scale on a narrow screen
    {
        TSkrivinf w(f.app);
        w.show();
        // Every button of the worksheet rows stays inside the window.
        for (QPushButton* b : w.Worksheet->findChildren<QPushButton*>()) {
            const QRect r(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY2(r.left() >= 0 && r.right() < w.width(), qPrintable(b->text()));
            QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text().remove(u'&')) < b->width(), qPrintable(b->text()));
        }
        QVERIFY(!w.Answer->Edit1->isVisible());
        QVERIFY(!w.Answer->Helpknapp1->isVisible());
        QVERIFY(w.Label14->isVisible()); // the word on screen, for the teacher who picks
        w.sendToPrintList();
    }
    // The help in field 2 of a gap-in-sentence line is no answer sentence: the
    // gap word is blanked on the sheet without answers.
    QCOMPARE(lines(f.utskrift->ListBox1),
             (QStringList{"1.  Substantiv", "      Skriv de, del, de la, de los eller de las", "   1. La casa _____ profesor."}));
    QCOMPARE(lines(f.utskrift->ListBox2),
             (QStringList{"1.  Substantiv", "      Skriv de, del, de la, de los eller de las", "   1. La casa <del> profesor."}));

    f.open("Spa56111.DAT", WorkMode::Worksheet);
    f.engine.ScaleFactor = 100;
    {
        TSkrivinf w(f.app);
        w.show();
        w.sendToPrintList();
    }
    QCOMPARE(lines(f.utskrift->ListBox1).mid(3), (QStringList{"2.  Regelbundna verb", "      Traduce el texto entre < y >!",
                                                          "   2. Jag <talar> spanska.", "       Yo _______ español."}));
    QCOMPARE(lines(f.utskrift->ListBox2).mid(3).last(), QStringLiteral("       Yo <hablo> español."));

    QTemporaryDir dir;
    f.platform.pdfFile = dir.filePath(QStringLiteral("blad.pdf"));
    f.engine.PrintWithAnswers = false;
    QVERIFY(f.utskrift->SkrivutFraga());
    const QString sheet = pdfText(f.platform.pdfFile);
    QVERIFY(sheet.contains(QStringLiteral("profesor")));
    QVERIFY(!sheet.contains(QStringLiteral("del profesor")));
    QVERIFY(!sheet.contains(QStringLiteral("hablo")));
}

void WriteInTest::aTestPausesAndInterruptReports()
{
    WindowFixture f;
    f.cd.write("DATA/SpDi12.DAT", crlf({"$Diagnos 12", "Det \xe4r <min> bok.#Es <mi> libro.", "Det \xe4r <din> bok.#Es <tu> libro.",
                                        "Det \xe4r <v\xe5r> bok.#Es <nuestro> libro."}));
    f.open("SpDi12.DAT", WorkMode::Test);
    f.engine.DiagnosisItem = 12;
    TSkrivinf w(f.app);
    w.show();
    QVERIFY(w.DiagPanel1->isVisible());
    QVERIFY(!w.Answer->lampknapp->isVisible());
    fill(w, 1, w.gapWord(1));
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape); // a pause, not the end of the test
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(f.protocol.results.empty());
    QVERIFY(!w.Button1->isEnabled()); // no correction pass in a test
    QTest::mouseClick(w.Button3, Qt::LeftButton); // "&Interrumpe" reports what the test has
    QCOMPARE(f.protocol.results, std::vector<int>{1});
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

} // namespace

QTEST_MAIN(WriteInTest)
#include "writein_test.moc"
