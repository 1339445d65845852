#pragma once
// The fixed 1-based tables of the program's state and their bounds.

#include <array>
#include <cstddef>
#include <cstdint>

namespace lingvaro {

template <class T, std::size_t N>
class Table1 {
public:
    static constexpr std::size_t Size = N;
    T& operator[](std::size_t i) { return items_[i <= N ? i : 0]; }
    const T& operator[](std::size_t i) const { return items_[i <= N ? i : 0]; }
    void fill(const T& v) { items_.fill(v); }

private:
    std::array<T, N + 1> items_{};
};

struct ErrorEntry {
    int32_t question = 0; // 0 = free
    int32_t slot = 0;
};

constexpr int CatalogueSlots = 290;   // slot 290 serves every unknown name
constexpr int PraiseSlots = 20;
constexpr int ErrorListSize = 400;
constexpr int PoolSize = 1900;
constexpr int MaxPictures = 50;
constexpr int FieldCount = 10;
constexpr int WordListSlots = 160;
constexpr int WordErrorListSize = 200;
constexpr int WordErrorSlots = WordListSlots; // a count for every list slot
constexpr int DiagnosisItems = 41;

} // namespace lingvaro
