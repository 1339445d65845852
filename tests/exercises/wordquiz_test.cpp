// The vocabulary quiz and its record table, driven by real keys and clicks: the
// lists each menu offers and their names, the name box, a short list over a
// series of ten, the score with its time and the lamp, the correction queue,
// lists kept apart by their files, "Testa" seeing a changed list, worksheet
// lines; the table's rows, the new entry's place, saving and leaving.

#include "engine/cp1252.h"
#include "engine/recordtable.h"
#include "engine/textfile.h"
#include "exercises/common/registry.h"
#include "exercises/common/textanswer.h"
#include "exercises/common/worksheetpanel.h"
#include "exercises/wordquiz/rekord.h"
#include "exercises/wordquiz/tyskord.h"
#include "tests/ui/windowfixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <set>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

// A list of n words "ordK#palabraK" under a folder of the hard disk.
std::string wordList(int n, const std::string& heading = "Familjen")
{
    std::vector<std::string> lines = {"$" + heading, "$\xa7Skriv p\xe5 spanska.", "$Del 1"};
    for (int k = 1; k <= n; ++k)
        lines.push_back("ord" + std::to_string(k) + "#palabra" + std::to_string(k));
    return crlf(lines);
}

struct Quiz : WindowFixture {
    qint64 now = 1000000;
    Quiz()
    {
        engine.ScoreDir = (pc.path() / "RESULTAT").native() + "/";
        engine.OwnDir = (pc.path() / "Eget").native();
        fs::create_directories(pc.path() / "RESULTAT");
        fs::create_directories(pc.path() / "Eget");
        engine.ResetDrawState();
    }
    std::unique_ptr<TDinaOrd> open(uint16_t exerciseNo)
    {
        auto w = std::make_unique<TDinaOrd>(app, exerciseNo);
        w->clock = [this] { return now; };
        w->show();
        return w;
    }
};

// A click on the list's row, then Enter.
void choose(TDinaOrd& w, int row)
{
    const QRect r = w.ListBox1->visualItemRect(w.ListBox1->item(row));
    QTest::mouseClick(w.ListBox1->viewport(), Qt::LeftButton, {}, r.center());
    QTest::keyClick(w.ListBox1, Qt::Key_Return);
}

void name(TDinaOrd& w, const QString& text)
{
    QTest::mouseClick(w.Edit2, Qt::LeftButton);
    w.Edit2->selectAll();
    QTest::keyClicks(w.Edit2, text);
    QTest::keyClick(w.Edit2, Qt::Key_Return);
}

QString expected(const Engine& e) { return fromCp1252(e.AnswerFields[2]); }

void answer(TDinaOrd& w, bool right)
{
    QLineEdit* edit = w.Answer->Edit1;
    edit->clear();
    QTest::keyClicks(edit, right ? expected(w.engine()) : QStringLiteral("fel"));
    QTest::keyClick(edit, Qt::Key_Return);
    if (!right)
        for (int i = 0; i <= w.engine().AnswerShowSeconds * 10 && w.series().waiting(); ++i)
            w.WaitTimerTick();
}

QStringList lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class WordQuizTest : public QObject {
    Q_OBJECT
private slots:
    void eachMenuOffersItsListsUnderTheirNames();
    void aListChosenNamedAndAskedWithEscStepsBack();
    void aShortListFillsTheSeriesInOneOrderThatGoesOnLater();
    void theScoreRewardsSpeedAndLengthAndHalvesWithTheLamp();
    void theCorrectionPassQueuesTheWrongWords();
    void listsKeepTheirOwnCountsAndErrorsWhereverTheyStand();
    void testaSeesTheListAsItNowIs();
    void ownListsAreAskedForFirst();
    void worksheetLinesOfAList();
    void theRecordTableShowsAndKeepsTheNewEntry();
    void theRecordTableWithAFullFileOrNoFolder();
};

