#pragma once
// The translation window: a text in one language (or a word in one form), and
// the pupil writes its translation (or the form asked for) and presses Enter.

#include "exercises/common/exercisewindow.h"

class QLabel;

namespace lingvaro {

class TextAnswer;

class TSKRIV : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSKRIV(AppContext& app);
    static const ExerciseRules& rules();

    TextAnswer* Answer;
    QLabel* Label4; // "flera " before the answer box (exercises 6 and 106)
    QLabel* Label5; // the correct answer, shown after a wrong one

    // Enter in the answer box.
    void answerEntered();

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Window variants by exercise number, applied to each new question.
    void variant();
};

} // namespace lingvaro
