// The three reading windows, driven by real clicks, drags and keys: the reveal
// game's masks, rows, typing and dragging, its end and the faults it must not
// have (more words than slots, a repeated word, a word beginning with "-"); the
// reading-speed window's statistics, pace, words a minute and painting; and
// the name trick, which finds every favourite and leaves the question draw alone.

#include "engine/cp1252.h"
#include "exercises/reading/avsloja.h"
#include "exercises/reading/speedu.h"
#include "exercises/reading/top9u.h"
#include "tests/ui/windowfixture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>
#include <random>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

void storyFile(WindowFixture& f, const std::vector<std::string>& lines, const std::string& name = "SPA41000.DAT")
{
    f.cd.write("DATA/" + name, crlf(lines));
}

// The pupil clicks into the box, types a word and presses Enter.
void type(Tavsloj& w, const QString& word)
{
    QTest::mouseClick(w.Edit1, Qt::LeftButton);
    QTest::keyClicks(w.Edit1, word);
    QTest::keyClick(w.Edit1, Qt::Key_Return);
}

int listRow(const Tavsloj& w, const QString& word)
{
    for (int i = 0; i < w.DragList->count(); ++i)
        if (w.DragList->item(i)->text() == word)
            return i;
    return -1;
}

// A word of the list dragged with the mouse onto a slot: press on the list,
// move over the story, release on the slot.
void dragWord(Tavsloj& w, const QString& word, int slot)
{
    const int row = listRow(w, word);
    QVERIFY2(row >= 0, qPrintable(word));
    QWidget* viewport = w.DragList->viewport();
    const QPoint from = w.DragList->visualItemRect(w.DragList->item(row)).center();
    const QPoint to = w.SlotLabels[std::size_t(slot)]->geometry().center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(&w, (viewport->mapTo(&w, from) + to) / 2);
    QTest::mouseMove(&w, to);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, to);
}

// A double click as the platform sends it: a click, then the second press as a double click.
void doubleClick(QListWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void startStory(Tavsloj& w, int story, bool typing)
{
    QTest::mouseClick(typing ? w.Variant2 : w.Variant1, Qt::LeftButton);
    doubleClick(w.StoryList, story - 1);
}

class ReadingTest : public QObject {
    Q_OBJECT
private slots:
    void masksShowTheMarksAndEachLineIsARow();
    void typingUncoversEveryOccurrence();
    void draggingWordsOntoTheirPlaces();
    void moreWordsThanSlotsRepeatedWordsAndDashes();
    void escapeAndAMissingFile();
    void readingSpeedStatisticsAndPace();
    void wordsPerMinuteFollowThePace();
    void readingSpeedEdges();
    void readWordsTurnSilver();
    void theNameTrickFindsEveryFavourite();
    void theNameTrickLeavesTheQuestionDrawAlone();
    void theClosingPictureLeavesTheNamesCornerPlain();
};

void ReadingTest::masksShowTheMarksAndEachLineIsARow()
{
    QCOMPARE(RevealGame::maskOf(u"casa."_qs), u"****."_qs);
    QCOMPARE(RevealGame::maskOf(u"-"_qs), u"-"_qs);
    QCOMPARE(RevealGame::maskOf(u"¿Qué?"_qs), u"¿***?"_qs);
    QCOMPARE(RevealGame::maskOf(u"¡Hola!"_qs), u"¡****!"_qs);
    QCOMPARE(RevealGame::answerOf(u"¿Qué?"_qs), u"Qué"_qs);

    WindowFixture f;
    storyFile(f, {"; un comentario", "<Ana> Hola, \xbfqu\xe9 tal?", "<Pedro> Bien - \xbfy t\xfa?", "<Ana> Muy bien.", "#",
                  "<Luis> Otra historia.", "#"});
    Tavsloj w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.StoryList->count(), 2);
    QVERIFY(w.ChoicePanel->isVisible());
    QVERIFY(w.Variant1->isChecked());
    startStory(w, 1, false);
    QVERIFY(w.playing());
    QVERIFY(!w.ChoicePanel->isVisible());
    QCOMPARE(w.game().wordCount, 8); // the dash is not asked
    QCOMPARE(w.SlotLabels[0]->text(), u"****,"_qs);
    QCOMPARE(w.SlotLabels[1]->text(), u"¿***"_qs);
    // Row 2 starts at slot 8, row 3 at slot 15, each at the same place.
    QCOMPARE(w.SlotLabels[7]->text(), u"****"_qs);
    QCOMPARE(w.SlotLabels[8]->text(), u"-"_qs);
    QCOMPARE(w.SlotLabels[14]->text(), u"***"_qs);
    QVERIFY(!w.SlotLabels[3]->isVisible());
    QCOMPARE(w.NameLabels[1]->text(), u"Pedro"_qs);
    QCOMPARE(w.SlotLabels[7]->x(), w.SlotLabels[0]->x());
    QVERIFY(w.SlotLabels[7]->y() > w.SlotLabels[0]->y() && w.SlotLabels[14]->y() > w.SlotLabels[7]->y());
    QVERIFY(w.SlotLabels[0]->x() > w.NameLabels[1]->geometry().right());
    QVERIFY(w.SlotLabels[1]->x() > w.SlotLabels[0]->geometry().right());
    // The list: every asked word once a slot, accents and case aside in order.
    QCOMPARE(w.DragList->count(), 8);
    QStringList listed;
    for (int i = 0; i < w.DragList->count(); ++i)
        listed << w.DragList->item(i)->text();
    QCOMPARE(listed, (QStringList{u"Bien"_qs, u"bien"_qs, u"Hola"_qs, u"Muy"_qs, u"qué"_qs, u"tal"_qs, u"tú"_qs, u"y"_qs}));
    QCOMPARE(w.AttemptsLabel->text(), u"0"_qs);
    QCOMPARE(w.JustasLabel->text(), u"0 %"_qs);
    QCOMPARE(w.ListoLabel->text(), u"0 %"_qs);
}