void WordQuizTest::eachMenuOffersItsListsUnderTheirNames()
{
    Quiz f;
    f.pc.write("DATA/SVESPA3.sp1", wordList(3));
    f.pc.write("DATA/Zeta.sp1", wordList(3));
    f.cd.write("DATA/SpaSve1.sp1", wordList(3));
    f.cd.write("DATA/SveSpa3.sp1", wordList(9)); // the hard disk's list of that name goes first
    f.cd.write("DATA/Djur.sp2", wordList(3));
    f.pc.write("Eget/Vecka 3.egt", wordList(3));
    std::vector<WordListEntry> general = wordListEntries(f.engine, 1001);
    QCOMPARE(general.size(), std::size_t(3));
    QCOMPARE(general[0].shown, QStringLiteral("Översätt till svenska 1"));
    QCOMPARE(general[1].shown, QStringLiteral("Översätt till spanska 3"));
    QVERIFY(general[1].file.native().starts_with(f.pc.path().native()));
    QCOMPARE(general[2].shown, QStringLiteral("Zeta"));
    QCOMPARE(longListName(QStringLiteral("spasve6")), QStringLiteral("Översätt till svenska 6"));
    QCOMPARE(longListName(QStringLiteral("SveSpa1 extra")), QStringLiteral("SveSpa1 extra"));
    QCOMPARE(wordListEntries(f.engine, 1002).at(0).shown, QStringLiteral("Djur"));
    QCOMPARE(wordListEntries(f.engine, 1003).at(0).shown, QStringLiteral("Vecka 3"));

    auto w = f.open(1001);
    QCOMPARE(w->ListBox1->count(), 3);
    QCOMPARE(w->ListBox1->currentRow(), 0); // the first entry is chosen when the window shows
    QVERIFY(w->Panel2->isVisible());
}

void WordQuizTest::aListChosenNamedAndAskedWithEscStepsBack()
{
    Quiz f;
    f.pc.write("DATA/SveSpa1.sp1", wordList(12));
    f.engine.PupilName = "Ana";
    auto w = f.open(1001);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    choose(*w, 0);
    QCOMPARE(w->QuizPhase, 1);
    QVERIFY(w->namnruta->isVisible());
    QCOMPARE(w->Edit2->text(), QStringLiteral("Ana"));
    QCOMPARE(w->FilLabel->text(), QStringLiteral("Översätt till spanska 1"));
    QCOMPARE(w->InstruktionsLabel->text(), QStringLiteral("Skriv på spanska."));
    QCOMPARE(fromCp1252(f.engine.HeaderLines[1]), QStringLiteral("Familjen"));
    QCOMPARE(fs::path(f.engine.RecordTablePath).filename().string(), std::string("SveSpa1.TNR"));

    // Esc in the name box goes back to the list, Esc there closes the window.
    QTest::keyClick(w->Edit2, Qt::Key_Escape);
    QCOMPARE(w->QuizPhase, 0);
    QVERIFY(w->Panel2->isVisible());
    choose(*w, 0);

    // An empty name is no name: the box stays.
    name(*w, QStringLiteral("   "));
    QCOMPARE(w->QuizPhase, 1);
    name(*w, QStringLiteral("Bo"));
    QCOMPARE(w->QuizPhase, 2);
    QCOMPARE(f.engine.PupilName, std::string("Bo"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->Answer->Edit1));
    QVERIFY(w->PoangPanel->isVisible());
    QCOMPARE(w->FragaLabel->text(), QStringLiteral("1/10"));
    QVERIFY(fromCp1252(f.engine.AnswerFields[1]).startsWith(QStringLiteral("ord")));

    // Esc in the answer pauses; the panel has "&Tabell" between "&Continúa" and "&Interrumpe".
    QTest::keyClick(w->Answer->Edit1, Qt::Key_Escape);
    QVERIFY(w->Panel1->isVisible());
    QVERIFY(!w->TabellButton->isEnabled());
    QVERIFY(w->TabellButton->x() > w->Button2->x() && w->TabellButton->x() < w->Button3->x());
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->Answer->Edit1));
    QVERIFY(f.platform.messages.empty());
}

void WordQuizTest::aShortListFillsTheSeriesInOneOrderThatGoesOnLater()
{
    Quiz f;
    f.pc.write("DATA/Djur.sp2", wordList(3));
    std::vector<QString> asked;
    {
        auto w = f.open(1002);
        choose(*w, 0);
        name(*w, QStringLiteral("Ana"));
        QCOMPARE(f.engine.QuestionTotal, 10);
        for (int i = 0; i < 10; ++i) {
            asked.push_back(fromCp1252(f.engine.AnswerFields[1]));
            answer(*w, true);
        }
        QVERIFY(w->Panel1->isVisible()); // the series is over
        QVERIFY(w->TabellButton->isEnabled());
    }
    QCOMPARE(std::set<QString>(asked.begin(), asked.begin() + 3).size(), std::size_t(3));
    for (std::size_t i = 3; i < asked.size(); ++i)
        QCOMPARE(asked[i], asked[i % 3]);
    // Opened again in the run, the list goes on where its order stopped.
    auto w = f.open(1002);
    choose(*w, 0);
    name(*w, QStringLiteral("Ana"));
    QCOMPARE(fromCp1252(f.engine.AnswerFields[1]), asked[10 % 3]);
}

