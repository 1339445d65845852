// The odd-word game and its player names: whose turn it is and who wins, the
// greeting, the name dialog's checks, picking by key and by click, keys while
// a pick shows its answer, a pause that never opens a judged question again,
// and two players playing to the end.

#include "engine/cp1252.h"
#include "exercises/oddword/katten.h"
#include "exercises/oddword/spelnamn.h"
#include "shell/menus.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// Plays picks (true right, false wrong) from the start; the turns in order.
std::vector<int> play(OddWordTurns& t, const std::vector<bool>& picks)
{
    std::vector<int> turns;
    for (bool right : picks) {
        t.nextTurn();
        turns.push_back(t.current());
        if (t.picked(right))
            break;
    }
    return turns;
}

std::vector<bool> repeat(const std::vector<bool>& round, int times)
{
    std::vector<bool> out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), round.begin(), round.end());
    return out;
}

struct Game : WindowFixture {
    explicit Game(int players = 2)
    {
        std::vector<std::string> lines = {"$Vad ska bort?", "$\xa7Vilket ord h\xf6r inte hit?"};
        for (int k = 1; k <= 12; ++k) {
            const std::string n = std::to_string(k);
            lines.push_back("udda" + n + "#lika" + n + "a#lika" + n + "b#lika" + n + "c#Udda" + n + " \xe4r annorlunda.");
        }
        cd.write("DATA/SPA16000.DAT", crlf(lines));
        open("SPA16000.DAT");
        engine.PupilName = "Ana";
        engine.PlayerName2 = "Bo";
        engine.PlayerName3 = "In\xe9s";
        engine.PlayerCount = players;
        engine.AnswerShowSeconds = 2;
    }
};

// The key of the panel that shows field 1 (or of another panel).
void pressRight(Tkatten& w, bool right)
{
    const int panel = right ? w.rightPanel() : w.rightPanel() % 4 + 1;
    QTest::keyClick(&w, char('0' + panel));
}

class OddWordTest : public QObject {
    Q_OBJECT
private slots:
    void turnsAndLastChances();
    void greetings();
    void playerNamesAreCheckedBeforeTheGame();
    void aCancelledNameDialogOpensNoGame();
    void picksByKeyAndClickAndTheAnswerShown();
    void aPauseNeverOpensAJudgedQuestionAgain();
    void twoPlayersToTheEndAndANewGame();
};

void OddWordTest::turnsAndLastChances()
{
    // One player: the fifth point ends the game.
    OddWordTurns one(1);
    QCOMPARE(play(one, repeat({true}, 9)).size(), std::size_t(5));
    QVERIFY(one.over());
    QCOMPARE(one.winners(), std::vector<int>{1});

    // Two players, player 1 reaches five while player 2 has four: one more turn for 2.
    OddWordTurns both(2);
    const std::vector<int> turns = play(both, repeat({true, true}, 5));
    QCOMPARE(turns.size(), std::size_t(10));
    QCOMPARE(turns.back(), 2);
    QCOMPARE(both.winners(), (std::vector<int>{1, 2}));
    OddWordTurns first(2);
    std::vector<bool> picks = repeat({true, true}, 4);
    picks.insert(picks.end(), {true, false}); // player 2 misses the last chance
    play(first, picks);
    QVERIFY(first.over());
    QCOMPARE(first.winners(), std::vector<int>{1});
    // Player 2 at three when player 1 reaches five: no last turn.
    OddWordTurns ahead(2);
    picks = {true, false, true, true, true, true, true, true, true};
    QCOMPARE(play(ahead, picks).size(), std::size_t(9));
    QVERIFY(ahead.over());
    QCOMPARE(ahead.points(2), 3);
    // Player 2 reaching five first: player 1 has had as many turns, the game ends.
    OddWordTurns second(2);
    play(second, repeat({false, true}, 5));
    QVERIFY(second.over());
    QCOMPARE(second.winners(), std::vector<int>{2});

    // Three players: 1 reaches five with 2 and 3 at four; both get their turn.
    OddWordTurns three(3);
    picks = repeat({true, true, true}, 4);
    picks.insert(picks.end(), {true, false, true});
    const std::vector<int> all = play(three, picks);
    QCOMPARE(std::vector<int>(all.end() - 3, all.end()), (std::vector<int>{1, 2, 3}));
    QCOMPARE(three.winners(), (std::vector<int>{1, 3}));
    // 2 reaches five with 3 at four and 1 at two: only 3 plays on, and wins too.
    OddWordTurns middle(3);
    picks = {false, true, true, true, true, true, false, true, true, true, true, true, false, true};
    const std::vector<int> order = play(middle, picks);
    QCOMPARE(middle.points(1), 2);
    QVERIFY(!middle.over());
    QVERIFY(middle.goalReached());
    QVERIFY(middle.lastChance(3));
    QVERIFY(!middle.lastChance(1));
    middle.nextTurn();
    QCOMPARE(middle.current(), 3);
    QVERIFY(middle.picked(true));
    QCOMPARE(middle.winners(), (std::vector<int>{2, 3}));
    for (int p = 1; p <= 3; ++p)
        QVERIFY(middle.points(p) <= 5);
}