void ReadingTest::typingUncoversEveryOccurrence()
{
    WindowFixture f;
    storyFile(f, {"<Ana> Mi casa es tu casa.", "#"});
    Tavsloj w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    startStory(w, 1, true);
    QVERIFY(w.EntryPanel->isVisible());
    QVERIFY(!w.DragList->isVisible());
    type(w, u"casa"_qs);
    QCOMPARE(w.SlotLabels[1]->text(), u"casa"_qs);
    QCOMPARE(w.SlotLabels[4]->text(), u"casa."_qs);
    QCOMPARE(w.AttemptsLabel->text(), u"2"_qs);
    QCOMPARE(w.JustasLabel->text(), u"100 %"_qs);
    QCOMPARE(w.ListoLabel->text(), u"40 %"_qs);
    QVERIFY(w.Edit1->text().isEmpty());
    QVERIFY(w.Edit1->hasFocus());
    type(w, u"CASA"_qs); // shows already: no attempt
    type(w, u"perro"_qs);
    QCOMPARE(w.AttemptsLabel->text(), u"3"_qs);
    QCOMPARE(w.JustasLabel->text(), u"67 %"_qs);
    type(w, u"MI"_qs);
    QCOMPARE(w.SlotLabels[0]->text(), u"Mi"_qs);
    type(w, u"¿es?"_qs);
    QCOMPARE(w.SlotLabels[2]->text(), u"es"_qs);

    // The whole story on and off.
    QTest::mouseClick(w.VerButton, Qt::LeftButton);
    QCOMPARE(w.SlotLabels[3]->text(), u"tu"_qs);
    QCOMPARE(w.VerButton->text(), u"&Esconder la historia"_qs);
    QVERIFY(!w.Edit1->isEnabled());
    QTest::mouseClick(w.VerButton, Qt::LeftButton);
    QCOMPARE(w.SlotLabels[3]->text(), u"**"_qs);
    QCOMPARE(w.VerButton->text(), u"&Ver la historia"_qs);
    QVERIFY(w.Edit1->isEnabled());

    type(w, u"tu"_qs);
    QCOMPARE(f.platform.texts(), QStringList{u"¡Enhorabuena! ¡Excelente!"_qs});
    QVERIFY(w.ChoicePanel->isVisible());
    QVERIFY(!w.playing());
    QCOMPARE(w.AttemptsLabel->text(), u"0"_qs);
}

