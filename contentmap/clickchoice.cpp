#include "contentmap/clickchoice.h"

#include "contentmap/multiplechoice.h"

#include <algorithm>

namespace lingvaro::clickchoice {

namespace {
constexpr unsigned char Pound = 0xA3;

bool isPoundField(const std::string& field) { return !field.empty() && (unsigned char)field[0] == Pound; }

// The answer fields as they stand, before the cap of six.
std::vector<std::string> offered(const std::vector<std::string>& fields)
{
    std::vector<std::string> out;
    for (std::size_t f = 2; f < fields.size() && !fields[f].empty(); ++f)
        if (!isPoundField(fields[f]))
            out.push_back(fields[f]);
    return out;
}

// An answer as the judging compares it: its end marks and case aside.
std::string judgedForm(std::string_view text)
{
    auto mark = [](unsigned char c) { return c == '.' || c == ',' || c == '!' || c == '?' || c == 0xBF || c == 0xA1 || c == ' '; };
    while (!text.empty() && mark((unsigned char)text.front()))
        text.remove_prefix(1);
    while (!text.empty() && mark((unsigned char)text.back()))
        text.remove_suffix(1);
    return multiplechoice::lowerCase(text);
}
} // namespace

bool hasRulesButton(int n) { return !rulePage(n).empty(); }

std::string rulePage(int n)
{
    switch (n) {
    case 57100: return "R27100.htm";
    case 59400: return "R28300.htm";
    default: return {};
    }
}

bool swedishCaptions(int n) { return n == 57100; }

bool hasHint(int n) { return n == 14000; }

int answerField(int n) { return hasHint(n) ? 3 : 2; }

std::vector<std::string> alternatives(const std::vector<std::string>& fields)
{
    std::vector<std::string> out = offered(fields);
    if (out.size() > std::size_t(MaxAlternatives))
        out.resize(std::size_t(MaxAlternatives));
    // std::string orders by unsigned bytes: the code page's order, upper case first.
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int exerciseNo)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) { return f < fields.size() ? fields[f] : std::string(); };
    const std::vector<std::string> all = offered(fields);
    if (all.size() < 2)
        problems.push_back("färre än 2 svar att välja mellan");
    if (all.size() > std::size_t(MaxAlternatives))
        problems.push_back("fler än " + std::to_string(MaxAlternatives) + " svar; de sista visas aldrig");
    if (hasHint(exerciseNo) && !isPoundField(field(2)))
        problems.push_back("fält 2 är ingen ledtråd \"£…\"");
    const std::string answer = field(std::size_t(answerField(exerciseNo)));
    if (answer.empty() || isPoundField(answer))
        problems.push_back("fält " + std::to_string(answerField(exerciseNo)) + " är inget svar");
    for (const std::string& a : all)
        if (int(a.size()) > MaxAlternativeLength) {
            problems.push_back("ett svar är längre än " + std::to_string(MaxAlternativeLength) + " tecken");
            break;
        }
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (judgedForm(all[i]) == judgedForm(all[j]))
                problems.push_back("svar " + std::to_string(i + 1) + " och " + std::to_string(j + 1) + " är samma svar");
    for (std::size_t f = 2; f < fields.size(); ++f)
        if (fields[f].find('<') != std::string::npos)
            problems.push_back("fält " + std::to_string(f) + " har en markering <…>; bara frågan har det");
    if (multiplechoice::gapWords(field(1)).size() > 1)
        problems.push_back("frågan har mer än en markering <…>");
    if (hasHint(exerciseNo) && isPoundField(field(2))) {
        // A hint that names the answer's noun ("dormitorio") gives it away.
        const std::string hint = multiplechoice::lowerCase(field(2));
        const std::string words = judgedForm(answer);
        std::size_t from = 0;
        while (from < words.size()) {
            const std::size_t end = std::min(words.find(' ', from), words.size());
            const std::string word = words.substr(from, end - from);
            if (word.size() >= 4 && hint.find(word) != std::string::npos) {
                problems.push_back("ledtråden avslöjar svaret");
                break;
            }
            from = end + 1;
        }
    }
    return problems;
}

} // namespace lingvaro::clickchoice
