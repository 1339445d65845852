#pragma once
// The menu windows: one window class for every menu of the tree, told apart by
// the menu's name ("TF21"), which is also the window's object name.

#include "contentmap/menutree.h"
#include "exercises/common/registry.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace lingvaro {

// The exercise and information windows that exist, by class name (the same
// names as availableWindows()). A window opener shows its window modally; it
// returns false when the user cancelled (used where one window leads to the next).
const std::map<std::string, WindowOpener>& windowRegistry();

class TMenu : public QDialog {
    Q_OBJECT
public:
    TMenu(AppContext& app, const MenuDef& menu);
    ~TMenu() override;

    // What a button does: a leaf opens its exercise, a submenu its window.
    void buttonClicked(int index);

    const MenuDef& menu;
    QFrame* Panel;
    QLabel* TitleLabel;
    QList<QPushButton*> buttons; // in order; the last is the back button

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& app_;
    static int openMenus_; // how deep the stack of open menus is
};

// Lets the diagnosis open the exercise windows the program has.
void connectExerciseWindows(AppContext& app);

// Opens a menu window of the tree by name, modally.
void openMenu(AppContext& app, const std::string& name);

// Runs one leaf: sets the data file and exercise number, checks the file, and
// opens the window(s). Leaves whose window the program does not have yet tell
// the pupil so.
void openLeaf(AppContext& app, const MenuItem& item);

} // namespace lingvaro
