// The line and file rules of the sentence-analysis window and the two reading
// windows, as the installation check reports them.

#include "engine/engine.h"
#include "tests/engine/testsupport.h"
#include "tools/contentcheck.h"

#include <gtest/gtest.h>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

QStringList problemsOf(const QStringList& all, const QString& file)
{
    QStringList out;
    for (const QString& p : all)
        if (p.startsWith(file + u' ') || p.startsWith(file + u':'))
            out << p;
    return out;
}

TEST(ReadingRules, TheCheckRefusesSentencesThatCannotBeSolved)
{
    ScratchDir dir;
    dir.write("DATA/Spa59100.DAT",
              crlf({"$Satsl\xf6sning",
                    "<Mi hermano> <trabaja> en <Madrid>.#S#P#-", // fine: a part without a box
                    "3<Ana> <canta>.#S#P",                        // fine: the leading digit is dropped
                    "<Mi hermano <trabaja>.#S#P",                 // a mark inside a mark
                    "Sin marcas.#S",                              // no part, and a code without its part
                    "<Ana> <canta>.#S",                           // a part without its code
                    "<Ana> <canta>.#S#Q",                         // an unknown code
                    "<Ana> <canta>.#-#-",                         // nothing to drag anywhere
                    "<a> <b> <c> <d> <e> <f>.#S#P#AO#DO#PF#S",    // six parts
                    "<> canta.#S",                                // an empty part
                    "<Ana> " + std::string(120, 'x') + ".#S"}));   // too long for three lines
    const QStringList all = checkInstallation(dir.path());
    EXPECT_EQ(problemsOf(all, "Spa59100.DAT"),
              (QStringList{"Spa59100.DAT rad 4: märkena < och > går inte ihop: meningen visas utan satsdelar",
                           "Spa59100.DAT rad 5: ingen satsdel är markerad med < >",
                           "Spa59100.DAT rad 5: 0 markerade satsdelar men 1 koder",
                           "Spa59100.DAT rad 6: 2 markerade satsdelar men 1 koder",
                           "Spa59100.DAT rad 7: okänd kod \"Q\" (AO, DO, P, PF, S eller - för en satsdel utan ruta)",
                           "Spa59100.DAT rad 8: ingen satsdel har en ruta: meningen kan inte lösas",
                           "Spa59100.DAT rad 9: fler än 5 markerade satsdelar; de sista blir vanlig text",
                           "Spa59100.DAT rad 10: en markerad satsdel är tom",
                           "Spa59100.DAT rad 11: meningen är längre än 120 tecken och får inte plats på tre rader"}));
}

TEST(ReadingRules, StoriesKeepToSevenLinesOfSevenWords)
{
    ScratchDir dir;
    std::vector<std::string> stories = {"; Historias", "<Ana> Hola, \xbfqu\xe9 tal?", "<Luis> Bien - gracias.", "#",
                                        "<Ana> uno dos tres cuatro cinco seis siete ocho", "<Luis> Un" + std::string(30, 'o'),
                                        "<Ana sin cierre", "#"};
    for (int r = 1; r <= 8; ++r)
        stories.push_back("<Ana> fila");
    stories.insert(stories.end(), {"#", "<Ana> -", "#", "<Luis> sin final"});
    dir.write("DATA/SPA41000.DAT", crlf(stories));
    const QStringList all = checkInstallation(dir.path());
    EXPECT_EQ(problemsOf(all, "SPA41000.DAT"),
              (QStringList{"SPA41000.DAT: raderna efter den sista \"#\" hör inte till någon berättelse och visas aldrig",
                           "SPA41000.DAT: berättelse 2: rad 1 har fler än 7 ord; de sista visas inte",
                           "SPA41000.DAT: berättelse 2: ordet Unoooooooooo… är längre än 30 tecken",
                           "SPA41000.DAT: berättelse 2: rad 3 har ett namn utan < eller >",
                           "SPA41000.DAT: berättelse 3: fler än 7 rader; de sista visas inte",
                           "SPA41000.DAT: berättelse 4: har inga ord att gissa"}));
}

TEST(ReadingRules, ReadingTextsKeepToThirtyLinesOfEightyCharacters)
{
    ScratchDir dir;
    std::vector<std::string> texts = {"Una l\xednea corta.", std::string(81, 'a'), "#", "#"};
    for (int r = 1; r <= 31; ++r)
        texts.push_back("l\xednea");
    texts.push_back("# ");
    dir.write("DATA/SPA42000.DAT", crlf(texts));
    const QStringList all = checkInstallation(dir.path());
    EXPECT_EQ(problemsOf(all, "SPA42000.DAT"),
              (QStringList{"SPA42000.DAT: text 1: rad 2 är längre än 80 tecken", "SPA42000.DAT: text 2: har inga ord",
                           "SPA42000.DAT: text 3: fler än 30 rader; de sista visas inte"}));
}

} // namespace
