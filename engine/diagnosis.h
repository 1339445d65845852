#pragma once
// The diagnosis: 41 test items, each learner's latest results in one shared
// file of fixed 668-byte records, the status rule that unlocks items, and the
// teacher password file.

#include "engine/engine.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lingvaro {

// The diagnosis items' names as the protocol shows them (UTF-8), items 1..41.
const char* diagnosisItemName(int item);

// Status texts: 0 "Börja", 1 "Vänta", 2 "Testa", 3 "Öva".
QString diagnosisStatusText(int status);

// The status an item should have from its result; sets the status of the item
// it precedes (1→2, 2→3, 3→4, 5→6). Never writes the item's own status.
uint8_t GeStatusTal(DiagnosisRecordData& record, int item);

// A fresh record for a new learner: every value zero, then each item's status
// from the status rule (2, 3, 4 and 6 "Vänta", the rest "Börja").
DiagnosisRecordData freshRecord(const std::string& name);

// Stores a test result of an item with its time (diagnosback's part on the record).
void storeResult(DiagnosisRecordData& record, int item, int value, const QDateTime& when);

// Names are compared as the locale upper-cases them.
bool sameLearner(const std::string& a, const std::string& b);

// The shared diagnosis file "SPANDIAG.DIA" in a directory.
class DiagnosisFile {
public:
    explicit DiagnosisFile(std::filesystem::path directory);

    std::filesystem::path file() const;
    std::filesystem::path scratchFile() const; // "Slask.DI2"
    QString lockFile() const;

    // Every whole record in file order; a cut-off record at the end is left out
    // (and noted in truncatedBytes), never taken for a learner.
    std::optional<std::vector<DiagnosisRecordData>> readAll() const;
    std::size_t truncatedBytes() const { return truncated_; }

    // The learner's record, if the file has one (name without regard to case).
    std::optional<DiagnosisRecordData> find(const std::string& name) const;

    enum class Result { Saved, Locked, Failed, Truncated };
    // Writes the record in place of the learner's (by name, ignoring case), or
    // appends it. Under a lock beside the file; the file is replaced whole and
    // atomically, so it is always either the old or the new complete file. A
    // file with a cut-off record is not written back shorter: Truncated, unless
    // keepTruncated says the user agreed to drop the cut-off bytes.
    Result save(const DiagnosisRecordData& record, bool keepTruncated = false);
    // Removes the records named exactly so (same letters, same case) and empty names.
    Result remove(const std::string& exactName, bool keepTruncated = false);
    // Renames the file to "SP" + stamp + ".DIS" without ever replacing an archive:
    // the stamp has minutes, then seconds, then a counter while the name is taken.
    // The archive's name, or nothing when there was no file to archive.
    std::optional<std::filesystem::path> archive(const QDateTime& when);

    // How long a writer waits for the lock.
    int lockWaitMs = 3000;
    // Runs between writing the scratch file and putting it in place (tests
    // interrupt a save there).
    std::function<void()> beforeReplace;

private:
    Result rewrite(const std::vector<DiagnosisRecordData>& records, bool keepTruncated);

    std::filesystem::path directory_;
    mutable std::size_t truncated_ = 0;
};

// The archive stamp: two-digit year, month, day, hour and minute ("0405171430").
QString archiveStamp(const QDateTime& when);

// The protocol's timestamp text: "040517 14:30", empty when there is no result.
QString protocolTime(const DiagnosisRecordData& record, int item);

// The teacher password file "SPA45444.DOT": 54 bytes, "LÄRARE" and the password,
// both scrambled. Reading creates it with the first password when it is missing.
struct TeacherPasswordFile {
    static constexpr std::size_t Size = 54;
    static constexpr const char* DefaultPassword = "TALLBARK";
    static constexpr const char* MasterPassword = "Kex Bord";
    // Nothing when the file can neither be read nor created.
    static std::optional<std::string> read(const std::filesystem::path& file);
    static bool write(const std::filesystem::path& file, const std::string& password);
};

} // namespace lingvaro
