// The duel game, driven by real keys and clicks: the name box and its empty
// Enters, the five words of a turn and their marks, the two lanes of twenty
// squares, a wrong answer shown over the right digit, the pause that gives no
// second answer, Alt+N, the end of a game with its winner named, a new game
// with the same name, and the five words spoken one after another.

#include "contentmap/duel.h"
#include "engine/cp1252.h"
#include "exercises/common/speechplayer.h"
#include "exercises/duel/falska.h"
#include "tests/ui/windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A duel file of n words "palabraK#mark#ordK": every `every`-th word carries the mark.
void duelFile(WindowFixture& f, const std::string& name, int n, int every, const std::string& mark = "X",
              const std::string& other = "-")
{
    std::vector<std::string> lines = {"$Uttal", "$Duell", "$\xa7R\xe4kna orden."};
    for (int k = 1; k <= n; ++k)
        lines.push_back("palabra" + std::to_string(k) + "#" + (k % every == 0 ? mark : other) + "#ord" + std::to_string(k));
    f.cd.write("DATA/" + name, crlf(lines));
}

void enterName(TFalska& w, const QString& name)
{
    QTest::mouseClick(w.Edit1, Qt::LeftButton);
    w.Edit1->clear();
    QTest::keyClicks(w.Edit1, name);
    QTest::keyClick(w.Edit1, Qt::Key_Return);
}

int filledIn(const TFalska& w, int from, int to)
{
    int n = 0;
    for (int k = from; k <= to; ++k)
        n += w.filled(k);
    return n;
}

// Answers the turn right or wrong until one of the turns moves a token.
void answerTurn(TFalska& w, bool right)
{
    const int digit = right ? w.RightNumber : (w.RightNumber + 1) % 6;
    QTest::keyClick(&w, char('0' + digit));
}

class DuelTest : public QObject {
    Q_OBJECT
private slots:
    void rulesOfTheFiles();
    void nameBox();
    void turnsLanesAndTheWinner();
    void wrongAnswerWithNoMarks();
    void marksInEitherCase();
    void pauseGivesNoSecondAnswer();
    void altNOnlyWhilePlaying();
    void veikaWinsAndANewGameKeepsTheName();
    void wordsSpokenOneAfterAnother();
    void noSoundsWithoutSoundOrForGender();
    void missingSoundStopsTheWords();
};

void DuelTest::rulesOfTheFiles()
{
    QCOMPARE(duel::targetMark(11500), std::string("X"));
    QCOMPARE(duel::targetMark(52200), std::string("M"));
    QVERIFY(duel::speaksWords(11600) && !duel::speaksWords(52200));
    QCOMPARE(duel::questionSound(11500, 7), (std::pair<std::string, std::string>{"Sp115", "Sp115007.WAV"}));
    QVERIFY(duel::questionSound(52200, 7).second.empty());
    QVERIFY(duel::questionSound(11600, 1000).second.empty());
    auto fields = [](std::vector<std::string> f) {
        f.insert(f.begin(), std::string());
        return f;
    };
    QVERIFY(duel::lineProblems(fields({"zapato", "X", "sko"}), 11500).empty());
    QVERIFY(duel::lineProblems(fields({"casa", "-", "hus"}), 11500).empty());
    QCOMPARE(duel::lineProblems(fields({"casa", "F", "hus"}), 11500).size(), std::size_t(1));
    QCOMPARE(duel::lineProblems(fields({"casa", "-", ""}), 52200).size(), std::size_t(2));
    std::vector<std::vector<std::string>> allMarked(10, fields({"zapato", "X", "sko"}));
    QCOMPARE(duel::fileProblems(allMarked, 11500).size(), std::size_t(1));
    QCOMPARE(duel::fileProblems({fields({"zapato", "X", "sko"})}, 11500).size(), std::size_t(2));
}

void DuelTest::nameBox()
{
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 20, 2);
    f.open("SPA11500.DAT");
    f.engine.PupilName = "Eva";
    TFalska w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Edit1->text(), QStringLiteral("Eva")); // the name of the run offered again
    QVERIFY(w.Panel3->isVisible() && !w.Panel1->isVisible() && !w.AntalPanel->isVisible());
    QTest::keyClick(&w, Qt::Key_1); // the game takes no keys before the name
    QCOMPARE(w.state(), TFalska::State::NameBox);
    const QStringList line1 = {"Escribe tu nombre!", "Escribe tu nombre!!", "Escribe tu nombre!!!", "Interrumpe!",
                               "Interrumpe!!", "Interrumpe!!!"};
    const QStringList line2 = {"Aplasta Enter!", "Aplasta Enter!", "Aplasta Enter!", "Aplasta ESC!", "Aplasta ESC!!",
                               "Aplasta ESC!!!"};
    for (int i = 0; i < 6; ++i) {
        enterName(w, QString());
        QCOMPARE(w.Label3->text(), line1[i]);
        QCOMPARE(w.Label4->text(), line2[i]);
        QVERIFY(w.isVisible());
    }
    enterName(w, QString()); // the seventh closes the window
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
}

