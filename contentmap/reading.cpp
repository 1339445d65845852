#include "contentmap/reading.h"
#include "contentmap/text.h"

#include <algorithm>

namespace lingvaro::reading {

namespace {

// The lines as the check gets them: field 1 is the line, a "#" line has no fields at all.
std::vector<std::string> plainLines(const std::vector<std::vector<std::string>>& lines)
{
    std::vector<std::string> out;
    for (const auto& fields : lines) {
        const bool empty = std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
        out.push_back(empty ? std::string("#") : fields.size() > 1 ? fields[1] : std::string());
    }
    return out;
}

bool unended(const std::vector<std::string>& plain)
{
    for (auto it = plain.rbegin(); it != plain.rend(); ++it) {
        if (endsText(*it))
            return false;
        if (!trimmedSpaces(*it).empty())
            return true;
    }
    return false;
}

std::string textNo(std::size_t k) { return "text " + std::to_string(k + 1) + ": "; }

} // namespace

bool endsText(const std::string& plainLine) { return trimmedSpaces(plainLine) == "#"; }

std::vector<std::vector<std::string>> texts(const std::vector<std::string>& plainLines)
{
    std::vector<std::vector<std::string>> out;
    std::vector<std::string> current;
    for (const std::string& line : plainLines) {
        if (endsText(line)) {
            out.push_back(current);
            current.clear();
        } else if (!trimmedSpaces(line).empty()) {
            current.push_back(line);
        }
    }
    return out;
}

StoryLine parseStoryLine(const std::string& line)
{
    StoryLine out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == ' ' || c == '#' || c == '>') {
            ++pos;
        } else if (c == '<') {
            const std::size_t close = line.find('>', pos + 1);
            const std::size_t end = close == std::string::npos ? line.size() : close;
            out.name = trimmedSpaces(line.substr(pos + 1, end - pos - 1));
            pos = end + 1;
        } else {
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            out.words.push_back(line.substr(pos, end - pos));
            pos = end;
        }
    }
    return out;
}

std::vector<std::string> textWords(const std::string& line)
{
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        out.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

std::vector<std::string> storyFileProblems(const std::vector<std::vector<std::string>>& lines, int)
{
    std::vector<std::string> problems;
    const std::vector<std::string> plain = plainLines(lines);
    const auto stories = texts(plain);
    if (stories.empty())
        problems.push_back("inga berättelser (varje berättelse slutar med en rad \"#\")");
    if (unended(plain))
        problems.push_back("raderna efter den sista \"#\" hör inte till någon berättelse och visas aldrig");
    for (std::size_t k = 0; k < stories.size(); ++k) {
        const auto& story = stories[k];
        const std::string where = "berättelse " + std::to_string(k + 1) + ": ";
        if (int(story.size()) > StoryRows)
            problems.push_back(where + "fler än " + std::to_string(StoryRows) + " rader; de sista visas inte");
        int counted = 0;
        for (std::size_t r = 0; r < story.size(); ++r) {
            const StoryLine row = parseStoryLine(story[r]);
            if (std::count(story[r].begin(), story[r].end(), '<') != std::count(story[r].begin(), story[r].end(), '>'))
                problems.push_back(where + "rad " + std::to_string(r + 1) + " har ett namn utan < eller >");
            if (int(row.words.size()) > StoryWordsPerRow)
                problems.push_back(where + "rad " + std::to_string(r + 1) + " har fler än "
                                   + std::to_string(StoryWordsPerRow) + " ord; de sista visas inte");
            for (const std::string& w : row.words) {
                if (int(w.size()) > MaxStoryWordLength)
                    problems.push_back(where + "ordet " + w.substr(0, 12) + "… är längre än "
                                       + std::to_string(MaxStoryWordLength) + " tecken");
                if (!isDash(w))
                    ++counted;
            }
        }
        if (counted == 0)
            problems.push_back(where + "har inga ord att gissa");
    }
    return problems;
}

std::vector<std::string> textFileProblems(const std::vector<std::vector<std::string>>& lines, int)
{
    std::vector<std::string> problems;
    const std::vector<std::string> plain = plainLines(lines);
    const auto all = texts(plain);
    if (all.empty())
        problems.push_back("inga texter (varje text slutar med en rad \"#\")");
    if (unended(plain))
        problems.push_back("raderna efter den sista \"#\" hör inte till någon text och visas aldrig");
    for (std::size_t k = 0; k < all.size(); ++k) {
        const auto& text = all[k];
        if (int(text.size()) > MaxTextLines)
            problems.push_back(textNo(k) + "fler än " + std::to_string(MaxTextLines) + " rader; de sista visas inte");
        std::size_t words = 0;
        for (std::size_t r = 0; r < text.size(); ++r) {
            if (int(text[r].size()) > MaxTextLineLength)
                problems.push_back(textNo(k) + "rad " + std::to_string(r + 1) + " är längre än "
                                   + std::to_string(MaxTextLineLength) + " tecken");
            words += textWords(text[r]).size();
        }
        if (words == 0)
            problems.push_back(textNo(k) + "har inga ord");
    }
    return problems;
}

} // namespace lingvaro::reading
