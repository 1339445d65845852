#pragma once
// The picture naming window: one drawing of the body (or of one of its organ
// systems) with numbered markers for the whole exercise, and the pupil types
// the Spanish name of the part a question points at ("nr 7 – armbågen").

#include "exercises/common/exercisewindow.h"

class QLabel;

namespace lingvaro {

class TextAnswer;

class TBilden : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TBilden(AppContext& app);
    static const ExerciseRules& rules();

    // The exercise's picture in the top left corner (the frame's reward picture,
    // also named Image1, is not used by this window).
    QLabel* Image1;
    TextAnswer* Answer;
    QLabel* SvarsLabel;  // the correct answer, shown after a wrong one
    QFrame* Bildpanelen; // covers the question area at the end of a series

    // Enter in the answer box.
    void answerEntered();
    // The room the picture is fitted into.
    QRect pictureBox() const;

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void showEnd(const SeriesEnd& end) override;
    void clearEnd() override;

private:
    void loadPicture();
    void placeAnswer();
    QPixmap picture_;
};

} // namespace lingvaro
