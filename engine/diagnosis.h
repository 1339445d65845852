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

// A typed name as the diagnosis file keeps it: cut to 26 characters, without
// the spaces the cut may leave at its end. Names are compared in this form, so
// that a long new name is never taken for another learner's shorter one.
std::string storedName(const std::string& typed);

// The first character of a typed name or password that code page 1252 cannot
// hold (the file would keep it as "?"), or nothing when every one fits.
std::optional<QString> characterOutsideCp1252(const QString& typed);

// The shared diagnosis file "SPANDIAG.DIA" in a directory.
class DiagnosisFile {
public:
    explicit DiagnosisFile(std::filesystem::path directory);

    std::filesystem::path file() const;
    std::filesystem::path scratchFile() const; // "Slask.DI2"
    QString lockFile() const;

    // Every whole record in file order; a cut-off record at the end is left out
    // (and noted in truncatedBytes), never taken for a learner. Nothing when the
    // file is missing or cannot be read; unreadable() tells the two apart.
    std::optional<std::vector<DiagnosisRecordData>> readAll() const;
    std::size_t truncatedBytes() const { return truncated_; }
    // The last read found a file that exists but could not be read (permissions,
    // a network share that does not answer). Such a file is never written over.
    bool unreadable() const { return unreadable_; }

    // The learner's record, if the file has one (name without regard to case).
    std::optional<DiagnosisRecordData> find(const std::string& name) const;

    enum class Result { Saved, Locked, Failed, Truncated, Unreadable, Missing, NameTaken };
    // Writes the record in place of the learner's (by name, ignoring case), or
    // appends it. Under a lock beside the file; the file is replaced whole and
    // atomically, so it is always either the old or the new complete file. A
    // file with a cut-off record is not written back shorter: Truncated, unless
    // keepTruncated says the user agreed to drop the cut-off bytes. A file that
    // exists but cannot be read is left as it is: Unreadable.
    Result save(const DiagnosisRecordData& record, bool keepTruncated = false);
    // Appends a new learner's record; NameTaken (and nothing written) when the
    // file already has a learner of that name.
    Result add(const DiagnosisRecordData& record, bool keepTruncated = false);
    // Removes the records named exactly so (same letters, same case) and empty names.
    // Missing or Unreadable when there is no file to remove from.
    Result remove(const std::string& exactName, bool keepTruncated = false);
    // Moves the file to "SP" + stamp + ".DIS" without ever replacing an archive:
    // the stamp has minutes, then seconds, then a counter while the name is taken.
    // Works where hard links do not exist (FAT sticks, many network shares).
    // The archive's name, or nothing when there was no file to archive.
    std::optional<std::filesystem::path> archive(const QDateTime& when);

    // How long a writer waits for the lock.
    int lockWaitMs = 3000;
    // Runs between writing the scratch file and putting it in place (tests
    // interrupt a save there).
    std::function<void()> beforeReplace;

private:
    Result store(const DiagnosisRecordData& record, bool keepTruncated, bool newLearner);
    Result rewrite(const std::vector<DiagnosisRecordData>& records, bool keepTruncated);

    std::filesystem::path directory_;
    mutable std::size_t truncated_ = 0;
    mutable bool unreadable_ = false;
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
    // Nothing when the file can neither be read nor created. A file that is
    // there but cannot be read (or is too short) is never replaced by one with
    // the first password.
    static std::optional<std::string> read(const std::filesystem::path& file);
    // Replaces the file in one step (scratch file, then rename).
    static bool write(const std::filesystem::path& file, const std::string& password);
};

// The longest password the login takes; the new-password dialog takes no longer one.
constexpr int PasswordLength = 10;

} // namespace lingvaro
