// The path file, the settings file and the first start.

#include "engine/paths.h"
#include "tests/engine/testsupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class PathFile : public ::testing::Test {
protected:
    ScratchDir home, system, data, bundled;
    FakePlatform platform;
    Engine engine;
    PlatformDirs dirs;
    PathFile()
    {
        engine.setPlatform(&platform, &platform, &platform);
        dirs.configDirs = {home.path(), system.path()};
        dirs.userConfigDir = home.path();
        dirs.userDataDir = data.path();
        dirs.bundledContent = bundled.path();
    }
};

TEST_F(PathFile, KeysAndValuesFollowWindowsRules)
{
    system.write("lingvaro/Parlan.Ini", "[Path]\r\nParlanoCDPath=/mnt/cd\r\nParlanoPCPath=/srv/pc\r\n");
    home.write("lingvaro/parlan.ini", "[PATH]\r\nparlanocdpath = C:\\Lingvaro\\CD\r\nPARLANOPCPATH=/home/x/pc\r\n"
                                      "ParlanoScoreDirectory=/home/x/rekord\r\nParlanoDiagnosPath=/srv/diag/\r\n"
                                      "ParlanoOwnPath=/home/x/eget\\\r\n");
    engine.ReadPathIni(dirs);
    EXPECT_EQ(engine.CdPath, "C:\\Lingvaro\\CD"); // the user's file wins; backslashes stay
    EXPECT_EQ(engine.PcPath, "/home/x/pc");
    EXPECT_EQ(engine.ScoreDir, "/home/x/rekord/");
    EXPECT_EQ(engine.DiagnosisDir, "/srv/diag");
    EXPECT_EQ(engine.OwnDir, "/home/x/eget");
    EXPECT_FALSE(fs::exists(data.path() / "lingvaro")); // no first installation
}

TEST_F(PathFile, ASchoolWideFileServesWhenTheUserHasNone)
{
    system.write("lingvaro/Parlan.Ini", "[Path]\nParlanoCDPath=/mnt/cd\nParlanoPCPath=/srv/pc\nParlanoScoreDirectory=/r/\n");
    engine.ReadPathIni(dirs);
    EXPECT_EQ(engine.CdPath, "/mnt/cd");
    EXPECT_EQ(engine.ScoreDir, "/r/");
    EXPECT_EQ(engine.DiagnosisDir, "/srv/pc/RESULTAT");
    EXPECT_EQ(engine.OwnDir, "/srv/pc/Eget");
}

TEST_F(PathFile, TheFirstStartSetsUpAWritableInstallation)
{
    bundled.write("DATA/datfiler.spa", crlf({"SPA14000.DAT"}));
    bundled.write("DATA/SPA14000.DAT", crlf({"q#a"}));
    bundled.write("DATA/ORD.SP1", "lista1");
    bundled.write("DATA/ord2.sp2", "lista2");
    engine.ReadPathIni(dirs);
    const fs::path pc = data.path() / "lingvaro";
    EXPECT_EQ(engine.PcPath, pc.native());
    EXPECT_EQ(fs::path(engine.CdPath), bundled.path());
    for (const char* sub : {"DATA", "Eget", "RESULTAT", "PROGRAM"})
        EXPECT_TRUE(fs::is_directory(pc / sub)) << sub;
    EXPECT_EQ(slurp(pc / "DATA" / "ORD.SP1"), "lista1");
    EXPECT_EQ(slurp(pc / "DATA" / "ord2.sp2"), "lista2");
    EXPECT_FALSE(fs::exists(pc / "DATA" / "SPA14000.DAT")); // read from the medium
    EXPECT_EQ(engine.DiagnosisDir, (pc / "RESULTAT").native());
    EXPECT_TRUE(fs::exists(home.path() / "lingvaro" / "Parlan.Ini"));

    // A pupil's own copy of a word list survives the next first start.
    std::ofstream(pc / "DATA" / "ORD.SP1") << "mina ord";
    fs::remove(home.path() / "lingvaro" / "Parlan.Ini");
    Engine again;
    again.ReadPathIni(dirs);
    EXPECT_EQ(slurp(pc / "DATA" / "ORD.SP1"), "mina ord");

    // The second start reads the file the first one wrote.
    Engine second;
    second.ReadPathIni(dirs);
    EXPECT_EQ(second.PcPath, engine.PcPath);
    EXPECT_EQ(second.CdPath, engine.CdPath);
    EXPECT_EQ(second.pathIniFile, home.path() / "lingvaro" / "Parlan.Ini");

    // The whole engine start on it.
    Engine started;
    started.setPlatform(&platform, &platform, &platform);
    ASSERT_TRUE(started.Start(dirs));
    EXPECT_EQ(started.DataFileCount, 1);
    EXPECT_TRUE(started.Kolla("SPA14000.DAT"));
}

