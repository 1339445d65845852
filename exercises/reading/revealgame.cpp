#include "exercises/reading/revealgame.h"

#include "contentmap/reading.h"
#include "engine/cp1252.h"

#include <algorithm>
#include <cmath>

namespace lingvaro {

namespace {

bool hidden(QChar c) { return c.isLetterOrNumber(); }

// The word as the list sorts it: accents and case aside, so "árbol" stands
// among the a's.
QString sortKey(const QString& word)
{
    QString out;
    for (QChar c : word.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    return out;
}

QString percent(int part, int whole)
{
    if (part <= 0 || whole <= 0)
        return QStringLiteral("0 %");
    return QString::number(int(std::nearbyint(part * 100.0 / whole))) + QStringLiteral(" %");
}

} // namespace

QString RevealGame::maskOf(const QString& word)
{
    QString mask;
    for (QChar c : word)
        mask += hidden(c) ? QChar(u'*') : c;
    return mask;
}

QString RevealGame::answerOf(const QString& word)
{
    qsizetype first = 0, last = word.size();
    while (first < last && !hidden(word[first]))
        ++first;
    while (last > first && !hidden(word[last - 1]))
        --last;
    return word.mid(first, last - first);
}

bool RevealGame::sameWord(const QString& a, const QString& b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

void RevealGame::load(const std::vector<std::string>& lines)
{
    *this = RevealGame();
    for (const std::string& line : lines) {
        if (rows == Rows) {
            cutShort = true;
            break;
        }
        const reading::StoryLine row = reading::parseStoryLine(line);
        names[std::size_t(rows)] = fromCp1252(row.name);
        for (std::size_t i = 0; i < row.words.size(); ++i) {
            if (int(i) == PerRow) {
                cutShort = true;
                break;
            }
            Slot& s = cells[std::size_t(rows * PerRow) + i];
            s.used = true;
            s.word = fromCp1252(row.words[i]);
            s.dash = reading::isDash(row.words[i]);
            s.mask = maskOf(s.word);
            s.answer = answerOf(s.word);
            // A "word" of marks only (a lone "…") shows as it is, like the dash.
            if (s.answer.isEmpty())
                s.dash = true;
            if (!s.dash) {
                ++wordCount;
                dragList << s.answer;
            }
        }
        ++rows;
    }
    sortList();
}

void RevealGame::sortList()
{
    std::stable_sort(dragList.begin(), dragList.end(), [](const QString& a, const QString& b) {
        const QString ka = sortKey(a), kb = sortKey(b);
        return ka != kb ? ka < kb : a < b;
    });
}

void RevealGame::uncover(int slot)
{
    Slot& s = cells[std::size_t(slot)];
    s.uncovered = true;
    ++attempts;
    ++rights;
    // One copy of the word leaves the list: the one written as the slot has it, else any.
    qsizetype i = dragList.indexOf(s.answer);
    if (i < 0)
        for (qsizetype j = 0; j < dragList.size() && i < 0; ++j)
            if (sameWord(dragList[j], s.answer))
                i = j;
    if (i >= 0)
        dragList.removeAt(i);
}

RevealGame::Result RevealGame::drop(const QString& word, int slot)
{
    if (slot < 0 || slot >= Slots)
        return Result::Ignored;
    const Slot& s = cells[std::size_t(slot)];
    if (!s.used || s.dash || s.uncovered)
        return Result::Ignored;
    if (sameWord(s.answer, answerOf(word))) {
        uncover(slot);
        return Result::Right;
    }
    ++attempts;
    return Result::Wrong;
}

int RevealGame::type(const QString& typed)
{
    const QString word = answerOf(typed.trimmed());
    if (word.isEmpty())
        return -1;
    int found = 0;
    bool shown = false;
    for (int i = 0; i < Slots; ++i) {
        const Slot& s = cells[std::size_t(i)];
        if (!s.used || s.dash || !sameWord(s.answer, word))
            continue;
        if (s.uncovered) {
            shown = true;
            continue;
        }
        uncover(i);
        ++found;
    }
    if (found == 0) {
        if (shown)
            return -1;
        ++attempts;
    }
    return found;
}

int RevealGame::uncovered() const
{
    return int(std::count_if(cells.begin(), cells.end(),
                             [](const Slot& s) { return s.used && !s.dash && s.uncovered; }));
}

QString RevealGame::justas() const { return rights == 0 ? QStringLiteral("0 %") : percent(rights, attempts); }

QString RevealGame::listo() const { return rights == 0 ? QStringLiteral("0 %") : percent(uncovered(), wordCount); }

QString RevealGame::shownText(int slot, bool wholeStory) const
{
    const Slot& s = cells[std::size_t(slot)];
    return s.uncovered || wholeStory ? s.word : s.mask;
}

} // namespace lingvaro
