#pragma once
// The reading windows' files. Both hold texts ended by a line "#" (spaces
// around it aside); text k is the lines after the (k-1)-th "#" up to the k-th.
//  - The stories of the reveal game: at most 7 lines of at most 7 words, each
//    line "<Name> word word …", a word at most 30 characters; a lone "-" is a
//    dash that is shown and never asked.
//  - The reading-speed texts: at most 30 lines of at most 80 characters.
// Text is code page 1252.

#include <string>
#include <vector>

namespace lingvaro::reading {

constexpr int StoryRows = 7;
constexpr int StoryWordsPerRow = 7;
constexpr int MaxStoryWordLength = 30;
constexpr int MaxTextLines = 30;
constexpr int MaxTextLineLength = 80;

// Whether a line ends a text: "#" alone, spaces aside.
bool endsText(const std::string& plainLine);

// Every text of a file's plain lines (unscrambled), in order: the lines of each
// text up to its "#", blank lines left out. Lines after the last "#" belong to
// no text and are not returned.
std::vector<std::vector<std::string>> texts(const std::vector<std::string>& plainLines);

// A story line: the speaker's name (between "<" and ">") and the words.
struct StoryLine {
    std::string name;
    std::vector<std::string> words;
};
StoryLine parseStoryLine(const std::string& line);
// The dash between words: shown as it is, never asked, never counted.
inline bool isDash(const std::string& word) { return word == "-"; }

// The words of a reading text's line: runs of characters between spaces
// (several spaces count as one).
std::vector<std::string> textWords(const std::string& line);

// The rules of the two files as the content check applies them (problems in
// Swedish, UTF-8); the lines come as the check reads them (fields, field 1 the line).
std::vector<std::string> storyFileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);
std::vector<std::string> textFileProblems(const std::vector<std::vector<std::string>>& lines, int exerciseNo);

} // namespace lingvaro::reading
