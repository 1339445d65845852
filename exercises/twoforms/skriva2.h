#pragma once
// The second writing window: two forms of one word asked in turn, one box
// under the other (the comparative and the superlative of an adjective). The
// question is right only when both forms are; a wrong form is shown beside its
// box, the second only when it differs from the one typed.

#include "exercises/common/exercisewindow.h"

class QFrame;
class QLabel;

namespace lingvaro {

class TextAnswer;

class Tskriv2 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit Tskriv2(AppContext& app);
    static const ExerciseRules& rules();

    TextAnswer* Answer = nullptr; // Edit1 and Edit2, each with its own lamp
    QLabel* SvarsLabel1;          // the correct first form, after a wrong one
    QLabel* SvarsLabel2;          // the correct second form
    QFrame* SkiljeShape1;         // lime lines under the boxes
    QFrame* SkiljeShape2;
    QLabel* SvenskaLabel;         // field 4, the Swedish text under the boxes

    bool FirstFormRight = false;
    // Enter in the first and in the second box.
    void firstEntered();
    void secondEntered();

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    int firstHelpField() const override { return 5; } // fields 2-4 are the forms and the Swedish text
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;
    void showEnd(const SeriesEnd& end) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace lingvaro
