// The stored levels of the level exercise: records, names without regard to
// case, what is kept, and a file that is never left half written or written
// over when it cannot be read.

#include "engine/levelfile.h"
#include "engine/textfile.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file) { return readFileBytes(file).value_or("<none>"); }

std::string record(const std::string& name, int32_t level) { return LevelRecord::make(name, level).bytes; }

TEST(LevelFileTest, RecordsAreNameZeroAndALittleEndianLevel)
{
    const std::string r = record("Ana", 258);
    ASSERT_EQ(r.size(), 260u);
    EXPECT_EQ(r.substr(0, 4), std::string("Ana\0", 4));
    EXPECT_EQ(r.substr(256), std::string("\x02\x01\x00\x00", 4));
    EXPECT_EQ(record("x", -2).substr(256), std::string("\xfe\xff\xff\xff", 4));
    // A name that fills the whole field keeps room for its terminator.
    EXPECT_EQ(LevelRecord::make(std::string(300, 'a'), 3).name.size(), 255u);
    EXPECT_EQ(record(std::string(300, 'a'), 3)[255], '\0');
}

TEST(LevelFileTest, AnyBytesReadAsWholeRecordsAndACutOffRest)
{
    // A name without its terminator is read to the end of its field; a last
    // record cut short is kept aside, never taken for a pupil.
    std::string unended(256, 'B');
    unended += std::string("\x05\x00\x00\x00", 4);
    const std::string bytes = record("Ana", 4) + unended + std::string(100, '\x07');
    const LevelRecords read = parseLevelRecords(bytes);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].name, "Ana");
    EXPECT_EQ(read.records[0].level, 4);
    EXPECT_EQ(read.records[1].name, std::string(256, 'B'));
    EXPECT_EQ(read.records[1].level, 5);
    EXPECT_EQ(read.cutOff, std::string(100, '\x07'));
    EXPECT_TRUE(parseLevelRecords("").records.empty());
    EXPECT_EQ(parseLevelRecords(std::string(259, '\0')).cutOff.size(), 259u);
}

TEST(LevelFileTest, StoreAndFetchWithNamesInAnyCase)
{
    ScratchDir dir;
    LevelFile file(dir.path() / "XACTO.STE");
    EXPECT_EQ(file.fetch("\xc5sa").status, LevelFile::Status::NotStored); // "Åsa": no file yet
    EXPECT_EQ(file.store("\xc5sa", 4).status, LevelFile::Status::Saved);
    EXPECT_EQ(file.store("Bo", 2).status, LevelFile::Status::Saved);
    const auto fetched = file.fetch("\xe5SA"); // "åSA"
    EXPECT_EQ(fetched.status, LevelFile::Status::Found);
    EXPECT_EQ(fetched.level, 4);
    EXPECT_EQ(file.fetch("bo").level, 2);
    EXPECT_EQ(file.fetch("Cia").status, LevelFile::Status::NotStored);

    // The higher level is kept, in the record's place and under its first spelling.
    const auto lower = file.store("\xc5SA", 3); // "ÅSA"
    EXPECT_EQ(lower.status, LevelFile::Status::Saved);
    EXPECT_EQ(lower.level, 4);
    EXPECT_EQ(file.store("BO", 7).level, 7);
    const LevelRecords all = parseLevelRecords(bytesOf(file.file()));
    ASSERT_EQ(all.records.size(), 2u);
    EXPECT_EQ(all.records[0].name, "\xc5sa");
    EXPECT_EQ(all.records[0].level, 4);
    EXPECT_EQ(all.records[1].name, "Bo");
    EXPECT_EQ(all.records[1].level, 7);
}

TEST(LevelFileTest, LevelOneIsNeverWritten)
{
    ScratchDir dir;
    LevelFile file(dir.path() / "XACTO.STE");
    EXPECT_EQ(file.store("Ana", 1).status, LevelFile::Status::NotNeeded);
    EXPECT_FALSE(fs::exists(file.file())); // not even an empty file
    file.store("Bo", 3);
    const std::string before = bytesOf(file.file());
    EXPECT_EQ(file.store("Ana", 1).status, LevelFile::Status::NotNeeded);
    EXPECT_EQ(bytesOf(file.file()), before);

    // Records that say nothing (no name, level 1 or less) go at the next store;
    // every other pupil's record stays byte for byte. A name found twice (a file
    // mended by hand, or copied together) counts with its higher level, and becomes one
    // record when that pupil stores again.
    std::string odd = record("Cia", 9);
    odd[200] = 'x';
    dir.write("XACTO.STE", record("", 5) + record("Dan", 1) + odd + record("bo", 6) + record("BO", 8));
    EXPECT_EQ(file.fetch("Bo").level, 8);
    EXPECT_EQ(file.store("Eva", 2).status, LevelFile::Status::Saved);
    EXPECT_EQ(bytesOf(file.file()), odd + record("bo", 6) + record("BO", 8) + record("Eva", 2));
    EXPECT_EQ(file.store("Bo", 7).level, 8);
    EXPECT_EQ(bytesOf(file.file()), odd + record("bo", 8) + record("Eva", 2));
}