TEST_F(PathFile, WithoutBundledContentNothingIsWrittenAndTheStartStops)
{
    dirs.bundledContent = data.path() / "nowhere";
    EXPECT_FALSE(engine.Start(dirs));
    EXPECT_FALSE(fs::exists(home.path() / "lingvaro" / "Parlan.Ini"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith("Kan inte hitta katalogen "));
}

class SettingsFile : public ::testing::Test, public EngineFixture {
protected:
    void settings(const std::string& body, bool onCd = false)
    {
        (onCd ? cd : pc).write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\n" + body);
        engine.HaemtaTyskaINI();
    }
};

TEST_F(SettingsFile, ReadingRules)
{
    engine.HaemtaTyskaINI(); // no file at all
    EXPECT_EQ(engine.AnswerShowSeconds, 3);
    EXPECT_EQ(engine.SoundMode, 1);
    EXPECT_EQ(engine.PictureMode, 1);

    settings("TIMESHOWINGCORRECTANSWER=12\r\nSOUNDS=2\r\nSPAINPICTURES=x\r\n", true);
    EXPECT_EQ(engine.AnswerShowSeconds, 1); // only the first digit counts
    EXPECT_EQ(engine.SoundMode, 2);
    EXPECT_EQ(engine.PictureMode, 1);

    settings("timeshowingcorrectanswer=abc\r\nsounds=3\r\nspainpictures=0\r\n");
    EXPECT_EQ(engine.AnswerShowSeconds, 1); // a letter leaves it as it was
    EXPECT_EQ(engine.SoundMode, 3);
    EXPECT_EQ(engine.PictureMode, 0); // off stays off

    settings("TIMESHOWINGCORRECTANSWER=\r\nSOUNDS=9\r\n");
    EXPECT_EQ(engine.AnswerShowSeconds, 3);
    EXPECT_EQ(engine.SoundMode, 1);
    EXPECT_EQ(engine.PictureMode, 1);
}

TEST_F(SettingsFile, WrittenUnderPcPathAndReadBack)
{
    cd.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nTIMESHOWINGCORRECTANSWER=5\r\n");
    pc.write("Program/lingvaro.ini", "[Other]\r\nkeep=C:\\x\r\n");
    engine.AnswerShowSeconds = 0;
    engine.SoundMode = 0;
    engine.PictureMode = 2;
    ASSERT_TRUE(engine.WriteSettingsIni());
    EXPECT_FALSE(fs::exists(pc.path() / "PROGRAM"));
    const std::string text = slurp(pc.path() / "Program" / "lingvaro.ini");
    EXPECT_NE(text.find("keep = C:\\x"), std::string::npos) << text;
    Engine fresh;
    fresh.PcPath = engine.PcPath;
    fresh.CdPath = engine.CdPath;
    fresh.HaemtaTyskaINI();
    EXPECT_EQ(fresh.AnswerShowSeconds, 0);
    EXPECT_EQ(fresh.SoundMode, 0);
    EXPECT_EQ(fresh.PictureMode, 2);
}

} // namespace
