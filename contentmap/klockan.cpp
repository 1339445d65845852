#include "contentmap/klockan.h"
#include "contentmap/text.h"

#include <algorithm>
#include <cctype>

namespace lingvaro::klockan {
namespace {

// "Es la una", "Son las dos" …: the hour words after the article.
const char* const HourWords[] = {"", "una", "dos", "tres", "cuatro", "cinco", "seis",
                                 "siete", "ocho", "nueve", "diez", "once", "doce"};

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = char(std::tolower((unsigned char)c));
    return out;
}

bool hasWord(const std::string& text, const std::string& word)
{
    std::size_t at = 0;
    while ((at = text.find(word, at)) != std::string::npos) {
        const bool startOk = at == 0 || !std::isalpha((unsigned char)text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endOk = end >= text.size() || !std::isalpha((unsigned char)text[end]);
        if (startOk && endOk)
            return true;
        at = end;
    }
    return false;
}

// Hour (1..12) and minutes of "H:MM" on the five-minute grid; false for anything else.
bool parseTime(std::string_view s, int* hour, int* minute)
{
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || s.size() != colon + 3)
        return false;
    int h = 0, m = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == colon)
            continue;
        if (!std::isdigit((unsigned char)s[i]))
            return false;
        (i < colon ? h : m) = (i < colon ? h : m) * 10 + (s[i] - '0');
    }
    if (h < 1 || h > 12 || m > 55 || m % 5 != 0)
        return false;
    *hour = h;
    *minute = m;
    return true;
}

// A field (code page 1252) inside a message (UTF-8).
std::string shownText(std::string_view cp1252)
{
    std::string out;
    for (unsigned char c : cp1252) {
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c >= 0xA0) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c == 0x85) {
            out += "\u2026"; // the ellipsis of a help text
        } else if (c == 0x96 || c == 0x97) {
            out += "\u2013";
        } else {
            out.push_back('?');
        }
    }
    return out;
}

} // namespace

bool hasRulesButton(int exerciseNo) { return exerciseNo == 54400; }

std::string rulePage(int exerciseNo) { return exerciseNo == 54400 ? "R54400.htm" : std::string(); }

std::string clockText(int t)
{
    const int s = std::clamp(t, 1, ClockTimes) - 1;
    const int hour = s / 12 == 0 ? 12 : s / 12;
    const int minute = s % 12 * 5;
    return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
}

std::vector<std::string> lineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    int hour = 0, minute = 0;
    if (!parseTime(trimmedSpaces(field(2)), &hour, &minute)) {
        problems.push_back("fält 2 ska vara klockslaget i siffror, som 2:15");
    } else {
        // The answer names the hour it counts from, or after the half the next one.
        const std::string answer = lower(field(1));
        const int next = hour % 12 + 1;
        const bool twelve = hour == 12 || (minute > 30 && next == 12);
        if (!hasWord(answer, HourWords[hour]) && !hasWord(answer, HourWords[next])
            && !(twelve && (hasWord(answer, "mediod\xed" "a") || hasWord(answer, "medianoche"))))
            problems.push_back("svaret nämner inte timmen " + std::to_string(hour) + " eller "
                               + std::to_string(next));
    }
    // One o'clock is singular, the others plural, in every answer of the line
    // (the fields that say the time; the help texts are Swedish).
    for (std::size_t i = 1; i < fields.size(); ++i) {
        // An alternative comes with its "&".
        const std::string said = fields[i].starts_with('&') ? fields[i].substr(1) : fields[i];
        const std::string text = lower(said);
        if (!text.starts_with("es ") && !text.starts_with("son "))
            continue;
        const char* rule = hasWord(text, "son las una") || hasWord(text, "es las") ? "klockan ett är singular, es la una"
                           : hasWord(text, "es la") && !hasWord(text, "es la una")
                               ? "bara klockan ett är singular, annars son las"
                               : nullptr;
        if (rule)
            problems.push_back(std::string(1, '"').append(shownText(said)).append("\": ").append(rule));
    }
    return problems;
}

std::vector<std::string> fileProblems(const std::vector<std::vector<std::string>>& lines, int)
{
    std::vector<std::string> problems;
    if (lines.size() != std::size_t(ClockTimes))
        problems.push_back("har " + std::to_string(lines.size()) + " frågor; klockan behöver "
                           + std::to_string(ClockTimes) + ", en för var femte minut från 12:00 till 11:55");
    for (std::size_t n = 0; n < lines.size() && n < std::size_t(ClockTimes); ++n) {
        const std::string shown = lines[n].size() > 2 ? trimmedSpaces(lines[n][2]) : std::string();
        const std::string wanted = clockText(int(n) + 1);
        if (shown != wanted) {
            problems.push_back("fråga " + std::to_string(n + 1) + " ska vara klockan " + wanted + ", inte "
                               + (shown.empty() ? std::string("tom") : shownText(shown))
                               + " (radens plats är den tid klockan visar)");
        }
    }
    return problems;
}

} // namespace lingvaro::klockan
