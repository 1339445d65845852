#pragma once
// Where the vocabulary quiz's words come from: the chosen word list, read whole
// from its file, asked in the list's own random order; its wrong words kept in
// the quiz's own list of 200 (word number and list slot) for the correction pass.
//
// A list has a slot of its own for the whole run, found by its file: the same
// list keeps its place in its order and its wrong words wherever it stands in a
// menu's list, and two lists never share a count, an order or wrong words. A
// list whose file has changed since its slot was made (an own list edited and
// tried again) starts its slot afresh, so that a word number always means the
// word it was taken for.

#include "engine/wordlist.h"
#include "exercises/common/series.h"

#include <cstdint>
#include <string>

namespace lingvaro {

class Engine;

// The slot of a list (1..160), made or started afresh as the file requires; the
// slot's count is the list's. When every slot is taken the last one is reused.
int wordListSlot(Engine& e, const std::string& path, uint64_t fingerprint, int count);
// The number of the next word of the slot: every word once in the run's random
// order before any comes again; 0 for an empty list.
int drawWord(Engine& e, int slot);
// A wrong word kept: after the others, the oldest dropped when 200 are kept.
void storeWordError(Engine& e, int question, int slot);
// The slot's first kept word (0: none), and how many kept entries there are in all.
int firstWordError(const Engine& e, int slot);
int usedWordErrors(const Engine& e);

class WordListSource : public QuestionSource {
public:
    // The list being asked, in the engine's WordSlot.
    void setList(WordList list) { list_ = std::move(list); }
    const WordList& list() const { return list_; }

    void fetch(Engine& e, bool correctionPass) override;
    void note(Engine& e, ErrorOp op) override;
    int storedErrors(const Engine& e) const override;
    int questionCount(const Engine& e) const override;

private:
    WordList list_;
};

} // namespace lingvaro
