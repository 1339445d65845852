// What fuzzing the readers found, kept as tests of the engine. The inputs that
// found them are also in corpus/<reader>/finding-*, read in every build.

#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/wordlist.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;

namespace {

TEST(FoundByFuzzing, AnAlternativeTypedAsWrittenIsRightWhereverItStands)
{
    // The third candidate tried; the typed answer used to lose one end mark for
    // every candidate before it, and "Buenas..." no longer matched itself.
    Engine e;
    e.str_postarray("S\xe4g hej#Hola#&Buenas...#Hola, hola...");
    ASSERT_EQ(e.MarkedCount, 2);
    for (int kind : {1, 3}) {
        EXPECT_EQ(e.svarstest(e.AnswerFields[2], "Buenas...", kind), AnswerRight) << kind;
        EXPECT_EQ(e.svarstest(e.AnswerFields[2], "Hola, hola...", kind), AnswerRight) << kind;
        // Still one end mark at each end, not more.
        EXPECT_EQ(e.svarstest(e.AnswerFields[2], "Buenas", kind), AnswerWrong) << kind;
    }
    EXPECT_EQ(e.svarstest(e.AnswerFields[2], "buenas...", 2), AnswerRight);
}

TEST(FoundByFuzzing, SpacesAfterTheAlternativeMarkAreNotPartOfTheAlternative)
{
    Engine e;
    e.str_postarray("m\xe5nader#los meses#&   meses# & los meses del a\xf1o");
    EXPECT_EQ(e.AnswerFields[3], "meses");
    EXPECT_EQ(e.AnswerFields[4], "los meses del a\xf1o");
    EXPECT_EQ(e.MarkedCount, 2);
    // The lamp stays green while the alternative is typed.
    EXPECT_EQ(e.GreenRedTest("mes", e.AnswerFields[2]), 1);
    EXPECT_EQ(e.GreenRedTest("los meses del", e.AnswerFields[2]), 1);
}

TEST(FoundByFuzzing, ATeacherPasswordReadsBackWhateverItBeginsWith)
{
    lingvaro::testing::ScratchDir dir;
    const auto file = dir.path() / "DATA" / "SPA45444.DOT";
    for (const std::string password : {")Clave", ")", "#hemlig", ";x", "$LARARE", "Kex", ""}) {
        ASSERT_TRUE(TeacherPasswordFile::write(file, password));
        EXPECT_EQ(TeacherPasswordFile::read(file), password);
    }
    // A file that stored such a password as it was typed (";", "$" and "#"
    // were never scrambled) still reads as before.
    unsigned char old[TeacherPasswordFile::Size] = {};
    const std::string teacher = Engine::kryptrad("L\xc4RARE");
    old[0] = (unsigned char)teacher.size();
    std::copy(teacher.begin(), teacher.end(), old + 1);
    old[27] = 7;
    std::copy_n("#hemlig", 7, old + 28);
    dir.write("DATA/SPA45444.DOT", std::string(reinterpret_cast<const char*>(old), sizeof old));
    EXPECT_EQ(TeacherPasswordFile::read(file), "#hemlig");
}

} // namespace

TEST(FoundByFuzzing, AnOwnListReadsBackAsItWasSaved)
{
    // A stray "&" before a "$" made a question that, saved, read back as a
    // heading: the list lost a line at every save.
    const OwnList list = parseOwnList("$Vecka 3\r\n$Instruktion\r\n&$vers#hus\r\ncasa#hus\r\n");
    const std::string saved = ownListBytes(list);
    EXPECT_EQ(saved, "$Vecka 3\r\n$Instruktion\r\ncasa#hus\r\n");
    EXPECT_EQ(ownListBytes(parseOwnList(saved)), saved);
}