void WordQuizTest::theScoreRewardsSpeedAndLengthAndHalvesWithTheLamp()
{
    Quiz f;
    // Answers of five letters.
    f.pc.write("DATA/SveSpa1.sp1", crlf({"$Ord", "uno#perro", "dos#gatos", "tres#casas"}));
    auto w = f.open(1001);
    choose(*w, 0);
    name(*w, QStringLiteral("Ana"));
    // A quick answer: 5 + 100 − 0.02 × 150 = 102.
    f.now += 1500;
    answer(*w, true);
    QCOMPARE(w->Score, 102.0);
    QCOMPARE(w->PoangLabel->text(), QStringLiteral("102"));
    // A minute: 5 + 100 − 120 = −15.
    f.now += 60000;
    answer(*w, true);
    QCOMPARE(w->Score, 87.0);
    // With the lamp on, half of it: −7.5.
    QTest::mouseClick(w->Answer->lampknapp, Qt::LeftButton);
    QVERIFY(w->series().lampOn());
    f.now += 60000;
    answer(*w, true);
    QCOMPARE(w->Score, 79.5);
    QCOMPARE(w->PoangLabel->text(), QStringLiteral("80")); // halves to even
    QCOMPARE(TDinaOrd::scoreText(-7.5), QStringLiteral("-8"));
    QCOMPARE(TDinaOrd::scoreText(2.5), QStringLiteral("2"));
    // A wrong answer earns nothing.
    answer(*w, false);
    QCOMPARE(w->Score, 79.5);
    // A score below zero goes to the table as 0, never round to the top.
    QCOMPARE(recordScoreOf(-15), uint16_t(0));
}

void WordQuizTest::theCorrectionPassQueuesTheWrongWords()
{
    Quiz f;
    f.pc.write("DATA/SveSpa1.sp1", wordList(20));
    auto w = f.open(1001);
    choose(*w, 0);
    name(*w, QStringLiteral("Ana"));
    std::vector<QString> wrong;
    for (int i = 1; i <= 10; ++i) {
        const bool right = i > 3;
        if (!right)
            wrong.push_back(fromCp1252(f.engine.AnswerFields[1]));
        answer(*w, right);
    }
    QCOMPARE(f.engine.WordErrorCounts[f.engine.WordSlot], 3);
    QVERIFY(w->Button1->isEnabled());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->Button1));
    QTest::keyClick(w->Button1, Qt::Key_Return);
    QVERIFY(f.engine.CorrectionPass);
    QVERIFY(w->Panel13->isVisible());
    QVERIFY(!w->PoangPanel->isVisible());
    QCOMPARE(w->FelKvarLabel->text(), QStringLiteral("Fel kvar: 3"));
    QCOMPARE(fromCp1252(f.engine.AnswerFields[1]), wrong[0]);
    answer(*w, false); // wrong again: to the back of the queue
    QCOMPARE(fromCp1252(f.engine.AnswerFields[1]), wrong[1]);
    QCOMPARE(w->FelKvarLabel->text(), QStringLiteral("Fel kvar: 3"));
    answer(*w, true);
    QCOMPARE(w->FelKvarLabel->text(), QStringLiteral("Fel kvar: 2"));
    QCOMPARE(fromCp1252(f.engine.AnswerFields[1]), wrong[2]);
    answer(*w, true);
    QVERIFY(w->Panel1->isVisible()); // three questions in this pass
    QCOMPARE(f.engine.WordErrorCounts[f.engine.WordSlot], 1);
    QVERIFY(!w->TabellButton->isEnabled()); // a correction pass scores nothing
}

