#pragma once
// The typed answer, for the windows where the pupil writes: the answer box, the
// wrong-letter lamp with its switch, up to two help buttons with their texts,
// and the paste menu for "¡", "¿" and "ñ". The widgets live in the window, which
// places them; this object keeps their rules.

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

signals:
    void entered();
    void escaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusBox();
    Engine& e_;
    ui::Platform& platform_;
    ExerciseSeries& series_;
    std::string correct_;
};

} // namespace lingvaro
