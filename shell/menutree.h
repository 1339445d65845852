#pragma once
// The map of the program's content: every menu window, its buttons in order,
// and for each leaf the data file it opens, the check made first and the
// window that runs it. One table, so that a new exercise window plugs in with
// one line in the window registry.

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lingvaro {

struct AppContext;

enum class Check { Kolla, Kolla2, None };

struct MenuItem {
    const char* caption;  // UTF-8
    const char* dataFile; // UTF-8; nullptr when the button sets no file
    int exerciseNo;       // set directly where there is no data file to derive it from; 0 otherwise
    Check check;
    const char* opens;    // a menu ("TF21") or window classes, in the order they open
    bool offInWorksheet;  // disabled while worksheet mode is on
};

struct MenuDef {
    const char* name;  // the menu's window class, e.g. "TF21"
    const char* title;
    const char* back;  // caption of the back button, the last one
    std::vector<MenuItem> items;
};

const std::vector<MenuDef>& menuTree();
const MenuDef* findMenu(const std::string& name);

// The exercise and information windows that exist, by class name. A window
// opener shows its window modally; it returns false when the user cancelled
// (used where one window leads to the next).
using WindowOpener = std::function<bool(AppContext&)>;
const std::map<std::string, WindowOpener>& windowRegistry();

} // namespace lingvaro