void WordQuizTest::listsKeepTheirOwnCountsAndErrorsWhereverTheyStand()
{
    Quiz f;
    f.pc.write("DATA/SveSpa1.sp1", wordList(5, "Allm\xe4n"));
    f.pc.write("DATA/Djur.sp2", wordList(2, "Djur"));
    {
        auto w = f.open(1001);
        choose(*w, 0);
        name(*w, QStringLiteral("Ana"));
        answer(*w, false);
    }
    const int general = f.engine.WordSlot;
    auto w = f.open(1002);
    choose(*w, 0); // the first entry here too
    QVERIFY(f.engine.WordSlot != general);
    QCOMPARE(fromCp1252(f.engine.HeaderLines[1]), QStringLiteral("Djur")); // this list's heading
    name(*w, QStringLiteral("Ana"));
    QCOMPARE(f.engine.WordQuestionCounts[f.engine.WordSlot], 2);
    QCOMPARE(f.engine.WordQuestionCounts[general], 5);
    QCOMPARE(f.engine.WordErrorCounts[f.engine.WordSlot], 0);
    QCOMPARE(f.engine.WordErrorCounts[general], 1);
    std::set<QString> words;
    for (int i = 0; i < 4; ++i) {
        words.insert(fromCp1252(f.engine.AnswerFields[1]));
        answer(*w, true);
    }
    QCOMPARE(words, (std::set<QString>{"ord1", "ord2"}));

    // The 201st kept error drops the oldest, and its list's count with it.
    Engine e;
    for (int i = 1; i <= WordErrorListSize; ++i)
        storeWordError(e, i, i == 1 ? 7 : 9);
    QCOMPARE(e.WordErrorCounts[7], 1);
    storeWordError(e, 201, 9);
    QCOMPARE(e.WordErrorCounts[7], 0);
    QCOMPARE(e.WordErrorCounts[9], WordErrorListSize);
    QCOMPARE(e.WordErrorList[1].question, 2);
    QCOMPARE(e.WordErrorList[WordErrorListSize].question, 201);
    QCOMPARE(usedWordErrors(e), WordErrorListSize);
    // The error counts have a place for every slot.
    storeWordError(e, 1, 160);
    QCOMPARE(e.WordErrorCounts[160], 1);
}

void WordQuizTest::testaSeesTheListAsItNowIs()
{
    Quiz f;
    const fs::path file = f.pc.write("Eget/Vecka 3.egt", crlf({"$Vecka 3", "$\xd6vers\xe4tt", "casa#hus", "perro#hund"}));
    f.engine.WordFilePath = file.native();
    std::set<QString> words;
    {
        auto w = f.open(1004);
        QVERIFY(!w->Panel2->isVisible()); // no list: the file is asked at once
        QCOMPARE(w->QuizPhase, 1);
        name(*w, QStringLiteral("Ana"));
        QCOMPARE(fromCp1252(f.engine.HeaderLines[1]), QStringLiteral("Vecka 3"));
        for (int i = 0; i < 4; ++i) {
            words.insert(fromCp1252(f.engine.AnswerFields[1]));
            answer(*w, i != 0);
        }
    }
    QCOMPARE(words, (std::set<QString>{"casa", "perro"}));
    // A question added in the editor is asked the next time, and the errors of
    // the old list do not stand for words of the new one.
    f.pc.write("Eget/Vecka 3.egt", crlf({"$Vecka 3", "$\xd6vers\xe4tt", "gato#katt", "casa#hus", "perro#hund"}));
    auto w = f.open(1004);
    name(*w, QStringLiteral("Ana"));
    QCOMPARE(f.engine.WordQuestionCounts[f.engine.WordSlot], 3);
    QCOMPARE(f.engine.WordErrorCounts[f.engine.WordSlot], 0);
    words.clear();
    for (int i = 0; i < 3; ++i) {
        words.insert(fromCp1252(f.engine.AnswerFields[1]));
        answer(*w, true);
    }
    QVERIFY(words.count(QStringLiteral("gato")));

    // A list that cannot be read is said once, and the window does not stay.
    f.engine.WordFilePath = (f.pc.path() / "Eget" / "saknas.egt").native();
    auto broken = f.open(1004);
    QCOMPARE(f.platform.texts().last(),
             QStringLiteral("Filen ") + QString::fromStdString(f.engine.WordFilePath) + QStringLiteral(" finns inte eller är felaktig"));
    QTRY_VERIFY(!broken->isVisible());
}

