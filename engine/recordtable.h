#pragma once
// The record tables of the vocabulary quiz: one file a word list (".TNR") in
// the record folder, of at most 100 fixed 34-byte records, best first, no
// header. A record, little-endian:
//   bytes  0..21  the name: a length byte (at most 21), then the characters (cp1252)
//   bytes 22..31  year, month, day, hour, minute, each unsigned 16-bit
//   bytes 32..33  the score, unsigned 16-bit
// The folder may be shared by the computers of a school: a save holds a lock
// beside the file and replaces the file whole, so it is always either the old
// or the new complete table.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

constexpr int RecordTableSize = 100;  // rows of a table, records kept in a file
constexpr int MaxRecordScore = 64200; // the highest score a table shows

struct RecordEntry {
    static constexpr std::size_t Size = 34;
    static constexpr std::size_t NameBytes = 21;

    std::string name; // cp1252, at most 21 bytes
    uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
    uint16_t score = 0;

    // A new entry: the name cut to 21 bytes, the time of `when`.
    static RecordEntry make(std::string_view name, uint16_t score, const QDateTime& when);
    void setTime(const QDateTime& when);
    std::string toBytes() const;
    // Any 34 bytes: a length byte above 21 reads as 21.
    static RecordEntry fromBytes(std::string_view record);
};

// A quiz score as a table keeps it: rounded (halves to even) and held within
// 0..64200, so that a score below zero never wraps round to the top.
uint16_t recordScoreOf(double score);

// What a table file holds: every whole record in file order, and how many
// bytes of a last record that is not whole were left over. No input makes it fail.
struct RecordEntries {
    std::vector<RecordEntry> entries;
    std::size_t cutOff = 0;
};
RecordEntries parseRecordEntries(std::string_view bytes);
std::string recordTableBytes(const std::vector<RecordEntry>& entries);

// The table with a new entry placed: before the first stored entry with a
// strictly lower score (equal scores stay ahead of it), the stored entries
// counted up to 100 whatever their names. When 100 entries are at least as good,
// the new one stands as row 101 and is not kept.
struct RecordMerge {
    std::vector<RecordEntry> rows; // rows 1..100, and the new entry as row 101 when it did not fit
    int placed = 0;                // the new entry's row, 1..101
    bool fits() const { return placed <= RecordTableSize; }
    // The entries a save writes: every row up to 100.
    std::vector<RecordEntry> kept() const;
};
RecordMerge mergeRecord(const std::vector<RecordEntry>& stored, const RecordEntry& entry);

// The texts of a table row: the number ("    7", "  42", "100"; "  X" for row
// 101), the score (padded by its size; empty for 0 and above 64200) and the
// time as the grid shows it ("040517 14:30") and as an export writes it
// ("2004-05-17 14:30"). Values out of their range are written as they are.
QString recordNumberText(int row);
QString recordScoreText(uint16_t score);
QString recordDateText(const RecordEntry& entry);
QString recordExportTime(const RecordEntry& entry);

class RecordFile {
public:
    explicit RecordFile(std::filesystem::path file);
    const std::filesystem::path& file() const { return file_; }

    enum class Status {
        Read,       // the entries are what the file holds (or nothing: Missing)
        Missing,    // no file yet
        Unreadable, // the file is there but cannot be read; it is never written over
        Saved,      // save: the file holds the new entry
        NotPlaced,  // save: 100 entries are at least as good; the file is left as it was
        Locked,     // save: another computer held the file too long
        Failed,     // save: the new file could not be written; the old one is whole
    };
    struct Result {
        Status status;
        std::vector<RecordEntry> entries{}; // read: the stored entries; save: what the file holds now
        int placed = 0;                   // save: the new entry's row
        std::size_t cutOff = 0;           // read: bytes of a last record that is not whole
    };

    Result read() const;
    // Reads the file again under the lock, places the entry and writes the
    // table back whole, in one step. A cut-off last record, which no table row
    // can show, is not written back.
    Result save(const RecordEntry& entry);

    // How long a save waits for the lock.
    int lockWaitMs = 3000;
    // Runs between writing the new file and putting it in place (tests
    // interrupt a save there).
    std::function<void()> beforeReplace;

private:
    std::filesystem::path file_;
};

} // namespace lingvaro
