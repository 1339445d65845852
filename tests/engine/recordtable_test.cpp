// The record tables: the 34-byte records, the merge that places a new entry,
// the texts of the grid, and a file that is never left half written or written
// over when it cannot be read.

#include "engine/recordtable.h"
#include "engine/textfile.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

const QDateTime When(QDate(2004, 5, 17), QTime(14, 30));

RecordEntry entry(const std::string& name, uint16_t score) { return RecordEntry::make(name, score, When); }

std::vector<RecordEntry> table(std::initializer_list<uint16_t> scores)
{
    std::vector<RecordEntry> out;
    int n = 0;
    for (uint16_t s : scores)
        out.push_back(entry("P" + std::to_string(++n), s));
    return out;
}

std::string bytesOf(const fs::path& file) { return readFileBytes(file).value_or("<none>"); }

TEST(RecordTable, RecordsAreALengthPrefixedNameAndSixLittleEndianWords)
{
    RecordEntry e = entry("Ana", 258);
    const std::string b = e.toBytes();
    ASSERT_EQ(b.size(), 34u);
    EXPECT_EQ(b.substr(0, 4), std::string("\x03" "Ana"));
    EXPECT_EQ(b.substr(22, 2), std::string("\xd4\x07", 2)); // 2004
    EXPECT_EQ(b.substr(24, 8), std::string("\x05\x00\x11\x00\x0e\x00\x1e\x00", 8));
    EXPECT_EQ(b.substr(32, 2), std::string("\x02\x01", 2));
    // A name is cut to 21 characters.
    EXPECT_EQ(entry(std::string(30, 'x'), 1).name.size(), 21u);
    EXPECT_EQ(RecordEntry::fromBytes(e.toBytes()).name, "Ana");
}

TEST(RecordTable, AnyBytesReadSafely)
{
    // A length byte above 21 reads 21 characters; a 35-byte file is one record
    // and a byte left over; nothing at all is no record.
    std::string corrupt = entry("Bo", 7).toBytes();
    corrupt[0] = char(0xff);
    const RecordEntries read = parseRecordEntries(corrupt + "z");
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].name.size(), 21u);
    EXPECT_EQ(read.entries[0].name.substr(0, 2), "Bo");
    EXPECT_EQ(read.entries[0].score, 7);
    EXPECT_EQ(read.cutOff, 1u);
    EXPECT_TRUE(parseRecordEntries("").entries.empty());
    EXPECT_EQ(parseRecordEntries(std::string(33, '\xff')).cutOff, 33u);
    EXPECT_EQ(RecordEntry::fromBytes("short").name, "");
}

TEST(RecordTable, ANewEntryGoesBeforeTheFirstLowerScore)
{
    // Into an empty table: row 1.
    RecordMerge m = mergeRecord({}, entry("Ny", 50));
    EXPECT_EQ(m.placed, 1);
    EXPECT_EQ(m.kept().size(), 1u);

    // Equal scores stay ahead of it.
    m = mergeRecord(table({90, 50, 50, 20}), entry("Ny", 50));
    EXPECT_EQ(m.placed, 4);
    EXPECT_EQ(m.rows[3].name, "Ny");
    EXPECT_EQ(m.rows[4].name, "P4");

    // Below every entry: after the last.
    m = mergeRecord(table({90, 50}), entry("Ny", 10));
    EXPECT_EQ(m.placed, 3);
}

TEST(RecordTable, AFullTableDropsItsLastOrShowsTheNewEntryAsRow101)
{
    std::vector<RecordEntry> full;
    for (int i = 0; i < 100; ++i)
        full.push_back(entry("P" + std::to_string(i + 1), uint16_t(1000 - i)));
    RecordMerge better = mergeRecord(full, entry("Ny", 950));
    EXPECT_EQ(better.placed, 52);
    ASSERT_EQ(better.kept().size(), 100u);
    EXPECT_EQ(better.kept().back().name, "P99"); // P100 drops out

    RecordMerge worse = mergeRecord(full, entry("Ny", 901)); // equal to the last: after it
    EXPECT_FALSE(worse.fits());
    EXPECT_EQ(worse.placed, 101);
    ASSERT_EQ(worse.rows.size(), 101u);
    EXPECT_EQ(worse.rows[100].name, "Ny");
    EXPECT_EQ(worse.kept().size(), 100u);
}

TEST(RecordTable, AnEntryWithoutANameIsARowLikeAnyOther)
{
    // The table ends where its records end: a stored entry without a name
    // keeps every entry below it, and a new one without a name is stored.
    std::vector<RecordEntry> stored = table({90, 80, 70, 60});
    stored[1].name.clear();
    const RecordMerge m = mergeRecord(stored, entry("", 75));
    ASSERT_EQ(m.kept().size(), 5u);
    EXPECT_EQ(m.placed, 3);
    EXPECT_EQ(m.kept()[1].name, "");
    EXPECT_EQ(m.kept()[2].name, "");
    EXPECT_EQ(m.kept()[4].name, "P4");
}