void DuelTest::turnsLanesAndTheWinner()
{
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 30, 2);
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    enterName(w, QStringLiteral("Ana"));
    QCOMPARE(f.engine.PupilName, std::string("Ana"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Ana"));
    QVERIFY(!w.Panel3->isVisible() && w.Panel1->isVisible() && w.AntalPanel->isVisible());
    QVERIFY(w.OversattButton->isVisible() && !w.Nextbutton->isVisible());

    // The squares: 20 steps from the right edge to one, the pupil's lane above VEKA's.
    QCOMPARE(w.Shape[0]->x(), w.Panel2->width() - 20 * w.SquareStep);
    QCOMPARE(w.Shape[19]->x(), w.Panel2->width() - w.SquareStep);
    QCOMPARE(w.Shape[20]->x(), w.Shape[0]->x());
    QVERIFY(w.Shape[20]->y() > w.Shape[0]->y());
    QVERIFY(w.Label2->geometry().right() < w.Shape[0]->x());

    // A turn: five words, the marked ones counted, the Swedish under "Sueco".
    int marked = 0;
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(w.ty[i]->text(), QStringLiteral("palabra%1").arg(w.TurnQuestions[std::size_t(i)]));
        marked += w.TurnQuestions[std::size_t(i)] % 2 == 0;
    }
    QCOMPARE(w.RightNumber, marked);
    QVERIFY(!w.SV[0]->isVisible());
    QTest::mouseClick(w.OversattButton, Qt::LeftButton);
    QVERIFY(w.SV[0]->isVisible());
    QCOMPARE(w.SV[0]->text(), QStringLiteral("ord%1").arg(w.TurnQuestions[0]));

    // A right answer moves the pupil that many squares, and the next turn comes.
    const int right = w.RightNumber;
    QTest::mouseClick(w.SpeedButton[std::size_t(right)], Qt::LeftButton);
    QCOMPARE(w.PupilPosition, right);
    QCOMPARE(filledIn(w, 1, 20), right);
    QCOMPARE(filledIn(w, 21, 40), 0);
    QVERIFY(!w.SV[0]->isVisible()); // the next turn hides the translations

    // From 18, a right 3 fills 19 and 20 and wins.
    w.ClearTrack();
    w.PupilPosition = 18;
    w.FillSquares(1, 18);
    for (int i = 0; i < 200 && w.RightNumber != 3; ++i)
        w.NyPost();
    QCOMPARE(w.RightNumber, 3);
    QTest::keyClick(&w, Qt::Key_3);
    QCOMPARE(w.PupilPosition, 21);
    QCOMPARE(filledIn(w, 1, 20), 20);
    QVERIFY(w.GameOver && w.PupilWon);
    QCOMPARE(w.state(), TFalska::State::GameOver);
    QVERIFY(w.BildPanelen->isVisible() && w.Escapepanel->isVisible() && w.LovordPanel->isVisible());
    // The winner by name, in the praise sentence's words, never in the file's raw line.
    const QString text = w.LovordLabel1->text();
    QVERIFY2(text.contains(QStringLiteral("Ana")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Tú has ganado.")), qPrintable(text));
    QVERIFY2(!text.contains(u'#') && !text.contains(QStringLiteral("<namn>")) && !text.contains(QStringLiteral("Bra gjort")),
             qPrintable(text));
}

void DuelTest::wrongAnswerWithNoMarks()
{
    {
        WindowFixture f;
        duelFile(f, "SPA11500.DAT", 10, 1000); // no word carries the mark
        f.open("SPA11500.DAT");
        TFalska w(f.app);
        w.show();
        enterName(w, QStringLiteral("Ana"));
        QCOMPARE(w.RightNumber, 0);
        QTest::keyClick(&w, Qt::Key_2);
        // "0" in red over the "0" button, VEKA does not move.
        QVERIFY(w.SpeedPanel1->isVisible());
        QCOMPARE(w.SpeedPanel1->x(), 0);
        QCOMPARE(w.SpeedLabel1->text(), QStringLiteral("0"));
        QCOMPARE(w.ComputerPosition, 0);
        QCOMPARE(filledIn(w, 1, 40), 0);
        QCOMPARE(w.state(), TFalska::State::JudgedWrong);
        QVERIFY(w.Nextbutton->isVisible() && !w.SpeedButton[0]->isEnabled());
        QTest::keyClick(&w, Qt::Key_N);
        QCOMPARE(w.state(), TFalska::State::Asking);
    }
    // A wrong answer with marked words: they turn red, VEKA moves by the right number.
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 30, 2);
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    for (int i = 0; i < 200 && w.RightNumber < 2; ++i)
        w.NyPost();
    const int n = w.RightNumber;
    QVERIFY(n >= 2);
    QTest::keyClick(&w, char('0' + (n + 1) % 6));
    QCOMPARE(w.ComputerPosition, n);
    QCOMPARE(filledIn(w, 21, 40), n);
    QCOMPARE(w.SpeedPanel1->x(), n * w.AntalPanel->height());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(w.ty[i]->palette().color(QPalette::WindowText),
                 w.MarkedFlags[std::size_t(i)] ? QColor(255, 0, 0) : QColor(0, 0, 128));
}

void DuelTest::marksInEitherCase()
{
    WindowFixture f;
    duelFile(f, "Spa52200.DAT", 10, 1, "m"); // every word masculine, the mark written small
    f.open("Spa52200.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    QCOMPARE(w.RightNumber, 5);
    QVERIFY(!w.HoraButton->isVisible());
}

void DuelTest::pauseGivesNoSecondAnswer()
{
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 30, 2);
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    for (int i = 0; i < 200 && w.RightNumber < 1; ++i)
        w.NyPost();
    answerTurn(w, false);
    const int veka = w.ComputerPosition;
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.Escapepanel->isVisible());
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    // Back to the answered turn: the digits stay off, the right number cannot be given now.
    QVERIFY(!w.Escapepanel->isVisible());
    QCOMPARE(w.state(), TFalska::State::JudgedWrong);
    QVERIFY(!w.SpeedButton[0]->isEnabled());
    QTest::keyClick(&w, char('0' + w.RightNumber));
    QCOMPARE(w.PupilPosition, 0);
    QCOMPARE(w.ComputerPosition, veka);
    // A pause while asking gives the digits back.
    QTest::keyClick(&w, Qt::Key_N);
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.SpeedButton[0]->isEnabled());
    QTest::keyClick(&w, Qt::Key_Escape); // Esc on the pause panel interrupts
    QVERIFY(!w.isVisible());
}

