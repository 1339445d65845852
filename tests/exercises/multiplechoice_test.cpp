// The multiple-choice window, driven by real mouse presses, releases and moves
// on its panels and by real keys: the panels' words and rows, trying a word in
// the gap, judging without regard to case, the wrong answer's display, pausing
// with the right button and Esc, the gender rules, the type by exercise, the
// lines' own rule pages, and the worksheet lines. (The series' rules are tested
// once, in common/series_test.cpp.)

#include "engine/cp1252.h"
#include "exercises/common/choicepanel.h"
#include "exercises/multiplechoice/flerabar.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A data file of sentences with their gaps under the medium's DATA folder.
void sentences(WindowFixture& f, const std::string& name, const std::vector<std::string>& lines)
{
    std::vector<std::string> all = {"$Artiklar", "$Best\xe4md artikel", "$\xa7Klicka p\xe5 r\xe4tt ord."};
    all.insert(all.end(), lines.begin(), lines.end());
    f.cd.write("DATA/" + name, crlf(all));
}

// The mouse over a panel, then a left click on it: press and release.
void click(ChoicePanel* panel, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = panel->rect().center();
    QTest::mouseMove(panel, at);
    QTest::mousePress(panel, button, {}, at);
    QTest::mouseRelease(panel, button, {}, at);
}

// A key pressed and released where the keys go.
void key(QWidget& w, Qt::Key k)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyPress(target, k);
    QTest::keyRelease(target, k);
}

QString gapWord(TFLERBAR& w)
{
    const std::string& s = w.engine().AnswerFields[1];
    return fromCp1252(s.substr(s.find('<') + 1, s.find('>') - s.find('<') - 1));
}

ChoicePanel* panelOf(TFLERBAR& w, const QString& word)
{
    for (int i = 0; i < w.Valpanel->count(); ++i)
        if (w.Valpanel->panels[i]->text().compare(word, Qt::CaseInsensitive) == 0)
            return w.Valpanel->panels[i];
    return nullptr;
}

ChoicePanel* rightPanel(TFLERBAR& w) { return panelOf(w, gapWord(w)); }

ChoicePanel* wrongPanel(TFLERBAR& w)
{
    for (int i = 0; i < w.Valpanel->count(); ++i)
        if (w.Valpanel->panels[i]->text().compare(gapWord(w), Qt::CaseInsensitive) != 0)
            return w.Valpanel->panels[i];
    return nullptr;
}

void waitOut(TFLERBAR& w)
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

// Twelve sentences on el, la, los, las, one of them beginning with its gap.
const std::vector<std::string> articles = {
    "<El> sol brilla.#Solen skiner.", "Veo <la> casa.#x", "Tengo <los> libros.#x", "Abro <las> ventanas.#x",
    "Como <el> pan.#x",               "Leo <la> carta.#x", "Lavo <los> platos.#x", "Busco <las> llaves.#x",
    "Miro <el> mar.#x",               "Toco <la> guitarra.#x", "Pinto <los> muebles.#x", "Riego <las> flores.#x",
};

class MultipleChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void thePanelsHoldEveryGapWordOnce();
    void aSentenceThatBeginsWithItsGapIsJudgedWithoutRegardToCase();
    void theMouseTriesAWordInTheGap();
    void aWrongClickShowsTheWordAndTakesNoSecondClick();
    void aWrongLastAnswerEndsTheSeriesWithoutAnEleventhQuestion();
    void theRightButtonPausesAndNoPanelAnswersWhilePaused();
    void inATestTheRightButtonOnAPanelEndsTheTest();
    void escPausesAndASecondEscCloses();
    void genderRulesAfterAWrongAnswer();
    void typeAndSwedishTextByExercise();
    void practiceFilesNameTheirOwnRulePages();
    void worksheetLinesHaveTheChoicesAndBlanks();
    void nothingStandsUnderTheStarColumnOrTheCounters();
};

