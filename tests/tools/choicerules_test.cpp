// The line and file rules of the two choice windows, as the installation check
// reports them. (The reading of their lines that the windows share with it is
// tested through the windows.)

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

TEST(ChoiceRules, TheCheckRefusesLinesTheWindowsCannotAsk)
{
    ScratchDir dir;
    dir.write("DATA/Spa51200.DAT", crlf({"$Artiklar",
                                         "Veo <la> casa.",            // fine
                                         "Veo la casa.",              // no gap
                                         "Veo <la> casa y <el> mar.", // two gaps
                                         "Es <desafortunado>.",       // a word of 13 letters
                                         "Es <>."}));                  // an empty gap
    dir.write("DATA/Spa53200.DAT", crlf({"Es <muy> alto.#Han \xe4r mycket l\xe5ng.",
                                         "Come <mucho>.",                      // no Swedish text to show
                                         "Come <mucho>.#Han \xe4ter mucho."}));  // the text gives the answer away
    dir.write("DATA/Spa51100.DAT", crlf({"<El> sol brilla.#Solen skiner.#2", "<La> mano.#Handen.#7"}));
    std::vector<std::string> thirteen;
    for (int k = 1; k <= 13; ++k)
        thirteen.push_back("Palabra <w" + std::to_string(k) + ">.");
    dir.write("DATA/Spa58100.DAT", crlf(thirteen));
    dir.write("DATA/Spa59400.DAT", crlf({"Doy <el libro> a Juan.#ACK#DAT#PRED.F.", // fine
                                         "Doy el libro.#ACK",                        // one answer only
                                         "Doy <el> <libro>.#ACK#DAT#ACK.",           // two marks; the same answer twice
                                         "Uno.#a#b#c#d#e#f#g",                       // seven answers
                                         "Largo.#ACK#" + std::string(31, 'x')}));
    dir.write("DATA/SPA14000.DAT", crlf({"la cama#\xa3" "D\xe4r man sover.#el dormitorio#la cocina",
                                         "la cama#el dormitorio#la cocina#el ba\xf1o", // no hint
                                         "la ducha#\xa3" "I ba\xf1o.#el ba\xf1o#la cocina"}));   // the hint names the room
    const QStringList all = checkInstallation(dir.path());
    EXPECT_EQ(problemsOf(all, "Spa51200.DAT"),
              (QStringList{"Spa51200.DAT rad 3: meningen har ingen lucka <…>",
                           "Spa51200.DAT rad 4: meningen har 2 luckor, men en fråga har en",
                           "Spa51200.DAT rad 5: ordet i luckan är längre än 10 tecken",
                           "Spa51200.DAT rad 6: luckan <> är tom"}));
    EXPECT_EQ(problemsOf(all, "Spa53200.DAT"),
              (QStringList{"Spa53200.DAT rad 2: fält 2 saknas; det visas under orden",
                           "Spa53200.DAT rad 3: fält 2, som visas under orden, avslöjar svaret"}));
    EXPECT_EQ(problemsOf(all, "Spa51100.DAT"), QStringList{"Spa51100.DAT rad 2: fält 3 är inget regelnummer 1–5"});
    EXPECT_EQ(problemsOf(all, "Spa58100.DAT"),
              QStringList{"Spa58100.DAT: har 13 olika ord i luckorna; rutorna rymmer 12, så \"w13\" kan aldrig väljas"});
    EXPECT_EQ(problemsOf(all, "Spa59400.DAT"),
              (QStringList{"Spa59400.DAT rad 2: färre än 2 svar att välja mellan",
                           "Spa59400.DAT rad 3: svar 1 och 3 är samma svar",
                           "Spa59400.DAT rad 3: frågan har mer än en markering <…>",
                           "Spa59400.DAT rad 4: fler än 6 svar; de sista visas aldrig",
                           "Spa59400.DAT rad 5: ett svar är längre än 30 tecken"}));
    EXPECT_EQ(problemsOf(all, "SPA14000.DAT"),
              (QStringList{"SPA14000.DAT rad 2: fält 2 är ingen ledtråd \"£…\"",
                           "SPA14000.DAT rad 3: ledtråden avslöjar svaret"}));
}

} // namespace
