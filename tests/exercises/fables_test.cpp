// The reading comprehension window, driven by real keys and clicks: the fable's
// text tidied and toggled with the questions, series of up to ten questions,
// two or three answers by key or click, the wrong answer marked, the final
// wait, the text button back at a new series, pausing only while asking, and a
// missing text file stopping the window before it shows.

#include "contentmap/fables.h"
#include "engine/cp1252.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/registry.h"
#include "exercises/fables/insetxt.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A fable: its text, and n questions "frågaK#rättK#felK[#annatK]" (two
// answers from question `twoFrom` on).
void fable(WindowFixture& f, int n, int twoFrom = 1000)
{
    f.cd.write("DATA/Spa45100.LAS", crlf({"$K\xe4lla: egen text.", "La zorra", "Una zorra ve", "unas uvas.", "Fin."}));
    std::vector<std::string> lines = {"$L\xe4s och f\xf6rst\xe5", "$Fabel 1"};
    for (int k = 1; k <= n; ++k)
        lines.push_back("pregunta" + std::to_string(k) + "#bien" + std::to_string(k) + "#mal" + std::to_string(k)
                        + (k >= twoFrom ? std::string() : "#otro" + std::to_string(k)));
    f.cd.write("DATA/Spa45100.DAT", crlf(lines));
}

int rowOfRight(const TInseTxt& w) { return w.RightRow; }
int rowOfWrong(const TInseTxt& w) { return w.RightRow % w.AlternativeCount + 1; }

QColor rowColour(const TInseTxt& w, int row)
{
    return w.AlternativPanel[std::size_t(row - 1)]->palette().color(QPalette::Window);
}

class FablesTest : public QObject {
    Q_OBJECT
private slots:
    void textIsTidied();
    void textAndQuestionsToggle();
    void seriesLengths();
    void answersByKeyAndClick();
    void twoAnswersIgnoreKeyThree();
    void finalWaitEndsWithSpaceAndTextComesBack();
    void pauseOnlyWhileAsking();
    void missingTextStopsTheWindowBeforeItShows();
};

void FablesTest::textIsTidied()
{
    using V = std::vector<std::string>;
    QCOMPARE(fables::textFileName("Spa45100.DAT"), std::string("Spa45100.LAS"));
    QCOMPARE(fables::textFileName("Fabelfilen.DAT"), std::string("Fabelfile.LAS"));
    // The title stays; short pieces of a sentence join the next line; "$" lines go.
    QCOMPARE(fables::tidyText(V{"Corto", "Una zorra ve", "unas uvas.", "$nota", "Fin."}),
             (V{"Corto", "Una zorra ve unas uvas.", "Fin."}));
    // A first "-" line goes, and then the first line is joined like any other.
    QCOMPARE(fables::tidyText(V{"-1-", "Una zorra", "ve unas uvas."}), (V{"Una zorra ve unas uvas."}));
    // Sentence ends (also behind a closing mark), blank lines and the last line stay.
    QCOMPARE(fables::tidyText(V{"T\xedtulo", "\xbfQu\xe9?", "\xabVale.\xbb", "Hola", "", "Adi\xf3s", "y nada"}),
             (V{"T\xedtulo", "\xbfQu\xe9?", "\xabVale.\xbb", "Hola", "", "Adi\xf3s y nada"}));
    // Two short pieces in a row make one line with the third.
    QCOMPARE(fables::tidyText(V{"T", "Uno", "dos", "y tres."}), (V{"T", "Uno dos y tres."}));
    QVERIFY(fables::tidyText(V{}).empty());
    QCOMPARE(fables::tidyText(V{"-"}), V{});

    auto fields = [](V f) {
        f.insert(f.begin(), std::string());
        return f;
    };
    QVERIFY(fables::lineProblems(fields({"\xbfQu\xe9?", "s\xed", "no"}), 45100).empty());
    QCOMPARE(fables::lineProblems(fields({"\xbfQu\xe9?", "s\xed"}), 45100).size(), std::size_t(1));
    QCOMPARE(fables::lineProblems(fields({"\xbfQu\xe9?", "s\xed", "s\xed"}), 45100).size(), std::size_t(1));
    QCOMPARE(fables::exerciseFiles(45300), V{"\\DATA\\Spa45300.LAS"});
}

