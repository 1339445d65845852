// The catalogue, counting and header lines, fetching lines and the error list.

#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

class Catalogue : public ::testing::Test, public EngineFixture {
protected:
    void writeData(const std::string& name, const std::vector<std::string>& lines, bool onCd = false)
    {
        (onCd ? cd : pc).write("DATA/" + name, crlf(lines));
    }
};

TEST_F(Catalogue, ListFileKeepsItsOrderAndSortsNothing)
{
    cd.write("DATA/datfiler.spa", crlf({"SPA20000.DAT", "SpOM9001.LOV", "spa10000.dat", "readme.txt",
                                        "SPA123456789012.DAT", "SpOM9002.lov "}));
    ASSERT_TRUE(engine.BuildDataCatalogue());
    ASSERT_EQ(engine.DataFileCount, 3);
    EXPECT_EQ(engine.DataFileCatalogue[1], "SPA20000.DAT");
    EXPECT_EQ(engine.DataFileCatalogue[2], "spa10000.dat");
    EXPECT_EQ(engine.DataFileCatalogue[3], "SPA123456789"); // cut to 12
    EXPECT_EQ(engine.PraiseFileCount, 2);
    engine.BuildPraiseCatalogue(); // the list named praise files: no directory scan
    EXPECT_EQ(engine.PraiseFileCount, 2);
}

TEST_F(Catalogue, WithoutListFileTheDirectoryIsScannedAndSortedUpToTheLimits)
{
    for (int i = 300; i >= 1; --i)
        cd.write("DATA/SPA" + std::to_string(10000 + i) + ".DAT", "q#a\r\n");
    cd.write("DATA/other.DAT", "q#a\r\n");
    for (int i = 1; i <= 25; ++i)
        cd.write("DATA/SpOM" + std::to_string(9100 - i) + ".LOV", "bra\r\n");
    ASSERT_TRUE(engine.BuildDataCatalogue());
    engine.BuildPraiseCatalogue();
    EXPECT_EQ(engine.DataFileCount, 290);
    EXPECT_EQ(engine.PraiseFileCount, 20);
    for (int i = 2; i <= engine.DataFileCount; ++i)
        EXPECT_LT(engine.DataFileCatalogue[i - 1], engine.DataFileCatalogue[i]);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Catalogue, NoDataDirectoryAnywhereEndsTheStart)
{
    EXPECT_FALSE(engine.BuildDataCatalogue());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageSink::Kind::Warning);
    EXPECT_EQ(platform.messages[0].text, "Kan inte hitta katalogen " + QString::fromStdString(engine.CdPath) + "/DATA");
}

TEST_F(Catalogue, KollaFindsNamesWithoutRegardToCaseAndCountsOnce)
{
    cd.write("DATA/datfiler.spa", crlf({"SPA14000.DAT"}));
    writeData("SPA14000.DAT", {"$Rubrik", "$\xa7Skriv p\xe5 spanska", "; kommentar", "", "ett#uno", "tv\xe5#dos"},
              true);
    engine.BuildDataCatalogue();
    engine.DataFileName = "spa14000.dat";
    ASSERT_TRUE(engine.Kolla("spa14000.dat"));
    EXPECT_EQ(engine.CatalogueIndex, 1);
    EXPECT_EQ(engine.QuestionCounts[1], 2);
    EXPECT_EQ(engine.HeaderLines[1], "Rubrik");
    EXPECT_EQ(engine.HeaderInstruction, "Skriv p\xe5 spanska");
    ASSERT_TRUE(engine.Kolla("SPA14000.DAT"));
    EXPECT_EQ(engine.QuestionCounts[1], 2); // not counted again
}

TEST_F(Catalogue, UnknownNamesShareSlot290)
{
    writeData("EXTRA1.DAT", {"a#b", "c#d"}); // not "SP*.DAT": never catalogued
    writeData("EXTRA2.DAT", {"a#b"});
    engine.BuildDataCatalogue();
    engine.DataFileName = "EXTRA1.DAT";
    ASSERT_TRUE(engine.Kolla("EXTRA1.DAT"));
    EXPECT_EQ(engine.CatalogueIndex, 290);
    EXPECT_EQ(engine.QuestionCounts[290], 2);
    engine.DataFileName = "EXTRA2.DAT";
    ASSERT_TRUE(engine.Kolla("EXTRA2.DAT"));
    EXPECT_EQ(engine.QuestionCounts[290], 2); // the second is not recounted
}