void WordQuizTest::ownListsAreAskedForFirst()
{
    Quiz f;
    f.engine.ExerciseNo = 1003;
    QVERIFY(!exerciseWindows().at("TDinaOrd")(f.app));
    QCOMPARE(f.platform.texts(), QStringList{"Inga egna förhör är ännu gjorda."});
    QVERIFY(f.platform.openedWindows.isEmpty());
    f.pc.write("Eget/Vecka 3.egt", wordList(3));
    f.engine.ExerciseNo = 1003;
    exerciseWindows().at("TDinaOrd")(f.app);
    QCOMPARE(f.platform.openedWindows, QStringList{"TDinaOrd"});
    QCOMPARE(int(f.engine.ExerciseNo), 1003);
}

void WordQuizTest::worksheetLinesOfAList()
{
    Quiz f;
    f.pc.write("DATA/SveSpa2.sp1", crlf({"$Hemmet", "hus#la casa#&una casa", "bord#la mesa", "stol#la silla"}));
    f.engine.WorkMode = WorkMode::Worksheet;
    auto w = f.open(1001);
    QVERIFY(!w->Worksheet->isVisible()); // first a list
    choose(*w, 0);
    QVERIFY(w->Worksheet->isVisible());
    QVERIFY(!w->namnruta->isVisible());
    QVERIFY(w->SvarsLabel->isVisible()); // the word with its answer
    const QString first = fromCp1252(f.engine.AnswerFields[1]);
    w->Worksheet->showRow(w->Worksheet->SkrivutValPanel);
    QTest::mouseClick(w->Worksheet->SkrivutValPanel->findChildren<QPushButton*>().at(1), Qt::LeftButton);
    w->sendChosen(1); // "&Klart" with one word more
    const QStringList without = lines(f.utskrift->ListBox1), with = lines(f.utskrift->ListBox2);
    QCOMPARE(without.mid(0, 4), (QStringList{"1.  Ordförrådet ---Översätt till spanska 2", "     Översätt följande ord:",
                                             "   1. " + first, "       " + QString(37, u'_')}));
    QCOMPARE(without.at(5), QStringLiteral("       ") + QString(37, u'_'));
    QCOMPARE(with.at(1), QStringLiteral("     Översätt följande ord:"));
    QCOMPARE(with.at(2), "   1. " + first);
    QVERIFY(with.at(3).startsWith(QStringLiteral("       la ")));
    // Words sent by "&Klart" get a line one underscore shorter.
    w->Worksheet->ChosenCount = 1;
    emit w->Worksheet->countChosen(1);
    QCOMPARE(lines(f.utskrift->ListBox1).last(), QStringLiteral("       ") + QString(36, u'_'));
}

