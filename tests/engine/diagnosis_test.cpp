// Diagnosis records, the status rule, the shared file and the teacher password.

#include "engine/diagnosis.h"
#include "engine/textfile.h"
#include "tests/engine/testsupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file)
{
    return readFileBytes(file).value_or(std::string());
}

TEST(DiagnosisStatus, FreshRecordWaitsOnlyBehindPrerequisites)
{
    const auto r = freshRecord("Ana Mar\xed" "a");
    for (int i = 1; i <= 41; ++i) {
        const int expected = (i == 2 || i == 3 || i == 4 || i == 6) ? 1 : 0;
        EXPECT_EQ(r.DiagnosisStatus[i], expected) << i;
        EXPECT_EQ(r.DiagnosisResults[i], 0);
        EXPECT_EQ(r.TestYear[i], 0);
    }
    EXPECT_EQ(r.Reserved, (std::array<uint8_t, 12>{}));
    EXPECT_EQ(freshRecord(std::string(40, 'x')).PersonName.size(), 26u);
}

TEST(DiagnosisStatus, PrerequisitesOpenAndCloseTheNextItem)
{
    auto r = freshRecord("x");
    const QDateTime when(QDate(2004, 5, 17), QTime(14, 30));
    storeResult(r, 1, 12, when); // passed: 2 may be tested
    EXPECT_EQ(r.DiagnosisStatus[1], 2);
    EXPECT_EQ(r.DiagnosisStatus[2], 2);
    storeResult(r, 2, 5, when); // below the mark: practise 2, 3 waits
    EXPECT_EQ(r.DiagnosisStatus[2], 3);
    EXPECT_EQ(r.DiagnosisStatus[3], 1);
    storeResult(r, 5, 20, when);
    EXPECT_EQ(r.DiagnosisStatus[6], 2);
    storeResult(r, 5, 3, when); // 6 was opened before and stays open
    EXPECT_EQ(r.DiagnosisStatus[6], 2);
    storeResult(r, 9, 4, when); // no next item
    EXPECT_EQ(r.DiagnosisStatus[9], 3);
    EXPECT_EQ(r.DiagnosisStatus[10], 0);
    // A retake with 0 after an earlier result asks for practice and clears it.
    storeResult(r, 9, 0, when);
    EXPECT_EQ(r.DiagnosisStatus[9], 3);
    EXPECT_EQ(r.DiagnosisResults[9], 0);
    // 0 without an earlier result: back to its starting status.
    storeResult(r, 7, 0, when);
    EXPECT_EQ(r.DiagnosisStatus[7], 0);
    EXPECT_EQ(protocolTime(r, 1), QStringLiteral("040517 14:30"));
    EXPECT_EQ(protocolTime(r, 9), QString());
}

TEST(DiagnosisRecord, BytesAreLaidOutFieldByField)
{
    auto r = freshRecord("\xc5sa");
    r.Password = "hemligt";
    r.DiagnosisResults[1] = 0x01020304;
    r.DiagnosisResults[41] = -1;
    r.DiagnosisStatus[41] = 3;
    r.TestYear[1] = 2004;
    r.TestMinute[41] = 59;
    r.Reserved = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    unsigned char b[DiagnosisRecordData::Size];
    r.toBytes(b);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 0xC5);
    EXPECT_EQ(b[27], 7);
    EXPECT_EQ(b[28], 'h');
    EXPECT_EQ(b[40], 0x04);
    EXPECT_EQ(b[43], 0x01);
    EXPECT_EQ(b[200], 0xFF);
    EXPECT_EQ(b[244], 3);
    EXPECT_EQ(b[246] | (b[247] << 8), 2004);
    EXPECT_EQ(b[654], 59);
    EXPECT_EQ(b[656], 1);
    EXPECT_EQ(b[667], 12);
    const auto back = DiagnosisRecordData::fromBytes(b);
    EXPECT_EQ(back.PersonName, r.PersonName);
    EXPECT_EQ(back.Password, r.Password);
    EXPECT_EQ(back.DiagnosisResults[41], -1);
    EXPECT_EQ(back.Reserved, r.Reserved);
    // A length byte beyond the field is cut to the field.
    b[0] = 200;
    EXPECT_EQ(DiagnosisRecordData::fromBytes(b).PersonName.size(), 26u);
}

TEST(DiagnosisFileTest, SavingFindingAndRemovingByName)
{
    ScratchDir dir;
    DiagnosisFile file(dir.path());
    EXPECT_FALSE(file.readAll());
    auto ana = freshRecord("Ana");
    ana.DiagnosisResults[1] = 15;
    EXPECT_EQ(file.save(ana), DiagnosisFile::Result::Saved);
    EXPECT_EQ(file.save(freshRecord("Bo")), DiagnosisFile::Result::Saved);
    auto again = freshRecord("ANA"); // the same learner, other case: replaced, not added
    again.DiagnosisResults[1] = 3;
    EXPECT_EQ(file.save(again), DiagnosisFile::Result::Saved);
    auto all = file.readAll();
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ(fs::file_size(file.file()), 2 * DiagnosisRecordData::Size);
    EXPECT_EQ(file.find("ana")->DiagnosisResults[1], 3);
    EXPECT_FALSE(file.find("Cecilia"));
    EXPECT_FALSE(fs::exists(file.scratchFile()));

    // Deleting takes the exact name only.
    EXPECT_EQ(file.remove("bo"), DiagnosisFile::Result::Saved);
    EXPECT_EQ(file.readAll()->size(), 2u);
    EXPECT_EQ(file.remove("Bo"), DiagnosisFile::Result::Saved);
    EXPECT_EQ(file.readAll()->size(), 1u);
}

