// What the installation check finds.

#include "engine/engine.h"
#include "tests/engine/testsupport.h"
#include "tools/contentcheck.h"

#include <QRegularExpression>
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

// The quiz's word lists, which no leaf names, and the odd-word game's file,
// which the game reads after its player names.
TEST(ContentCheck, KnowsTheWordListsAndTheOddWordGame)
{
    ScratchDir dir;
    dir.write("DATA/x.txt", "");
    QStringList problems = checkInstallation(dir.path());
    EXPECT_TRUE(problems.contains("TDinaOrd: inga filer *.sp1 i DATA")) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.contains("TDinaOrd: inga filer *.sp2 i DATA"));

    dir.write("DATA/SveSpa1.sp1", crlf({"$Familjen", "bror#el hermano#&un hermano", "syster#la hermana#en hj\xe4lp",
                                        "bror#el hermano", "mor#la madre#&la madre", "utan svar"}));
    dir.write("DATA/Djur.sp2", crlf({"$Djur", "; inga ord"}));
    dir.write("DATA/SPA16000.DAT", crlf({"perro#manzana#pera#uva#Perro \xe4r ett djur.", "gato#perro#vaca#&oveja#X",
                                         "uno#dos#tres#Uno"}));
    problems = checkInstallation(dir.path());
    for (const char* expected :
         {"SveSpa1.sp1 rad 3: fält 3 är inget alternativ (börjar inte med &): förhöret visar inga hjälptexter",
          "SveSpa1.sp1 fråga 3: samma fråga som fråga 1", "SveSpa1.sp1 fråga 4: alternativet \"la madre\" är samma som svaret",
          "SveSpa1.sp1 rad 6: ingen fråga: ordet och svaret skiljs åt av #", "Djur.sp2: har inga frågor",
          "SPA16000.DAT rad 2: fält 4 är ett alternativ: ett ord här har bara en form",
          "SPA16000.DAT rad 3: fält 5 saknas: fyra ord och en kommentar"})
        EXPECT_TRUE(problems.contains(QString::fromUtf8(expected))) << expected << "\n" << problems.join('\n').toStdString();
    EXPECT_FALSE(problems.join('\n').contains("SPA16000.DAT rad 1"));
}

// The clock's lines stand for their times by their place; the level file's
// lines start with their level, and the levels must make a ladder.
TEST(ContentCheck, KnowsTheClockAndTheLevels)
{
    ScratchDir dir;
    std::vector<std::string> clock = {"$Klockan"};
    for (int t = 1; t <= 143; ++t) {
        const int s = t - 1, hour = s / 12 == 0 ? 12 : s / 12, minute = s % 12 * 5;
        std::string time = std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
        static const char* const words[] = {"", "una", "dos", "tres", "cuatro", "cinco", "seis",
                                            "siete", "ocho", "nueve", "diez", "once", "doce"};
        std::string answer = hour == 1 ? "Es la una." : "Son las " + std::string(words[hour]) + ".";
        if (t == 3)
            time = "12:15"; // out of its place
        if (t == 14)
            answer = "Son las una y cinco.";
        if (t == 15)
            answer = "Es las una y diez.#1:10#&Es la dos y diez.";
        if (t == 30)
            answer = "Son las cinco y cinco."; // 2:25 is neither two nor three
        clock.push_back(answer.find('#') != std::string::npos ? answer : answer + "#" + time);
    }
    clock.push_back("Son las doce menos cinco.#11.55");
    dir.write("DATA/Spa54400.DAT", crlf(clock));

    std::vector<std::string> levels = {"$Nivåer", "1 uno#one", "2 dos#two", "4 cuatro#four", "x#y", "3#",
                                       "22 veintidós#x", "5 cinco# "};
    for (int i = 0; i < 121; ++i)
        levels.push_back("2 q" + std::to_string(i) + "#a");
    dir.write("DATA/Spa54300.DAT", crlf(levels));
    const QStringList problems = checkInstallation(dir.path()).filter(QRegularExpression("^Spa54[34]00"));
    const QStringList expected = {
        "Spa54300.DAT rad 5: raden börjar inte med en nivå 1–20 och sedan frågan (t.ex. \"5 200#doscientos\")",
        "Spa54300.DAT rad 6: frågan saknas efter nivån",
        "Spa54300.DAT rad 6: svaret (fält 2) saknas, så frågan ställs aldrig",
        "Spa54300.DAT rad 7: raden börjar inte med en nivå 1–20 och sedan frågan (t.ex. \"5 200#doscientos\")",
        "Spa54300.DAT rad 8: svaret (fält 2) saknas, så frågan ställs aldrig",
        "Spa54300.DAT: nivå 3 saknas, så nivå 4 nås aldrig",
        "Spa54300.DAT: nivå 2 har 122 frågor; bara de 120 första ställs",
        "Spa54400.DAT rad 15: \"Son las una y cinco.\": klockan ett är singular, es la una",
        "Spa54400.DAT rad 16: \"Es las una y diez.\": klockan ett är singular, es la una",
        "Spa54400.DAT rad 16: \"Es la dos y diez.\": bara klockan ett är singular, annars son las",
        "Spa54400.DAT rad 31: svaret nämner inte timmen 2 eller 3",
        "Spa54400.DAT rad 145: fält 2 ska vara klockslaget i siffror, som 2:15",
    };
    EXPECT_EQ(problems.size(), expected.size() + 2) << problems.join('\n').toStdString();
    for (const QString& p : expected)
        EXPECT_TRUE(problems.contains(p)) << p.toStdString() << "\n" << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.contains("Spa54400.DAT: fråga 3 ska vara klockan 12:10, inte 12:15 (radens plats är den tid klockan visar)"));
    EXPECT_TRUE(problems.contains("Spa54400.DAT: fråga 144 ska vara klockan 11:55, inte 11.55 (radens plats är den tid klockan visar)"));
}

