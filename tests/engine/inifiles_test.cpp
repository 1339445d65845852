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

    // A newer program brings a list the installation lacks: every start puts it
    // in, and never over a list that is there (in whatever case it is spelt).
    bundled.write("DATA/Ny.sp1", "ny lista");
    bundled.write("DATA/ord2.SP2", "ny version");
    std::ofstream(pc / "DATA" / "ord2.sp2") << "min version";
    Engine later;
    later.setPlatform(&platform, &platform, &platform);
    ASSERT_TRUE(later.Start(dirs));
    EXPECT_EQ(slurp(pc / "DATA" / "Ny.sp1"), "ny lista");
    EXPECT_EQ(slurp(pc / "DATA" / "ord2.sp2"), "min version");
    EXPECT_FALSE(fs::exists(pc / "DATA" / "ord2.SP2"));
    EXPECT_EQ(slurp(pc / "DATA" / "ORD.SP1"), "mina ord");
    EXPECT_FALSE(fs::exists(pc / "DATA" / "Ny.sp1.part"));
}

TEST_F(PathFile, AnEmptyHardDiskPathIsTakenAsNotSet)
{
    bundled.write("DATA/ORD.SP1", "lista1");
    const fs::path file = home.write("lingvaro/Parlan.Ini", "[Path]\r\nParlanoCDPath=/mnt/cd\r\nParlanoPCPath=\r\n");
    const std::string before = slurp(file);
    engine.ReadPathIni(dirs);
    const fs::path pc = data.path() / "lingvaro";
    EXPECT_EQ(engine.CdPath, "/mnt/cd");
    EXPECT_EQ(engine.PcPath, pc.native());
    EXPECT_EQ(engine.DiagnosisDir, (pc / "RESULTAT").native());
    EXPECT_EQ(engine.OwnDir, (pc / "Eget").native());
    for (const char* sub : {"DATA", "Eget", "RESULTAT", "PROGRAM"})
        EXPECT_TRUE(fs::is_directory(pc / sub)) << sub;
    EXPECT_EQ(slurp(pc / "DATA" / "ORD.SP1"), "lista1");
    // Said once, naming the file; the teacher's file itself is left as it is.
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QString::fromStdString(file.native())));
    EXPECT_TRUE(platform.messages[0].text.contains(u"ParlanoPCPath"_qs));
    EXPECT_EQ(slurp(file), before);
    // The settings now go under the hard-disk installation, not the working folder.
    engine.AnswerShowSeconds = 7;
    ASSERT_TRUE(engine.WriteSettingsIni());
    EXPECT_TRUE(fs::exists(pc / "PROGRAM" / "LINGVARO.INI"));
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

TEST_F(SettingsFile, ReplacedInOneStepAndAFailedWriteIsTold)
{
    const fs::path file = pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSOUNDS=2\r\n[Teacher]\r\nkeep=yes\r\n");
    const std::string before = slurp(file);
    // One who reads the file while it is written sees the old file whole: it is
    // replaced, not cut short and written again.
    std::ifstream reader(file, std::ios::binary);
    engine.HaemtaTyskaINI();
    engine.AnswerShowSeconds = 6;
    ASSERT_TRUE(engine.WriteSettingsIni());
    std::stringstream seen;
    seen << reader.rdbuf();
    EXPECT_EQ(seen.str(), before);
    const std::string after = slurp(file);
    EXPECT_NE(after.find("TIMESHOWINGCORRECTANSWER = 6"), std::string::npos) << after;
    EXPECT_NE(after.find("SOUNDS = 2"), std::string::npos) << after;
    EXPECT_NE(after.find("keep = yes"), std::string::npos) << after;
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(platform.messages.empty());

    // Where the file cannot be written, the user is told.
    ScratchDir other;
    other.write("PROGRAM", "a file where the folder should be");
    engine.PcPath = other.path().native();
    EXPECT_FALSE(engine.WriteSettingsIni());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith(u"Inställningarna kunde inte sparas i filen "_qs))
        << platform.messages[0].text.toStdString();

    // A file that is there but cannot be read keeps what a teacher wrote in it.
    engine.PcPath = pc.path().native();
    fs::permissions(pc.path(), fs::perms::all);
    fs::permissions(file.parent_path(), fs::perms::all);
    fs::permissions(file, fs::perms::none);
    EXPECT_TRUE(withFilePermissions([&] { return !engine.WriteSettingsIni(); }));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(slurp(file), after);
}

} // namespace
