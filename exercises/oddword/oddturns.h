#pragma once
// Whose turn it is in the odd-word game, and when the game is over. Players
// take turns in order; a right pick is a point and the first to five points has
// reached the goal. The players after that one in the round who stand at four
// points have had one turn fewer: each gets one last turn, and wins too if it
// brings the fifth point. Once the goal is reached only those last turns are
// played, and the game ends when none is left.

#include <array>
#include <string>
#include <vector>

namespace lingvaro {

class OddWordTurns {
public:
    static constexpr int Goal = 5;

    explicit OddWordTurns(int players = 1);
    int players() const { return players_; }
    // The player whose turn it is (1..players), 0 before the first turn.
    int current() const { return current_; }
    int points(int player) const { return points_[std::size_t(player - 1)]; }
    bool goalReached() const { return goalReached_; }
    bool lastChance(int player) const { return lastChance_[std::size_t(player - 1)]; }
    bool over() const { return over_; }

    // The next turn: the next player in order, or after the goal the next
    // player who has a last turn coming.
    void nextTurn();
    // The current player's pick was right or wrong; true when the game is over.
    bool picked(bool right);
    // The players with five points, in order.
    std::vector<int> winners() const;

private:
    int players_;
    int current_ = 0;
    std::array<int, 3> points_{};
    std::array<bool, 3> lastChance_{};
    bool goalReached_ = false;
    bool over_ = false;
};

// The greeting of the winners: "  ¡Enhorabuena, Ana!", "  ¡Enhorabuena, Ana y
// Bo!", "  ¡Enhorabuena, Ana, Bo y Cy!"; three spaces before it instead of two
// when the game ended on a wrong pick. Names and the result in UTF-8.
std::string oddWordGreeting(const std::vector<std::string>& winners, bool endedOnWrongPick);

} // namespace lingvaro
