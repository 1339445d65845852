#pragma once
// The sentence-analysis window: a Spanish sentence with up to five marked parts
// and, below it, a box for each coded part, named after its category (subject,
// predicate, accusative and dative object, predicative). The pupil drags each
// part onto a box of its category; a sentence is right when no part was
// dropped on a wrong box.
//
// The dragging is the window's own: a press on a part picks it up, the part
// follows the pointer, the box under the pointer lights up, and the release
// judges the box under the pointer (anywhere else the part goes back). Each
// step is a public method, so tests drive them with real mouse events or
// directly.

#include "exercises/common/exercisewindow.h"

#include <QList>
#include <QPoint>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;

namespace lingvaro {

class Lamp;

// One piece of the sentence as the flow layout places it: a marked part (its
// index) or a word of the text around the parts (with its leading spaces).
struct FlowPiece {
    QString text;
    int part = -1; // -1: plain text
};
struct FlowPlace {
    int x = 0;
    int line = 0;
    bool shown = true; // a lone space at the start of a line is not shown
};
// Places the pieces from `left` to the right edge, line by line: a piece that
// would pass the edge starts the next line (a part at the margin, a word with
// its leading space hanging one space-width left of it).
std::vector<FlowPlace> flowPieces(const std::vector<FlowPiece>& pieces,
                                  const std::function<int(const FlowPiece&)>& width, int left, int right);

class TSats : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSats(AppContext& app);
    static const ExerciseRules& rules();

    static constexpr int MaxParts = 5;

    QLabel* Label3;                 // the help line
    std::array<QLabel*, MaxParts> Men;  // the draggable parts, blue
    std::array<QLabel*, MaxParts> MenCopy; // their black copies, which stay in the sentence
    QList<QLabel*> Mell;            // the words around the parts
    std::array<QFrame*, MaxParts> Memo; // the boxes
    Lamp* Shape1;                   // lime, red after a wrong drop
    QFrame* FelPanel;               // "Fel. Gör ett nytt försök!"

    // --- the sentence on screen --------------------------------------------------
    int partCount() const { return int(partTexts_.size()); }
    QString partText(int part) const { return partTexts_.value(part); }
    int boxCount() const { return int(boxes_.size()); }
    int boxCategory(int box) const;
    bool partPlaced(int part) const { return part >= 0 && part < MaxParts && placed_[std::size_t(part)]; }
    bool boxFilled(int box) const { return box >= 0 && box < MaxParts && filled_[std::size_t(box)]; }
    int placedCount() const { return placedCount_; }
    bool firstTry() const { return firstTry_; }
    int lineCount() const { return lines_; }
    int draggedPart() const { return dragged_; }
    int hoveredPart() const { return hovered_; }

    // --- the mouse, step by step (window coordinates) -------------------------------
    int partAt(QPoint pos) const; // an unplaced part under the pointer, -1 for none
    int boxAt(QPoint pos) const;  // a box under the pointer, -1 for none
    void hoverAt(QPoint pos);
    // Picks up a part (pressed at `pos`); false when it cannot be dragged
    // (placed already, nothing asked, worksheet mode).
    bool startDrag(int part, QPoint pos);
    void dragTo(QPoint pos);
    // The dragged part is let go over a box, or anywhere else.
    void dropOnBox(int box);
    void releaseOnBackground();

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    void showEnd(const SeriesEnd& end) override;
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setHelp(const QString& text);
    void layOutSentence();
    void layOutBoxes();
    void colourBox(int box, bool underPointer);
    void highlightPart(int part);
    void returnPart(int part);
    void placePart(int part, int box);
    void showQuestionArea(bool on);
    QLabel* plainLabel(int index);

    QStringList partTexts_;
    QStringList plainTexts_;          // the text around the parts, as the marks divide it
    std::vector<int> partCategory_;   // per part: 1..5, 0 for a part without a box
    struct BoxOf {
        int part;
        int category;
    };
    std::vector<BoxOf> boxes_;
    std::array<bool, MaxParts> placed_{};
    std::array<bool, MaxParts> filled_{};
    std::array<QPoint, MaxParts> home_{}; // each part's place in the sentence
    int placedCount_ = 0;
    bool firstTry_ = true;
    bool answering_ = false;
    int lines_ = 0;
    int dragged_ = -1;
    int hovered_ = -1;
    int litBox_ = -1;
    QPoint grabOffset_;
    int sentenceTop_ = 0;
    int boxTop_ = 0;
};

} // namespace lingvaro
