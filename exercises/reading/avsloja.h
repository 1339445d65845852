#pragma once
// The reveal-reading window ("Descubre"): the pupil chooses a dialogue story
// and a way to play, and uncovers the hidden story word by word, dragging words
// from a sorted list onto their places or typing words that are guessed to be
// in it.
//
// Dragging a word is the window's own: a press on a word of the list picks it
// up, it follows the pointer, the hidden place under the pointer lights up,
// and the release drops it there (anywhere else it goes back to the list).

#include "exercises/reading/revealgame.h"

#include <QDialog>
#include <QPoint>
#include <array>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lingvaro {

class HeadingBox;
struct AppContext;

class Tavsloj : public QDialog {
    Q_OBJECT
public:
    explicit Tavsloj(AppContext& app);

    // --- the story choice ------------------------------------------------------------
    QFrame* ChoicePanel;
    QListWidget* StoryList; // "1", "2", … one a story
    QRadioButton* Variant1; // drag the given words
    QRadioButton* Variant2; // type the guessed words
    QPushButton* InterrumpeButton;

    // --- the game -------------------------------------------------------------------------
    HeadingBox* Heading;
    std::array<QLabel*, RevealGame::Rows> NameLabels;
    std::array<QLabel*, RevealGame::Slots> SlotLabels;
    QListWidget* DragList;     // variant 1
    QFrame* EntryPanel;        // variant 2
    QLineEdit* Edit1;
    QPushButton* VerButton;    // "&Ver la historia" / "&Esconder la historia"
    QFrame* CounterPanel;
    QLabel* AttemptsLabel;
    QLabel* JustasLabel;
    QLabel* ListoLabel;
    QLabel* DragLabel;         // the word being dragged

    const RevealGame& game() const { return game_; }
    int storyCount() const;
    bool playing() const { return playing_; }

    // --- steps, public so tests drive them as the mouse and keys do ---------------------
    void loadStory(int story); // 1-based
    void backToChoice();
    // Variant 1: the list's word in `row` is picked up at a point on the screen.
    bool startListDrag(int row, QPoint globalPos);
    void dragTo(QPoint globalPos);
    void releaseAt(QPoint globalPos);
    // The picked-up word (or the list's current word) is dropped on a slot (0-based).
    void dropOnSlot(int slot);
    int slotAt(QPoint windowPos) const;
    // Variant 2: Enter in the box.
    void typeWord();
    void VerButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int px(int designPixels) const;
    void layOut();
    void layOutRows();
    void showSlots();
    void updateCounters();
    void lightSlot(int slot);
    void endDrag();
    void finishIfComplete();
    std::vector<std::string> storyLines(int story) const;

    AppContext& app_;
    RevealGame game_;
    std::vector<std::vector<std::string>> stories_;
    bool playing_ = false;
    bool wholeStory_ = false;
    int dragRow_ = -1;
    int litSlot_ = -1;
    QPoint grabOffset_;
};

} // namespace lingvaro
