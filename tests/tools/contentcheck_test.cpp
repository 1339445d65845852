// What the installation check finds.

#include "engine/engine.h"
#include "tests/engine/testsupport.h"
#include "tools/contentcheck.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

TEST(ContentCheck, FindsEveryKindOfProblem)
{
    ScratchDir dir;
    for (int n = 9001; n <= 9016; ++n)
        if (n != 9007)
            dir.write("DATA/SpOM" + std::to_string(n) + ".LOV", crlf({"\xa1" "Bien!"}));
    dir.write("DATA/datfiler.spa", crlf({"SPA1.DAT", "SPA2.DAT", "SPA3.DAT", "SPA4.DAT", "SpOM9001.LOV"}));
    dir.write("DATA/SPA1.DAT", crlf({"$Rubrik", "; bara kommentarer"}));
    // A scrambled line whose plain text holds a control character.
    dir.write("DATA/SPA2.DAT", crlf({"ok#bra", std::string(")\x01\x02\x03")}));
    dir.write("DATA/SPA3.DAT", crlf({Engine::kryptrad("hej#hola.")}));
    dir.write("BILD/SPA0001.BMP", "x");
    dir.write("BILD/spa0002.bmp", "x");
    dir.write("BILD/SPA0004.BMP", "x");

    const QStringList problems = checkInstallation(dir.path(), false);
    EXPECT_EQ(problems,
              QStringList({"SPA1.DAT: har inga frågor", "SPA2.DAT rad 2: blir inte text när den avkodas",
                           "SPA4.DAT: saknas", "berömfilen SpOM9007.LOV saknas",
                           "BILD: bilderna är inte numrerade utan luckor (SPA0003.BMP saknas)"}));
}

TEST(ContentCheck, WithoutDataThereIsNothingElseToCheck)
{
    ScratchDir dir;
    EXPECT_EQ(checkInstallation(dir.path()), QStringList{"katalogen DATA saknas"});
}

TEST(ContentCheck, KnowsWhatTheWindowsNeed)
{
    ScratchDir dir;
    dir.write("DATA/Spa52300.DAT", crlf({"libro#libros#\xa3R99999"}));
    const QStringList problems = checkInstallation(dir.path());
    EXPECT_TRUE(problems.contains("regler/R22200.htm saknas (Substantiv / Plural)")) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.contains("regler/R99999.htm saknas (Spa52300.DAT)"));
    EXPECT_TRUE(problems.contains("DATA/Spa52500.DAT saknas (Substantiv / Genitiv)"));
    EXPECT_TRUE(problems.contains("BILD/KARTA.BMP saknas (Spanien / Karta)"));
    EXPECT_TRUE(problems.contains("LJUD/SPANIEN.WAV saknas (Spanien / Flagga och nationalsång)"));
    EXPECT_TRUE(problems.contains("DATA/SpDi01.DAT saknas (diagnos 1)"));
    EXPECT_TRUE(problems.contains("data/Spa54700.Htm saknas (Räkneord / Trick 1)"));
    EXPECT_FALSE(problems.contains("DATA/Spa52300.DAT saknas (Substantiv / Plural)"));
}

TEST(ContentCheck, PlainText)
{
    EXPECT_TRUE(isPlainText("\xbf" "D\xf3nde est\xe1?"));
    EXPECT_FALSE(isPlainText("a\tb"));
    EXPECT_FALSE(isPlainText("a\x81"));
}

} // namespace
