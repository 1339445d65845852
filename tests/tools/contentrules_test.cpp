// The line rules of the installation check: what a content author is told.

#include "engine/engine.h"
#include "tests/engine/testsupport.h"
#include "tools/contentcheck.h"
#include "tools/contentrules.h"
#include "contentmap/windows.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

QStringList rulesOf(const std::string& name, const std::vector<std::string>& lines)
{
    ScratchDir dir;
    const auto file = dir.write(name, crlf(lines));
    const auto read = readQuestionLines(file);
    EXPECT_TRUE(read);
    return read ? checkLineRules(name, *read) : QStringList();
}

TEST(ContentRules, HelpsThatGiveTheAnswerAway)
{
    const QStringList problems = rulesOf("Spa57200.DAT", {
        "$Adverb",
        "sencillo#sencillamente#enkel \x96 enkelt#Ta den feminina formen: sencilla + -mente",
        "una hermana#systrar#en syster#Plural p\xe5 -ar, e:et f\xf6rsvinner: syst-rar",
        "400#cuatrocientos#4 = cuatro#Hundratal: cuatro + cientos i ett ord",
        "allt#todo#allt = todo#Ett ord r\xe4" "cker.",
        "f\xf6rl\xe5t#perd\xf3n#B\xf6rjar p\xe5 per-#Man kan ocks\xe5 s\xe4ga lo siento.#&lo siento#perdona",
        // Pointing the way is what a help is for.
        "myran#la hormiga#Femininum (la)#B\xf6rjar p\xe5 hor-",
        "tomar (yo)#tomo#-ar: -o, -as, -a#Stammen tom- + \xe4ndelse",
        "Prata! (t\xfa)#\xa1Habla!#hablar = prata#T\xfa: samma form som han/hon i presens#&Habla",
    });
    EXPECT_EQ(problems,
              QStringList({u"Spa57200.DAT fråga 1: hjälptexten \"Ta den feminina formen: sencilla + -mente\" avslöjar svaret \"sencillamente\""_qs,
                           u"Spa57200.DAT fråga 2: hjälptexten \"Plural på -ar, e:et försvinner: syst-rar\" avslöjar svaret \"systrar\""_qs,
                           u"Spa57200.DAT fråga 3: hjälptexten \"Hundratal: cuatro + cientos i ett ord\" avslöjar svaret \"cuatrocientos\""_qs,
                           u"Spa57200.DAT fråga 4: hjälptexten \"allt = todo\" avslöjar svaret \"todo\""_qs,
                           u"Spa57200.DAT fråga 5: hjälptexten \"Man kan också säga lo siento.\" avslöjar svaret \"lo siento\""_qs}));
}

TEST(ContentRules, AnswersPromptsAndAlternatives)
{
    const QStringList problems = rulesOf("SpOvn103.DAT", {
        "Jag vet inte.#No s\xe9.#&No s\xe9.#No lo s\xe9#No lo s\xe9",
        "el libro (el libro)#el libro",
        "\xbfQu\xe9 hora es?#Vad \xe4r klockan?",
        "  qu\xe9 HORA es#Vad \xe4r klockan?",
        "a#b#c#d#&e#f#g#h#i#j#k",
        // A plain alternative beside "¡…!" keeps the lamp green: it is not the answer again.
        "Prata! (t\xfa)#\xa1Habla!#&Habla#\xa1Habla",
        "b\xf6" "cker#libros#bok = libro#Ingen artikel#\xa3R22200#&unos libros",
    });
    EXPECT_EQ(problems, QStringList({u"SpOvn103.DAT fråga 1: alternativet \"No sé.\" är samma som svaret"_qs,
                                     u"SpOvn103.DAT fråga 1: alternativet \"No lo sé\" står två gånger"_qs,
                                     u"SpOvn103.DAT fråga 2: svaret \"el libro\" står i frågan"_qs,
                                     u"SpOvn103.DAT fråga 4: samma fråga som fråga 3"_qs,
                                     u"SpOvn103.DAT fråga 5: fler än 10 fält; de sista slås ihop till ett"_qs}))
        << problems.join('\n').toStdString();
}

