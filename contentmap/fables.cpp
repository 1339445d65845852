#include "contentmap/fables.h"
#include "contentmap/text.h"

namespace lingvaro::fables {
namespace {

// Whether a line ends a sentence: its last mark, behind any closing quotation
// mark or bracket, is ".", "!" or "?".
bool endsSentence(const std::string& line)
{
    std::size_t end = line.find_last_not_of(' ');
    while (end != std::string::npos && end > 0
           && (line[end] == '"' || line[end] == '\'' || line[end] == ')' || (unsigned char)line[end] == 0xBB))
        --end;
    return end != std::string::npos && (line[end] == '.' || line[end] == '!' || line[end] == '?');
}

bool blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

} // namespace

std::string textFileName(const std::string& dataFileName)
{
    return dataFileName.substr(0, std::min<std::size_t>(dataFileName.find('.'), 9)) + ".LAS";
}

std::vector<std::string> tidyText(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    const bool dashLine = !lines.empty() && lines.front().starts_with('-');
    for (std::size_t i = dashLine ? 1 : 0; i < lines.size(); ++i)
        if (!lines[i].starts_with('$'))
            out.push_back(lines[i]);
    // Short lines are pieces of one sentence broken early; the title (the first
    // line when there is no "-" line) stays as it is, and so do the blank lines
    // between paragraphs.
    std::size_t k = dashLine ? 0 : 1;
    while (k + 1 < out.size()) {
        const std::string& line = out[k];
        if (!blank(line) && !blank(out[k + 1]) && line.size() < 15 && !endsSentence(line)) {
            out[k] = line.substr(0, line.find_last_not_of(' ') + 1) + " " + trimmedSpaces(out[k + 1]);
            out.erase(out.begin() + long(k) + 1);
        } else {
            ++k;
        }
    }
    return out;
}

std::vector<std::string> exerciseFiles(int exerciseNo)
{
    if (exerciseNo < 45100 || exerciseNo > 45600)
        return {};
    return {"\\DATA\\Spa" + std::to_string(exerciseNo) + ".LAS"};
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t i) { return i < fields.size() ? trimmedSpaces(fields[i]) : std::string(); };
    if (field(1).empty())
        problems.push_back("frågan saknas");
    std::vector<std::string> answers;
    for (std::size_t f = 2; f <= 4 && !field(f).empty(); ++f)
        answers.push_back(field(f));
    if (answers.size() < 2)
        problems.push_back("färre än två svar att välja mellan (rätt svar i fält 2, fel svar i fält 3 och 4)");
    for (std::size_t i = 0; i < answers.size(); ++i)
        for (std::size_t j = i + 1; j < answers.size(); ++j)
            if (answers[i] == answers[j])
                problems.push_back("två svar är lika: " + std::to_string(i + 2) + " och " + std::to_string(j + 2));
    for (std::size_t f = 5; f < fields.size(); ++f)
        if (!field(f).empty()) {
            problems.push_back("fält " + std::to_string(f) + " visas inte (högst tre svar)");
            break;
        }
    return problems;
}

} // namespace lingvaro::fables