void ReadingTest::draggingWordsOntoTheirPlaces()
{
    WindowFixture f;
    storyFile(f, {"<Ana> uno dos tres cuatro cinco", "<Luis> seis siete ocho nueve diez",
                  "<Ana> once doce trece catorce quince", "<Luis> diecis\xe9is diecisiete dieciocho diecinueve veinte.",
                  "#"});
    Tavsloj w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    startStory(w, 1, false);
    QCOMPARE(w.game().wordCount, 20);
    // A word on another word's place: an attempt, nothing uncovered, the word stays in the list.
    dragWord(w, u"uno"_qs, 1);
    QCOMPARE(w.game().attempts, 1);
    QCOMPARE(w.game().uncovered(), 0);
    QCOMPARE(w.DragList->count(), 20);
    QVERIFY(!w.DragLabel->isVisible());
    // Let go beside the story: nothing happens.
    const int row = listRow(w, u"uno"_qs);
    QTest::mousePress(w.DragList->viewport(), Qt::LeftButton, {},
                      w.DragList->visualItemRect(w.DragList->item(row)).center());
    QVERIFY(w.DragLabel->isVisible());
    const QPoint empty(w.SlotLabels[6]->x() + 5, w.SlotLabels[6]->y() + 5); // row 1 has five words
    QTest::mouseMove(&w, empty);
    // The word follows the pointer, just above it.
    QVERIFY(w.DragLabel->geometry().bottom() < empty.y() && w.DragLabel->geometry().bottom() > empty.y() - 20);
    QVERIFY(w.DragLabel->x() < empty.x() && w.DragLabel->geometry().right() > empty.x());
    QTest::mouseRelease(&w, Qt::LeftButton, {}, empty);
    QCOMPARE(w.game().attempts, 1);

    // Every word on its place: the first ones with the mouse, and the place lights up on the way.
    const QStringList words = {u"uno"_qs,     u"dos"_qs,        u"tres"_qs,       u"cuatro"_qs,    u"cinco"_qs,
                               u"seis"_qs,    u"siete"_qs,      u"ocho"_qs,       u"nueve"_qs,     u"diez"_qs,
                               u"once"_qs,    u"doce"_qs,       u"trece"_qs,      u"catorce"_qs,   u"quince"_qs,
                               u"dieciséis"_qs, u"diecisiete"_qs, u"dieciocho"_qs, u"diecinueve"_qs, u"veinte"_qs};
    for (int i = 0; i < 20; ++i) {
        const int slot = (i / 5) * 7 + i % 5;
        if (i < 3) {
            dragWord(w, words[i], slot);
        } else {
            w.DragList->setCurrentRow(listRow(w, words[i]));
            w.dropOnSlot(slot);
        }
        if (i == 18) {
            QCOMPARE(w.ListoLabel->text(), u"95 %"_qs);
            QCOMPARE(w.JustasLabel->text(), u"95 %"_qs); // 19 of 20
            // A word on a place that shows already is no attempt.
            w.DragList->setCurrentRow(0);
            w.dropOnSlot(0);
            QCOMPARE(w.AttemptsLabel->text(), u"20"_qs);
        }
    }
    QCOMPARE(f.platform.texts(), QStringList{u"¡Enhorabuena! ¡Excelente!"_qs});
    QVERIFY(w.ChoicePanel->isVisible());
}