TEST(ContentRules, DiagnosisTestsHoldNoHelp)
{
    EXPECT_EQ(rulesOf("SpDi03.DAT", {"Vad g\xf6r du?#\xbfQu\xe9 haces?#&Qu\xe9 haces", "hej#hola#h\xe4lsning"}),
              QStringList{u"SpDi03.DAT fråga 2: ett diagnostest har inga hjälptexter"_qs});
    EXPECT_TRUE(rulesOf("SpOvn103.DAT", {"hej#hola#h\xe4lsning"}).isEmpty());
}

TEST(ContentRules, TheWindowOfADataFile)
{
    EXPECT_EQ(windowOfDataFile("Spa52300.DAT"), "TSKRIV");
    EXPECT_EQ(windowOfDataFile("SPA52300.dat"), "TSKRIV");
    EXPECT_EQ(windowOfDataFile("SpDi01.DAT"), "TSKRIV");
    EXPECT_EQ(windowOfDataFile("SpOvn140.DAT"), "TSKRIV");
    EXPECT_EQ(windowOfDataFile("SpDi07.DAT"), "TFLERBAR");
    EXPECT_EQ(windowOfDataFile("SpOvn139.DAT"), "TPassAkt");
    EXPECT_EQ(windowOfDataFile("SPA99999.DAT"), "");
    EXPECT_TRUE(knowsWindowFields("TSKRIV"));
    EXPECT_FALSE(knowsWindowFields("TFLERBAR"));
}

// The installation check reports the line rules of every data file whose
// window it knows, scrambled test files as the program reads them.
TEST(ContentRules, TheInstallationCheckReportsThem)
{
    ScratchDir dir;
    dir.write("DATA/Spa57200.DAT", crlf({"r\xe1pido#r\xe1pidamente#snabb \x96 snabbt#r\xe1pida + -mente"}));
    dir.write("DATA/SpDi05.DAT", crlf({Engine::kryptrad("el sol#solen#sol = sol")}));
    dir.write("DATA/SpDi07.DAT", crlf({"Es <el> libro.#el#el libro"})); // a window the rules do not know yet
    const QStringList problems = checkInstallation(dir.path(), false);
    EXPECT_TRUE(problems.contains(u"Spa57200.DAT fråga 1: hjälptexten \"rápida + -mente\" avslöjar svaret \"rápidamente\""_qs))
        << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.contains(u"SpDi05.DAT fråga 1: ett diagnostest har inga hjälptexter"_qs));
    EXPECT_FALSE(problems.join('\n').contains(u"SpDi07"_qs));
}

} // namespace