TEST_F(Catalogue, AFileWithoutQuestionsOrMissingIsRefusedWithTheMessage)
{
    writeData("SPA1.DAT", {"$Rubrik", "; bara kommentar", ""});
    engine.BuildDataCatalogue();
    engine.DataFileName = "SPA1.DAT";
    EXPECT_FALSE(engine.Kolla("SPA1.DAT"));
    EXPECT_EQ(platform.texts(), QStringList{"Filen SPA1.DAT finns inte eller är felaktig"});

    platform.messages.clear();
    engine.DataFileName = "SPA2.DAT";
    EXPECT_FALSE(engine.Kolla("SPA2.DAT"));
    // Once from the reading, once from the check.
    EXPECT_EQ(platform.texts(), QStringList({"Filen SPA2.DAT finns inte eller är felaktig",
                                             "Filen SPA2.DAT finns inte eller är felaktig"}));
}

TEST_F(Catalogue, HeadingsOnFirstUseFromTheWholeFileLaterFromSixLines)
{
    writeData("SPA3.DAT", {"$Ett", "q1#a", "$Tv\xe5", "q2#a", "$Tre", "q3#a", "$Fyra", "$%Anteckning", "$\xa7Instr", "$"});
    engine.BuildDataCatalogue();
    engine.DataFileName = "SPA3.DAT";
    ASSERT_TRUE(engine.Kolla("SPA3.DAT"));
    EXPECT_EQ(engine.HeaderLines[1], "Ett");
    EXPECT_EQ(engine.HeaderLines[2], "Tv\xe5");
    EXPECT_EQ(engine.HeaderLines[3], ""); // the last heading line ("$" alone) stays in the third
    EXPECT_EQ(engine.HeaderNote, "Anteckning");
    EXPECT_EQ(engine.HeaderInstruction, "Instr");

    ASSERT_TRUE(engine.Kolla("SPA3.DAT"));
    EXPECT_EQ(engine.HeaderLines[3], "Tre"); // lines 7 and later are not seen again
    EXPECT_EQ(engine.HeaderNote, "");
    EXPECT_EQ(engine.HeaderInstruction, "");
}

TEST_F(Catalogue, HeaderValuesAreCutTo80)
{
    writeData("SPA4.DAT", {"$" + std::string(200, 'R'), "$%" + std::string(100, 'N'), "q#a"});
    engine.BuildDataCatalogue();
    ASSERT_TRUE(engine.Kolla("SPA4.DAT"));
    EXPECT_EQ(engine.HeaderLines[1], std::string(80, 'R'));
    EXPECT_EQ(engine.HeaderNote, std::string(80, 'N'));
}

TEST_F(Catalogue, FetchCountsOnlyQuestionLines)
{
    writeData("SPA5.DAT", {"f1#s1", "; kommentar", "$Rubrik", "", "f2#s2", "f3#s3"});
    engine.haemtaord("SPA5.DAT", 3);
    EXPECT_EQ(engine.CurrentLine, "f3#s3");
    engine.haemtaord("SPA5.DAT", 2);
    EXPECT_EQ(engine.CurrentLine, "f2#s2");
    engine.haemtaord("SPA5.DAT", 99);
    EXPECT_EQ(engine.CurrentLine, "f3#s3"); // the last line of the file
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Catalogue, FetchLooksInPcPathFirstAndOwnListsInEget)
{
    writeData("SPA6.DAT", {"cd#line"}, true);
    engine.haemtaord("SPA6.DAT", 1);
    EXPECT_EQ(engine.CurrentLine, "cd#line");
    writeData("SPA6.DAT", {"pc#line"});
    engine.haemtaord("SPA6.DAT", 1);
    EXPECT_EQ(engine.CurrentLine, "pc#line");
    pc.write("Eget/MIN.EGT", crlf({"eget#ord"}));
    engine.ExerciseNo = 1003;
    engine.haemtaord("MIN.EGT", 1);
    EXPECT_EQ(engine.CurrentLine, "eget#ord");
}

TEST_F(Catalogue, FetchFromAMissingFileLeavesTheLineAndNamesBothPlaces)
{
    engine.CurrentLine = "f\xf6re";
    engine.haemtaord("SPA7.DAT", 1);
    EXPECT_EQ(engine.CurrentLine, "f\xf6re");
    const QString cdPath = QString::fromStdString(engine.CdPath), pcPath = QString::fromStdString(engine.PcPath);
    EXPECT_EQ(platform.texts(), QStringList{"Varken filen " + cdPath + "/DATA/SPA7.DAT eller filen " + pcPath
                                            + "/DATA/SPA7.DAT kunde öppnas"});
}