TEST(LevelFileTest, AnInterruptedStoreLeavesTheOldFileWhole)
{
    ScratchDir dir;
    LevelFile file(dir.path() / "XACTO.STE");
    file.store("Ana", 5);
    const std::string before = bytesOf(file.file());
    file.beforeReplace = [] { throw std::runtime_error("power cut"); };
    EXPECT_THROW(file.store("Bo", 3), std::runtime_error);
    EXPECT_EQ(bytesOf(file.file()), before);
    file.beforeReplace = nullptr;
    EXPECT_EQ(file.store("Bo", 3).status, LevelFile::Status::Saved); // the lock was let go
    EXPECT_EQ(file.fetch("Bo").level, 3);
    EXPECT_EQ(file.fetch("Ana").level, 5);
}

TEST(LevelFileTest, ACutOffFileLosesNothingAndAnUnreadableOneIsNotWrittenOver)
{
    ScratchDir dir;
    LevelFile file(dir.path() / "XACTO.STE");
    const std::string tail = record("Cia", 6).substr(0, 120);
    dir.write("XACTO.STE", record("Ana", 4) + tail);
    EXPECT_EQ(file.fetch("Cia").status, LevelFile::Status::NotStored);
    EXPECT_EQ(file.store("Bo", 3).status, LevelFile::Status::Saved);
    EXPECT_EQ(bytesOf(file.file()), record("Ana", 4) + record("Bo", 3) + tail);

    // Something that is there but cannot be read (here a folder by the name).
    ScratchDir other;
    fs::create_directories(other.path() / "XACTO.STE");
    LevelFile folder(other.path() / "XACTO.STE");
    EXPECT_EQ(folder.fetch("Ana").status, LevelFile::Status::Unreadable);
    EXPECT_EQ(folder.store("Ana", 4).status, LevelFile::Status::Unreadable);
    EXPECT_TRUE(fs::is_directory(folder.file()));
    if (::geteuid() != 0) { // root reads everything
        ::chmod(file.file().c_str(), 0);
        EXPECT_EQ(file.store("Dan", 5).status, LevelFile::Status::Unreadable);
        ::chmod(file.file().c_str(), 0644);
    }
}

// Whatever bytes a level file holds, reading takes them apart without loss, and a
// store keeps every other record byte for byte.
TEST(LevelFileTest, AnyFileIsReadWithoutLossAndStoredOverWithoutHarm)
{
    std::mt19937 random(5);
    ScratchDir dir;
    LevelFile file(dir.path() / "XACTO.STE");
    for (int round = 0; round < 60; ++round) {
        std::string bytes(random() % 1200, '\0');
        for (char& c : bytes)
            c = char(random() % 4 == 0 ? 0 : random() % 256);
        const LevelRecords read = parseLevelRecords(bytes);
        std::string again;
        for (const LevelRecord& r : read.records) {
            EXPECT_LE(r.name.size(), LevelRecord::NameBytes);
            again += r.bytes;
        }
        EXPECT_EQ(again + read.cutOff, bytes);

        dir.write("XACTO.STE", bytes);
        ASSERT_EQ(file.store("\xd1" "and\xfa", 7).status, LevelFile::Status::Saved); // "Ñandú"
        const LevelRecords stored = parseLevelRecords(readFileBytes(file.file()).value());
        EXPECT_EQ(stored.cutOff, read.cutOff);
        std::size_t kept = 0;
        for (const LevelRecord& r : read.records)
            if (!r.name.empty() && r.level > 1 && !sameLevelName(r.name, "\xd1" "and\xfa")) {
                EXPECT_EQ(stored.records.at(kept++).bytes, r.bytes);
            }
        EXPECT_EQ(file.fetch("\xf1" "AND\xda").level, 7); // "ñANDÚ"
    }
}

TEST(LevelFileTest, OnlyTheLevelExercisesKeepLevels)
{
    EXPECT_STREQ(LevelFile::nameFor(54300), "XACTO.STE");
    EXPECT_STREQ(LevelFile::nameFor(56110), "TYVERB1.STE");
    EXPECT_STREQ(LevelFile::nameFor(56210), "TYVERB2.STE");
    EXPECT_EQ(LevelFile::nameFor(54400), nullptr);
}

} // namespace