namespace {

// The write-in window reads two kinds of line: a gap in a sentence has its helps
// from field 2 on, a translation its answer sentence in field 2.
TEST(ContentRules, WriteInLinesHaveTheirHelpsWhereTheirKindSays)
{
    ScratchDir dir;
    const auto gap = readQuestionLines(dir.write("Spa52400.DAT", crlf({"La casa <del> profesor.#l\xe4rarens hus#\xa3R22300"})));
    ASSERT_TRUE(gap && gap->size() == 1);
    EXPECT_EQ(gap->front().roles, (std::vector<FieldRole>{FieldRole::Prompt, FieldRole::Help, FieldRole::RulePage}));
    const auto translation = readQuestionLines(dir.write("Spa56111.DAT", crlf({"Jag <talar>.#Yo <hablo>.#tala = hablar"})));
    ASSERT_TRUE(translation && translation->size() == 1);
    EXPECT_EQ(translation->front().roles, (std::vector<FieldRole>{FieldRole::Prompt, FieldRole::Answer, FieldRole::Help}));
    // A test file of the window holds no helps, whichever field they stand in.
    EXPECT_EQ(rulesOf("SpDi29.DAT", {"Yo <tengo> (tener) un perro.#Jag har en hund."}),
              QStringList{u"SpDi29.DAT fråga 1: ett diagnostest har inga hjälptexter"_qs});
    EXPECT_TRUE(knowsWindowFields("TSkrivinf"));
}

std::vector<std::string> fieldsOf(std::initializer_list<const char*> fields)
{
    std::vector<std::string> out(11);
    std::size_t f = 1;
    for (const char* text : fields)
        out[f++] = text;
    return out;
}

TEST(ContentRules, TheLineRulesOfTheWritingWindows)
{
    const WindowDescriptor* writeIn = findWindow("TSkrivinf");
    ASSERT_TRUE(writeIn && writeIn->lineProblems);
    auto problems = [&](std::initializer_list<const char*> fields, int n) { return writeIn->lineProblems(fieldsOf(fields), n); };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(problems({"Jag <har \xe4tit> och du <har druckit>.", "Yo <he comido> y t\xfa <has bebido>."}, 56125), Texts{});
    EXPECT_EQ(problems({"La casa <del> profesor.", "l\xe4rarens hus"}, 52400), Texts{});
    EXPECT_EQ(problems({"Jag <talar>.", "Yo <hablo>.", "hablo = jag talar"}, 56111),
              Texts{"hjälptexten \"hablo = jag talar\" avslöjar luckans ord \"hablo\""});
    EXPECT_EQ(problems({"Jag <talar>.", "Yo hablo.", "tala = hablar"}, 56111),
              Texts{"fält 2 har 0 luckor; en rad har en eller två"});
    EXPECT_EQ(problems({"<a> <b> <c>", "x"}, 52400), Texts{"fält 1 har 3 luckor; en rad har en eller två"});
    EXPECT_EQ(problems({"Jag <talar.", "Yo <hablo>."}, 56111), Texts{"märkena < och > i fält 1 går inte ihop"});
    EXPECT_EQ(problems({"Jag talar.", "Yo <>hablo."}, 56111), Texts{"märkena < och > i fält 2 går inte ihop"});
    EXPECT_EQ(problems({"Vi <\xe4r> och de <\xe4r>.", "<Somos> y <son>.", "&Estamos"}, 56111),
              Texts{"en rad med två luckor har inga &-alternativ: de gäller båda luckorna"});
    EXPECT_EQ(problems({"Det \xe4r <min> bok.", "Es <mi> libro.", "possessiv"}, 112), Texts{"övning 112 visar inga hjälptexter"});

    const WindowDescriptor* twoForms = findWindow("Tskriv2");
    ASSERT_TRUE(twoForms && twoForms->lineProblems);
    EXPECT_EQ(twoForms->lineProblems(fieldsOf({"alto", "m\xe1s alto", "el m\xe1s alto", "l\xe5ng"}), 53100), Texts{});
    EXPECT_EQ(twoForms->lineProblems(fieldsOf({"alto", "m\xe1s alto", "el m\xe1s alto"}), 53100),
              Texts{"fält 4 saknas: en rad är ordet, två former och en svensk text"});
    EXPECT_EQ(twoForms->lineProblems(fieldsOf({"alto", "m\xe1s alto", "m\xe1s alto", "l\xe5ng", "&altos"}), 53100),
              (Texts{"fält 5 och senare används inte (ett &-alternativ skulle gälla båda formerna)", "de två formerna är lika"}));
}

// The installation check hands a window its lines as written, alternatives with their "&".
TEST(ContentRules, TheInstallationCheckAsksTheWindowAboutItsLines)
{
    ScratchDir dir;
    dir.write("DATA/Spa56125.DAT", crlf({"$Verb", "Vi <\xe4r> och de <\xe4r>.#<Somos> y <son>.#&Estamos", "Jag <\xe4r>.#Yo <soy>.#&Estoy"}));
    const QStringList problems = checkInstallation(dir.path(), true);
    EXPECT_TRUE(problems.contains(u"Spa56125.DAT rad 2: en rad med två luckor har inga &-alternativ: de gäller båda luckorna"_qs))
        << problems.join('\n').toStdString();
    EXPECT_FALSE(problems.join('\n').contains(u"Spa56125.DAT rad 3"_qs));
}

// A line's own rule page is found where its window reads it: in field 2 of a gap in a sentence.
TEST(ContentRules, TheCheckFindsALinesOwnPageWhereverItsWindowReadsIt)
{
    ScratchDir dir;
    dir.write("DATA/Spa52400.DAT", crlf({"$Substantiv", "La casa <del> profesor.#\xa3R52401", "El perro <de la> vecina.#grannens hund#\xa3R52402"}));
    const QStringList problems = checkInstallation(dir.path(), true);
    EXPECT_TRUE(problems.contains(u"regler/R52401.htm saknas (Spa52400.DAT)"_qs)) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.contains(u"regler/R52402.htm saknas (Spa52400.DAT)"_qs));
}

} // namespace
