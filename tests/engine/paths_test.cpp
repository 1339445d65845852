// Content paths written the Windows way, found on this system's file names.

#include "engine/paths.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

TEST(Paths, SeparatorsCaseAndTrailingSpaces)
{
    ScratchDir dir;
    const auto data = dir.write("Data/spa14000.dat", "x");
    const auto page = dir.write("regler/R261190.htm", "x");
    const auto swedish = dir.write("Data/Spanska språket.Htm", "x");
    EXPECT_EQ(paths::find(dir.path(), "\\DATA\\SPA14000.DAT"), data);
    EXPECT_EQ(paths::find(dir.path(), "/data/Spa14000.Dat"), data);
    EXPECT_EQ(paths::find(dir.path(), "\\REGLER\\R261190.htm "), page);
    EXPECT_EQ(paths::find(dir.path(), "\\data\\SPANSKA SPRÅKET.HTM"), swedish);
    EXPECT_EQ(paths::find(dir.path(), "\\DATA"), dir.path() / "Data");
    EXPECT_FALSE(paths::find(dir.path(), "\\DATA\\SPA14001.DAT"));
    EXPECT_FALSE(paths::find(dir.path(), "\\DATA\\..\\..\\etc"));
    EXPECT_FALSE(paths::find("", "\\DATA"));
    EXPECT_FALSE(paths::find(dir.path() / "missing", "\\DATA"));
}

TEST(Paths, NamesThatAreNotUtf8AreReadAsTheCodePage)
{
    ScratchDir dir;
    // "Små.DAT" written byte for byte in code page 1252, as copied from an old medium.
    const auto odd = dir.write("DATA/Sm\xe5.DAT", "x");
    dir.write("DATA/\xff\xfe.DAT", "x");
    EXPECT_EQ(paths::find(dir.path(), "\\DATA\\SMÅ.DAT"), odd);
    EXPECT_EQ(paths::list(dir.path(), "\\DATA", "*.DAT").size(), 2u);
}

TEST(Paths, ListingByWildcard)
{
    ScratchDir dir;
    dir.write("BILD/SPA0001.BMP", "x");
    dir.write("BILD/spa0002.bmp", "x");
    dir.write("BILD/SPAL0001.BMP", "x");
    dir.write("BILD/SPA0003.BMP.bak", "x");
    EXPECT_EQ(paths::list(dir.path(), "\\bild", "SPA0*.BMP").size(), 2u);
    EXPECT_EQ(paths::list(dir.path(), "\\bild", "*").size(), 4u);
    EXPECT_TRUE(paths::list(dir.path(), "\\NONE", "*").empty());
    EXPECT_TRUE(paths::wildcardMatch("SpOM9001.LOV", "SPOM*.lov"));
    EXPECT_TRUE(paths::wildcardMatch("ab", "a?"));
    EXPECT_FALSE(paths::wildcardMatch("abc", "a?"));
    EXPECT_FALSE(paths::wildcardMatch("SPA.DAT", "SP*.DATX"));
}

TEST(Paths, PlacingANewFileReusesExistingFolders)
{
    ScratchDir dir;
    fs::create_directories(dir.path() / "Program");
    EXPECT_EQ(paths::place(dir.path(), "\\PROGRAM\\LINGVARO.INI"), dir.path() / "Program" / "LINGVARO.INI");
    EXPECT_EQ(paths::place(dir.path(), "\\RESULTAT\\x"), dir.path() / "RESULTAT" / "x");
    EXPECT_EQ(paths::display("/opt/lingvaro", "\\DATA\\x.DAT"), "/opt/lingvaro/DATA/x.DAT");
}

} // namespace