void MultipleChoiceTest::thePanelsHoldEveryGapWordOnce()
{
    WindowFixture f;
    // "El" and "el" are one word; "Él" is capitalised by the code page's rules;
    // a word of eleven letters stays whole.
    sentences(f, "Spa51200.DAT", {"<El> sol brilla.", "Veo <el> mar.", "Es <la> casa.", "<\xc9l> canta.",
                                  "Es <\xe9l>.", "Hay <desafortunad> x.", "; un comentario <no>", "$Rubrik <nej>"});
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    QCOMPARE(w.Words, (QStringList{"el", "la", QStringLiteral("él"), "desafortunad"}));
    QCOMPARE(w.Capitals, (QStringList{"El", "La", QStringLiteral("Él"), "Desafortunad"}));
    QCOMPARE(w.Valpanel->count(), 4);
    // Every panel whole, and the area as wide as its row.
    for (int i = 0; i < 4; ++i) {
        ChoicePanel* p = w.Valpanel->panels[i];
        QVERIFY(QFontMetrics(p->font()).horizontalAdvance(p->text()) < p->width());
        QVERIFY(p->geometry().right() < w.Valpanel->width());
    }

    // Thirteen words: the panels hold the first twelve; six make one row, seven two.
    WindowFixture g;
    std::vector<std::string> many;
    for (int k = 1; k <= 13; ++k)
        many.push_back("Palabra <w" + std::to_string(k) + "> aqu\xed.");
    sentences(g, "Spa58100.DAT", many);
    g.open("Spa58100.DAT");
    TFLERBAR twelve(g.app);
    QCOMPARE(twelve.Words.size(), 12);
    QVERIFY(!twelve.Words.contains(QStringLiteral("w13")));
    for (int n : {6, 7}) {
        WindowFixture h;
        sentences(h, "Spa58100.DAT", std::vector<std::string>(many.begin(), many.begin() + n));
        h.open("Spa58100.DAT");
        TFLERBAR w2(h.app);
        w2.show();
        QList<int> tops;
        for (int i = 0; i < w2.Valpanel->count(); ++i)
            tops << w2.Valpanel->panels[i]->y();
        if (n == 6) {
            QCOMPARE(tops, QList<int>(6, tops[0]));
        } else {
            QCOMPARE(tops.mid(0, 4), QList<int>(4, tops[0])); // four on top, three under
            QCOMPARE(tops.mid(4), QList<int>(3, tops[4]));
            QVERIFY(tops[4] > tops[0]);
            QCOMPARE(w2.Valpanel->panels[4]->x(), w2.Valpanel->panels[0]->x());
        }
    }
}

void MultipleChoiceTest::aSentenceThatBeginsWithItsGapIsJudgedWithoutRegardToCase()
{
    WindowFixture f;
    // A lower-case gap at the start of the sentence, and a capital É inside one.
    sentences(f, "Spa51200.DAT", {"<el> sol", "Veo <la> casa.", "\xbfLo ha dicho <\xc9l>?"});
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    for (int i = 0; i < 3; ++i) {
        const std::string sentence = f.engine.AnswerFields[1];
        const bool capitals = sentence[0] == '<' || sentence.find("\xc9l") != std::string::npos;
        QCOMPARE(w.CapitalWords, capitals);
        QCOMPARE(w.Valpanel->panels[0]->text(), capitals ? QStringLiteral("El") : QStringLiteral("el"));
        QCOMPARE(w.Valpanel->panels[2]->text(), capitals ? QStringLiteral("Él") : QStringLiteral("él"));
        ChoicePanel* right = rightPanel(w);
        QVERIFY(right);
        click(right);
        QCOMPARE(f.engine.CorrectCount, i + 1);
    }
}

void MultipleChoiceTest::theMouseTriesAWordInTheGap()
{
    WindowFixture f;
    sentences(f, "Spa51200.DAT", articles);
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Label5->text(), QStringLiteral("?"));
    QCOMPARE(w.Valpanel->highlighted(), -1);
    ChoicePanel* p = w.Valpanel->panels[3];
    QTest::mouseMove(p, p->rect().center());
    QCOMPARE(w.Valpanel->highlighted(), 3);
    QCOMPARE(w.Label5->text(), p->text());
    QCOMPARE(w.Label6->x(), w.Label5->geometry().right() + 1 + 10); // the rest follows the word
    const QImage image = p->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 2, 4), QColor(255, 255, 0));
    QTest::mouseMove(w.Valpanel->panels[0], w.Valpanel->panels[0]->rect().center());
    QCOMPARE(w.Valpanel->highlighted(), 0);
    QCOMPARE(w.Label5->text(), w.Valpanel->panels[0]->text());
    // A press dragged off the panel chooses nothing.
    QTest::mousePress(p, Qt::LeftButton, {}, p->rect().center());
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(f.engine.SeriesPos, 1);
}

