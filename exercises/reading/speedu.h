#pragma once
// The reading-speed window ("Entrenamiento de lectura"): the pupil chooses a
// text and a pace, and reads the text aloud while the window greys it word by
// word at that pace; at the end it tells the time taken and the words a minute.

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QWidget>
#include <QList>
#include <QStringList>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;

namespace lingvaro {

struct AppContext;

// One text and how far its reading has come, without widgets.
class SpeedText {
public:
    static constexpr int MaxLines = 30;

    // At most 30 lines of a text (plain, code page 1252); blank lines are left
    // out and runs of spaces read as one.
    void setLines(const std::vector<std::string>& plain);

    QStringList lines;        // each line's words joined by single spaces
    QList<QStringList> words; // the words of each line
    int wordCount = 0;
    int letterCount = 0; // letters and digits; spaces and marks are no letters

    // "12 palabras", "50 letras", "4,2 letras por palabra" (empty without words).
    QString wordsText() const;
    QString lettersText() const;
    QString perWordText() const;

    // The reading: the next word to grey and the time the greyed words took.
    void restart();
    // Greys the next word, which took `intervalMs`; false when none was left.
    bool step(int intervalMs);
    bool finished() const { return line_ >= lines.size(); }
    int greyed() const { return greyed_; }
    int greyedInLine(int line) const;
    int elapsedMs() const { return elapsedMs_; }
    // The reading's time in whole seconds, and its words a minute; no words a
    // minute ("") before a word has been read.
    int seconds() const;
    QString wordsPerMinute() const;

    // The words a minute of a position of the pace bar (1..900): a word every
    // 1000 - p milliseconds.
    static int intervalOf(int position) { return 1000 - position; }
    static int paceOf(int position);

private:
    int line_ = 0, word_ = 0;
    int greyed_ = 0;
    int elapsedMs_ = 0;
};

// The paint box: the text in black, its read words in silver. The type is the
// largest that fits the text's longest line and its lines into the box.
class SpeedPage : public QWidget {
    Q_OBJECT
public:
    SpeedPage(QWidget* parent, const SpeedText& text) : QWidget(parent), text_(text) {}
    QFont textFont() const;
    // Where a line's text starts (its baseline's left end).
    QPoint lineOrigin(int line) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const SpeedText& text_;
};

class TSpeed : public QDialog {
    Q_OBJECT
public:
    explicit TSpeed(AppContext& app);

    QFrame* StartPanel;
    QListWidget* TextList;   // "1", "2", … one a text
    SpeedPage* PaintBox;
    QFrame* PacePanel;
    QLabel* PaceLabel;       // "120 palabras/minuto"
    QScrollBar* ScrollBar1;  // 1..900
    QPushButton* EmpiezaButton;
    QPushButton* ParaButton;
    QLabel* WordsLabel;
    QLabel* LettersLabel;
    QLabel* PerWordLabel;
    QLabel* TookLabel;       // "La lectura tomó:"
    QLabel* SecondsLabel;
    QLabel* ReadLabel;       // "Leíste:"
    QLabel* ResultLabel;     // "120 palabras/minuto."
    QTimer* WordTimer;

    const SpeedText& text() const { return text_; }
    int textCount() const { return int(texts_.size()); }

    // --- steps, public so tests drive them as the mouse and the clock do -----------
    void chooseText(int k); // 1-based
    void EmpiezaClick();
    void wordTick();
    void ParaClick();

protected:
    void done(int result) override;

private:
    int px(int designPixels) const;
    void layOut();
    void paceChanged(int position);
    void showResults(bool on);

    AppContext& app_;
    SpeedText text_;
    std::vector<std::vector<std::string>> texts_;
};

} // namespace lingvaro
