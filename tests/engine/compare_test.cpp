// Judging answers, the lamp, the space normaliser, marked words and line breaking.

#include "engine/cp1252.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

class Compare : public ::testing::Test, public EngineFixture {
protected:
    uint16_t judge(const std::string& line, const std::string& given, int kind)
    {
        engine.str_postarray(line);
        return engine.svarstest(engine.AnswerFields[2], given, kind);
    }
};

TEST_F(Compare, SpacesAreFoldedAndTrimmed)
{
    EXPECT_EQ(Engine::MellanslagBort("  la   casa"), "la casa");
    EXPECT_EQ(Engine::MellanslagBort(" a  b     c "), "a b c");
    EXPECT_EQ(Engine::MellanslagBort("a  b"), "a b");
    EXPECT_EQ(Engine::MellanslagBort("    "), "");
    EXPECT_EQ(Engine::MellanslagBort(""), "");
}

TEST_F(Compare, TheThreeKinds)
{
    EXPECT_EQ(judge("q#hola", "", 1), AnswerEmpty);
    EXPECT_EQ(judge("q#hola", "hola.", 1), AnswerRight);
    EXPECT_EQ(judge("q#hola", "hola.", 2), AnswerWrong);
    EXPECT_EQ(judge("q#hola", "Hola", 1), AnswerWrong);
    EXPECT_EQ(judge("q#hola", "HOLA", 2), AnswerRight);
    EXPECT_EQ(judge("q#hola", "Hola!", 3), AnswerRight);
    EXPECT_EQ(judge("q#\xa1Hola!", "hola", 3), AnswerWrong); // "¡" is no end mark: the pupil types it
    EXPECT_EQ(judge("q#\xa1Hola!", "\xa1hola", 3), AnswerRight);
    EXPECT_EQ(judge("q#el ni\xf1o", "  EL   NI\xd1O ", 3), AnswerRight);
    EXPECT_EQ(judge("q#hola", "hola!!", 1), AnswerWrong); // only one mark comes off
    EXPECT_EQ(judge("q#hola!", "hola!!", 1), AnswerWrong);
    EXPECT_EQ(judge("q#?Qu\xe9?", "qu\xe9", 3), AnswerRight);
}

TEST_F(Compare, UpperCasingKnowsSwedishAndSpanishLetters)
{
    EXPECT_EQ(upperCp1252("\xe5\xe4\xf6\xe9\xf1\xfc\xe1\xed\xf3\xfa\xff\x9c\x9a"),
              "\xc5\xc4\xd6\xc9\xd1\xdc\xc1\xcd\xd3\xda\x9f\x8c\x8a");
    EXPECT_EQ(upperCp1252("\xdf\xb5\xbf\xa1"), "\xdf\xb5\xbf\xa1"); // no one-letter upper case
    EXPECT_EQ(judge("q#m\xe5ste", "M\xc5STE", 2), AnswerRight);
}

TEST_F(Compare, AlternativesAreTriedLastFieldFirst)
{
    // Four fields, the third marked: alternatives 4 then 3 after the answer.
    EXPECT_EQ(judge("q#tengo#&he tenido#tuve", "he tenido", 1), AnswerRight);
    EXPECT_EQ(engine.MarkedCount, 2);
    EXPECT_EQ(judge("q#tengo#&he tenido#tuve", "tuve", 1), AnswerRight);
    EXPECT_EQ(judge("q#tengo#&he tenido#tuve", "q", 1), AnswerWrong);
    EXPECT_EQ(judge("q#tengo#extra#&tuve", "extra", 1), AnswerWrong); // unmarked fields are no answers
    // An empty alternative is no answer at all.
    EXPECT_EQ(judge("q#s\xed#&#&", ".", 1), AnswerWrong);
    // A lone end mark is an answer, not punctuation around one.
    EXPECT_EQ(judge("q#?", "!", 3), AnswerWrong);
    EXPECT_EQ(judge("q#?", "?", 3), AnswerRight);
}

TEST_F(Compare, LampIsGreenWhileTheTypedTextCanStillBecomeRight)
{
    engine.str_postarray("q#yo hablo#&hablo#habl\xe9");
    const std::string answer = engine.AnswerFields[2];
    EXPECT_EQ(engine.GreenRedTest("", answer), 1);
    EXPECT_EQ(engine.GreenRedTest("yo ha", answer), 1);
    EXPECT_EQ(engine.GreenRedTest(" yo", answer), 1);
    EXPECT_EQ(engine.GreenRedTest("habl\xe9", answer), 1);
    EXPECT_EQ(engine.GreenRedTest("Yo", answer), 2);
    EXPECT_EQ(engine.GreenRedTest("yo hablo mucho", answer), 2);

    engine.str_postarray("q#a");
    EXPECT_EQ(engine.GreenRedTest("b", "a"), 2);
}

TEST_F(Compare, LampNeverLooksOutsideTheTenFields)
{
    // Prompt marked: the walk would reach field 0.
    engine.str_postarray("&fr\xe5ga#svar");
    EXPECT_EQ(engine.MarkedCount, 2);
    EXPECT_EQ(engine.GreenRedTest("sv", "x"), 1);
    EXPECT_EQ(engine.GreenRedTest("zz", "x"), 2);
    // All ten used: field 10 is the last alternative and the walk stays in 1..10.
    engine.str_postarray("1#2#3#4#5#6#7#8#&9#10");
    EXPECT_EQ(engine.MarkedCount, 2);
    EXPECT_EQ(engine.GreenRedTest("10", "x"), 1);
    EXPECT_EQ(engine.GreenRedTest("8", "x"), 1);
    EXPECT_EQ(engine.GreenRedTest("7", "x"), 2);
}

