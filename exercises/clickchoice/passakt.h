#pragma once
// The click-choice window: a question, its marked part standing out, and up to
// six panels with the possible answers in an order that tells nothing; the
// pupil clicks the right one. After a wrong click the right panel turns yellow.

#include "exercises/common/exercisewindow.h"

#include <QString>
#include <string>

class QLabel;
class QPushButton;

namespace lingvaro {

class ChoiceArea;

class TPassAkt : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TPassAkt(AppContext& app);
    static const ExerciseRules& rules();

    ChoiceArea* Valpanel;     // the choice area and its six panels (Panel2 .. Panel7)
    QLabel* Label3;           // the question's other line (or its only one)
    QLabel* Label4;           // before the marked part (or the first of two lines)
    QLabel* Label5;           // the marked part, in green
    QLabel* Label6;           // after it
    QLabel* Label7;           // the hint of 14000
    QPushButton* ButtonHelp;  // "&Ayuda" (14000)

    // An answer as the worksheet writes it out: "ACK" reads "Ackusativ".
    static QString writtenOut(const QString& alternative);

    void panelHovered(int index);
    void panelChosen(int index);
    void ButtonHelpClick();

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    void showEnd(const SeriesEnd& end) override;
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int rightEdge() const;
    void keepInstructionClear();
    void showQuestionText(const std::string& text);
    std::string correct_; // the right answer of the question on screen (cp1252)
};

} // namespace lingvaro
