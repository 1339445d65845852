#pragma once
// The level exercise: questions graded in up to 20 levels. The pupil starts at
// level 1; three right answers in a row take a level up, a wrong answer a level
// down. A level box and a gauge show the level, which can be stored under the
// pupil's name ("&Fija el nivel") and fetched again later ("&Abre el nivel").
// There is no series of a fixed length, no star column and no praise.

#include "engine/ports.h"
#include "exercises/common/exercisewindow.h"
#include "exercises/stegran/levels.h"

#include <filesystem>

class QLabel;
class QLineEdit;

namespace lingvaro {

class TextAnswer;

// The level box: "Nivel" and the level, its number larger with each right
// answer of the run (18, 24, 30 points).
class LevelBox : public QWidget {
    Q_OBJECT
public:
    LevelBox(QWidget* parent, int scalePercent);
    void UppgraderaNivRutan(int level, int run);
    int level() const { return level_; }
    int pointSize() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int scale_;
    int level_ = 1;
    int run_ = 0;
};

// The gauge: an aqua bar on navy that climbs with the level, a rung for each level.
class LevelGauge : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setLevels(int level, int maximum);
    int level() const { return level_; }
    int maximum() const { return maximum_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int level_ = 1;
    int maximum_ = 1;
};

class TStegran : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TStegran(AppContext& app);
    static const ExerciseRules& rules();
    // The seconds an answer shows: the window's own, the pupil's setting is left alone.
    static constexpr int AnswerSeconds = 3;

    TextAnswer* Answer;
    QLabel* Label5;         // the answer (field 2), shown after a wrong one
    LevelBox* NivRutan;
    LevelGauge* Gauge1;
    QFrame* NamnPanel;      // "Escribe tu nombre." / " Aplasta Enter."
    QLineEdit* NamnEdit;
    LevelLadder Ladder;

    // Enter in the answer box.
    void answerEntered();
    // "&Fija el nivel" and "&Abre el nivel": the name box, then the store or fetch.
    void Button1Click() override;
    void BitBtn1Click() override;
    // Enter in the name box.
    void nameEntered();
    void nameCancelled();

    // What the pupil is told after a store or fetch.
    struct Notice {
        MessageSink::Kind kind;
        QString text;
    };

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void showPanel(bool correctionOffered) override;
    void hidePanel() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class NameAction { Store, Fetch };
    void askName(NameAction action);
    Notice storeLevel();
    Notice fetchLevel();
    void showLevel();
    // The level file of this exercise in the diagnosis folder; empty when it keeps none.
    std::filesystem::path levelFilePath();

    NameAction nameAction_ = NameAction::Store;
};

} // namespace lingvaro
