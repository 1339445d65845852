#include "exercises/oddword/oddturns.h"

#include <algorithm>
#include <cctype>

namespace lingvaro {

OddWordTurns::OddWordTurns(int players) : players_(std::clamp(players, 1, 3)) {}

void OddWordTurns::nextTurn()
{
    if (over_)
        return;
    for (int step = 1; step <= players_; ++step) {
        const int next = (current_ + step - 1) % players_ + 1;
        if (!goalReached_ || lastChance_[std::size_t(next - 1)]) {
            current_ = next;
            return;
        }
    }
}

bool OddWordTurns::picked(bool right)
{
    if (over_ || current_ < 1)
        return over_;
    const std::size_t p = std::size_t(current_ - 1);
    if (right && points_[p] < Goal) {
        ++points_[p];
        if (points_[p] == Goal && !goalReached_) {
            goalReached_ = true;
            // The players after this one in the round have had a turn fewer.
            for (int q = current_ + 1; q <= players_; ++q)
                lastChance_[std::size_t(q - 1)] = points_[std::size_t(q - 1)] == Goal - 1;
        }
    }
    if (goalReached_)
        lastChance_[p] = false; // a last turn is used, whatever it brought
    over_ = goalReached_ && std::none_of(lastChance_.begin(), lastChance_.begin() + players_, [](bool b) { return b; });
    return over_;
}

std::vector<int> OddWordTurns::winners() const
{
    std::vector<int> out;
    for (int p = 1; p <= players_; ++p)
        if (points_[std::size_t(p - 1)] >= Goal)
            out.push_back(p);
    return out;
}

namespace {

// "y" is "e" before a name that begins with the sound i (Ana e Isabel, Bo e Hilda).
bool beginsWithI(const std::string& name)
{
    auto upper = [&](std::size_t i) { return i < name.size() ? char(std::toupper((unsigned char)name[i])) : '\0'; };
    if (upper(0) == 'I' || name.starts_with("\xc3\x8d") || name.starts_with("\xc3\xad")) // I, Í, í
        return true;
    return upper(0) == 'H' && upper(1) == 'I' && upper(2) != 'A' && upper(2) != 'E' && upper(2) != 'O';
}

} // namespace

std::string oddWordGreeting(const std::vector<std::string>& winners, bool endedOnWrongPick)
{
    std::string names;
    for (std::size_t i = 0; i < winners.size(); ++i) {
        if (i > 0)
            names += i + 1 < winners.size() ? ", " : beginsWithI(winners[i]) ? " e " : " y ";
        names += winners[i];
    }
    return std::string(endedOnWrongPick ? "   " : "  ") + "¡Enhorabuena, " + names + "!";
}

} // namespace lingvaro