void FablesTest::textAndQuestionsToggle()
{
    WindowFixture f;
    fable(f, 12);
    f.open("Spa45100.DAT");
    TInseTxt w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The text first, tidied, the stars away, the heading inviting to read.
    QVERIFY(w.TextPanel1->isVisible() && !w.Aster2->isVisible());
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("La zorra\nUna zorra ve unas uvas.\nFin."));
    QCOMPARE(w.SeTextButton->text(), QStringLiteral("A las &preguntas"));
    QCOMPARE(w.Heading->Overs1Label->text(), QStringLiteral("Lée el texto."));
    QCOMPARE(w.Heading->Overs2Label->text(), QStringLiteral("Contesta luego a las preguntas."));
    // Behind the text no digit answers.
    QTest::keyClick(&w, Qt::Key_1);
    QCOMPARE(f.engine.SeriesPos, 1);
    QTest::mouseClick(w.SeTextButton, Qt::LeftButton);
    QVERIFY(!w.TextPanel1->isVisible() && w.Aster2->isVisible());
    QCOMPARE(w.SeTextButton->text(), QStringLiteral("&Lée el texto"));
    QCOMPARE(w.Heading->Overs1Label->text(), QStringLiteral("Contesta a las preguntas"));
    QCOMPARE(w.InstruktionsLabel->text(), QStringLiteral("Presiona con el ratón o presiona una cifra."));
    QCOMPARE(w.FrageLabel2->text(), QStringLiteral("pregunta%1").arg(f.engine.QuestionNo));
    QVERIFY(!w.Button1->isVisible());
    QTest::mouseClick(w.SeTextButton, Qt::LeftButton);
    QVERIFY(w.TextPanel1->isVisible() && !w.Aster2->isVisible());
}

void FablesTest::seriesLengths()
{
    for (auto [questions, series] : {std::pair{7, 7}, std::pair{25, 10}}) {
        WindowFixture f;
        fable(f, questions);
        f.open("Spa45100.DAT");
        TInseTxt w(f.app);
        w.show();
        w.SeTextButtonClick();
        QCOMPARE(f.engine.QuestionTotal, series);
        QCOMPARE(w.Aster2->MaxAntalRutor(), series);
        for (int i = 0; i < series; ++i)
            QTest::keyClick(&w, char('0' + rowOfRight(w)));
        QVERIFY(w.Panel1->isVisible());
        QCOMPARE(f.engine.CorrectCount, series);
    }
}

void FablesTest::answersByKeyAndClick()
{
    WindowFixture f;
    fable(f, 12);
    f.open("Spa45100.DAT");
    TInseTxt w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.SeTextButton, Qt::LeftButton);
    // Three answers in a new order each question, the right one among them.
    QCOMPARE(w.AlternativeCount, 3);
    QCOMPARE(w.AltLabel[std::size_t(rowOfRight(w) - 1)]->text(), QStringLiteral("bien%1").arg(f.engine.QuestionNo));
    // The mouse over a row colours it.
    w.hoverRow(2);
    QCOMPARE(rowColour(w, 2), QColor(0, 255, 255));
    QCOMPARE(rowColour(w, 1), w.palette().color(QPalette::Button));
    // Right by a click on the number, right by a click on the answer's text.
    QTest::mouseClick(w.NrPanel[std::size_t(rowOfRight(w) - 1)], Qt::LeftButton);
    QTest::mouseClick(w.AltLabel[std::size_t(rowOfRight(w) - 1)], Qt::LeftButton);
    QCOMPARE(f.engine.CorrectCount, 2);
    // Wrong by key: the right row aqua, the right answer shown, nothing more taken.
    const int right = rowOfRight(w);
    const QString answer = QStringLiteral("bien%1").arg(f.engine.QuestionNo);
    QTest::keyClick(&w, char('0' + rowOfWrong(w)));
    QCOMPARE(f.engine.WrongCount, 1);
    QVERIFY(w.RattSvarLabel->isVisible());
    QCOMPARE(w.RattSvarLabel->text(), answer);
    QCOMPARE(rowColour(w, right), QColor(0, 255, 255));
    w.hoverRow(right % 3 + 1);
    QCOMPARE(rowColour(w, right), QColor(0, 255, 255));
    QTest::keyClick(&w, char('0' + right));
    QTest::mouseClick(w.AlternativPanel[std::size_t(right - 1)], Qt::LeftButton);
    QCOMPARE(f.engine.CorrectCount + f.engine.WrongCount, 3);
    QCOMPARE(w.Aster2->BoxRight(3), false);
    for (int i = 0; i < f.engine.AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
    QVERIFY(!w.RattSvarLabel->isVisible());
    QCOMPARE(f.engine.SeriesPos, 4);
}

