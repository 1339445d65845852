// The sentence-analysis window, driven by real mouse presses, moves and
// releases on its parts and boxes: the boxes in the codes' table order, a wrong
// drop that makes a finished sentence wrong, two parts of one code, a placed
// part that stays placed, lines that give nothing to drag, the flow of the
// sentence over its lines, pausing, and the worksheet lines.

#include "engine/cp1252.h"
#include "exercises/common/textanswer.h"
#include "exercises/sentences/satsu.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

void dataFile(WindowFixture& f, const std::string& name, const std::vector<std::string>& lines,
              const std::string& note = {})
{
    std::vector<std::string> all = {"$Satsl\xf6sning", "$Satsdelar"};
    if (!note.empty())
        all.push_back("$%" + note);
    all.insert(all.end(), lines.begin(), lines.end());
    f.cd.write("DATA/" + name, crlf(all));
}

// Sentences of one shape: a subject and a predicate, each a different word.
std::vector<std::string> subjectsAndPredicates(int n)
{
    std::vector<std::string> lines;
    for (int k = 1; k <= n; ++k)
        lines.push_back("<Sujeto" + std::to_string(k) + "> <verbo" + std::to_string(k) + "> en casa.#S#P");
    return lines;
}

QPoint centre(const QWidget* w) { return w->geometry().center(); }

// A whole drag with the mouse: press on the part, move halfway, move onto the
// target, release there.
void drag(TSats& w, int part, QPoint target)
{
    const QPoint from = centre(w.Men[std::size_t(part)]);
    QTest::mousePress(&w, Qt::LeftButton, {}, from);
    QTest::mouseMove(&w, (from + target) / 2);
    QTest::mouseMove(&w, target);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, target);
}

void dragToBox(TSats& w, int part, int box) { drag(w, part, centre(w.Memo[std::size_t(box)])); }

// The free box of the part's own category, or a box of another one.
int boxFor(TSats& w, int part, bool right)
{
    const int category = [&] {
        const std::string code = w.engine().AnswerFields[part + 2];
        return code == "S" ? 5 : code == "P" ? 3 : code == "AO" ? 1 : code == "DO" ? 2 : code == "PF" ? 4 : 0;
    }();
    for (int l = 0; l < w.boxCount(); ++l)
        if ((w.boxCategory(l) == category) == right && !w.boxFilled(l))
            return l;
    return -1;
}

void solve(TSats& w, bool withAWrongDrop)
{
    if (withAWrongDrop)
        dragToBox(w, 0, boxFor(w, 0, false));
    const int parts = w.partCount();
    for (int k = 0; k < parts; ++k)
        if (boxFor(w, k, true) >= 0)
            dragToBox(w, k, boxFor(w, k, true));
}

QString caption(const QFrame* box, int line)
{
    const auto* l = box->findChild<QLabel*>(QStringLiteral("caption%1").arg(line));
    return l && l->isVisible() ? l->text() : QString();
}

QStringList lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QColor panelColour(const QWidget* w) { return w->palette().color(QPalette::Window); }

class SentencesTest : public QObject {
    Q_OBJECT
private slots:
    void boxesFollowTheTableOrderOfTheCodes();
    void aWrongDropMakesTheSentenceWrongAndTheNextComesAtOnce();
    void twoPartsOfOneCodeFillEitherBox();
    void aPlacedPartStaysPlaced();
    void aDragFollowsThePointerAndGoesBackWhenLetGoElsewhere();
    void linesWithoutBoxesArePassedOverUncounted();
    void theSentenceFlowsOverItsLines();
    void everythingFitsAtBothScreenSizes();
    void worksheetLinesPerPart();
};