void DuelTest::altNOnlyWhilePlaying()
{
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 30, 2);
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    auto turn = [&] { return w.TurnQuestions; };
    auto before = turn();
    QTest::keyClick(&w, Qt::Key_N); // N only while "La siguiente" shows
    QCOMPARE(turn(), before);
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    QVERIFY(turn() != before);
    before = turn();
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier); // not behind the pause panel
    QCOMPARE(turn(), before);
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    w.ComputerPosition = 19;
    for (int i = 0; i < 200 && w.RightNumber < 1; ++i)
        w.NyPost();
    answerTurn(w, false);
    QCOMPARE(w.state(), TFalska::State::GameOver);
    before = turn();
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier); // nor in a game that is over
    QCOMPARE(turn(), before);
    QCOMPARE(w.state(), TFalska::State::GameOver);
}

void DuelTest::veikaWinsAndANewGameKeepsTheName()
{
    WindowFixture f;
    duelFile(f, "SPA11500.DAT", 30, 2);
    // No praise files: the winner is named all the same.
    for (int n = 9001; n <= 9016; ++n)
        std::filesystem::remove(f.cd.path() / "DATA" / ("SpOM" + std::to_string(n) + ".LOV"));
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    int turns = 0;
    while (!w.GameOver && turns++ < 200) {
        if (w.RightNumber == 0) {
            QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
            continue;
        }
        answerTurn(w, false);
        if (!w.GameOver)
            QTest::mouseClick(w.Nextbutton, Qt::LeftButton);
    }
    QVERIFY(w.GameOver && !w.PupilWon);
    QCOMPARE(filledIn(w, 21, 40), 20);
    QCOMPARE(w.LovordLabel1->text(), QStringLiteral("Lo siento, Ana. VEKA ha ganado."));
    QCOMPARE(w.focusWidget(), w.Button4);
    // "&Continúa": empty lanes, the same name, no name box.
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QCOMPARE(w.state(), TFalska::State::Asking);
    QCOMPARE(filledIn(w, 1, 40), 0);
    QCOMPARE(w.PupilPosition + w.ComputerPosition, 0);
    QVERIFY(!w.Panel3->isVisible() && !w.BildPanelen->isVisible() && !w.LovordPanel->isVisible());
    QCOMPARE(w.Label2->text(), QStringLiteral("Ana"));
    // The pupil wins this one without a praise file: named all the same.
    w.PupilPosition = 19;
    for (int i = 0; i < 200 && w.RightNumber < 1; ++i)
        w.NyPost();
    answerTurn(w, true);
    QCOMPARE(w.LovordLabel1->text(), QStringLiteral("¡Enhorabuena Ana !"));
}

