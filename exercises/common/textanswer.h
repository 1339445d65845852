#pragma once
// The typed answer, for the windows where the pupil writes: the answer box, the
// wrong-letter lamp with its switch, up to two help buttons with their texts,
// and the paste menu for "¡", "¿" and "ñ". The widgets live in the window, which
// places them; this object keeps their rules.
//
// A window that asks for two things in one question (two gaps in a sentence,
// two forms of a word) adds a second box. The box that takes the keys is the
// active one: answering enables it, help and the lamp switch give the keys back
// to it, and one shared lamp compares what is typed in it; with a lamp of its
// own, each box has its lamp.

#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace lingvaro {

class Engine;
class ExerciseSeries;
namespace ui {
class Platform;
}

// The lamp: a circle, lime while the typed text can still become the answer,
// red when it cannot.
class Lamp : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setColour(const QColor& c);
    QColor colour() const { return colour_; }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QColor colour_{0, 255, 0};
};

class TextAnswer : public QObject {
    Q_OBJECT
public:
    TextAnswer(QWidget* window, Engine& engine, ui::Platform& platform, ExerciseSeries& series, int scalePercent);

    QLineEdit* Edit1;
    QToolButton* lampknapp;  // switches the lamp on
    Lamp* LampShape;         // a click switches it off
    QPushButton* Helpknapp1; // "&Ayuda": the first help
    QPushButton* HelpKnapp2; // "&Ayuda": the second, in the first one's place
    QLabel* Label6;          // first help text
    QLabel* Label7;          // second help text
    QMenu* PopupMenu1;       // "Klistra in ¡", "Klistra in ¿", "Klistra in ñ"

    // A new question: the box emptied, the lamp's target set (cp1252), the help
    // texts (up to two are offered; more count as one).
    void newQuestion(const std::string& correct, const QStringList& helps);
    // What the lamp compares against, when a box asks for another answer.
    void setCorrect(const std::string& correct);
    // The box takes an answer (focused unless it is the window's first question) or not.
    void setAnswering(bool on, bool focus = true);
    // Lamp and lamp switch as the mode allows: never in worksheet mode or a test.
    void lampControls();
    void paste(QChar letter);
    // The lamp's colour for the typed text.
    void Edit1Change();
    void Helpknapp1Click();
    void HelpKnapp2Click();
    void lampknappClick();
    void LampShapeMouseDown();

    int HelpTextCount = 0;

    // --- a second box --------------------------------------------------------------
    QLineEdit* Edit2 = nullptr; // made by addSecondBox
    Lamp* LampShape2 = nullptr; // its own lamp (addSecondBox(true)); a click switches both off
    void addSecondBox(bool ownLamp);
    // What box 2 is compared against (cp1252).
    void setCorrect2(const std::string& correct);
    // The box that takes the keys (1 or 2); a new question starts at box 1.
    void setActiveBox(int box);
    int activeBox() const { return activeBox_; }
    QLineEdit* activeEdit() const { return activeBox_ == 2 && Edit2 ? Edit2 : Edit1; }
    // The lamps' colours for what is typed in the boxes.
    void Edit2Change();

signals:
    void entered();
    void escaped();
    void secondEntered(); // Enter in box 2

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusBox();
    void colourLamp(Lamp* lamp, const QLineEdit* box, const std::string& correct);
    bool lampShows() const;
    Engine& e_;
    ui::Platform& platform_;
    ExerciseSeries& series_;
    std::string correct_;
    std::string correct2_;
    int activeBox_ = 1;
};

} // namespace lingvaro