void SentencesTest::boxesFollowTheTableOrderOfTheCodes()
{
    WindowFixture f;
    dataFile(f, "Spa59100.DAT", {"<Mi hermano> <trabaja> <en Madrid>.#S#P#-"});
    f.open("Spa59100.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.partCount(), 3);
    QCOMPARE(w.partText(2), QStringLiteral("en Madrid"));
    // "S", "P" and a part without a box: "Predikat" (index 3) before "Subjekt" (index 5).
    QCOMPARE(w.boxCount(), 2);
    QCOMPARE(caption(w.Memo[0], 1), QStringLiteral("Predikat"));
    QCOMPARE(caption(w.Memo[1], 1), QStringLiteral("Subjekt"));
    QVERIFY(w.Memo[0]->isVisible() && w.Memo[1]->isVisible() && !w.Memo[2]->isVisible());
    QCOMPARE(w.Label3->text(), QStringLiteral("För musen över meningen."));
    QVERIFY(w.regelknapp->isVisible());

    // The part without a box fits none of them; the two coded parts finish the sentence.
    dragToBox(w, 2, 0);
    QVERIFY(w.FelPanel->isVisible());
    QCOMPARE(w.Shape1->colour(), QColor(255, 0, 0));
    QVERIFY(!w.firstTry());
    dragToBox(w, 0, 1);
    QVERIFY(!w.FelPanel->isVisible()); // a new press puts the wrong drop behind
    QVERIFY(w.partPlaced(0));
    dragToBox(w, 1, 0);
    QCOMPARE(f.engine.WrongCount, 1);
    // After a wrong last sentence comes the final wait, then the panel.
    QVERIFY(w.WaitTimer->isActive());
    for (int i = 0; i <= f.engine.AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(w.Button1->text(), QStringLiteral("&Rätta felen"));
    QCOMPARE(w.Button2->text(), QStringLiteral("&Fortsätt"));
    QCOMPARE(w.Button3->text(), QStringLiteral("&Avbryt"));
    QCOMPARE(w.BitBtn1->text(), QStringLiteral("&Inställningar"));
    QVERIFY(w.Button1->isEnabled());

    // Other codes, letter case aside, and their two-line captions.
    QCOMPARE(TSats::rules().captions(59300).next, "&Fortsätt");
    WindowFixture g;
    dataFile(g, "Spa59300.DAT", {"<Juan> es <m\xe9" "dico> y <le> da <un libro>.#s#pf#do#ao"});
    g.open("Spa59300.DAT");
    TSats v(g.app);
    v.show();
    QCOMPARE(v.boxCount(), 4);
    QCOMPARE(caption(v.Memo[0], 1) + caption(v.Memo[0], 2), QStringLiteral("Ackusativ-objekt"));
    QCOMPARE(caption(v.Memo[1], 1) + caption(v.Memo[1], 2), QStringLiteral("Dativ-objekt"));
    QCOMPARE(caption(v.Memo[2], 1) + caption(v.Memo[2], 2), QStringLiteral("Predikats-fyllnad"));
    QCOMPARE(caption(v.Memo[3], 1), QStringLiteral("Subjekt"));
}

void SentencesTest::aWrongDropMakesTheSentenceWrongAndTheNextComesAtOnce()
{
    WindowFixture f;
    dataFile(f, "Spa59100.DAT", subjectsAndPredicates(14));
    f.open("Spa59100.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint home = w.Men[0]->pos();
    dragToBox(w, 0, boxFor(w, 0, false));
    QVERIFY(w.FelPanel->isVisible());
    QCOMPARE(w.Shape1->colour(), QColor(255, 0, 0));
    QCOMPARE(w.Men[0]->pos(), home); // back in its place
    QCOMPARE(w.placedCount(), 0);
    const std::string first = f.engine.AnswerFields[1];
    solve(w, false);
    // Counted wrong although every part reached its box; the next sentence is there at once.
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
    QVERIFY(!w.Aster2->BoxRight(1));
    QVERIFY(f.engine.AnswerFields[1] != first);
    QVERIFY(!w.WaitTimer->isActive());
    QVERIFY(w.series().asking());
    QCOMPARE(w.placedCount(), 0);
    QVERIFY(!w.FelPanel->isVisible());
    QCOMPARE(w.Shape1->colour(), QColor(0, 255, 0));
    for (int i = 2; i <= 10; ++i)
        solve(w, false);
    QCOMPARE(f.engine.CorrectCount, 9);
    QVERIFY(w.Aster2->BoxRight(10));
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Men[0]->isVisible()); // the sentence makes room for the praise
    QVERIFY(w.LovordPanel->isVisible());
    QVERIFY(w.Button1->isEnabled());

    // The correction pass asks the wrong sentence again.
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.AnswerFields[1], first);
    solve(w, false);
    QCOMPARE(f.engine.CorrectCount, 1);
}

void SentencesTest::twoPartsOfOneCodeFillEitherBox()
{
    WindowFixture f;
    dataFile(f, "Spa59300.DAT", {"<Le> doy <un libro> <a Mar\xed" "a>.#DO#AO#DO"});
    f.open("Spa59300.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.boxCount(), 3);
    QCOMPARE(w.boxCategory(0), 1); // AO
    QCOMPARE(w.boxCategory(1), 2); // DO, the box of "Le" as the parts come
    QCOMPARE(w.boxCategory(2), 2); // DO, the box of "a María"
    // "a María" on the first dative box is right, and so is "Le" on the second.
    dragToBox(w, 2, 1);
    QVERIFY(w.partPlaced(2));
    QVERIFY(!w.FelPanel->isVisible());
    // On the filled box a dative part goes back, without counting as a wrong drop.
    dragToBox(w, 0, 1);
    QVERIFY(!w.partPlaced(0));
    QVERIFY(w.firstTry());
    QVERIFY(!w.FelPanel->isVisible());
    dragToBox(w, 0, 2);
    dragToBox(w, 1, 0);
    QCOMPARE(f.engine.CorrectCount, 1);
    QCOMPARE(f.engine.WrongCount, 0);
}

void SentencesTest::aPlacedPartStaysPlaced()
{
    WindowFixture f;
    dataFile(f, "Spa59100.DAT", {"<Mi hermano> <trabaja> en Madrid.#S#P"});
    f.open("Spa59100.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    dragToBox(w, 0, 1);
    QVERIFY(w.partPlaced(0));
    QCOMPARE(w.Memo[1]->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(w.Men[0]->geometry().bottom() < w.Memo[1]->y()); // above its box
    QVERIFY(w.MenCopy[0]->isVisible());                     // and still in the sentence
    // Pressed and dragged onto its box again, it is not picked up, and the
    // sentence is not finished with a part left over.
    const QPoint placed = centre(w.Men[0]);
    QCOMPARE(w.partAt(placed), -1);
    QVERIFY(!w.startDrag(0, placed));
    drag(w, 0, centre(w.Memo[1]));
    QCOMPARE(w.placedCount(), 1);
    QCOMPARE(w.draggedPart(), -1);
    QVERIFY(w.series().asking());
    QCOMPARE(f.engine.CorrectCount + f.engine.WrongCount, 0);
}

void SentencesTest::aDragFollowsThePointerAndGoesBackWhenLetGoElsewhere()
{
    WindowFixture f;
    dataFile(f, "Spa59100.DAT", subjectsAndPredicates(12));
    f.open("Spa59100.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel* part = w.Men[0];
    const QPoint home = part->pos();
    const QPoint from = centre(part);
    QTest::mousePress(&w, Qt::LeftButton, {}, from);
    QCOMPARE(w.draggedPart(), 0);
    QCOMPARE(w.Label3->text(), QStringLiteral("Håll knappen nedtryckt och dra musen till satsdelsruta!"));
    QVERIFY(w.MenCopy[0]->isVisible()); // the sentence keeps its text while the part travels
    const QPoint pointer = from + QPoint(40, 60);
    QTest::mouseMove(&w, pointer);
    QCOMPARE(part->x(), home.x() + 40); // held where it was taken
    QVERIFY(part->geometry().bottom() < pointer.y()); // and just above the pointer
    QVERIFY(part->geometry().bottom() > pointer.y() - 20);
    const int box = boxFor(w, 0, true);
    QTest::mouseMove(&w, centre(w.Memo[std::size_t(box)]));
    QCOMPARE(panelColour(w.Memo[std::size_t(box)]), QColor(0, 255, 0)); // the target lights up
    QCOMPARE(w.Label3->text(), QStringLiteral("Här kan du släppa upp knappen."));
    // Off the box again and let go on the background: the part goes home.
    const QPoint background(w.width() / 2, w.Memo[0]->y() - 10);
    QTest::mouseMove(&w, background);
    QCOMPARE(panelColour(w.Memo[std::size_t(box)]), QColor(255, 255, 0));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, background);
    QCOMPARE(part->pos(), home);
    QCOMPARE(w.draggedPart(), -1);
    QVERIFY(!w.MenCopy[0]->isVisible());
    QCOMPARE(w.Label3->text(), QStringLiteral("Styr musen till meningen!"));
    QVERIFY(w.firstTry());

    // Moving over a part offers it; a right click on the background pauses,
    // and "&Fortsätt" goes on with the same sentence.
    w.hoverAt(centre(w.Men[1]));
    QCOMPARE(w.Label3->text(), QStringLiteral("Här kan du klicka med vänster musknapp."));
    QCOMPARE(w.hoveredPart(), 1);
    const std::string sentence = f.engine.AnswerFields[1];
    QTest::mouseClick(&w, Qt::RightButton, {}, background);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.startDrag(0, centre(w.Men[0]))); // nothing to drag while paused
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.Panel1->isVisible());
    QCOMPARE(f.engine.AnswerFields[1], sentence);
    // Esc in the middle of a drag puts the part back and pauses.
    QTest::mousePress(&w, Qt::LeftButton, {}, centre(w.Men[0]));
    QTest::mouseMove(&w, background);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(w.Men[0]->pos(), home);
    QVERIFY(w.Panel1->isVisible());
    QTest::mouseRelease(&w, Qt::LeftButton, {}, background);
    QCOMPARE(w.placedCount(), 0);
}

void SentencesTest::linesWithoutBoxesArePassedOverUncounted()
{
    WindowFixture f;
    std::vector<std::string> all = {"<Sin <cierre> nada.#S#P", "<Nada> que mover.#-", "Sin marcas.#S",
                                    "<Algo> raro.#X"};
    for (int k = 1; k <= 12; ++k)
        all.push_back("3<Sujeto" + std::to_string(k) + "> <verbo" + std::to_string(k) + "> aqu\xed.#S#P");
    dataFile(f, "Spa59100.DAT", all);
    f.open("Spa59100.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(f.engine.QuestionTotal, 10);
    for (int i = 1; i <= 10; ++i) {
        QVERIFY2(w.boxCount() == 2, f.engine.AnswerFields[1].c_str());
        QVERIFY(w.partText(0).startsWith(QStringLiteral("Sujeto"))); // the leading digit is gone
        solve(w, false);
    }
    QCOMPARE(f.engine.CorrectCount, 10);
    QVERIFY(w.Panel1->isVisible());
}

void SentencesTest::theSentenceFlowsOverItsLines()
{
    // Ten pixels a letter, the line from 100 to 200.
    const auto width = [](const FlowPiece& p) { return 10 * int(p.text.size()); };
    const std::vector<FlowPiece> pieces = {{"abcd", 0}, {" ef", -1}, {" gh", -1}, {"ijkl", 1}, {" ", -1},
                                           {" mnopq", -1}, {"rstuvwxyz", 2}};
    const auto places = flowPieces(pieces, width, 100, 200);
    QCOMPARE(places.size(), pieces.size());
    const std::vector<std::pair<int, int>> expected = {{100, 0}, {140, 0}, {170, 0}, {100, 1},
                                                       {140, 1}, {90, 2},  {100, 3}};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QCOMPARE(places[i].x, expected[i].first);
        QCOMPARE(places[i].line, expected[i].second);
    }
    // A word that starts a line hangs its space left of the margin; a lone
    // space at the start of a line is not shown.
    const auto hung = flowPieces({{"abcdefghi", 0}, {" jk", -1}, {" ", -1}, {"lmnopqrstu", 1}}, width, 100, 200);
    QCOMPARE(hung[1].x, 90);
    QCOMPARE(hung[1].line, 1);
    QCOMPARE(hung[3].line, 2);
    QCOMPARE(hung[3].x, 100);
    const auto blank = flowPieces({{"abcdefghij", 0}, {" ", -1}, {"k", 1}}, width, 100, 200);
    QVERIFY(blank[1].shown); // a space at the end of a full line still belongs to it
    QCOMPARE(blank[2].line, 1);
    const auto leading = flowPieces({{" ", -1}, {"ab", 0}}, width, 100, 200);
    QVERIFY(!leading[0].shown);
    QCOMPARE(leading[1].x, 100);

    // In the window a long sentence takes more lines, and nothing passes the star column.
    WindowFixture f;
    dataFile(f, "Spa59200.DAT", {"<Mis abuelos>, que viven en un pueblo peque\xf1o cerca de la costa del norte, "
                                 "<nos> <regalan> <una bicicleta roja> en verano.#S#DO#P#AO"});
    f.open("Spa59200.DAT");
    TSats w(f.app);
    w.show();
    QVERIFY(w.lineCount() >= 2 && w.lineCount() <= 3);
    for (QLabel* l : w.findChildren<QLabel*>())
        if ((l->objectName().startsWith(QStringLiteral("Mell")) || l->objectName().startsWith(QStringLiteral("Men")))
            && l->isVisible())
            QVERIFY2(l->geometry().right() <= w.Aster2->x(), qPrintable(l->text()));
}

void SentencesTest::everythingFitsAtBothScreenSizes()
{
    for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        WindowFixture f;
        f.platform.screen = screen;
        f.engine.ScaleFactor = uint16_t(screen.width() > 1500 ? 160 : 100);
        dataFile(f, "Spa59300.DAT", {"<A mi padre> <le> <regalamos> <un libro de cocina> <mis hermanos y yo>.#DO#DO#P#AO#S"});
        f.open("Spa59300.DAT");
        TSats w(f.app);
        w.show();
        QCOMPARE(w.boxCount(), 5);
        int sentenceBottom = 0;
        for (QLabel* l : w.findChildren<QLabel*>())
            if (l->objectName().startsWith(QStringLiteral("Men")) && l->isVisible())
                sentenceBottom = std::max(sentenceBottom, l->geometry().bottom());
        for (int l = 0; l < 5; ++l) {
            const QRect box = w.Memo[std::size_t(l)]->geometry();
            QVERIFY(box.right() < w.Shape1->x());
            QVERIFY(box.bottom() < w.FelPanel->y());
            if (l > 0)
                QVERIFY(box.left() > w.Memo[std::size_t(l - 1)]->geometry().right());
        }
        QVERIFY(w.FelPanel->geometry().bottom() < w.regelknapp->y());
        QVERIFY(w.regelknapp->geometry().bottom() < w.Panel1->y());
        // Every part placed above its box stays clear of the sentence and of its neighbours.
        for (int k = 0; k < 4; ++k)
            dragToBox(w, k, boxFor(w, k, true));
        for (int k = 0; k < 4; ++k) {
            const QRect placed = w.Men[std::size_t(k)]->geometry();
            QVERIFY(placed.top() > sentenceBottom);
            QVERIFY(placed.right() < w.Shape1->x());
            for (int j = 0; j < k; ++j)
                QVERIFY(!placed.intersects(w.Men[std::size_t(j)]->geometry()));
        }
        dragToBox(w, 4, boxFor(w, 4, true));
        QCOMPARE(f.engine.CorrectCount, 1);
    }
}

void SentencesTest::worksheetLinesPerPart()
{
    WindowFixture f;
    dataFile(f, "Spa59100.DAT", {"12<Mi hermano> <trabaja> en Madrid.#S#P"}, "Skriv satsdelarna.");
    f.open("Spa59100.DAT", WorkMode::Worksheet);
    TSats w(f.app);
    w.show();
    QVERIFY(!w.Memo[0]->isVisible());
    QVERIFY(!w.Label3->isVisible());
    QVERIFY(!w.Shape1->isVisible());
    QVERIFY(!w.startDrag(0, centre(w.Men[0])));
    w.sendToPrintList();
    const QString heading = QStringLiteral("1.  SATSDELAR. Predikat och subjekt?");
    const QString note = QStringLiteral("      Skriv satsdelarna.");
    const QString task = QStringLiteral("   1. <Mi hermano> <trabaja> en Madrid.");
    QCOMPARE(lines(f.utskrift->ListBox1),
             (QStringList{heading, note, task, QStringLiteral("       Predikat             =") + QString(28, u'_'),
                          QStringLiteral("       Subjekt               =") + QString(28, u'_')}));
    QCOMPARE(lines(f.utskrift->ListBox2),
             (QStringList{heading, note, task, QStringLiteral("       Predikat             = trabaja"),
                          QStringLiteral("       Subjekt               = Mi hermano")}));
}

} // namespace

QTEST_MAIN(SentencesTest)
#include "sentences_test.moc"