void DuelTest::wordsSpokenOneAfterAnother()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    duelFile(f, "SPA11600.DAT", 12, 3);
    for (int k = 1; k <= 12; ++k)
        f.cd.write(QStringLiteral("LJUD/Sp116/Sp116%1.WAV").arg(k, 3, 10, QChar(u'0')).toStdString(), "RIFF");
    f.open("SPA11600.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    QVERIFY(!w.HoraButton->isVisible()); // only after a wrong answer
    answerTurn(w, false);
    QVERIFY(w.HoraButton->isVisible() && w.HoraButton->isEnabled());
    QTest::keyClick(&w, Qt::Key_H);
    // One word at a time, the next when the one before has ended, never holding the program.
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(int(f.platform.played.size()), i + 1);
        QVERIFY(f.platform.played.back().file.endsWith(
            QStringLiteral("LJUD/Sp116/Sp116%1.WAV").arg(w.TurnQuestions[std::size_t(i)], 3, 10, QChar(u'0'))));
        QVERIFY(!f.platform.played.back().wait);
        QVERIFY(!w.Nextbutton->isEnabled() && !w.HoraButton->isEnabled());
        w.Speech->checkPlayback();
        QCOMPARE(int(f.platform.played.size()), i + 1); // still sounding
        f.platform.playing = false;
        w.Speech->checkPlayback();
        w.Speech->checkPlayback();
    }
    QCOMPARE(int(f.platform.played.size()), 5);
    QVERIFY(w.Nextbutton->isEnabled() && w.HoraButton->isEnabled() && !w.SpeedButton[0]->isEnabled());

    // Esc stops them and the rest is not played; back from the pause the buttons work.
    QTest::mouseClick(w.HoraButton, Qt::LeftButton);
    QCOMPARE(int(f.platform.played.size()), 6);
    const int stops = f.platform.stops;
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(f.platform.stops > stops && !f.platform.playing && !w.Speech->queueRunning());
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QVERIFY(w.Nextbutton->isEnabled() && w.HoraButton->isEnabled());
    // Closing the window stops them too.
    QTest::mouseClick(w.HoraButton, Qt::LeftButton);
    QVERIFY(f.platform.playing);
    w.Button4Click();
    QVERIFY(!f.platform.playing);
}

void DuelTest::noSoundsWithoutSoundOrForGender()
{
    for (int soundMode : {0, 2}) {
        WindowFixture f;
        f.engine.SoundMode = uint8_t(soundMode);
        duelFile(f, "SPA11500.DAT", 12, 3);
        f.open("SPA11500.DAT");
        TFalska w(f.app);
        w.show();
        enterName(w, QStringLiteral("Ana"));
        answerTurn(w, false);
        QVERIFY(w.Nextbutton->isVisible() && !w.HoraButton->isVisible());
        QTest::keyClick(&w, Qt::Key_H);
        QVERIFY(f.platform.played.empty());
    }
}

void DuelTest::missingSoundStopsTheWords()
{
    WindowFixture f;
    f.engine.SoundMode = 1;
    duelFile(f, "SPA11500.DAT", 12, 3);
    f.open("SPA11500.DAT");
    TFalska w(f.app);
    w.show();
    enterName(w, QStringLiteral("Ana"));
    answerTurn(w, false);
    QTest::keyClick(&w, Qt::Key_H);
    // One message, not five, and the game goes on.
    QCOMPARE(f.platform.texts().size(), 1);
    QVERIFY(f.platform.texts().front().startsWith(QStringLiteral("Ljudfilen ")));
    QVERIFY(w.Nextbutton->isEnabled());
    QTest::keyClick(&w, Qt::Key_N);
    answerTurn(w, false);
    QTest::keyClick(&w, Qt::Key_H);
    QCOMPARE(f.platform.texts().size(), 1);
}

} // namespace

QTEST_MAIN(DuelTest)
#include "duel_test.moc"
