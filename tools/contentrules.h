#pragma once
// The rules a question line of a data file keeps, as far as a program can see
// them, and what each field of a line is to the window that shows it. The
// installation check reports the broken rules; the spelling gate uses the same
// reading of the lines to know which field is which.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lingvaro {

// What a field of a question line is to its window.
enum class FieldRole {
    Prompt,      // field 1: what the pupil is asked
    Answer,      // field 2: the right answer
    Help,        // a help text behind "&Ayuda"
    RulePage,    // "£" + the name of the question's own rule page
    Alternative, // from the first "&" field on: another accepted answer
};

// One question line as the program reads it: unscrambled and split into its
// fields (code page 1252), each with its role.
struct QuestionLine {
    int number = 0; // the question's number in its file, from 1
    std::vector<std::string> fields;
    std::vector<FieldRole> roles;
    bool joinedFields = false; // more than 10 fields: the last ones run together
};

// The window class that runs a data file ("TSKRIV" …) by the menu map and the
// diagnosis items; "" when nothing opens it.
std::string windowOfDataFile(const std::string& name);

// Whether the line rules know the fields of this window's lines.
bool knowsWindowFields(const std::string& window);

// Every question line of a data file, its fields in the roles every exercise
// window gives them (prompt, answer, helps, "£" page, "&" alternatives; a window
// that reads more into a field says so in its own rules); nothing when the file
// cannot be read.
std::optional<std::vector<QuestionLine>> readQuestionLines(const std::filesystem::path& file);

// The broken line rules of one data file, one text a problem ("FIL fråga N: …").
QStringList checkLineRules(const std::string& name, const std::vector<QuestionLine>& lines);

// The broken line rules of every data file in the installation's DATA folder
// whose window the rules know.
QStringList checkContentRules(const std::filesystem::path& base);

} // namespace lingvaro
