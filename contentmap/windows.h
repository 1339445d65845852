#pragma once
// One descriptor per window the program has: its class name, which exercise
// numbers have a rules button and which page each has, and what it needs from
// an installation. The program's window registry, the menus' "does it exist"
// test, the diagnosis items and the content checker all read this one table,
// so adding a window is one line here (and the window's own folder).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lingvaro {

struct WindowDescriptor {
    const char* className;
    // Exercise numbers with a rules button (in practice and diagnosis practice)
    // and the rule page of an exercise number ("" when it has none). Null: none.
    bool (*hasRulesButton)(int exerciseNo) = nullptr;
    std::string (*rulePage)(int exerciseNo) = nullptr;
    // Where its data file lies: "\DATA\", or "\data\" for pages; null when a menu
    // leaf of the window names no file of its own.
    const char* dataFolder = "\\DATA\\";
    // Files it always needs (for instance "\BILD\KARTA.BMP").
    std::vector<const char*> fixedFiles = {};
    // Files it finds by a pattern in its data folder rather than by a menu's
    // leaf (the quiz's word lists, "*.sp1"): the installation needs at least one
    // of each, and each is read with the window's line rules.
    std::vector<const char*> listedFiles = {};
    // Files an exercise of the window needs besides its data file (pictures,
    // sounds), by exercise number; null when none.
    std::vector<std::string> (*exerciseFiles)(int exerciseNo) = nullptr;
    // Files one question needs (its own picture or sound), by exercise number and
    // question number (from 1, as the file's questions are counted); null when none.
    std::vector<std::string> (*questionFiles)(int exerciseNo, int questionNo) = nullptr;
    // Problems of one data line as the window reads it (fields cp1252, 1-based
    // in the vector from index 1, alternatives with their "&"), in Swedish;
    // null when it reads any line.
    std::vector<std::string> (*lineProblems)(const std::vector<std::string>& fields, int exerciseNo) = nullptr;
    // Problems of a data file as a whole (its question lines in file order, each
    // as lineProblems gets it: where a line's place means something, or its
    // lines must add up), in Swedish; null when any set of lines will do.
    std::vector<std::string> (*fileProblems)(const std::vector<std::vector<std::string>>& lines,
                                             int exerciseNo) = nullptr;
    // The first field of a line that may hold a help text, for a window whose
    // lines are of more than one kind (fields as for lineProblems); null: field 3.
    int (*firstHelpField)(const std::vector<std::string>& fields, int exerciseNo) = nullptr;
    // The question of another data file that one question repeats, and whose
    // recording it plays (a diagnosis question taken from a dictation): that
    // file's name and question number; an empty name when it repeats none.
    // The check compares the first fields of the two lines. Null: none do.
    std::pair<std::string, int> (*repeatedQuestion)(int exerciseNo, int questionNo) = nullptr;

    bool rulesButton(int exerciseNo) const { return hasRulesButton && hasRulesButton(exerciseNo); }
    std::string pageOf(int exerciseNo) const { return rulePage ? rulePage(exerciseNo) : std::string(); }
};

// Every window the program has, exercise and information windows alike.
const std::vector<WindowDescriptor>& windowDescriptors();
const WindowDescriptor* findWindow(std::string_view className);

} // namespace lingvaro