void MultipleChoiceTest::aWrongClickShowsTheWordAndTakesNoSecondClick()
{
    WindowFixture f;
    sentences(f, "Spa51200.DAT", articles);
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    const QString gap = gapWord(w);
    ChoicePanel* wrong = wrongPanel(w);
    click(wrong);
    QVERIFY(w.KorrektSvarLabel->isVisible());
    QCOMPARE(w.KorrektSvarLabel->text(), gap);
    QCOMPARE(w.KorrektSvarLabel->pos(), w.Label5->pos());
    QCOMPARE(w.EfterdelLabel->text(), w.Label6->text());
    QVERIFY(!w.Label5->isVisible());
    QVERIFY(!w.Valpanel->isVisible());
    QVERIFY(w.WaitTimer->isActive());
    QVERIFY(w.Aster2->BoxRight(1) == false);
    // A second click is no answer.
    click(rightPanel(w) ? rightPanel(w) : wrong);
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
    QCOMPARE(f.engine.SeriesPos, 2);
    // Space, pressed and released, ends the display at the next tick.
    key(w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(!w.WaitTimer->isActive());
    QVERIFY(w.Valpanel->isVisible());
    QVERIFY(w.Valpanel->isEnabled());
    QVERIFY(!w.KorrektSvarLabel->isVisible());
    QCOMPARE(w.Label5->text(), QStringLiteral("?"));
}

void MultipleChoiceTest::aWrongLastAnswerEndsTheSeriesWithoutAnEleventhQuestion()
{
    WindowFixture f;
    sentences(f, "Spa51200.DAT", articles);
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    for (int i = 1; i <= 9; ++i)
        click(rightPanel(w));
    const std::string tenth = f.engine.AnswerFields[1];
    const QString shownBefore = w.Label4->text() + w.Label6->text();
    click(wrongPanel(w));
    QVERIFY(!w.Panel1->isVisible()); // the right word shows first
    waitOut(w);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.KorrektSvarLabel->isVisible()); // no eleventh question
    QCOMPARE(w.Label4->text() + w.EfterdelLabel->text(), shownBefore);
    QCOMPARE(f.engine.SeriesPos, 11);
    QCOMPARE(f.engine.CorrectCount, 9);
    QVERIFY(!w.Valpanel->isVisible());
    QVERIFY(w.LovordPanel->isVisible()); // nine of ten earns praise
    QVERIFY(w.Button1->isEnabled());      // the wrong one can be practised again
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.AnswerFields[1], tenth);
    QVERIFY(f.engine.CorrectionPass);
    click(rightPanel(w));
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Button1->isEnabled());
}

void MultipleChoiceTest::theRightButtonPausesAndNoPanelAnswersWhilePaused()
{
    WindowFixture f;
    sentences(f, "Spa51200.DAT", articles);
    f.open("Spa51200.DAT");
    TFLERBAR w(f.app);
    w.show();
    click(rightPanel(w));
    const std::string asked = f.engine.AnswerFields[1];
    // On a panel: the pause, not an answer.
    QTest::mousePress(w.Valpanel->panels[0], Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w.Valpanel->panels[0], Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(f.engine.SeriesPos, 2);
    QVERIFY(!w.Valpanel->isEnabled());
    // No panel takes an answer while the series is paused.
    QTest::mousePress(rightPanel(w), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(rightPanel(w), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.engine.SeriesPos, 2);
    QTest::mouseClick(w.Button2, Qt::LeftButton); // "&Continúa": the same question, the count kept
    QCOMPARE(f.engine.AnswerFields[1], asked);
    QCOMPARE(f.engine.CorrectCount, 1);
    QVERIFY(w.Valpanel->isEnabled());
    // Beside the panels: a pause too.
    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(w.width() / 2, w.height() / 2));
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Valpanel->isEnabled());
}

