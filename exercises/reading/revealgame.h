#pragma once
// The reveal game without widgets: a story of at most 7 rows of 7 words behind
// masks, uncovered word by word by dropping a word of the list on its place or
// by typing a word; the attempts, the share of right ones ("justas") and how
// much of the story is uncovered ("Listo").
//
// One rule for the dash: a word "-" alone is shown from the start and never
// asked or counted; any other word is asked. Only hidden words can be
// uncovered, each once, so "Listo" reaches 100 % exactly when the last word shows.

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

namespace lingvaro {

class RevealGame {
public:
    static constexpr int Rows = 7;
    static constexpr int PerRow = 7;
    static constexpr int Slots = Rows * PerRow;

    struct Slot {
        QString word;   // as written, with its punctuation
        QString mask;   // what shows while it is hidden
        QString answer; // the word itself: its punctuation at either end left out
        bool used = false;
        bool dash = false;
        bool uncovered = false;
    };

    // A mask hides every letter and digit of a word with "*" and shows the rest
    // as it is ("¿Qué?" → "¿***?", "casa." → "****.", "-" → "-").
    static QString maskOf(const QString& word);
    static QString answerOf(const QString& word);
    // Whether two words are the same for the game: letter case aside.
    static bool sameWord(const QString& a, const QString& b);

    // Loads a story from its plain lines (code page 1252). Rows beyond 7 and
    // words beyond 7 in a row have no slot and are left out.
    void load(const std::vector<std::string>& lines);

    std::array<QString, Rows> names;
    std::array<Slot, Slots> cells;
    // The words to drag: every asked word still hidden, sorted (duplicates kept).
    QStringList dragList;
    int rows = 0;         // rows the story fills
    bool cutShort = false; // it had more rows or words than there are slots

    int attempts = 0;
    int rights = 0;
    int wordCount = 0; // the asked words (all but the dashes)

    enum class Result { Right, Wrong, Ignored };
    // A word of the list dropped on a slot: right when the slot is hidden and
    // holds that word. A drop on a shown slot, a dash or an empty slot is no attempt.
    Result drop(const QString& word, int slot);
    // A typed word uncovers every hidden slot that holds it, each a right
    // attempt; letter case, a leading "¿" or "¡" and the end marks do not
    // matter. The number of slots uncovered (0: a wrong attempt), or -1 when
    // it was no attempt (empty, a dash, or a word that shows already).
    int type(const QString& typed);

    int uncovered() const;
    bool complete() const { return wordCount > 0 && uncovered() == wordCount; }
    // "justas" and "Listo" as shown: a rounded percentage (halves to even) and
    // " %"; "0 %" while nothing is right.
    QString justas() const;
    QString listo() const;
    // What a slot shows: its word when uncovered (or when the whole story is
    // shown), else its mask.
    QString shownText(int slot, bool wholeStory) const;

private:
    void uncover(int slot);
    void sortList();
};

} // namespace lingvaro
