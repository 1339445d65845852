#include "exercises/stegran/levels.h"

#include "contentmap/stegran.h"
#include "engine/engine.h"
#include "engine/textfile.h"

#include <algorithm>

namespace lingvaro {

std::string withoutLevel(std::string_view plainLine)
{
    std::size_t digits = 0;
    if (stegran::levelOf(plainLine, &digits) == 0)
        return std::string(plainLine);
    std::string rest(plainLine.substr(digits));
    // A line starting with ")" would be taken for a scrambled one.
    if (!rest.empty() && rest[0] == ')')
        rest.insert(0, 1, ' ');
    return rest;
}

void LevelLadder::read(std::string_view fileBytes)
{
    LineWalker lines(fileBytes);
    std::string_view line;
    while (lines.next(line))
        addLine(line);
    std::vector<int> counts(stegran::MaxLevels + 1, 0);
    for (int l = 1; l <= stegran::MaxLevels; ++l)
        counts[std::size_t(l)] = int(lines_[std::size_t(l)].size());
    levelCount_ = stegran::levelCount(counts);
    level_ = std::clamp(level_, 1, std::max(1, levelCount_));
}

void LevelLadder::addLine(std::string_view storedLine)
{
    if (storedLine.empty() || storedLine[0] == ';' || storedLine[0] == '$')
        return;
    const std::string plain = Engine::dekryptrad(storedLine);
    const std::size_t hash = plain.find('#', 1);
    if (hash == std::string::npos || hash + 1 >= plain.size())
        return;
    const int level = stegran::levelOf(plain);
    if (level == 0)
        return;
    auto& lines = lines_[std::size_t(level)];
    if (int(lines.size()) < stegran::MaxQuestionsPerLevel)
        lines.push_back(withoutLevel(plain));
}

void LevelLadder::shuffle(Engine& e)
{
    for (int l = 1; l <= stegran::MaxLevels; ++l) {
        order_[std::size_t(l)] = e.shuffledOrder(questionCount(l));
        draw_[std::size_t(l)] = 0;
    }
}

int LevelLadder::questionCount(int level) const
{
    return level >= 1 && level <= stegran::MaxLevels ? int(lines_[std::size_t(level)].size()) : 0;
}

std::string LevelLadder::next(int* number)
{
    if (levelCount_ == 0)
        return {};
    const auto l = std::size_t(level_);
    const int count = questionCount(level_);
    auto& order = order_[l];
    if (int(order.size()) != count) { // not shuffled: in file order
        order.clear();
        for (int q = 1; q <= count; ++q)
            order.push_back(q);
    }
    if (draw_[l] >= order.size())
        draw_[l] = 0;
    const int q = order[draw_[l]++];
    if (number)
        *number = q;
    return lines_[l][std::size_t(q - 1)];
}

bool LevelLadder::answered(bool right, bool counted)
{
    const int before = level_;
    if (!right) {
        // Three right in a row means in a row: a wrong answer starts the run again.
        run_ = 0;
        level_ = std::max(1, level_ - 1);
    } else if (counted && ++run_ >= RunToClimb) {
        run_ = 0;
        level_ = std::min(level_ + 1, std::max(1, levelCount_));
    }
    return level_ != before;
}

void LevelLadder::setLevel(int level)
{
    level_ = std::clamp(level, 1, std::max(1, levelCount_));
    run_ = 0;
}

void LevelSource::fetch(Engine& e, bool correctionPass)
{
    if (isWorksheet(e.WorkMode)) {
        QuestionSource::fetch(e, correctionPass);
        e.CurrentLine = withoutLevel(Engine::dekryptrad(e.CurrentLine));
        return;
    }
    int number = 0;
    e.CurrentLine = ladder_.next(&number);
    e.QuestionNo = uint16_t(number);
}

} // namespace lingvaro
