#pragma once
// Word lists: the lists of the vocabulary quiz ("*.sp1", "*.sp2" in DATA) and
// the pupils' own lists ("*.egt" in the own-list folder), which the quiz reads
// the same way. Text is code page 1252 throughout.
//
// A word list is read with one rule for counting and for asking: a line
// (unscrambled when it is scrambled) is a question when it is not a comment
// (";"), not a heading ("$"), and holds a "#" after its first character and
// before its last: "casa#hus", never "casa#" or "#hus".
//
// An own list is plain text with CR LF line ends, never scrambled:
//   $heading        (also the file's name)
//   $instruction
//   question#answer#&alternative 1#alternative 2   (one line a question)

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

struct WordList {
    // "$" lines among the first three lines of the file: headings 1..3 (text
    // from the second character), "$§" the instruction, "$%" the worksheet note.
    std::array<std::string, 3> headings;
    std::string instruction, note;
    std::vector<std::string> questions; // the question lines as stored (scrambled or plain), in file order
};

bool isWordListQuestion(std::string_view plainLine);
// Any bytes read as a word list; no input makes it fail.
WordList parseWordList(std::string_view bytes);
// A number for the contents of a list, to tell when a file has changed.
uint64_t wordListFingerprint(std::string_view bytes);

class Engine;
// The folder of the own lists: OwnDir, or the hard-disk installation's "Eget"
// when the path file names none. The editor writes there and the quiz reads there.
std::filesystem::path ownListFolder(const Engine& engine);

// --- own lists --------------------------------------------------------------------------

constexpr int OwnHeadingLength = 30;  // the heading and the instruction
constexpr int OwnBoxLength = 50;      // question, answer, alternatives
inline constexpr const char* OwnDefaultHeading = "Lingvaro";
inline constexpr const char* OwnDefaultInstruction = "\xd6vers\xe4tt till spanska"; // "Översätt …"

struct OwnList {
    std::string heading, instruction;
    std::vector<std::string> lines; // every other line that is neither empty nor a comment
};

// The question line of the four boxes (question, answer, alternative 1,
// alternative 2): each cleaned of extra spaces, empty boxes closed up, "&"
// before the first alternative, joined with "#" without a "#" at either end.
// Empty when the question or the answer is missing, or the question begins with
// ";", "$" or ")": such a question is not kept.
std::string ownListLine(const std::array<std::string, 4>& boxes);
// The four boxes of a stored line, the alternative without its "&".
std::array<std::string, 4> ownListBoxes(std::string_view line);

OwnList parseOwnList(std::string_view bytes);
// The file's bytes: the two "$" lines, then every line rebuilt from its boxes
// (lines that come out empty are left out), CR LF after each.
std::string ownListBytes(const OwnList& list);

// Why a text cannot be stored as it is typed, in the pupil's words; nothing
// when it can. A heading is also a file name: no "." and no "/" or "\", and
// not empty of letters. A box may not hold "#", which separates the fields, and
// a question may not begin with ";", "$" or ")", which would make its line a
// comment, a heading or a scrambled line when the list is read again.
std::optional<std::string> ownHeadingProblem(std::string_view heading);
std::optional<std::string> ownBoxProblem(std::string_view text, bool question);

} // namespace lingvaro