void ReadingTest::moreWordsThanSlotsRepeatedWordsAndDashes()
{
    WindowFixture f;
    std::vector<std::string> lines = {"<Ana> a b c d e f g h i"};
    for (int r = 2; r <= 9; ++r)
        lines.push_back("<Luis> fila" + std::to_string(r));
    lines.push_back("#");
    lines.insert(lines.end(), {"<Ana> casa casa", "#", "<Ana> -Hola - amigo", "#"});
    storyFile(f, lines);
    Tavsloj w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Nine words in a row and nine rows: seven of each have their slots, the rest is left out.
    startStory(w, 1, true);
    QVERIFY(w.game().cutShort);
    QCOMPARE(w.game().rows, 7);
    QCOMPARE(w.game().wordCount, 13);
    QCOMPARE(w.SlotLabels[7]->text(), u"*****"_qs);
    for (const QString& word : {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs, u"g"_qs, u"h"_qs})
        type(w, word);
    for (int r = 2; r <= 7; ++r)
        type(w, u"fila%1"_qs.arg(r));
    QCOMPARE(f.platform.texts(), QStringList{u"¡Enhorabuena! ¡Excelente!"_qs});
    f.platform.messages.clear();

    // One word twice: dropped again on the place it uncovered, it is no attempt
    // and its other copy stays in the list for the other place.
    startStory(w, 2, false);
    w.DragList->setCurrentRow(0);
    w.dropOnSlot(0);
    QCOMPARE(w.DragList->count(), 1);
    w.DragList->setCurrentRow(0);
    w.dropOnSlot(0);
    QCOMPARE(w.game().attempts, 1);
    QCOMPARE(w.ListoLabel->text(), u"50 %"_qs);
    QCOMPARE(w.DragList->count(), 1);
    w.dropOnSlot(1);
    QCOMPARE(f.platform.texts(), QStringList{u"¡Enhorabuena! ¡Excelente!"_qs});
    f.platform.messages.clear();

    // A word beginning with "-" is a word like any other; only "-" alone is a dash.
    startStory(w, 3, true);
    QCOMPARE(w.game().wordCount, 2);
    QCOMPARE(w.SlotLabels[0]->text(), u"-****"_qs);
    QCOMPARE(w.SlotLabels[1]->text(), u"-"_qs);
    type(w, u"-"_qs);
    QCOMPARE(w.game().attempts, 0);
    type(w, u"hola"_qs);
    QCOMPARE(w.ListoLabel->text(), u"50 %"_qs);
    type(w, u"amigo"_qs);
    QCOMPARE(f.platform.texts(), QStringList{u"¡Enhorabuena! ¡Excelente!"_qs});
}

