#pragma once
// The clock window: a painted clock shows one of the 144 five-minute times of
// twelve hours, the fixed question "Por favor, ¿Qué hora es?" stands beside it,
// and the pupil writes the time in Spanish. The question's place in its file is
// the time; field 1 is the answer, field 2 the time in digits.

#include "exercises/common/exercisewindow.h"

class QLabel;

namespace lingvaro {

class ClockFace;
class TextAnswer;

class TKlockan : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TKlockan(AppContext& app);
    static const ExerciseRules& rules();

    QWidget* Shape1;      // the yellow box with the fixed question
    ClockFace* PaintBox1; // the clock
    TextAnswer* Answer;
    QLabel* Label5;       // the answer (field 1), shown after a wrong one
    int ClockTime = 1;    // 1..144, the question's number

    // Enter in the answer box.
    void answerEntered();

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The lamp, its switch and the rules button are no part of a diagnosis.
    void hideInDiagnosis();
};

} // namespace lingvaro
