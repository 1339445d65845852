#pragma once
// "Vad ska bort?": a game for one to three players. Four words are shown; one
// of them does not belong with the others, and the player whose turn it is
// picks it with a click or with the keys 1-4. A right pick is a point, a wrong
// one shows the right word and why; the first to five points wins, with a last
// turn for those who have had one turn fewer. The players' names come from the
// player-name dialog (TSpelNam).

#include "exercises/oddword/oddturns.h"

#include <QDialog>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace lingvaro {

struct AppContext;
class Engine;

// The score panel: for each player a name, a result bar and in it the points
// as an aqua bar (points / 5 of its width); the player whose turn it is has the
// name on aqua.
class OddWordScores : public QWidget {
    Q_OBJECT
public:
    OddWordScores(QWidget* parent, int scalePercent);
    void setPlayers(const std::vector<QString>& names);
    void setState(const OddWordTurns& turns);
    // The type of the names: 20 points, less until the longest name fits, never below 10.
    int namePoints() const { return namePoints_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void fitNames();
    int scale_;
    std::vector<QString> names_;
    std::array<int, 3> points_{};
    int current_ = 0;
    int namePoints_ = 20;
};

class Tkatten : public QDialog {
    Q_OBJECT
public:
    explicit Tkatten(AppContext& app);

    QFrame* RubrikPanel;     // "Vad ska bort?"
    QLabel* InstruktionsLabel;
    std::array<QFrame*, 4> KattPanel;
    std::array<QLabel*, 4> OrdLabel;
    std::array<QLabel*, 4> NummerLabel;
    QLabel* KommentarLabel;
    OddWordScores* PoangPanel;
    QFrame* LovordPanel;
    QLabel* LovordLabel;
    QFrame* Panel1;          // the button panel
    QPushButton* Button2;    // "&Continúa"
    QPushButton* Button3;    // "&Interrumpe"
    QPushButton* NyaNamnButton; // "&Nuevos nombres"
    QTimer* Timer1;          // the wait after a wrong pick, in seconds

    const OddWordTurns& turns() const { return turns_; }
    int rightPanel() const { return rightPanel_; }
    std::array<int, 4> panelOrder() const { return order_; }
    bool panelsEnabled() const { return enabled_; }
    int wordPoints() const { return wordPoints_; }

    // The pick of panel 1..4 (a click or a key), while the panels take one.
    void pick(int panel);
    void Timer1Tick();
    void pause();
    void ContinuaClick();
    void NyaNamnClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layout();
    void newGame();
    void nextQuestion();
    void endGame(bool onWrongPick);
    void setPanelsEnabled(bool on);
    int panelAt(QObject* object) const;

    AppContext& app_;
    Engine& e_;
    OddWordTurns turns_;
    std::array<int, 4> order_{1, 2, 3, 4};
    int rightPanel_ = 1;
    bool enabled_ = false;
    bool waiting_ = false;        // a wrong pick shows its right word
    bool endsAfterWait_ = false;  // and the game ends when the wait is over
    bool paused_ = false;
    bool gameOver_ = false;
    int ticks_ = 0;
    int wordPoints_ = 30;
};

} // namespace lingvaro