void ReadingTest::escapeAndAMissingFile()
{
    WindowFixture f;
    {
        Tavsloj w(f.app);
        w.show();
        QCOMPARE(w.StoryList->count(), 0);
        QTest::keyClick(w.StoryList, Qt::Key_Escape);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!w.isVisible());
    }
    storyFile(f, {"<Ana> Hola.", "#"});
    Tavsloj w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    startStory(w, 1, true);
    QTest::keyClick(w.Edit1, Qt::Key_Escape); // back to the choice, the window stays
    QVERIFY(w.ChoicePanel->isVisible());
    QVERIFY(w.isVisible());
    QVERIFY(!w.SlotLabels[0]->isVisible());
    QTest::mouseClick(w.InterrumpeButton, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

// --- reading speed ---------------------------------------------------------------------------

void speedFile(WindowFixture& f, const std::vector<std::string>& lines)
{
    f.cd.write("DATA/SPA42000.DAT", crlf(lines));
    f.engine.DataFileName = "SPA42000.DAT";
}

void chooseText(TSpeed& w, int k)
{
    doubleClick(w.TextList, k - 1);
}

void ReadingTest::readingSpeedStatisticsAndPace()
{
    WindowFixture f;
    speedFile(f, {"Me llamo Ana.", "Vivo en  Madrid con", "", "mi familia y", "#", "Otro texto.", "# "});
    TSpeed w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(int(f.engine.ExerciseNo), 42000);
    QCOMPARE(w.TextList->count(), 2);
    QVERIFY(w.StartPanel->isVisible());
    QVERIFY(!w.EmpiezaButton->isEnabled());
    QCOMPARE(w.PaceLabel->text(), u"120 palabras/minuto"_qs);
    chooseText(w, 1);
    QVERIFY(!w.StartPanel->isVisible());
    // Three lines (the blank one left out), ten words (a double space is no
    // word, the one-letter last word is one), 35 letters.
    QCOMPARE(w.text().lines.size(), 3);
    QCOMPARE(w.WordsLabel->text(), u"10 palabras"_qs);
    QCOMPARE(w.LettersLabel->text(), u"35 letras"_qs);
    QCOMPARE(w.PerWordLabel->text(), u"3,5 letras por palabra"_qs);
    QVERIFY(w.EmpiezaButton->isEnabled());

    w.ScrollBar1->setValue(900);
    QCOMPARE(w.PaceLabel->text(), u"600 palabras/minuto"_qs);
    w.ScrollBar1->setValue(1);
    QCOMPARE(w.PaceLabel->text(), u"60 palabras/minuto"_qs);
    w.ScrollBar1->setValue(500);
    QCOMPARE(w.PaceLabel->text(), u"120 palabras/minuto"_qs);
    QCOMPARE(SpeedText::paceOf(750), 240);
}

void ReadingTest::wordsPerMinuteFollowThePace()
{
    WindowFixture f;
    speedFile(f, {"Me llamo Ana.", "Vivo en Madrid con", "mi familia y", "#"});
    TSpeed w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    chooseText(w, 1);
    QTest::mouseClick(w.EmpiezaButton, Qt::LeftButton);
    QVERIFY(w.WordTimer->isActive());
    QCOMPARE(w.WordTimer->interval(), 500);
    QVERIFY(!w.EmpiezaButton->isEnabled());
    QVERIFY(w.ScrollBar1->hasFocus());
    for (int i = 0; i < 10; ++i)
        w.wordTick();
    QCOMPARE(w.text().greyed(), 10);
    QVERIFY(!w.TookLabel->isVisible());
    w.wordTick(); // nothing left: the end
    QVERIFY(!w.WordTimer->isActive());
    QVERIFY(w.TookLabel->isVisible());
    QCOMPARE(w.TookLabel->text(), u"La lectura tomó:"_qs);
    QCOMPARE(w.SecondsLabel->text(), u"5 segundos."_qs);
    QCOMPARE(w.ReadLabel->text(), u"Leíste:"_qs);
    QCOMPARE(w.ResultLabel->text(), u"120 palabras/minuto."_qs);
    QVERIFY(w.StartPanel->isVisible());
    QVERIFY(!w.EmpiezaButton->isEnabled());

    // The bar moved during a reading changes the pace from the next word on.
    chooseText(w, 1);
    QTest::mouseClick(w.EmpiezaButton, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        w.wordTick();
    w.ScrollBar1->setValue(900);
    QCOMPARE(w.WordTimer->interval(), 100);
    for (int i = 0; i < 8; ++i)
        w.wordTick();
    QCOMPARE(w.SecondsLabel->text(), u"2 segundos."_qs);           // 3 × 500 ms + 7 × 100 ms
    QCOMPARE(w.ResultLabel->text(), u"273 palabras/minuto."_qs); // 10 words in 2.2 s

    QTest::mouseClick(w.ParaButton, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.WordTimer->isActive());
}

void ReadingTest::readingSpeedEdges()
{
    // One word read before the first second is over, and a text without words.
    WindowFixture f;
    std::vector<std::string> lines = {"Hola", "#", " ", "#"};
    for (int i = 1; i <= 31; ++i)
        lines.push_back("l\xednea " + std::to_string(i));
    lines.push_back("#");
    speedFile(f, lines);
    TSpeed w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.TextList->count(), 3);
    chooseText(w, 1);
    QVERIFY(w.text().wordsPerMinute().isEmpty()); // nothing read yet: no average
    w.ScrollBar1->setValue(900);
    QTest::mouseClick(w.EmpiezaButton, Qt::LeftButton);
    w.wordTick();
    w.wordTick();
    QCOMPARE(w.SecondsLabel->text(), u"0 segundos."_qs);
    QCOMPARE(w.ResultLabel->text(), u"600 palabras/minuto."_qs);

    chooseText(w, 2);
    QCOMPARE(w.WordsLabel->text(), u"0 palabras"_qs);
    QVERIFY(w.PerWordLabel->text().isEmpty());
    QVERIFY(!w.EmpiezaButton->isEnabled());
    w.EmpiezaClick();
    QVERIFY(!w.WordTimer->isActive());

    // More than thirty lines: the first thirty are read.
    chooseText(w, 3);
    QCOMPARE(w.text().lines.size(), 30);
    QCOMPARE(w.text().wordCount, 60);
    QVERIFY(!w.PaintBox->grab().isNull());
}

void ReadingTest::readWordsTurnSilver()
{
    WindowFixture f;
    speedFile(f, {"Mmmm Wwww", "Mmmm Wwww", "#"});
    TSpeed w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    chooseText(w, 1);
    auto darkPixels = [&](int line) {
        const QImage image = w.PaintBox->grab().toImage();
        const QFontMetrics fm(w.PaintBox->textFont());
        const int base = w.PaintBox->lineOrigin(line).y();
        int dark = 0;
        for (int y = base - fm.ascent(); y <= base + fm.descent(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
        return dark;
    };
    QVERIFY(darkPixels(0) > 50);
    QTest::mouseClick(w.EmpiezaButton, Qt::LeftButton);
    w.wordTick();
    w.wordTick();
    QCOMPARE(darkPixels(0), 0); // the first line is read, letter for letter
    QVERIFY(darkPixels(1) > 50);
}

// --- the name trick ----------------------------------------------------------------------------

// The pupil plays the trick with nine names and answers truly for `favourite`;
// the window's answer.
QString playTrick(WindowFixture& f, int favourite, QChar sex = u'o')
{
    Ttop9 w(f.app);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return {};
    QTest::mouseClick(w.NameEdit, Qt::LeftButton);
    QTest::keyClicks(w.NameEdit, u"Lisa"_qs);
    QTest::keyClick(w.NameEdit, Qt::Key_Return);
    if (w.shownPanel() != w.SexPanel)
        return {};
    QTest::keyClicks(&w, QString(sex));
    QTest::mouseClick(w.SiguienteButton, Qt::LeftButton);
    QTest::mouseClick(w.FavouriteEdit, Qt::LeftButton);
    for (int i = 1; i <= 9; ++i) {
        QTest::keyClicks(w.FavouriteEdit, u"Nombre%1"_qs.arg(i));
        QTest::keyClick(w.FavouriteEdit, Qt::Key_Return);
    }
    const QString wanted = u"Nombre%1"_qs.arg(favourite);
    for (int round = 1; round <= 2; ++round) {
        if (w.shownPanel() != w.GroupPanel)
            return {};
        int group = 0;
        for (int s = 0; s < 9; ++s)
            if (w.places()[std::size_t(s)] == wanted)
                group = s / 3 + 1;
        if (w.RoundLabel->isVisible() != (round == 2))
            return {};
        QTest::keyClicks(&w, QString::number(group));
    }
    if (w.shownPanel() != w.FinalPanel || w.GuessLabel->text() != u"¡"_qs + w.guessed() + u"!"_qs
        || w.NameLabel->text() != u"Lisa,\ntu nombre favorito es"_qs)
        return {};
    return w.guessed();
}

void ReadingTest::theNameTrickFindsEveryFavourite()
{
    // Whatever group is chosen, its three names come first in the three groups.
    for (int group = 1; group <= 3; ++group) {
        const auto order = top9::regroupOrder(group);
        for (int i = 0; i < 3; ++i) {
            const int name = (group - 1) * 3 + i;
            const int at = int(std::find(order.begin(), order.end(), name) - order.begin());
            QCOMPARE(at % 3, 0);
            QCOMPARE(top9::guessedSlot(at / 3 + 1), at);
        }
    }
    WindowFixture f;
    for (int favourite = 1; favourite <= 9; ++favourite)
        QCOMPARE(playTrick(f, favourite), u"Nombre%1"_qs.arg(favourite));

    // The headings follow the names asked for.
    Ttop9 w(f.app);
    w.show();
    w.NameEdit->setText(u"Erik"_qs);
    w.nameEntered();
    QTest::keyClicks(&w, u"A"_qs);
    QCOMPARE(w.ListLine2->text(), u"chicos que más te gustan."_qs);
    QTest::keyClick(w.SiguienteButton, Qt::Key_Return); // Enter goes on as the button does
    QCOMPARE(w.shownPanel(), w.EntryPanel);
    QCOMPARE(w.EntryHeading->text(), u"Mis nueve chicos favoritos son"_qs);
    w.SiguienteClick();
    QTest::keyClick(w.FavouriteEdit, Qt::Key_Return); // an empty name is no name
    QCOMPARE(w.EntryLabels[0]->text(), QString());
}

void ReadingTest::theNameTrickLeavesTheQuestionDrawAlone()
{
    WindowFixture f;
    std::filesystem::create_directories(f.cd.path() / "BILD");
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QVERIFY(picture.save(QString::fromStdString((f.cd.path() / "BILD" / "TOP9.BMP").string()), "BMP"));
    // A series under way: questions drawn, a wrong answer stored.
    f.dataFile("SPA15000.DAT", 25);
    f.open("SPA15000.DAT");
    Engine& e = f.engine;
    e.QuestionNo = uint16_t(e.haemta_slumptal(e.DrawCounters[e.CatalogueIndex], e.CatalogueIndex));
    e.ErrorList[1] = {7, e.CatalogueIndex};
    e.ErrorCounts[e.CatalogueIndex] = 1;
    auto snapshot = [&] {
        std::vector<int> v;
        for (std::size_t i = 1; i <= std::size_t(PoolSize); ++i)
            v.push_back(e.RandomPool[i]);
        for (std::size_t i = 1; i <= 10; ++i)
            v.insert(v.end(), {e.ErrorList[i].question, e.ErrorList[i].slot, e.DrawCounters[i], e.ErrorCounts[i]});
        return v;
    };
    const std::vector<int> before = snapshot();
    std::mt19937 random = e.Random;

    QCOMPARE(playTrick(f, 5), u"Nombre5"_qs);
    QVERIFY(snapshot() == before);
    QCOMPARE(e.Random(), random()); // not one number taken from the question draw's generator

    // The closing picture fills the window; "&Cierra" closes it.
    Ttop9 w(f.app);
    QVERIFY(!w.Picture->pixmap().isNull());
    QCOMPARE(w.Picture->size(), w.size());
    w.show();
    QTest::mouseClick(w.IntroPanel->findChild<QPushButton*>(), Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

// The names are written over the picture's bottom right: from x = 650 below
// y = 505 on a 4:3 screen, and on a wide screen, where the picture is cut at
// top and bottom, from x = 740 below y = 480 or so. Nothing bright (a spark, a
// star, the wand's tip) may stand there.
void ReadingTest::theClosingPictureLeavesTheNamesCornerPlain()
{
    const QString file = qEnvironmentVariable("LINGVARO_STAGED_CONTENT") + u"/BILD/TOP9.BMP"_qs;
    const QImage picture(file);
    if (picture.isNull())
        QSKIP("no painted picture (ImageMagick missing at build time)");
    QCOMPARE(picture.size(), QSize(1024, 768));
    int bright = 0;
    for (int y = 430; y < picture.height(); ++y)
        for (int x = y < 500 ? 730 : 620; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) > 110)
                ++bright;
    QCOMPARE(bright, 0);
}

} // namespace

QTEST_MAIN(ReadingTest)
#include "reading_test.moc"