// The listening windows: a sound for every question, the diagnosis questions
// that must repeat the dictation lines whose recordings they play, the fable's
// text, and the line rules of each.
TEST(ContentCheck, KnowsTheListeningWindows)
{
    ScratchDir dir;
    std::vector<std::string> words = {"$Diktamen 1"}, words3 = {"$Diktamen 3"};
    for (int k = 1; k <= 66; ++k)
        words.push_back("ord" + std::to_string(k) + "#svenska");
    for (int k = 1; k <= 5; ++k)
        words3.push_back("palabra" + std::to_string(k) + "#svenska");
    dir.write("DATA/SPA21000.DAT", crlf(words));
    dir.write("DATA/SPA23000.DAT", crlf(words3));
    // Question 2 is not question 2 of the dictation, question 68 not question 2 of
    // the third, and question 72 has no line to repeat.
    std::vector<std::string> test = {"$Diagnos 37"};
    for (int k = 1; k <= 72; ++k)
        test.push_back(k == 2    ? "fel#svenska"
                       : k <= 66 ? "ord" + std::to_string(k) + "#svenska"
                       : k == 68 ? "fel#svenska"
                                 : "palabra" + std::to_string(k - 66) + "#svenska");
    dir.write("plain/SpDi37.DAT", crlf(test));
    dir.write("DATA/SpDi37.DAT", crlf(test));
    for (int k = 1; k <= 66; ++k) {
        char name[40];
        std::snprintf(name, sizeof name, "LJUD/Sp210/Sp210%03d.WAV", k);
        if (k != 5)
            dir.write(name, "RIFF");
    }
    dir.write("DATA/SPA11500.DAT", crlf({"$Duell", "zapato#X#sko", "casa#Y#hus"}));
    dir.write("DATA/Spa45100.DAT", crlf({"$Fabel", "¿Qué?#sí"}));
    dir.write("DATA/Spa54500.DAT", crlf({"$Nummer", "91 234 56 78#&912345678", "93 111 22 33"}));

    const QStringList problems = checkInstallation(dir.path());
    auto has = [&](const QString& p) {
        EXPECT_TRUE(problems.contains(p)) << p.toStdString() << "\n" << problems.join('\n').toStdString();
    };
    has("LJUD/Sp210/Sp210005.WAV saknas (SPA21000.DAT fråga 5)");
    has("LJUD/Sp230/Sp230001.WAV saknas (SPA23000.DAT fråga 1)");
    has("LJUD/Sp115/Sp115001.WAV saknas (SPA11500.DAT fråga 1)");
    has("DATA/Spa45100.LAS saknas (Läs och förstå / Fabel 1)");
    has("SpDi37.DAT fråga 2: \"fel\" är inte fråga 2 i SPA21000.DAT (\"ord2\"), vars ljud den spelar");
    has("SpDi37.DAT fråga 68: \"fel\" är inte fråga 2 i SPA23000.DAT (\"palabra2\"), vars ljud den spelar");
    has("SpDi37.DAT fråga 72: spelar ljudet av fråga 6 i SPA23000.DAT, som inte finns");
    has("SPA11500.DAT rad 3: fält 2 ska vara X (ordet räknas) eller - (det räknas inte)");
    has("Spa45100.DAT rad 2: färre än två svar att välja mellan (rätt svar i fält 2, fel svar i fält 3 och 4)");
    has("Spa54500.DAT rad 3: numret utan mellanrum (&931112233) saknas bland alternativen");
    EXPECT_TRUE(problems.filter("SpDi37.DAT fråga 3:").isEmpty()) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems.filter("SpDi37.DAT fråga 67:").isEmpty());
}

TEST(ContentCheck, PlainText)
{
    EXPECT_TRUE(isPlainText("\xbf" "D\xf3nde est\xe1?"));
    EXPECT_FALSE(isPlainText("a\tb"));
    EXPECT_FALSE(isPlainText("a\x81"));
}

} // namespace
