#include "exercises/wordquiz/wordsource.h"

#include "engine/engine.h"

#include <algorithm>

namespace lingvaro {

namespace {

bool validSlot(int slot) { return slot >= 1 && slot <= WordListSlots; }

// Every kept word of the slot out of the list, and its count to 0.
void dropSlotErrors(Engine& e, int slot)
{
    const int used = usedWordErrors(e);
    int to = 1;
    for (int from = 1; from <= used; ++from)
        if (e.WordErrorList[from].slot != slot)
            e.WordErrorList[to++] = e.WordErrorList[from];
    for (; to <= used; ++to)
        e.WordErrorList[to] = ErrorEntry{};
    e.WordErrorCounts[slot] = 0;
}

int firstEntryOf(const Engine& e, int slot)
{
    const int used = usedWordErrors(e);
    for (int i = 1; i <= used; ++i)
        if (e.WordErrorList[i].slot == slot)
            return i;
    return 0;
}

} // namespace

int usedWordErrors(const Engine& e)
{
    int used = 0;
    while (used < WordErrorListSize && e.WordErrorList[used + 1].question != 0)
        ++used;
    return used;
}

int wordListSlot(Engine& e, const std::string& path, uint64_t fingerprint, int count)
{
    int slot = 0;
    for (int i = 1; i <= WordListSlots && slot == 0; ++i)
        if (e.WordListFiles[i] == path)
            slot = i;
    if (slot != 0 && e.WordListFingerprints[slot] == fingerprint && e.WordQuestionCounts[slot] == count)
        return slot;
    if (slot == 0) {
        for (int i = 1; i <= WordListSlots && slot == 0; ++i)
            if (e.WordListFiles[i].empty())
                slot = i;
        if (slot == 0)
            slot = WordListSlots;
    }
    e.WordListFiles[slot] = path;
    e.WordListFingerprints[slot] = fingerprint;
    e.WordQuestionCounts[slot] = count;
    e.WordDrawCounters[slot] = 1;
    dropSlotErrors(e, slot);
    return slot;
}

int drawWord(Engine& e, int slot)
{
    if (!validSlot(slot))
        return 0;
    const int n = std::min(e.WordQuestionCounts[slot], PoolSize);
    if (n <= 0)
        return 0;
    int32_t& counter = e.WordDrawCounters[slot];
    const int wanted = std::clamp<int>(counter, 1, n);
    int result = 0, seen = 0;
    for (int i = 1; i <= PoolSize; ++i) {
        if (e.RandomPool[i] <= n && ++seen == wanted) {
            result = e.RandomPool[i];
            break;
        }
    }
    counter = counter >= n ? 1 : counter + 1;
    return result;
}

void storeWordError(Engine& e, int question, int slot)
{
    if (question <= 0 || !validSlot(slot))
        return;
    int used = usedWordErrors(e);
    if (used == WordErrorListSize) {
        const int oldest = e.WordErrorList[1].slot;
        if (validSlot(oldest) && e.WordErrorCounts[oldest] > 0)
            --e.WordErrorCounts[oldest];
        for (int i = 1; i < WordErrorListSize; ++i)
            e.WordErrorList[i] = e.WordErrorList[i + 1];
        e.WordErrorList[WordErrorListSize] = ErrorEntry{};
        --used;
    }
    e.WordErrorList[used + 1] = ErrorEntry{question, slot};
    if (e.WordErrorCounts[slot] < WordErrorListSize)
        ++e.WordErrorCounts[slot];
}

int firstWordError(const Engine& e, int slot)
{
    const int at = firstEntryOf(e, slot);
    return at == 0 ? 0 : e.WordErrorList[at].question;
}

void WordListSource::fetch(Engine& e, bool correctionPass)
{
    const int n = correctionPass ? firstWordError(e, e.WordSlot) : drawWord(e, e.WordSlot);
    e.QuestionNo = uint16_t(std::max(0, n));
    if (n >= 1 && std::size_t(n) <= list_.questions.size())
        e.CurrentLine = list_.questions[std::size_t(n - 1)];
    else
        e.CurrentLine.clear();
}

void WordListSource::note(Engine& e, ErrorOp op)
{
    const int slot = e.WordSlot;
    if (!validSlot(slot))
        return;
    if (op == ErrorOp::Store) {
        storeWordError(e, e.QuestionNo, slot);
        return;
    }
    const int at = firstEntryOf(e, slot);
    if (at == 0)
        return;
    const int used = usedWordErrors(e);
    const ErrorEntry taken = e.WordErrorList[at];
    for (int i = at; i < used; ++i)
        e.WordErrorList[i] = e.WordErrorList[i + 1];
    if (op == ErrorOp::MoveToBack) {
        e.WordErrorList[used] = taken;
    } else if (op == ErrorOp::RemoveFirst) {
        e.WordErrorList[used] = ErrorEntry{};
        if (e.WordErrorCounts[slot] > 0)
            --e.WordErrorCounts[slot];
    }
}

int WordListSource::storedErrors(const Engine& e) const
{
    return validSlot(e.WordSlot) ? e.WordErrorCounts[e.WordSlot] : 0;
}

int WordListSource::questionCount(const Engine& e) const
{
    return validSlot(e.WordSlot) ? e.WordQuestionCounts[e.WordSlot] : 0;
}

} // namespace lingvaro
