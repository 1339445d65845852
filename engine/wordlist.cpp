#include "engine/wordlist.h"

#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"

namespace lingvaro {

namespace {

constexpr std::size_t HeaderLength = 80;

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find('#', start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return fields;
}

std::string withoutMark(std::string_view text)
{
    std::string clean = Engine::MellanslagBort(text);
    while (!clean.empty() && clean.front() == '&')
        clean.erase(0, 1);
    return Engine::MellanslagBort(clean);
}

} // namespace

bool isWordListQuestion(std::string_view line)
{
    if (line.size() < 3 || line[0] == ';' || line[0] == '$')
        return false;
    const std::size_t hash = line.find('#', 1);
    return hash != std::string_view::npos && hash < line.size() - 1;
}

WordList parseWordList(std::string_view bytes)
{
    WordList list;
    LineWalker lines(bytes);
    std::string_view stored;
    int lineNo = 0, heading = 0;
    while (lines.next(stored)) {
        ++lineNo;
        const std::string line = Engine::dekryptrad(stored);
        if (lineNo <= 3 && line.size() >= 2 && line[0] == '$') {
            const std::string_view rest = std::string_view(line).substr(2);
            if (line[1] == char(0xA7)) // "$§"
                list.instruction = std::string(rest.substr(0, HeaderLength));
            else if (line[1] == '%')
                list.note = std::string(rest.substr(0, HeaderLength));
            else if (heading < 3)
                list.headings[std::size_t(heading++)] = std::string(std::string_view(line).substr(1, HeaderLength));
            continue;
        }
        if (isWordListQuestion(line))
            list.questions.emplace_back(stored);
    }
    return list;
}

uint64_t wordListFingerprint(std::string_view bytes)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h ^ bytes.size();
}

std::filesystem::path ownListFolder(const Engine& e)
{
    if (!e.OwnDir.empty())
        return e.OwnDir;
    if (auto found = paths::find(e.PcPath, u"Eget"_qs))
        return *found;
    return paths::place(e.PcPath, u"Eget"_qs);
}

// --- own lists -------------------------------------------------------------------------------

std::string ownListLine(const std::array<std::string, 4>& boxes)
{
    std::array<std::string, 4> clean;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        clean[i] = withoutMark(boxes[i]);
    if (clean[0].empty() || clean[1].empty())
        return {};
    // A question the editor would refuse as typed (a hand-edited file's
    // "&;…" loses its mark here) would read back as a comment, a heading or a
    // scrambled line, and the list would change at every save: it is not kept.
    if (std::string_view(";$)").find(clean[0][0]) != std::string_view::npos)
        return {};
    std::string line = clean[0] + '#' + clean[1];
    bool first = true;
    for (std::size_t i = 2; i < clean.size(); ++i) {
        if (clean[i].empty())
            continue; // an empty box closes up: the next alternative takes its place
        line += first ? "#&" : "#";
        line += clean[i];
        first = false;
    }
    return line;
}

std::array<std::string, 4> ownListBoxes(std::string_view line)
{
    std::array<std::string, 4> boxes;
    const std::vector<std::string> fields = splitFields(line);
    std::size_t box = 0;
    for (std::size_t f = 0; f < fields.size() && box < boxes.size(); ++f) {
        std::string text = f < 2 ? Engine::MellanslagBort(fields[f]) : withoutMark(fields[f]);
        if (f >= 2 && text.empty())
            continue; // alternatives close up here too
        boxes[box++] = std::move(text);
    }
    return boxes;
}

OwnList parseOwnList(std::string_view bytes)
{
    OwnList list;
    LineWalker lines(bytes);
    std::string_view line;
    int headers = 0;
    while (lines.next(line)) {
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '$') {
            if (headers == 0)
                list.heading = std::string(line.substr(1));
            else if (headers == 1)
                list.instruction = std::string(line.substr(1));
            ++headers;
            continue;
        }
        list.lines.emplace_back(line);
    }
    return list;
}

std::string ownListBytes(const OwnList& list)
{
    std::string out = "$" + list.heading + "\r\n$" + list.instruction + "\r\n";
    for (const std::string& line : list.lines) {
        const std::string rebuilt = ownListLine(ownListBoxes(line));
        if (!rebuilt.empty())
            out += rebuilt + "\r\n";
    }
    return out;
}

std::optional<std::string> ownHeadingProblem(std::string_view heading)
{
    if (heading.find('.') != std::string_view::npos)
        return "Överskriften fungerar också som filnamn,\nsom inte får ha mer än en punkt.";
    if (heading.find('/') != std::string_view::npos || heading.find('\\') != std::string_view::npos)
        return "Överskriften fungerar också som filnamn,\nsom inte får innehålla / eller \\.";
    if (heading.find('#') != std::string_view::npos)
        return "Tecknet # kan inte stå i överskriften.";
    return std::nullopt;
}

std::optional<std::string> ownBoxProblem(std::string_view text, bool question)
{
    if (text.find('#') != std::string_view::npos)
        return "Tecknet # kan inte sparas i förhöret: det skiljer frågan från svaren.";
    const std::size_t first = text.find_first_not_of(' ');
    if (question && first != std::string_view::npos
        && (text[first] == ';' || text[first] == '$' || text[first] == ')'))
        return "En fråga kan inte börja med ; $ eller ).";
    return std::nullopt;
}

} // namespace lingvaro
