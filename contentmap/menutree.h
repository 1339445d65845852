#pragma once
// The map of the program's content: every menu window, its buttons in order,
// and for each leaf the data file it opens, the check made first and the
// window that runs it. One table, so that a new exercise window plugs in with
// its descriptor line (windows.h).

#include <functional>
#include <map>
#include <set>
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

// The exercise and information windows the program has (those with a
// descriptor); the others answer "Denna övning finns inte ännu.".
const std::set<std::string>& availableWindows();

// The window that runs a diagnosis item's test and practice (items 1..41).
std::string diagnosisItemWindowClass(int item);

// Diagnosis items that run in a window the program has: item → window class.
// Their test files are "SpDiNN.DAT", their practice files "SpOvn1NN.DAT".
const std::map<int, std::string>& diagnosisItemWindows();


} // namespace lingvaro