void OddWordTest::greetings()
{
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Ana"}, false)), QStringLiteral("  ¡Enhorabuena, Ana!"));
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Ana", "Bo"}, false)), QStringLiteral("  ¡Enhorabuena, Ana y Bo!"));
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Ana", "Bo", "Cy"}, true)),
             QStringLiteral("   ¡Enhorabuena, Ana, Bo y Cy!"));
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Bo", "Inés"}, false)), QStringLiteral("  ¡Enhorabuena, Bo e Inés!"));
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Bo", "Hilda"}, false)), QStringLiteral("  ¡Enhorabuena, Bo e Hilda!"));
    QCOMPARE(QString::fromStdString(oddWordGreeting({"Bo", "Hielo"}, false)), QStringLiteral("  ¡Enhorabuena, Bo y Hielo!"));
}

void OddWordTest::playerNamesAreCheckedBeforeTheGame()
{
    Game f;
    f.engine.PlayerCount = 0;
    TSpelNam w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Enter before a count is chosen does nothing.
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(w.isVisible());
    QCOMPARE(w.shownFields(), 0);
    QTest::mouseClick(w.Antal[2], Qt::LeftButton);
    QCOMPARE(w.shownFields(), 3);
    QVERIFY(!w.Antal[2]->isEnabled());
    QCOMPARE(w.PromptLabel->text(), QStringLiteral("Escribid vuestros nombres."));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Namn[0]));
    QTest::keyClicks(w.Namn[0], QStringLiteral("Eva"));
    QTest::keyClick(w.Namn[0], Qt::Key_Return);
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Namn[1]));
    w.Namn[1]->clear();
    QTest::keyClicks(w.Namn[1], QStringLiteral("   ")); // spaces are no name
    QTest::keyClick(w.Namn[1], Qt::Key_Return);
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Namn[2]));
    QTest::keyClick(w.Namn[2], Qt::Key_Return);
    QVERIFY(w.isVisible());
    QVERIFY(!w.Fel[0]->isVisible());
    QVERIFY(w.Fel[1]->isVisible()); // beside field 2 only
    QVERIFY(!w.Fel[2]->isVisible());
    QCOMPARE(w.Fel[1]->text(), QStringLiteral("Eso no era ningún nombre."));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Namn[1])); // back to the field without a name
    // Typing in field 2 takes its error back.
    QTest::keyClicks(w.Namn[1], QStringLiteral("x"));
    QVERIFY(!w.Fel[1]->isVisible());
    w.Namn[1]->clear();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.Namn[2], Qt::Key_Return);
    QCOMPARE(w.failures(), 4);
    QVERIFY(w.EscapeLabel->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Puedes salir con la tecla de Escape."));
    QCOMPARE(f.engine.PupilName, std::string("Ana")); // nothing taken yet

    QTest::keyClicks(w.Namn[1], QStringLiteral("Bo"));
    QTest::keyClick(w.Namn[2], Qt::Key_Return);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(f.engine.PupilName, std::string("Eva"));
    QCOMPARE(f.engine.PlayerName2, std::string("Bo"));
    QCOMPARE(f.engine.PlayerCount, 3);

    // The next time the players are there: one Enter starts the game.
    TSpelNam again(f.app);
    again.show();
    QCOMPARE(again.shownFields(), 3);
    QCOMPARE(again.Namn[0]->text(), QStringLiteral("Eva"));
    QTest::keyClick(again.Namn[0], Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
}

void OddWordTest::aCancelledNameDialogOpensNoGame()
{
    Game f;
    const MenuDef* menu = findMenu("TF21");
    const auto leaf = std::find_if(menu->items.begin(), menu->items.end(),
                                   [](const MenuItem& i) { return std::string(i.opens) == "TSpelNam Tkatten"; });
    QVERIFY(leaf != menu->items.end());
    f.platform.modalAnswers.push_back([](QDialog& d) {
        auto& names = static_cast<TSpelNam&>(d);
        QTest::mouseClick(names.ParaButton, Qt::LeftButton);
        return names.result();
    });
    openLeaf(f.app, *leaf);
    QCOMPARE(f.platform.openedWindows, QStringList{"TSpelNam"});
    QVERIFY(f.engine.PlayersCancelled);

    // After a quiz of own lists the game still reads its own file.
    f.platform.openedWindows.clear();
    f.engine.ExerciseNo = 1004;
    int seen = 0;
    f.platform.modalAnswers.push_back([&f, &seen](QDialog& d) {
        seen = f.engine.ExerciseNo;
        auto& names = static_cast<TSpelNam&>(d);
        QTest::keyClick(names.Namn[0], Qt::Key_Return);
        return names.result();
    });
    openLeaf(f.app, *leaf);
    QCOMPARE(f.platform.openedWindows, (QStringList{"TSpelNam", "Tkatten"}));
    QCOMPARE(seen, 16000);
    QCOMPARE(int(f.engine.ExerciseNo), 16000);
}

void OddWordTest::picksByKeyAndClickAndTheAnswerShown()
{
    Game f(1);
    Tkatten w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.InstruktionsLabel->text(), QStringLiteral("Vilket ord hör inte hit?"));
    // Field 1 stands in the right panel, wherever the order put it.
    const std::array<int, 4> order = w.panelOrder();
    QCOMPARE(order[std::size_t(w.rightPanel() - 1)], 1);
    QCOMPARE(w.OrdLabel[std::size_t(w.rightPanel() - 1)]->text(), fromCp1252(f.engine.AnswerFields[1]));
    QVERIFY(w.OrdLabel[0]->font().pointSize() <= 30);

    pressRight(w, true);
    QCOMPARE(w.turns().points(1), 1);
    // A click on the right word's number label picks too.
    QTest::mouseClick(w.NummerLabel[std::size_t(w.rightPanel() - 1)], Qt::LeftButton);
    QCOMPARE(w.turns().points(1), 2);

    // A wrong pick: the right panel in aqua, the comment, and the keys do nothing while it shows.
    const int right = w.rightPanel();
    pressRight(w, false);
    QVERIFY(!w.panelsEnabled());
    QVERIFY(w.KommentarLabel->isVisible());
    QCOMPARE(w.KommentarLabel->text(), fromCp1252(f.engine.AnswerFields[5]));
    QCOMPARE(w.KattPanel[std::size_t(right - 1)]->palette().color(QPalette::Window), QColor(0, 255, 255));
    QTest::keyClick(&w, char('0' + right));
    QCOMPARE(w.turns().points(1), 2);
    QVERIFY(w.Timer1->isActive());
    w.Timer1Tick();
    QVERIFY(w.KommentarLabel->isVisible()); // two seconds
    w.Timer1Tick();
    QVERIFY(!w.KommentarLabel->isVisible());
    QVERIFY(w.panelsEnabled());
    QVERIFY(f.platform.messages.empty());
}

