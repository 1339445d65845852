// Judging answers, the live lamp test, the space normaliser, splitting at
// marked words and breaking text into display lines.

#include "engine/cp1252.h"
#include "engine/engine.h"

#include <cmath>

namespace lingvaro {
namespace {

// The marks an answer may begin or end with without being wrong: "!", ",", ".",
// "?", and two code page 1252 bytes that old content used for a diaeresis and a
// soft hyphen. "¿" and "¡" are not among them: they are part of the answer.
constexpr unsigned char EndMarks[] = {'!', ',', '.', '?', 0xA8, 0xAD};

bool isEndMark(unsigned char c)
{
    for (unsigned char m : EndMarks)
        if (c == m)
            return true;
    return false;
}

// One end mark off the front, then one off the back. A string that is a single
// end mark is left alone: it is the whole answer, not punctuation around one.
void stripEndMarks(std::string& s)
{
    if (s.size() < 2)
        return;
    if (isEndMark((unsigned char)s.front()))
        s.erase(0, 1);
    if (s.size() >= 2 && isEndMark((unsigned char)s.back()))
        s.pop_back();
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool isLineBreak(char c)
{
    return c == ' ' || c == ',' || c == '-' || c == '.' || c == '>';
}

bool isWordChar(char ch)
{
    const unsigned char c = (unsigned char)ch;
    return c >= 33 && c <= 254 && ch != ',' && ch != '-' && ch != '.' && ch != '<' && ch != '>';
}

} // namespace

std::string Engine::MellanslagBort(std::string_view text)
{
    if (text.empty())
        return {};
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    std::string s(text.substr(first, last - first + 1));
    if (s.size() < 4 || s.find("  ") == std::string::npos)
        return s;
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue;
        out.push_back(c);
    }
    return out;
}

uint16_t Engine::svarstest(const std::string& expected, std::string given, int kind)
{
    if (given.empty())
        return AnswerEmpty;
    uint16_t result = AnswerWrong;

    int last = 2;
    for (int f = 3; f <= FieldCount; ++f)
        if (!AnswerFields[f].empty())
            last = f;

    const int candidates = MarkedCount + 1;
    for (int i = 1; i <= candidates && result != AnswerRight; ++i) {
        std::string candidate;
        if (i == 1) {
            candidate = expected;
        } else {
            const int f = last - i + 2;
            if (f < 1)
                break;
            candidate = AnswerFields[f];
            if (!candidate.empty() && candidate[0] == '&')
                candidate.erase(0, 1);
            if (candidate.empty()) // an empty alternative is no answer at all
                continue;
        }
        candidate = MellanslagBort(candidate);
        // The answer as typed for each candidate: one end mark comes off each
        // end once, not once more for every alternative tried before.
        std::string typed = MellanslagBort(given);
        if (kind == 1 || kind == 3) {
            stripEndMarks(candidate);
            stripEndMarks(typed);
            if (candidate == typed)
                result = AnswerRight;
        }
        if (kind == 1 && candidate == typed)
            result = AnswerRight;
        if (kind == 2 || kind == 3) {
            candidate = upperCp1252(candidate);
            typed = upperCp1252(typed);
            if (candidate == typed)
                result = AnswerRight;
        }
    }
    return result;
}

int Engine::GreenRedTest(std::string typed, const std::string& expected) const
{
    if (typed.empty())
        return 1;
    if (typed[0] == ' ')
        typed.erase(0, 1);
    if (startsWith(expected, typed))
        return 1;
    // The first empty field; past the end when all ten are used, so that the
    // walk below covers the alternatives and the one field before them.
    int first = FieldCount + 1;
    for (int f = 1; f <= FieldCount; ++f) {
        if (AnswerFields[f].empty()) {
            first = f;
            break;
        }
    }
    if (MarkedCount == 0)
        return 2;
    // The alternatives and the field just before the first of them, never
    // outside the ten fields.
    const int lowest = std::max(1, first - int(MarkedCount) - 1);
    for (int f = std::min(first, FieldCount); f >= lowest; --f)
        if (startsWith(AnswerFields[f], typed))
            return 1;
    return 2;
}

void Engine::LetaPrep(std::string_view text)
{
    for (int i = 1; i <= 5; ++i)
        PrepParts[i].clear();
    int part = 1;
    for (char c : text) {
        if (c == '<' || c == '>') {
            if (part < 5)
                ++part;
            continue;
        }
        PrepParts[part].push_back(c);
    }
}

void Engine::dela_mening(int left, int right, const std::string& text, int count)
{
    if (text.empty()) {
        breakLines(0, text, count, {});
        return;
    }
    // The engine's own measure: the type of the design, at the design's scale.
    const double w = std::nearbyint(double(right - left) * 100.0 / std::max<int>(1, ScaleFactor));
    FontSpec font{u"Arial"_qs, 14, true};
    const int n = ExerciseNo;
    if (n == 32000 || (n >= 43000 && n <= 47000) || n == 51220 || n == 51400)
        font.pointSize = 22;
    else if (n >= 61051 && n <= 61112)
        font.pointSize = 18;
    if (SmallFontOnce) {
        font.pointSize = 8;
        SmallFontOnce = false;
    }
    breakLines(w, text, count, font);
}

void Engine::dela_mening(int left, int right, const std::string& text, int count, const FontSpec& paintedIn)
{
    breakLines(right - left, text, count, paintedIn);
}

void Engine::breakLines(double w, const std::string& text, int count, const FontSpec& font)
{
    count = std::clamp(count, 1, 3);
    for (int i = 1; i <= count; ++i)
        SplitLines[i].clear();
    if (text.empty())
        return;
    auto width = [&](std::size_t from, std::size_t to) { // text[from, to)
        return measurer_->textWidth(fromCp1252(std::string_view(text).substr(from, to - from)), font);
    };

    int line = 1;
    std::size_t start = 0;     // first character of the current line
    bool inMark = false;
    std::size_t markStart = 0; // the "<" that opened the mark
    for (std::size_t g = 0; g < text.size(); ++g) {
        const char c = text[g];
        if (c == '<') {
            inMark = true;
            markStart = g;
        } else if (c == '>') {
            inMark = false;
        }
        if (width(start, g + 1) > w) {
            std::size_t cut; // the next line starts here
            if (inMark && c != '<' && markStart >= start) {
                cut = markStart;
            } else if (isWordChar(c)) {
                cut = start;
                for (std::size_t k = g; k > start; --k) {
                    if (isLineBreak(text[k - 1])) {
                        cut = k;
                        break;
                    }
                }
            } else {
                cut = g + 1;
            }
            if (cut <= start) {
                if (line == 1) {
                    // No break point on the first line: as much of the text as
                    // fits, and the rest on the second line.
                    std::size_t len = text.size();
                    while (len > 0 && width(0, len) >= w)
                        --len;
                    SplitLines[1] = text.substr(0, len);
                    if (count >= 2)
                        SplitLines[2] = text.substr(len);
                    if (count >= 3)
                        SplitLines[3].clear();
                    break;
                }
                // A word wider than a whole line: cut it where it no longer fits,
                // keeping at least one character so the walk always moves on.
                cut = g > start ? g : g + 1;
            }
            SplitLines[line] = text.substr(start, cut - start);
            start = cut;
            if (++line > count)
                break;
        }
        if (g + 1 == text.size())
            SplitLines[line] = text.substr(start);
    }
    for (int i = 1; i <= count; ++i) {
        auto& s = SplitLines[i];
        s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
    }
}

} // namespace lingvaro
