#pragma once
// The write-in window: a sentence with one or two gaps, a box in the place of
// each missing word; the pupil fills the boxes in turn, each with Enter. Above
// the sentence, in lines of the translation kind, stands the sentence to
// translate with its part marked in green.
//
// Two gaps are one question: gap 1 is judged and shown, the keys move on to
// gap 2, and the question is right only when both are. It fills one box of the
// star column, counts at most once, and is stored once in the list of wrong
// answers.

#include "exercises/common/exercisewindow.h"

#include <QList>
#include <array>

class QLabel;
class QLineEdit;

namespace lingvaro {

class TextAnswer;

class TSkrivinf : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSkrivinf(AppContext& app);
    static const ExerciseRules& rules();

    TextAnswer* Answer = nullptr; // Edit1 for gap 1, Edit2 for gap 2, one lamp, one help button
    QLabel* Label14;    // in gap 1's place once answered: the typed word (green) or the correct one (maroon)
    QLabel* Label15;    // the same for gap 2
    QList<QLabel*> Pieces; // the pieces of the sentences on screen, in reading order

    int GapCount = 0;
    // The correct word of gap 1 or 2, as shown.
    QString gapWord(int gap) const;
    // Enter in the box of gap 1 or 2.
    void gapEntered(int gap);

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    int firstHelpField() const override;
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;
    void showEnd(const SeriesEnd& end) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Gap { Open, Right, Wrong };
    // A piece of a sentence as it is laid out: words of plain or marked text,
    // or a gap (a box, or the word shown in its place).
    struct Token {
        QString text;
        enum Kind { Plain, Marked, GapWord } kind;
        int gap = 0;  // 0 or 1 for a gap
        int line = 0; // its display line
    };
    std::vector<Token> tokenize(const std::string& text, bool gaps) const;
    // Breaks the tokens into display lines between the question's edges.
    void flow(std::vector<Token>& tokens) const;
    int tokenWidth(const Token& t) const;
    // Places the pieces, the boxes and the shown words; lines keep their breaks.
    void layoutSentences();
    QLabel* piece(int index);
    void showHelpRow();

    std::vector<Token> translation_, gapLine_;
    std::array<std::string, 2> gapWords_; // cp1252
    std::array<Gap, 2> gaps_{Gap::Open, Gap::Open};
    std::array<QString, 2> typed_;
    bool rulesAllowed_ = true;                    // no wrong gap yet: the rules button may be used
    bool helpAllowed_ = true;
    std::array<bool, 2> helpEnabled_{true, true}; // the help buttons as a pause found them
    int lineHeight_ = 0, boxHeight_ = 0;
};

} // namespace lingvaro