TEST_F(Compare, MarkedWordsSplitIntoParts)
{
    engine.LetaPrep("Jag <har> en <bil>.");
    EXPECT_EQ(engine.PrepParts[1], "Jag ");
    EXPECT_EQ(engine.PrepParts[2], "har");
    EXPECT_EQ(engine.PrepParts[3], " en ");
    EXPECT_EQ(engine.PrepParts[4], "bil");
    EXPECT_EQ(engine.PrepParts[5], ".");
    engine.LetaPrep("<a><b><c><d>");
    EXPECT_EQ(engine.PrepParts[5], "cd"); // beyond five parts the rest stays in the fifth
}

class LineBreaking : public Compare {
protected:
    // ScaleFactor 100 and 10 px a character: the width in characters is (right-left)/10.
    void split(int chars, const std::string& text, int count = 3)
    {
        engine.dela_mening(0, chars * 10, text, count);
    }
};

TEST_F(LineBreaking, BreaksAfterSpacesAndPunctuation)
{
    split(10, "uno dos tres cuatro cinco");
    EXPECT_EQ(engine.SplitLines[1], "uno dos ");
    EXPECT_EQ(engine.SplitLines[2], "tres ");
    EXPECT_EQ(engine.SplitLines[3], "cuatro ");

    split(12, "uno dos tres cuatro");
    EXPECT_EQ(engine.SplitLines[1], "uno dos tres "); // the space that overflowed stays
    EXPECT_EQ(engine.SplitLines[2], "cuatro");

    split(8, "hola,adi\xf3s-bueno");
    EXPECT_EQ(engine.SplitLines[1], "hola,");
    EXPECT_EQ(engine.SplitLines[2], "adi\xf3s-");
    EXPECT_EQ(engine.SplitLines[3], "bueno");
}

TEST_F(LineBreaking, AMarkedWordIsNeverSplit)
{
    split(16, "yo tengo <muchos libros> hoy");
    EXPECT_EQ(engine.SplitLines[1], "yo tengo ");
    EXPECT_EQ(engine.SplitLines[2], "<muchos libros> ");
    EXPECT_EQ(engine.SplitLines[3], "hoy");
}

TEST_F(LineBreaking, TextBeyondTheLinesIsNotShownAndLinesAreCleared)
{
    split(5, "aaa bbb ccc ddd eee", 2);
    EXPECT_EQ(engine.SplitLines[1], "aaa ");
    EXPECT_EQ(engine.SplitLines[2], "bbb ");
    split(40, "", 3);
    EXPECT_EQ(engine.SplitLines[1], "");
    EXPECT_EQ(engine.SplitLines[2], "");
}

TEST_F(LineBreaking, AFirstLineWithoutBreakPointIsCutWhereItFits)
{
    split(5, "abcdefghij klm");
    EXPECT_EQ(engine.SplitLines[1], "abcd");
    EXPECT_EQ(engine.SplitLines[2], "efghij klm");
    EXPECT_EQ(engine.SplitLines[3], "");
}

TEST_F(LineBreaking, AWordWiderThanALineLaterDownIsCutNotLooped)
{
    split(6, "ab cdefghijklmnopq rs");
    EXPECT_EQ(engine.SplitLines[1], "ab ");
    EXPECT_EQ(engine.SplitLines[2], "cdefgh");
    EXPECT_EQ(engine.SplitLines[3], "ijklmn");

    // A right edge at or left of the left edge fits nothing, and still ends.
    engine.dela_mening(100, 50, "hola amigo", 3);
    EXPECT_EQ(engine.SplitLines[1], "");
    engine.dela_mening(100, 100, "hola amigo", 3);
    EXPECT_EQ(engine.SplitLines[1], "");
}

TEST_F(LineBreaking, MeasuresInTheExercisesFontAndScale)
{
    engine.ExerciseNo = 32000;
    split(40, "hola");
    EXPECT_EQ(platform.lastFont.family, "Arial");
    EXPECT_TRUE(platform.lastFont.bold);
    EXPECT_EQ(platform.lastFont.pointSize, 22);
    engine.ExerciseNo = 61100;
    split(40, "hola");
    EXPECT_EQ(platform.lastFont.pointSize, 18);
    engine.ExerciseNo = 14000;
    engine.SmallFontOnce = true;
    split(40, "hola");
    EXPECT_EQ(platform.lastFont.pointSize, 8);
    EXPECT_FALSE(engine.SmallFontOnce);
    split(40, "hola");
    EXPECT_EQ(platform.lastFont.pointSize, 14);

    // At 50 % scale the same pixels hold twice the unscaled width.
    engine.ScaleFactor = 50;
    engine.dela_mening(0, 40, "uno dos tres", 3);
    EXPECT_EQ(engine.SplitLines[1], "uno dos ");
    engine.ScaleFactor = 100;
    engine.dela_mening(0, 40, "uno dos tres", 3);
    EXPECT_EQ(engine.SplitLines[1], "uno ");
}

} // namespace