TEST_F(Catalogue, HostileFilesNeitherCrashNorLoseTheirLines)
{
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(char((i * 7919) % 256));
    pc.write("DATA/SPG1.DAT", garbage);
    const std::string longLine(100000, 'x');
    writeData("SPG2.DAT", {longLine + "#" + longLine});
    pc.write("DATA/SPG3.DAT", "");
    engine.BuildDataCatalogue();
    EXPECT_TRUE(engine.Kolla("SPG1.DAT"));
    engine.haemtaord("SPG1.DAT", 3);
    engine.str_postarray(engine.CurrentLine);
    ASSERT_TRUE(engine.Kolla("SPG2.DAT"));
    engine.haemtaord("SPG2.DAT", 1);
    engine.str_postarray(engine.CurrentLine);
    EXPECT_EQ(engine.AnswerFields[2], longLine);
    EXPECT_FALSE(engine.Kolla("SPG3.DAT"));
    EXPECT_FALSE(engine.Kolla2("SPG-missing.DAT"));
    EXPECT_TRUE(engine.Kolla2("SPG3.DAT"));
    EXPECT_EQ(engine.DataFileName, "SPG3.DAT");
}

class ErrorListTest : public Catalogue {
protected:
    void add(int question, int slot)
    {
        engine.QuestionNo = uint16_t(question);
        engine.CatalogueIndex = slot;
        engine.haemtafel("X.DAT", ErrorOp::Store);
    }
};

TEST_F(ErrorListTest, AddingThe401stDropsTheOldestAndLowersItsFilesCount)
{
    add(7, 5);
    for (int i = 2; i <= 400; ++i)
        add(i, 9);
    EXPECT_EQ(engine.ErrorCounts[5], 1);
    EXPECT_EQ(engine.ErrorCounts[9], 399);
    add(401, 9);
    EXPECT_EQ(engine.ErrorCounts[5], 0);
    EXPECT_EQ(engine.ErrorCounts[9], 400);
    EXPECT_EQ(engine.ErrorList[1].question, 2);
    EXPECT_EQ(engine.ErrorList[400].question, 401);
    add(402, 9);
    EXPECT_EQ(engine.ErrorCounts[9], 400); // never above 400
}

TEST_F(ErrorListTest, ReviewRemovesRightAnswersAndMovesWrongOnesToTheBack)
{
    writeData("SPE.DAT", {"q1#a1", "q2#a2", "q3#a3"});
    engine.BuildDataCatalogue();
    ASSERT_TRUE(engine.Kolla("SPE.DAT"));
    const int slot = engine.CatalogueIndex;
    add(3, slot);
    add(1, 77);
    add(2, slot);
    engine.CatalogueIndex = slot;

    engine.haemtafel("SPE.DAT", ErrorOp::FetchFirst);
    EXPECT_EQ(engine.ErrorQuestionNo, 3);
    EXPECT_EQ(engine.CurrentLine, "q3#a3");

    engine.haemtafel("SPE.DAT", ErrorOp::MoveToBack); // wrong again: to the back
    EXPECT_EQ(engine.ErrorList[1].question, 1);
    EXPECT_EQ(engine.ErrorList[2].question, 2);
    EXPECT_EQ(engine.ErrorList[3].question, 3);
    engine.haemtafel("SPE.DAT", ErrorOp::FetchFirst);
    EXPECT_EQ(engine.CurrentLine, "q2#a2");

    engine.haemtafel("SPE.DAT", ErrorOp::RemoveFirst); // right: removed
    EXPECT_EQ(engine.ErrorCounts[slot], 1);
    EXPECT_EQ(engine.ErrorList[2].question, 3);
    EXPECT_EQ(engine.ErrorList[3].question, 0);
    engine.haemtafel("SPE.DAT", ErrorOp::RemoveFirst);
    EXPECT_EQ(engine.ErrorCounts[slot], 0);
    EXPECT_EQ(engine.ErrorList[1].question, 1);
    EXPECT_EQ(engine.ErrorList[1].slot, 77);

    // Nothing of this file left: removing or moving changes nothing.
    engine.haemtafel("SPE.DAT", ErrorOp::RemoveFirst);
    engine.haemtafel("SPE.DAT", ErrorOp::MoveToBack);
    EXPECT_EQ(engine.ErrorCounts[77], 1);
    EXPECT_EQ(engine.ErrorList[1].question, 1);
    EXPECT_EQ(engine.ErrorList[2].question, 0);
}

} // namespace
