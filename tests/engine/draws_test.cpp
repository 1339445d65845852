// Draws without repeats, praise files and sentences, pictures and sound.

#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

class Draws : public ::testing::Test, public EngineFixture {
protected:
    Draws()
    {
        engine.Random.seed(4711);
        engine.ResetDrawState(1, 1900);
    }
    std::vector<int> drawAll(int slot, int questions, int times)
    {
        engine.QuestionCounts[slot] = questions;
        std::vector<int> out;
        for (int i = 0; i < times; ++i)
            out.push_back(engine.haemta_slumptal(engine.DrawCounters[slot], slot));
        return out;
    }
};

TEST_F(Draws, ThePoolIsAPermutation)
{
    std::set<int> seen;
    for (int i = 1; i <= 1900; ++i)
        seen.insert(engine.RandomPool[i]);
    EXPECT_EQ(seen.size(), 1900u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 1900);
}

TEST_F(Draws, EveryQuestionOnceThenTheSameOrderAgain)
{
    const auto draws = drawAll(3, 5, 11);
    EXPECT_EQ(std::set<int>(draws.begin(), draws.begin() + 5), (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(draws[5], draws[0]);
    EXPECT_EQ(std::vector<int>(draws.begin() + 5, draws.begin() + 10), std::vector<int>(draws.begin(), draws.begin() + 5));
}

TEST_F(Draws, FilesOfDifferentSizesFollowOneCommonOrder)
{
    const auto small = drawAll(1, 7, 7);
    const auto large = drawAll(2, 40, 40);
    std::vector<int> filtered;
    for (int n : large)
        if (n <= 7)
            filtered.push_back(n);
    EXPECT_EQ(filtered, small);
}

TEST_F(Draws, MoreQuestionsThanThePoolStaysInsideIt)
{
    const auto draws = drawAll(4, 2500, 1901);
    for (int n : draws) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 1900);
    }
    EXPECT_EQ(draws[1900], draws[0]);
    EXPECT_EQ(drawAll(5, 0, 1), std::vector<int>{0}); // an empty file has nothing to draw
}

TEST_F(Draws, ResetClearsCountersErrorsAndSlots)
{
    engine.DrawCounters[9] = 5;
    engine.ErrorList[1] = {3, 9};
    engine.ErrorCounts[9] = 1;
    engine.WordSlot = 4;
    engine.PictureCursor = 7;
    engine.ResetDrawState();
    EXPECT_EQ(engine.DrawCounters[9], 1);
    EXPECT_EQ(engine.ErrorList[1].question, 0);
    EXPECT_EQ(engine.ErrorCounts[9], 0);
    EXPECT_EQ(engine.WordSlot, 0);
    EXPECT_EQ(engine.CatalogueIndex, 0);
    EXPECT_EQ(engine.PictureCursor, 1);
}

TEST_F(Draws, PraiseFileByResultNameAndDiagnosis)
{
    struct Case {
        int exercise, total, correct, earlier;
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {14000, 10, 10, 0, "", "SpOM9001.LOV"},   {14000, 10, 10, 0, "Ana", "SpOM9005.LOV"},
        {14000, 10, 9, 0, "", "SpOM9002.LOV"},    {14000, 10, 9, 0, "Ana", "SpOM9006.LOV"},
        {14000, 10, 8, 0, "", "SpOM9013.LOV"},    {14000, 10, 8, 0, "Ana", "SpOM9015.LOV"},
        {14000, 10, 7, 0, "Ana", "SpOM9001.LOV"}, {52101, 10, 10, 20, "", "SpOM9011.LOV"},
        {52101, 10, 10, 12, "", "SpOM9009.LOV"},  {52101, 10, 10, 0, "Ana", "SpOM9007.LOV"},
        {52101, 10, 10, 0, "", "SpOM9003.LOV"},   {52101, 10, 9, 20, "", "SpOM9012.LOV"},
        {52101, 10, 9, 5, "", "SpOM9010.LOV"},    {52101, 10, 9, 0, "Ana", "SpOM9008.LOV"},
        {52101, 10, 9, 0, "", "SpOM9004.LOV"},    {52101, 10, 8, 3, "Ana", "SpOM9016.LOV"},
        {52101, 10, 8, 3, "", "SpOM9014.LOV"},    {52101, 10, 10, 21, "", "SpOM9001.LOV"},
    };
    for (const auto& c : cases) {
        engine.ExerciseNo = uint16_t(c.exercise);
        engine.QuestionTotal = c.total;
        engine.CorrectCount = c.correct;
        engine.DiagnosisResults[1] = c.earlier;
        engine.PersonName = c.name;
        engine.HaemtaLovordFilNamn();
        EXPECT_EQ(engine.PraiseFileName, c.file) << c.exercise << " " << c.correct << " " << c.earlier << " " << c.name;
    }
}