void MultipleChoiceTest::inATestTheRightButtonOnAPanelEndsTheTest()
{
    std::vector<std::string> many;
    for (int k = 0; k < 24; ++k)
        many.push_back(articles[std::size_t(k % 12)].substr(0, articles[std::size_t(k % 12)].find('#'))
                       + " " + std::to_string(k));
    {
        WindowFixture f;
        sentences(f, "SpDi09.DAT", many);
        f.open("SpDi09.DAT", WorkMode::Test);
        TFLERBAR w(f.app);
        w.show();
        QCOMPARE(w.DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
        click(rightPanel(w));
        click(wrongPanel(w));
        waitOut(w);
        click(rightPanel(w));
        // Beside the panels the test only pauses, and offers no correction pass.
        QTest::mousePress(&w, Qt::RightButton, {}, QPoint(w.width() / 2, w.height() - 200));
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.Button1->isEnabled());
        QVERIFY(f.protocol.results.empty());
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        // On a panel it ends the test with the right answers so far.
        QTest::mousePress(w.Valpanel->panels[1], Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(f.protocol.results, std::vector<int>{2});
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
}

void MultipleChoiceTest::escPausesAndASecondEscCloses()
{
    for (WorkMode mode : {WorkMode::Practice, WorkMode::Test}) {
        WindowFixture f;
        sentences(f, mode == WorkMode::Test ? "SpDi09.DAT" : "Spa51200.DAT", articles);
        f.open(mode == WorkMode::Test ? "SpDi09.DAT" : "Spa51200.DAT", mode);
        TFLERBAR w(f.app);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        click(rightPanel(w));
        // A release without its press (an Esc that closed a message box) does nothing.
        QTest::keyRelease(&w, Qt::Key_Escape);
        QVERIFY(!w.Panel1->isVisible());
        // The press alone does nothing yet; its release pauses.
        QTest::keyPress(&w, Qt::Key_Escape);
        QVERIFY(!w.Panel1->isVisible());
        QTest::keyRelease(&w, Qt::Key_Escape);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(f.protocol.results.empty()); // a test is paused, not ended
        key(w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        // In a test the second Esc acts as "&Interrumpe": the right answers so far are reported.
        QCOMPARE(f.protocol.results, mode == WorkMode::Test ? std::vector<int>{1} : std::vector<int>{});
    }
}

void MultipleChoiceTest::genderRulesAfterAWrongAnswer()
{
    WindowFixture f;
    sentences(f, "Spa51100.DAT", {"<La> ciudad es grande.#Staden \xe4r stor.#4", "Veo <el> mapa.#Jag ser kartan.#1",
                                  "Me gusta <la> casa.#Jag tycker om huset."});
    f.open("Spa51100.DAT");
    TFLERBAR w(f.app);
    w.show();
    for (int i = 0; i < 3; ++i) {
        const std::string rule = f.engine.AnswerFields[3];
        click(wrongPanel(w));
        if (rule == "4")
            QCOMPARE(w.Label9->text(), QStringLiteral("De flesta ord på -d, -ión och -ez är feminina."));
        else if (rule == "1")
            QCOMPARE(w.Label9->text(), QStringLiteral("Undantag från regeln."));
        QCOMPARE(w.Label9->isVisible(), !rule.empty());
        if (!rule.empty())
            QCOMPARE(w.Label9->pos(), w.Valpanel->pos());
        key(w, Qt::Key_Space);
        waitOut(w);
    }
}

void MultipleChoiceTest::typeAndSwedishTextByExercise()
{
    WindowFixture f;
    const std::vector<std::string> lines = {"Es <muy> alto.#Han \xe4r mycket l\xe5ng.", "Como <mucho>.#Jag \xe4ter mycket."};
    sentences(f, "Spa53200.DAT", lines);
    sentences(f, "Spa55520.DAT", lines);
    sentences(f, "Spa53300.DAT", lines);
    for (const char* name : {"Spa53200.DAT", "Spa55520.DAT", "Spa53300.DAT"}) {
        f.open(name);
        TFLERBAR w(f.app);
        w.show();
        const bool small = std::string(name) == "Spa55520.DAT";
        QCOMPARE(w.Label4->font().pixelSize(), small ? 22 : 28);
        QCOMPARE(w.KorrektSvarLabel->font().pixelSize(), small ? 22 : 28);
        // 53200 and 55520 show field 2 under the panels; 53300 does not.
        const bool shown = std::string(name) != "Spa53300.DAT";
        QCOMPARE(w.Label10->isVisible(), shown);
        if (shown) {
            QCOMPARE(w.Label10->text(), fromCp1252(f.engine.AnswerFields[2]));
            QVERIFY(w.Label10->y() > w.Valpanel->geometry().bottom());
        }
    }
}

void MultipleChoiceTest::practiceFilesNameTheirOwnRulePages()
{
    WindowFixture f;
    std::vector<std::string> lines;
    for (int k = 0; k < 22; ++k)
        lines.push_back("Veo <" + std::string(k % 2 ? "el" : "la") + "> cosa " + std::to_string(k) + ".#Jag ser.#\xa3R21000");
    sentences(f, "SpOvn109.DAT", lines);
    f.cd.write("regler/R21000.htm", "<p>Best\xc3\xa4md artikel: el, la, los, las</p>");
    f.cd.write("regler/R24700.htm", "<p>Mycket</p>");
    f.engine.DiagnosisItem = 9;
    f.open("SpOvn109.DAT", WorkMode::DiagnosisPractice);
    TFLERBAR w(f.app);
    w.show();
    QVERIFY(w.regelknapp->isVisible());
    QTest::mouseClick(w.regelknapp, Qt::LeftButton);
    QCOMPARE(w.RulePageName, QStringLiteral("R21000.htm"));
    QVERIFY(f.platform.messages.empty());
    QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
    QCOMPARE(w.ClosePanel2Knapp->text(), QStringLiteral("Cierra"));
    // The rules button stands above the button panel, clear of the panels.
    QVERIFY(w.regelknapp->geometry().bottom() < w.Panel1->y());
    QVERIFY(w.regelknapp->y() > w.Valpanel->geometry().bottom());
}

void MultipleChoiceTest::worksheetLinesHaveTheChoicesAndBlanks()
{
    WindowFixture f;
    sentences(f, "Spa51200.DAT", {"Veo <la> casa.#x", "<Los> perros ladran.#x", "Como <el> pan.#x", "Abro <las> ventanas.#x"});
    f.open("Spa51200.DAT", WorkMode::Worksheet);
    TFLERBAR w(f.app);
    w.show();
    QCOMPARE(w.ChoicesLine, QStringLiteral("La, los, el eller las ?"));
    QVERIFY(!w.Valpanel->isEnabled());
    QVERIFY(w.InstruktionsLabel->text().isEmpty());
    const QString sentence = fromCp1252(f.engine.AnswerFields[1]);
    w.sendToPrintList();
    const QString blank = QString(u'_').repeated(2 * 3); // "__" for each letter of "los", "las"
    const QString withBlank = QString(sentence).replace(QRegularExpression(u"<[^>]*>"_qs), blank);
    QCOMPARE(lines(f.utskrift->ListBox1),
             (QStringList{"1.  Artiklar Bestämd artikel", "      La, los, el eller las ?", "   1. " + withBlank}));
    QCOMPARE(lines(f.utskrift->ListBox2),
             (QStringList{"1.  Artiklar Bestämd artikel", "      La, los, el eller las ?", "   1. " + sentence}));
}

void MultipleChoiceTest::nothingStandsUnderTheStarColumnOrTheCounters()
{
    // Twelve long words and a long sentence, at both screen sizes, in practice
    // (beside the star column) and in a test (beside the counters).
    std::vector<std::string> lines;
    const char* words[] = {"cu\xe1ntos", "cu\xe1ntas", "qui\xe9nes", "cu\xe1ndo", "d\xf3nde", "c\xf3mo",
                           "por qu\xe9", "cu\xe1les", "cu\xe1nto", "cu\xe1nta", "qui\xe9n", "qu\xe9"};
    for (int k = 0; k < 24; ++k)
        lines.push_back("\xbfY t\xfa sabes muy bien <" + std::string(words[k % 12])
                        + "> personas viven en la casa grande que est\xe1 al lado del r\xedo " + std::to_string(k) + "?");
    for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        for (WorkMode mode : {WorkMode::Practice, WorkMode::Test}) {
            WindowFixture f;
            f.platform.screen = screen;
            f.engine.ScaleFactor = uint16_t(screen.width() > 1500 ? 160 : 100);
            const std::string name = mode == WorkMode::Test ? "SpDi28.DAT" : "Spa55610.DAT";
            f.cd.write("DATA/" + name, crlf([&] {
                std::vector<std::string> all = {"$Pronomen", "$Interrogativa pronomen",
                                                "$\xa7V\xe4lj det fr\xe5geord som passar i meningen och klicka p\xe5 det med musen."};
                all.insert(all.end(), lines.begin(), lines.end());
                return all;
            }()));
            f.open(name, mode);
            TFLERBAR w(f.app);
            w.show();
            const int right = mode == WorkMode::Test ? w.DiagPanel1->x() : w.Aster2->x();
            const QString what = QStringLiteral("%1x%2 mode %3").arg(screen.width()).arg(screen.height()).arg(int(mode));
            QVERIFY2(w.Valpanel->geometry().right() < right, qPrintable(what));
            for (QLabel* l : {w.Label4, w.Label5, w.Label6, w.Label8})
                QVERIFY2(l->isHidden() || l->geometry().right() < right, qPrintable(what + u' ' + l->text()));
            if (screen.width() == 1024)
                QVERIFY2(w.Label8->isVisible(), qPrintable(what)); // the sentence takes two lines
            if (mode == WorkMode::Test)
                QVERIFY2(!w.InstruktionsLabel->geometry().intersects(w.DiagPanel2->geometry()), qPrintable(what));
            QVERIFY2(w.Valpanel->geometry().bottom() < w.regelknapp->y() || !w.regelknapp->isVisible(), qPrintable(what));
        }
    }
}

} // namespace

QTEST_MAIN(MultipleChoiceTest)
#include "multiplechoice_test.moc"