void FablesTest::twoAnswersIgnoreKeyThree()
{
    WindowFixture f;
    fable(f, 10, 1);
    f.open("Spa45100.DAT");
    TInseTxt w(f.app);
    w.show();
    w.SeTextButtonClick();
    QCOMPARE(w.AlternativeCount, 2);
    QVERIFY(!w.AlternativPanel[2]->isVisibleTo(&w) && !w.NrPanel[2]->isVisibleTo(&w));
    QTest::keyClick(&w, Qt::Key_3);
    QCOMPARE(f.engine.SeriesPos, 1);
    QCOMPARE(f.engine.WrongCount, 0);
    QTest::keyClick(&w, char('0' + rowOfRight(w)));
    QCOMPARE(f.engine.CorrectCount, 1);
}

void FablesTest::finalWaitEndsWithSpaceAndTextComesBack()
{
    WindowFixture f;
    fable(f, 7);
    f.open("Spa45100.DAT");
    TInseTxt w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SeTextButtonClick();
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&w, char('0' + rowOfRight(w)));
    QTest::keyClick(&w, char('0' + rowOfWrong(w)));
    // The last answer wrong: the right one shows for the wait, Space ends it.
    QVERIFY(!w.Panel1->isVisible() && w.WaitTimer->isActive());
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.FrageLabel2->text().isEmpty());
    QVERIFY(w.LovordPanel->isVisible()); // six of seven right
    QVERIFY(!w.SeTextButton->isEnabled());
    // A new series: the fable may be read again.
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(w.SeTextButton->isEnabled() && !w.LovordPanel->isVisible());
    QTest::mouseClick(w.SeTextButton, Qt::LeftButton);
    QVERIFY(w.TextPanel1->isVisible());
}

void FablesTest::pauseOnlyWhileAsking()
{
    WindowFixture f;
    fable(f, 12);
    f.open("Spa45100.DAT");
    TInseTxt w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SeTextButtonClick();
    // Esc while the wrong answer shows does not re-open the answered question.
    QTest::keyClick(&w, char('0' + rowOfWrong(w)));
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::mouseClick(w.NrPanel[0], Qt::RightButton);
    QVERIFY(!w.Panel1->isVisible());
    QTest::keyClick(&w, char('0' + rowOfRight(w)));
    QCOMPARE(f.engine.CorrectCount + f.engine.WrongCount, 1);
    for (int i = 0; i < f.engine.AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
    // While asking a right click pauses; the digits wait; "&Continúa" asks the same question.
    const int question = f.engine.QuestionNo;
    QTest::mouseClick(w.NrPanel[0], Qt::RightButton);
    QVERIFY(w.Panel1->isVisible());
    QTest::keyClick(&w, char('0' + rowOfRight(w)));
    QCOMPARE(f.engine.CorrectCount, 0);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.Panel1->isVisible());
    QCOMPARE(int(f.engine.QuestionNo), question);
    QTest::keyClick(&w, char('0' + rowOfRight(w)));
    QCOMPARE(f.engine.CorrectCount, 1);
}

void FablesTest::missingTextStopsTheWindowBeforeItShows()
{
    WindowFixture f;
    fable(f, 10);
    std::filesystem::remove(f.cd.path() / "DATA" / "Spa45100.LAS");
    f.open("Spa45100.DAT");
    QVERIFY(!exerciseWindows().at("TInseTxt")(f.app));
    QVERIFY(f.platform.openedWindows.isEmpty());
    QCOMPARE(f.platform.texts().size(), 1);
    QVERIFY(f.platform.texts().front().startsWith(QStringLiteral("Filen ")));
    QVERIFY(f.platform.texts().front().contains(QStringLiteral("Spa45100.LAS finns inte eller är felaktig")));
    // With the text under the hard disk's installation the window opens.
    f.pc.write("DATA/Spa45100.LAS", crlf({"La zorra", "Fin."}));
    QVERIFY(!exerciseWindows().at("TInseTxt")(f.app)); // closed by the test platform with 0
    QCOMPARE(f.platform.openedWindows, QStringList{QStringLiteral("TInseTxt")});
}

} // namespace

QTEST_MAIN(FablesTest)
#include "fables_test.moc"