TEST_F(Draws, PraiseFilesAreCountedOnceAndUnknownOnesGiveNoPraise)
{
    pc.write("DATA/SpOM9001.LOV", crlf({"\xa1Muy bien!#Bra!", "\xa1" "Estupendo!"}));
    pc.write("DATA/SpOM9002.LOV", crlf({"; inget"}));
    engine.BuildPraiseCatalogue();
    ASSERT_EQ(engine.PraiseFileCount, 2);
    EXPECT_TRUE(engine.KollaLovOrd("SpOM9001.LOV"));
    EXPECT_EQ(engine.PraiseIndex, 1);
    EXPECT_EQ(engine.PraiseLineCounts[1], 2);
    EXPECT_TRUE(engine.KollaLovOrd("SpOM9001.LOV"));
    EXPECT_EQ(engine.PraiseLineCounts[1], 2);
    EXPECT_FALSE(engine.KollaLovOrd("SpOM9002.LOV"));
    EXPECT_FALSE(engine.KollaLovOrd("SpOM9009.LOV"));
    EXPECT_TRUE(platform.messages.empty());

    const int n = engine.haemta_Lovordslumptal(engine.PraiseDrawCounters[1], 1);
    EXPECT_TRUE(n == 1 || n == 2);
    EXPECT_NE(engine.haemta_Lovordslumptal(engine.PraiseDrawCounters[1], 1), n);
}

TEST_F(Draws, PraisePlaceholders)
{
    engine.PersonName = "Sof\xed" "a";
    engine.ExerciseNo = 52101;
    engine.DiagnosisResults[1] = 17;
    EXPECT_EQ(engine.LovordMen("\xa1" "Bien, <namn>! Test <diagnos>: <res> de 20."), "\xa1" "Bien, Sof\xed" "a! Test 1: 17 de 20.");
    engine.PersonName.clear();
    EXPECT_EQ(engine.LovordMen("\xa1" "Bien <namn>!"), "\xa1" "Bien !");
    EXPECT_EQ(engine.LovordMen("a > b < c"), "a  b < c"); // every ">" goes; a lone "<" stays
}

TEST_F(Draws, PicturesCycleThroughWhatTheMediumHas)
{
    cd.write("BILD/SPA0001.BMP", "x");
    engine.CountPictures();
    ASSERT_EQ(engine.PictureCount, 1);
    engine.PictureListStale = true;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(engine.haemta_Bildslumptal(), 1);
    EXPECT_EQ(engine.PictureCaption, "Calle de un pueblo castellano");

    for (int i = 2; i <= 60; ++i)
        cd.write("BILD/spa00" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".bmp", "x");
    engine.CountPictures();
    EXPECT_EQ(engine.PictureCount, 50);
    engine.PictureListStale = true;
    std::set<int> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(engine.haemta_Bildslumptal());
    EXPECT_EQ(seen.size(), 50u);
    EXPECT_EQ(*seen.rbegin(), 50);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Draws, NoPicturesSwitchesPicturesOffWithTheWarnings)
{
    const QString cdPath = QString::fromStdString(engine.CdPath);
    engine.CountPictures();
    EXPECT_EQ(engine.PictureCount, 0);
    engine.PictureListStale = true;
    EXPECT_EQ(engine.haemta_Bildslumptal(), 0);
    EXPECT_EQ(engine.PictureMode, 0);
    EXPECT_EQ(platform.texts(), QStringList({"Kan inte hitta katalogen " + cdPath + "/BILD",
                                             "Kan inte hitta bilder i katalogen " + cdPath + "/BILD/"}));
}