TEST(DiagnosisFileTest, AnInterruptedSaveLeavesTheOldFileWhole)
{
    ScratchDir dir;
    DiagnosisFile file(dir.path());
    ASSERT_EQ(file.save(freshRecord("Ana")), DiagnosisFile::Result::Saved);
    const std::string before = bytesOf(file.file());
    file.beforeReplace = [] { throw std::runtime_error("power cut"); };
    EXPECT_THROW(file.save(freshRecord("Bo")), std::runtime_error);
    EXPECT_EQ(bytesOf(file.file()), before);
    file.beforeReplace = nullptr;
    EXPECT_EQ(file.save(freshRecord("Bo")), DiagnosisFile::Result::Saved);
    EXPECT_EQ(file.readAll()->size(), 2u);
}

TEST(DiagnosisFileTest, ACutOffFileKeepsItsLearnersAndIsNotShortenedUnasked)
{
    ScratchDir dir;
    DiagnosisFile file(dir.path());
    file.save(freshRecord("Ana"));
    file.save(freshRecord("Bo"));
    std::string bytes = bytesOf(file.file());
    bytes.resize(bytes.size() - 100);
    dir.write("SPANDIAG.DIA", bytes);
    const auto all = file.readAll();
    ASSERT_EQ(all->size(), 1u);
    EXPECT_EQ(file.truncatedBytes(), DiagnosisRecordData::Size - 100);
    EXPECT_EQ(file.save(freshRecord("Cia")), DiagnosisFile::Result::Truncated);
    EXPECT_EQ(bytesOf(file.file()), bytes);
    EXPECT_EQ(file.save(freshRecord("Cia"), true), DiagnosisFile::Result::Saved);
    EXPECT_EQ(file.readAll()->size(), 2u);
}

TEST(DiagnosisFileTest, TwoWritersInTwoProcessesBothKeepTheirLearner)
{
    ScratchDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
        DiagnosisFile mine(dir.path());
        for (int i = 0; i < 25; ++i) {
            auto r = freshRecord("Barn" + std::to_string(i));
            if (mine.save(r) != DiagnosisFile::Result::Saved)
                ::_exit(1);
        }
        ::_exit(0);
    }
    DiagnosisFile mine(dir.path());
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(mine.save(freshRecord("Elev" + std::to_string(i))), DiagnosisFile::Result::Saved);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(mine.readAll()->size(), 50u);
}

TEST(DiagnosisFileTest, ArchivesNeverReplaceOneAnother)
{
    ScratchDir dir;
    DiagnosisFile file(dir.path());
    const QDateTime when(QDate(2004, 5, 17), QTime(14, 30, 7));
    EXPECT_EQ(archiveStamp(when), QStringLiteral("0405171430"));
    EXPECT_FALSE(file.archive(when)); // nothing to archive
    file.save(freshRecord("Ana"));
    const auto first = file.archive(when);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->filename(), "SP0405171430.DIS");
    EXPECT_FALSE(fs::exists(file.file()));
    file.save(freshRecord("Bo"));
    const auto second = file.archive(when);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->filename(), "SP040517143007.DIS");
    file.save(freshRecord("Cia"));
    EXPECT_EQ(file.archive(when)->filename(), "SP040517143007-2.DIS");
    EXPECT_FALSE(DiagnosisFile(dir.path()).find("Ana"));
    EXPECT_EQ(fs::file_size(*first), DiagnosisRecordData::Size);
}

TEST(TeacherPassword, CreatedWithTheFirstPasswordAndReadBack)
{
    ScratchDir dir;
    const fs::path file = dir.path() / "SPA45444.DOT";
    EXPECT_EQ(TeacherPasswordFile::read(file), std::string("TALLBARK"));
    ASSERT_EQ(fs::file_size(file), 54u);
    const std::string bytes = bytesOf(file);
    EXPECT_EQ(bytes[1], ')'); // stored scrambled
    EXPECT_EQ(Engine::dekryptrad(bytes.substr(1, std::size_t(bytes[0]))), "L\xc4RARE");
    ASSERT_TRUE(TeacherPasswordFile::write(file, "granbarr"));
    EXPECT_EQ(TeacherPasswordFile::read(file), std::string("granbarr"));
    EXPECT_EQ(TeacherPasswordFile::read(dir.path() / "DATA" / "SPA45444.DOT"), std::string("TALLBARK"));
    EXPECT_FALSE(TeacherPasswordFile::read("/proc/no-such-place/SPA45444.DOT"));
}

} // namespace

