#pragma once
// The level exercise's ladder, without widgets: its questions sorted by level,
// each level's own random order, the level the pupil stands on and the right
// answers in a row since the last step. Three counted right answers in a row
// take the pupil a level up, every wrong answer a level down.

#include "exercises/common/series.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

class Engine;

class LevelLadder {
public:
    static constexpr int RunToClimb = 3;

    // The lines of a data file, as stored (scrambled or plain). A line counts
    // when it starts with its level (1..20, then no digit) and has a "#" after
    // its first character and before its last; at most 120 a level are kept.
    void read(std::string_view fileBytes);
    void addLine(std::string_view storedLine);
    // A fresh random order for every level, from the window's own generator.
    void shuffle(Engine& e);

    // The highest n such that levels 1..n all have questions (0: none).
    int levelCount() const { return levelCount_; }
    int questionCount(int level) const;

    int level() const { return level_; }
    int run() const { return run_; }

    // The next question of the current level (plain text, without the level's
    // digits), and its number among the level's questions; the level's order
    // starts again after its last question. Empty when there are no levels.
    std::string next(int* number = nullptr);

    // An answer: `counted` is false when the lamp or a help was used, so a right
    // answer then neither climbs nor breaks the run. True when the level changed.
    bool answered(bool right, bool counted);
    // A fetched level, kept within 1..levelCount; the run starts again.
    void setLevel(int level);

private:
    std::array<std::vector<std::string>, 21> lines_; // plain, digits removed; [1..20]
    std::array<std::vector<int>, 21> order_;
    std::array<std::size_t, 21> draw_{};
    int levelCount_ = 0;
    int level_ = 1;
    int run_ = 0;
};

// Where the level exercise's questions come from: the ladder's current level
// while practising; in worksheet mode the catalogue's draw, the level's digits
// taken off. Its wrong answers go into no list: the level is the record.
class LevelSource : public QuestionSource {
public:
    explicit LevelSource(LevelLadder& ladder) : ladder_(ladder) {}
    void fetch(Engine& e, bool correctionPass) override;
    void note(Engine&, ErrorOp) override {}
    int storedErrors(const Engine&) const override { return 0; }

private:
    LevelLadder& ladder_;
};

// The line without its level's digits, as the program shows and prints it.
std::string withoutLevel(std::string_view plainLine);

} // namespace lingvaro
