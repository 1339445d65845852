#pragma once
// The multiple-choice window: a sentence with a gap, and a panel for each word
// that fills a gap somewhere in the file; the pupil clicks the word that fits.
// The mouse over a panel tries its word in the gap; a right click pauses (in a
// test, a right click on a panel ends the test); keys act when released.

#include "exercises/common/exercisewindow.h"

#include <QStringList>
#include <string>

class QLabel;

namespace lingvaro {

class ChoiceArea;

class TFLERBAR : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TFLERBAR(AppContext& app);
    static const ExerciseRules& rules();

    ChoiceArea* Valpanel;     // the choice area and its twelve panels (Panel2 .. Panel13)
    QLabel* Label4;           // the sentence before the gap
    QLabel* Label5;           // the gap: "?" or the word under the mouse
    QLabel* Label6;           // the sentence after the gap
    QLabel* Label8;           // the sentence's other line
    QLabel* KorrektSvarLabel; // after a wrong answer: the right word in the gap
    QLabel* EfterdelLabel;    // and the rest of the line after it
    QLabel* Label9;           // 51100: the gender rule after a wrong answer
    QLabel* Label10;          // field 2 under the panels, first line
    QLabel* Label11;          // and second line

    // The panels' words (Hittapreppar): lower case, and capitalised.
    QStringList Words, Capitals;
    // Whether the panels show the capitalised words for this question.
    bool CapitalWords = false;
    // The worksheet's line of choices: "El, la, los eller las ?".
    QString ChoicesLine;

    void panelHovered(int index);
    void panelChosen(int index);
    void panelRightPressed(int index);

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    void showEnd(const SeriesEnd& end) override;
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int rightEdge() const;
    void keepInstructionClear();
    void Hittapreppar();
    void placeSentence();
    int longestWord() const;
    std::string gap_;   // the gap word of the question on screen (cp1252)
    int gapLine_ = 0;    // 0: the gap is in the sentence's first line, 1: in its second
    bool wrongShown_ = false;
    int pendingKey_ = 0; // a key pressed in this window, acted on when released
};

} // namespace lingvaro
