// Scrambling, splitting and numbering of question lines.

#include "engine/engine.h"

#include <gtest/gtest.h>

using lingvaro::Engine;

namespace {

std::string field(const Engine& e, int i) { return e.AnswerFields[i]; }

TEST(Scrambling, RoundTripOfPrintableTextBeginsWithParenthesis)
{
    for (const std::string& line : std::vector<std::string>{"hej#hola.", "Jag heter Anna#Me llamo Ana#&Soy Ana", "\xbf" "D\xf3nde est\xe1 el ba\xf1o?#x",
                             std::string(300, 'z')}) {
        const std::string stored = Engine::kryptrad(line);
        EXPECT_EQ(stored[0], ')');
        EXPECT_NE(stored, line);
        EXPECT_EQ(Engine::dekryptrad(stored), line);
    }
}

TEST(Scrambling, LinesOfOtherKindsPassBothWaysUnchanged)
{
    for (std::string line : {";kommentar", "$Rubrik", "#plain#line", ")already"})
        EXPECT_EQ(Engine::kryptrad(line), line);
    for (std::string line : {"plain#line", "$Rubrik", "", "#x"})
        EXPECT_EQ(Engine::dekryptrad(line), line);
}

TEST(Scrambling, ACharacterWhoseResultWouldBeBelow32IsStoredAsItIs)
{
    // Position 2 has key 2/2+8 = 9; "*" (42) XOR 9 = 35 is kept, but a tab (9)
    // XOR 9 = 0 would be a control character, so the tab stays.
    EXPECT_EQ(Engine::kryptrad("\t")[1], '\t');
    // Position 3, key 11: "+" (43) XOR 11 = 32 is allowed...
    EXPECT_EQ(Engine::kryptrad("a+")[2], ' ');
    // ...and a character that XORs below 32 stays even though unscrambling then
    // turns it into something else: "\x15" at position 3 (key 11) gives 30 < 32.
    const std::string stored = Engine::kryptrad("a\x15");
    EXPECT_EQ(stored[2], '\x15');
}

TEST(Splitting, EveryByteValueSurvivesUnscrambleAndSplit)
{
    // All 256 values except the line end and the two signs that carry meaning.
    std::string text;
    for (int b = 1; b < 256; ++b)
        if (b != '\n' && b != '#' && b != '&' && b != ' ')
            text.push_back(char(b));
    Engine e;
    e.str_postarray("q#" + text);
    EXPECT_EQ(field(e, 2), text);

    // Stored scrambled and read back the same way, byte for byte, as long as no
    // byte falls under the below-32 rule (those cannot come back by design).
    std::string printable;
    for (int b = 32; b < 256; ++b)
        if (b != '#' && b != '&' && b != ' ')
            printable.push_back(char(b));
    for (char c : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        ASSERT_NE(printable.find(c), std::string::npos);
    e.str_postarray(Engine::kryptrad("q#" + printable));
    EXPECT_EQ(field(e, 1), "q");
    EXPECT_EQ(field(e, 2), printable);
}

TEST(Splitting, FieldsAlternativesAndSeparators)
{
    Engine e;
    e.str_postarray("fr\xe5ga#svar#&alt1#alt2");
    EXPECT_EQ(field(e, 1), "fr\xe5ga");
    EXPECT_EQ(field(e, 3), "alt1");
    EXPECT_EQ(field(e, 4), "alt2");
    EXPECT_EQ(e.MarkedCount, 2);

    e.str_postarray("a#b##");
    EXPECT_EQ(field(e, 1), "a");
    EXPECT_EQ(field(e, 2), "b");
    EXPECT_EQ(field(e, 3), "");
    EXPECT_EQ(e.MarkedCount, 0);

    e.str_postarray("a##b");
    EXPECT_EQ(field(e, 2), "b");
    EXPECT_EQ(field(e, 3), "");

    e.str_postarray("a#   b#  &c");
    EXPECT_EQ(field(e, 2), "b");
    EXPECT_EQ(field(e, 3), "c");
    EXPECT_EQ(e.MarkedCount, 1);

    e.str_postarray("1#2#3#4#5#6#7#8#9#10#11#12");
    EXPECT_EQ(field(e, 9), "9");
    EXPECT_EQ(field(e, 10), "101112");

    e.str_postarray("#");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(field(e, i), "");

    // Old fields never leak into the next split.
    e.str_postarray("x#y#z");
    e.str_postarray("only");
    EXPECT_EQ(field(e, 1), "only");
    EXPECT_EQ(field(e, 2), "");
}

TEST(Splitting, AScrambledLineWhoseStoredFormEndsInHashKeepsItsAnswer)
{
    // "hej#hola." is stored ending in "#"; trimming the stored text would cut the
    // answer short.
    const std::string stored = Engine::kryptrad("hej#hola.");
    ASSERT_EQ(stored.back(), '#');
    Engine e;
    e.str_postarray(stored);
    EXPECT_EQ(field(e, 1), "hej");
    EXPECT_EQ(field(e, 2), "hola.");

    // A stored form holding "##" by chance must not lose a character either:
    // "/" at position 5 (key 12) and "(" at position 6 (key 11) both store as "#".
    const std::string withDouble = "abc/(d#svar#&annat";
    ASSERT_NE(Engine::kryptrad(withDouble).find("##"), std::string::npos);
    e.str_postarray(Engine::kryptrad(withDouble));
    Engine plain;
    plain.str_postarray(withDouble);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(field(e, i), field(plain, i));
}

TEST(ExerciseNumber, TrailingDigitsOfTheStem)
{
    EXPECT_EQ(Engine::GeProgramtal("SPA14000.DAT"), 14000);
    EXPECT_EQ(Engine::GeProgramtal("SpOvn101.DAT"), 101);
    EXPECT_EQ(Engine::GeProgramtal("SPA41000.DAT"), 41000);
    EXPECT_EQ(Engine::GeProgramtal("SP12AB.DAT"), 0);
    EXPECT_EQ(Engine::GeProgramtal("SPA500"), 500);
    EXPECT_EQ(Engine::GeProgramtal("SPA1.2.DAT"), 1);
    EXPECT_EQ(Engine::GeProgramtal("SP65536.DAT"), 0); // kept in 16 bits
    EXPECT_EQ(Engine::GeProgramtal("SP99999999999999999999999.DAT"), 65535); // no overflow, however long
}

} // namespace