TEST(RecordTable, GridTexts)
{
    EXPECT_EQ(recordNumberText(1), "    1");
    EXPECT_EQ(recordNumberText(42), "  42");
    EXPECT_EQ(recordNumberText(100), "100");
    EXPECT_EQ(recordNumberText(101), "  X");
    EXPECT_EQ(recordScoreText(7), QString(9, u' ') + "7");
    EXPECT_EQ(recordScoreText(99), QString(8, u' ') + "99");
    EXPECT_EQ(recordScoreText(100), QString(6, u' ') + "100");
    EXPECT_EQ(recordScoreText(9999), QString(4, u' ') + "9999");
    EXPECT_EQ(recordScoreText(64200), QString(3, u' ') + "64200");
    EXPECT_EQ(recordScoreText(0), "");
    EXPECT_EQ(recordScoreText(64201), "");
    const RecordEntry e = entry("Ana", 1);
    EXPECT_EQ(recordDateText(e), "040517 14:30");
    EXPECT_EQ(recordExportTime(e), "2004-05-17 14:30");
    RecordEntry odd = e;
    odd.year = 7;
    odd.month = 300;
    EXPECT_EQ(recordExportTime(odd), "0007-300-17 14:30");
}

TEST(RecordTable, ScoresAreRoundedHalvesToEvenAndHeldWithinTheTable)
{
    EXPECT_EQ(recordScoreOf(-15), 0);      // never wraps round to 65 521
    EXPECT_EQ(recordScoreOf(2.5), 2);
    EXPECT_EQ(recordScoreOf(3.5), 4);
    EXPECT_EQ(recordScoreOf(70000), 64200);
    EXPECT_EQ(recordScoreOf(std::nan("")), 0);
}

TEST(RecordTable, SavingPlacesTheEntryAndReplacesTheFileWhole)
{
    ScratchDir dir;
    RecordFile file(dir.path() / "SVESPA1.TNR");
    EXPECT_EQ(file.read().status, RecordFile::Status::Missing);
    RecordFile::Result r = file.save(entry("Ana", 120));
    EXPECT_EQ(r.status, RecordFile::Status::Saved);
    EXPECT_EQ(r.placed, 1);
    EXPECT_EQ(fs::file_size(file.file()), 34u);
    file.save(entry("Bo", 200));
    file.save(entry("Cy", 120));
    r = file.read();
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].name, "Bo");
    EXPECT_EQ(r.entries[1].name, "Ana");
    EXPECT_EQ(r.entries[2].name, "Cy");
    EXPECT_FALSE(fs::exists(dir.path() / "SVESPA1.TNR.SLK"));

    // A save cut short before the new file takes its place leaves the old one whole.
    const std::string before = bytesOf(file.file());
    file.beforeReplace = [] { throw std::runtime_error("power cut"); };
    EXPECT_THROW(file.save(entry("Dan", 500)), std::runtime_error);
    EXPECT_EQ(bytesOf(file.file()), before);
}

TEST(RecordTable, AFullTableIsLeftAsItWasAndACutOffRecordIsNotWrittenBack)
{
    ScratchDir dir;
    std::vector<RecordEntry> full;
    for (int i = 0; i < 100; ++i)
        full.push_back(entry("P", uint16_t(500)));
    const fs::path path = dir.write("L.TNR", recordTableBytes(full));
    RecordFile file(path);
    const RecordFile::Result r = file.save(entry("Ny", 500));
    EXPECT_EQ(r.status, RecordFile::Status::NotPlaced);
    EXPECT_EQ(r.placed, 101);
    EXPECT_EQ(bytesOf(path), recordTableBytes(full));

    const fs::path cut = dir.write("C.TNR", entry("A", 5).toBytes() + "x");
    RecordFile cutFile(cut);
    EXPECT_EQ(cutFile.read().cutOff, 1u);
    EXPECT_EQ(cutFile.save(entry("B", 9)).status, RecordFile::Status::Saved);
    EXPECT_EQ(fs::file_size(cut), 68u);
}

TEST(RecordTable, AFileThatCannotBeReadIsNeverWrittenOver)
{
    ScratchDir dir;
    const fs::path path = dir.write("L.TNR", entry("Ana", 7).toBytes());
    // Readable to no one, in a folder everyone may write in (another pupil's
    // file on a shared folder).
    fs::permissions(dir.path(), fs::perms::all);
    ::chmod(path.c_str(), 0);
    EXPECT_TRUE(withFilePermissions([&] {
        RecordFile file(path);
        return file.read().status == RecordFile::Status::Unreadable
               && file.save(entry("Bo", 9)).status == RecordFile::Status::Unreadable;
    }));
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(bytesOf(path), entry("Ana", 7).toBytes());

    // A folder that is not there: the save fails and says so.
    RecordFile nowhere(dir.path() / "saknas" / "L.TNR");
    EXPECT_EQ(nowhere.save(entry("Bo", 9)).status, RecordFile::Status::Failed);
}

} // namespace
