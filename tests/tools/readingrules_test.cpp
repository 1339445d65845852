// The line and file rules of the sentence-analysis window and the two reading
// windows, as the installation check reports them.

#include "contentmap/sentences.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/textfile.h"
#include "tests/engine/testsupport.h"
#include "tools/contentcheck.h"

#include <QRegularExpression>
#include <filesystem>
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

// A sentence or an example as it reads: the marks of a data line, or the tags
// of a page, gone, one space between words, no capitals, and without the
// punctuation around it.
QString normalised(QString text, bool html)
{
    text.remove(QRegularExpression(html ? QStringLiteral("<[^>]*>") : QStringLiteral("[<>]")));
    text = text.simplified().toLower();
    static const QString edges = QStringLiteral("\u00bf\u00a1?!.,;: ");
    while (!text.isEmpty() && edges.contains(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && edges.contains(text.back()))
        text.chop(1);
    return text;
}

// The rule page the pupil opens during the exercise explains the categories on
// sentences of its own: an example that is (or is inside) a sentence of the
// file would hand the pupil that sentence's answer.
TEST(ReadingRules, TheRulePagesGiveNoSentenceOfTheirFilesAway)
{
    namespace fs = std::filesystem;
    const fs::path base(LINGVARO_STAGED_CONTENT);
    for (const int no : {59100, 59200, 59300}) {
        const std::string page = sentences::rulePage(no);
        ASSERT_FALSE(page.empty()) << no;
        const auto html = readFileBytes(base / "regler" / page);
        ASSERT_TRUE(html.has_value()) << page;
        QStringList examples;
        const QString text = QString::fromUtf8(html->data(), qsizetype(html->size()));
        static const QRegularExpression italic(QStringLiteral("<i>(.*?)</i>"),
                                               QRegularExpression::DotMatchesEverythingOption);
        for (auto it = italic.globalMatch(text); it.hasNext();)
            if (const QString e = normalised(it.next().captured(1), true); e.count(u' ') >= 2) // three words or more
                examples << e;
        ASSERT_GE(examples.size(), 5) << page;
        const QString pageText = normalised(text, true);

        const std::string file = "Spa" + std::to_string(no) + ".DAT";
        const auto bytes = readFileBytes(base / "DATA" / file);
        ASSERT_TRUE(bytes.has_value()) << file;
        int sentences = 0;
        for (const QString& line : fromCp1252(*bytes).split(QRegularExpression(QStringLiteral("\\r?\\n")))) {
            if (line.isEmpty() || line.startsWith(u'$') || line.startsWith(u';'))
                continue;
            const QString sentence = normalised(line.section(u'#', 0, 0), false);
            ++sentences;
            EXPECT_FALSE(pageText.contains(sentence)) << page << " shows " << sentence.toStdString();
            for (const QString& e : examples)
                EXPECT_FALSE(sentence.contains(e)) << page << ": " << e.toStdString() << " is in " << file;
        }
        EXPECT_GE(sentences, 20) << file;
    }
}

} // namespace
