// Word lists and own lists: which lines are questions, the headings, the line
// built from the editor's four boxes, the own-list file and what it refuses.

#include "engine/engine.h"
#include "engine/wordlist.h"
#include "tests/engine/testsupport.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

TEST(WordList, OneRuleForWhatIsAQuestion)
{
    EXPECT_TRUE(isWordListQuestion("casa#hus"));
    EXPECT_TRUE(isWordListQuestion("a#b"));
    EXPECT_FALSE(isWordListQuestion("casa#"));   // no answer
    EXPECT_FALSE(isWordListQuestion("#hus"));    // no word
    EXPECT_FALSE(isWordListQuestion("casa hus")); // a line a hand left without "#"
    EXPECT_FALSE(isWordListQuestion(";a#b"));
    EXPECT_FALSE(isWordListQuestion("$a#b"));
    EXPECT_FALSE(isWordListQuestion(""));
}

TEST(WordList, HeadingsFromTheFirstThreeLinesAndQuestionsInFileOrder)
{
    const WordList l = parseWordList(crlf({"$Familjen", "$\xa7\xd6vers\xe4tt till spanska.", "$Del 1",
                                           "bror#un hermano#&el hermano", "utan svar", "$inte en rubrik",
                                           Engine::kryptrad("syster#una hermana"), ";kommentar#x", "mor#la madre"}));
    EXPECT_EQ(l.headings[0], "Familjen");
    EXPECT_EQ(l.headings[1], "Del 1");
    EXPECT_EQ(l.headings[2], "");
    EXPECT_EQ(l.instruction, "\xd6vers\xe4tt till spanska.");
    ASSERT_EQ(l.questions.size(), 3u);
    EXPECT_EQ(l.questions[0], "bror#un hermano#&el hermano");
    EXPECT_EQ(Engine::dekryptrad(l.questions[1]), "syster#una hermana"); // kept as stored
    EXPECT_EQ(l.questions[2], "mor#la madre");
    // An empty first line still counts as one of the three.
    EXPECT_EQ(parseWordList(crlf({"", "", "", "$Sen"})).headings[0], "");
    EXPECT_NE(wordListFingerprint("a#b\r\n"), wordListFingerprint("a#c\r\n"));
}

TEST(OwnList, TheLineOfTheFourBoxes)
{
    // The second alternative moves up and takes the "&".
    EXPECT_EQ(ownListLine({"casa", "hus", "", "hem"}), "casa#hus#&hem");
    EXPECT_EQ(ownListLine({" casa ", "hus", "hem", "boning"}), "casa#hus#&hem#boning");
    EXPECT_EQ(ownListLine({"casa", "hus", "", ""}), "casa#hus");
    // An entry needs both its question and its answer.
    EXPECT_EQ(ownListLine({"casa", "", "hem", ""}), "");
    EXPECT_EQ(ownListLine({"", "hus", "", ""}), "");
    EXPECT_EQ(ownListLine({"  ", "hus", "", ""}), "");
    // Spaces are tidied; a typed "&" is not left to mark a field twice.
    EXPECT_EQ(ownListLine({"la  casa", "ett  hus", "&hem", ""}), "la casa#ett hus#&hem");
    // A question that would read back as a comment, a heading or a scrambled
    // line is not kept, also where a stray "&" hid its first character.
    for (const char* question : {";casa", "&$casa", ")casa"})
        EXPECT_EQ(ownListLine({question, "hus", "", ""}), "") << question;

    const auto boxes = ownListBoxes("casa#hus#&hem#boning");
    EXPECT_EQ(boxes[0], "casa");
    EXPECT_EQ(boxes[2], "hem");
    EXPECT_EQ(boxes[3], "boning");
    EXPECT_EQ(ownListBoxes("casa")[1], "");
}

TEST(OwnList, TheFileReadAndWrittenBack)
{
    OwnList l;
    l.heading = "Vecka 3";
    l.instruction = "\xd6vers\xe4tt till spanska";
    l.lines = {"casa#hus#&hem", "perro#hund#", "gato#", "#katt", "  sol #  sol "};
    const std::string bytes = ownListBytes(l);
    EXPECT_EQ(bytes, "$Vecka 3\r\n$\xd6vers\xe4tt till spanska\r\ncasa#hus#&hem\r\nperro#hund\r\nsol#sol\r\n");
    const OwnList back = parseOwnList(bytes);
    EXPECT_EQ(back.heading, "Vecka 3");
    EXPECT_EQ(back.instruction, l.instruction);
    EXPECT_EQ(back.lines, (std::vector<std::string>{"casa#hus#&hem", "perro#hund", "sol#sol"}));
    EXPECT_EQ(ownListBytes(back), bytes);
    // Any bytes read: comments and empty lines are no questions.
    const OwnList odd = parseOwnList("\n;x\n$\n$\n$\nq#a\rb\n");
    EXPECT_EQ(odd.lines, std::vector<std::string>{"q#a\rb"});
}

TEST(OwnList, WhatCannotBeStoredIsRefused)
{
    EXPECT_TRUE(ownHeadingProblem("Vecka. 3"));
    EXPECT_TRUE(ownHeadingProblem("a/b"));
    EXPECT_TRUE(ownHeadingProblem("a\\b"));
    EXPECT_FALSE(ownHeadingProblem("Vecka 3"));
    EXPECT_TRUE(ownBoxProblem("casa#hus", false));
    EXPECT_TRUE(ownBoxProblem(";casa", true));
    EXPECT_TRUE(ownBoxProblem(" $casa", true));
    EXPECT_TRUE(ownBoxProblem(")casa", true));
    EXPECT_FALSE(ownBoxProblem(")casa", false)); // only the line's first character matters
    EXPECT_FALSE(ownBoxProblem("casa (f)", true));
}

} // namespace