TEST_F(Draws, DiagnosisItemsAndSoundFolders)
{
    EXPECT_EQ(Engine::GeDiagnosNr(52101), 1);
    EXPECT_EQ(Engine::GeDiagnosNr(53350), 11);
    EXPECT_EQ(Engine::GeDiagnosNr(55130), 13);
    EXPECT_EQ(Engine::GeDiagnosNr(56590), 28);
    EXPECT_EQ(Engine::GeDiagnosNr(5611), 24);
    EXPECT_EQ(Engine::GeDiagnosNr(57200), 40);
    EXPECT_EQ(Engine::GeDiagnosNr(14000), 0);
    EXPECT_EQ(Engine::GeDiagnosNr(53401), 0);

    engine.SoundSubdir = "Sp999";
    engine.ExerciseNo = 14000;
    engine.GeLjudDirectory();
    EXPECT_EQ(engine.SoundSubdir, "Sp999"); // left as it was
    engine.ExerciseNo = 38;
    engine.GeLjudDirectory();
    EXPECT_EQ(engine.SoundSubdir, "Sp250");
    engine.ExerciseNo = 54500;
    engine.GeLjudDirectory();
    EXPECT_EQ(engine.SoundSubdir, "Sp545");
}

TEST_F(Draws, SoundsAreLookedUpPcFirstAndPlayedToTheEndWhereTheExerciseWaits)
{
    engine.SoundSubdir = "Sp115";
    const auto onCd = cd.write("LJUD/SP115/SP115001.WAV", "RIFF");
    engine.ExerciseNo = 11500;
    engine.SpelaUppWavLjud("Sp115001.wav");
    ASSERT_EQ(platform.played.size(), 1u);
    EXPECT_EQ(platform.played[0].file, QString::fromStdString(onCd.native()));
    EXPECT_TRUE(platform.played[0].wait);

    const auto onPc = pc.write("LJUD/Sp115/Sp115001.WAV", "RIFF");
    engine.ExerciseNo = 21000;
    engine.SpelaUppWavLjud("Sp115001.WAV");
    EXPECT_EQ(platform.played[1].file, QString::fromStdString(onPc.native()));
    EXPECT_FALSE(platform.played[1].wait);
    engine.ExerciseNo = 31250;
    engine.SpelaUppWavLjud("Sp115001.WAV");
    EXPECT_TRUE(platform.played[2].wait);
    EXPECT_TRUE(platform.messages.empty());

    platform.playFails = true;
    engine.SpelaUppWavLjud("Sp115001.WAV");
    EXPECT_EQ(platform.texts(), QStringList{"Ljudenheten svarar inte"});
    EXPECT_EQ(platform.messages[0].kind, MessageSink::Kind::Error);
}

// What windows that play on their own use: the same lookup and the same words.
TEST_F(Draws, ASoundIsFoundAsItIsPlayed)
{
    engine.SoundSubdir = "Sp230";
    EXPECT_FALSE(engine.findSound("Sp230004.WAV"));
    const QString where = (QString::fromStdString(engine.CdPath) + "/LJUD/Sp230/Sp230004.WAV").toUpper();
    EXPECT_EQ(engine.missingSoundText("Sp230004.WAV"), "Ljudfilen " + where + "  finns inte eller är felaktig.");
    const auto onCd = cd.write("LJUD/SP230/sp230004.wav", "RIFF");
    EXPECT_EQ(engine.findSound("Sp230004.WAV"), onCd);
    const auto onPc = pc.write("LJUD/Sp230/Sp230004.WAV", "RIFF");
    EXPECT_EQ(engine.findSound("Sp230004.WAV"), onPc);
    EXPECT_TRUE(platform.messages.empty() && platform.played.empty());
}

TEST_F(Draws, AMissingSoundIsNamedInCapitals)
{
    engine.SoundSubdir.clear();
    engine.SpelaUppWavLjud("spanien.wav");
    const QString where = (QString::fromStdString(engine.CdPath) + "/LJUD/spanien.wav").toUpper();
    EXPECT_EQ(platform.texts(), QStringList{"Ljudfilen " + where + "  finns inte eller är felaktig."});
    EXPECT_EQ(platform.messages[0].kind, MessageSink::Kind::Information);
    EXPECT_TRUE(platform.played.empty());
}

} // namespace