void WordQuizTest::theRecordTableShowsAndKeepsTheNewEntry()
{
    Quiz f;
    const fs::path file = f.pc.path() / "RESULTAT" / "SveSpa1.TNR";
    std::vector<RecordEntry> stored;
    for (int i = 0; i < 40; ++i)
        stored.push_back(RecordEntry::make("P" + std::to_string(i + 1), uint16_t(1000 - 10 * i), QDateTime(QDate(2004, 5, 17), QTime(14, 30))));
    stored[1].name.clear(); // a row without a name keeps every row after it
    f.pc.write("RESULTAT/SveSpa1.TNR", recordTableBytes(stored));
    f.engine.RecordTablePath = file.native();
    f.engine.RecordName = "Ana";
    f.engine.RecordScore = 805; // after the 20th (810), before the 21st (800)
    f.engine.WordListTitle = "\xd6vers\xe4tt till spanska 1";
    TRekord w(f.app, QDateTime(QDate(2026, 12, 8), QTime(9, 5)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.TitelLabel->text(), QStringLiteral("Rekordtabell för Översätt till spanska 1"));
    QCOMPARE(w.placedRow(), 21);
    QTableWidget* grid = w.StringGrid1;
    QCOMPARE(grid->rowCount(), 100);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("    1"));
    QCOMPARE(grid->item(20, 0)->text(), QStringLiteral("  21"));
    QCOMPARE(grid->item(99, 0)->text(), QStringLiteral("100"));
    QCOMPARE(grid->item(20, 1)->text(), QStringLiteral("   Ana"));
    QCOMPARE(grid->item(20, 2)->text(), QStringLiteral(" 261208 09:05"));
    QCOMPARE(grid->item(20, 3)->text(), QStringLiteral("      805"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral(" 040517 14:30"));
    QCOMPARE(grid->item(40, 1)->text(), QStringLiteral("   P40")); // the last one, below the new entry
    QCOMPARE(grid->item(20, 1)->background().color(), QColor(0, 0, 128));
    // Row 21 in the middle of what shows.
    const int top = grid->verticalScrollBar()->value() + 1;
    const int visible = grid->viewport()->height() / grid->rowHeight(0);
    QCOMPARE(top, 21 - visible / 2);

    // Esc in the grid leaves without saving; Enter keeps the entry.
    QTest::keyClick(grid, Qt::Key_Escape);
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(readFileBytes(file).value_or(""), recordTableBytes(stored));
    TRekord again(f.app, QDateTime(QDate(2026, 12, 8), QTime(9, 5)));
    again.show();
    QTest::keyClick(again.StringGrid1, Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
    const RecordEntries now = parseRecordEntries(readFileBytes(file).value_or(""));
    QCOMPARE(now.entries.size(), std::size_t(41));
    QCOMPARE(now.entries[20].name, std::string("Ana"));
    QCOMPARE(now.entries[1].name, std::string(""));
    QCOMPARE(now.entries[40].name, std::string("P40"));
    QVERIFY(f.platform.messages.empty());
}

void WordQuizTest::theRecordTableWithAFullFileOrNoFolder()
{
    Quiz f;
    std::vector<RecordEntry> full;
    for (int i = 0; i < 100; ++i)
        full.push_back(RecordEntry::make("P", 500, QDateTime(QDate(2004, 5, 17), QTime(14, 30))));
    const fs::path file = f.pc.write("RESULTAT/Djur.TNR", recordTableBytes(full));
    f.engine.RecordTablePath = file.native();
    f.engine.RecordName = "Ana";
    f.engine.RecordScore = 500;
    {
        TRekord w(f.app);
        w.show();
        QCOMPARE(w.placedRow(), 101);
        QCOMPARE(w.StringGrid1->rowCount(), 101);
        QCOMPARE(w.StringGrid1->item(100, 0)->text(), QStringLiteral("  X"));
        // Scrolled to the end, where row 101 shows.
        const int y = w.StringGrid1->rowViewportPosition(100);
        QVERIFY(y >= 0 && y + w.StringGrid1->rowHeight(100) <= w.StringGrid1->viewport()->height());
        QTest::mouseClick(w.SparaButton, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(readFileBytes(file).value_or(""), recordTableBytes(full)); // unchanged
    }
    // A folder that is not there: said, and nothing can be saved.
    f.engine.RecordTablePath = (f.pc.path() / "saknas" / "Djur.TNR").native();
    TRekord w(f.app);
    QCOMPARE(f.platform.texts(), QStringList{"Kan inte hitta katalogen " + QString::fromStdString((f.pc.path() / "saknas").native())
                                             + ". tabellen kan inte sparas."});
    QVERIFY(!w.SparaButton->isEnabled());
    QCOMPARE(w.placedRow(), 1);
    QCOMPARE(w.StringGrid1->item(0, 1)->text(), QStringLiteral("   Ana"));

    // "&Tabell" after a series, on a folder that is gone: the table moves to
    // RESULTAT, and only the table: the diagnoses and the own lists stay.
    f.pc.write("DATA/SveSpa1.sp1", wordList(10));
    f.engine.ScoreDir = (f.pc.path() / "borta").native() + "/";
    const std::string diagnoses = f.engine.DiagnosisDir, own = f.engine.OwnDir;
    auto quiz = f.open(1001);
    choose(*quiz, 0);
    name(*quiz, QStringLiteral("Ana"));
    for (int i = 0; i < 10; ++i)
        answer(*quiz, true);
    f.platform.messages.clear();
    QTest::mouseClick(quiz->TabellButton, Qt::LeftButton);
    QCOMPARE(f.platform.openedWindows.last(), QStringLiteral("TRekord"));
    QVERIFY(f.platform.texts().at(0).startsWith(QStringLiteral("Kan inte hitta katalogen ")));
    QCOMPARE(fs::path(f.engine.RecordTablePath).parent_path(), f.pc.path() / "RESULTAT");
    QCOMPARE(f.engine.DiagnosisDir, diagnoses);
    QCOMPARE(f.engine.OwnDir, own);
    QVERIFY(!quiz->TabellButton->isEnabled()); // one entry a series
    QVERIFY(f.engine.RecordScore > 1000);
    QCOMPARE(f.engine.RecordName, std::string("Ana"));
}

} // namespace

QTEST_MAIN(WordQuizTest)
#include "wordquiz_test.moc"