void OddWordTest::aPauseNeverOpensAJudgedQuestionAgain()
{
    Game f(1);
    Tkatten w(f.app);
    w.show();
    const QString judged = fromCp1252(f.engine.AnswerFields[1]);
    pressRight(w, false);
    QTest::keyClick(&w, Qt::Key_Escape); // a pause while the answer shows
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Button2));
    QTest::keyClick(w.Button2, Qt::Key_Return);
    QVERIFY(!w.Panel1->isVisible());
    QVERIFY(w.panelsEnabled());
    QVERIFY(fromCp1252(f.engine.AnswerFields[1]) != judged); // the next words, not the answered ones
    QVERIFY(!w.KommentarLabel->isVisible());
    QCOMPARE(w.turns().points(1), 0);

    // A pause while asking keeps the question.
    const QString asked = fromCp1252(f.engine.AnswerFields[1]);
    QTest::mouseClick(w.OrdLabel[0], Qt::RightButton);
    QVERIFY(w.Panel1->isVisible());
    QTest::keyClick(&w, char('0' + w.rightPanel()));
    QCOMPARE(w.turns().points(1), 0); // no pick while paused
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(fromCp1252(f.engine.AnswerFields[1]), asked);
    pressRight(w, true);
    QCOMPARE(w.turns().points(1), 1);
    // Esc with the panel up leaves the game.
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(w.Button2, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void OddWordTest::twoPlayersToTheEndAndANewGame()
{
    Game f(2);
    Tkatten w(f.app);
    w.show();
    QCOMPARE(w.turns().current(), 1);
    // Ana always right, Bo always right: Ana's fifth point leaves Bo one more turn.
    for (int i = 0; i < 9; ++i)
        pressRight(w, true);
    QVERIFY(!w.Panel1->isVisible());
    QCOMPARE(w.turns().current(), 2);
    pressRight(w, false); // Bo misses
    w.Timer1Tick();
    w.Timer1Tick();
    QVERIFY(w.LovordPanel->isVisible());
    QCOMPARE(w.LovordLabel->text(), QStringLiteral("   ¡Enhorabuena, Ana!"));
    QVERIFY(!w.KattPanel[0]->isVisible());
    QVERIFY(w.Panel1->isVisible());
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Button2));
    QVERIFY(w.PoangPanel->accessibleDescription().contains(QStringLiteral("Ana 5")));
    QVERIFY(w.PoangPanel->accessibleDescription().contains(QStringLiteral("Bo 4")));
    QVERIFY(w.PoangPanel->namePoints() >= 10);

    // "&Continúa" starts a new game with the same players.
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QVERIFY(!w.LovordPanel->isVisible());
    QVERIFY(w.KattPanel[0]->isVisible());
    QCOMPARE(w.turns().points(1), 0);
    QCOMPARE(w.turns().current(), 1);
    // "&Nuevos nombres": the dialog again; cancelled, the game stays as it was.
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::mouseClick(w.NyaNamnButton, Qt::LeftButton);
    QCOMPARE(f.platform.openedWindows.last(), QStringLiteral("TSpelNam"));
    QVERIFY(w.Panel1->isVisible());
}

} // namespace

QTEST_MAIN(OddWordTest)
#include "oddword_test.moc"
