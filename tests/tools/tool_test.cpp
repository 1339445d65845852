// lingvaro-tool as a script or a content author uses it.

#include "engine/diagnosis.h"
#include "engine/recordtable.h"
#include "tests/engine/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lingvaro::testing;

namespace {

struct ToolRun {
    int status;
    QByteArray out, err;
};

ToolRun tool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(LINGVARO_TOOL), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString path(const std::filesystem::path& p) { return QString::fromStdString(p.native()); }

TEST(Tool, ScrambleAndUnscrambleAreFiltersWithCrLfLines)
{
    const QByteArray plain = "hej#hola.\n$Rubrik\r\n\xbf" "Qu\xe9 tal?#bien\n";
    const ToolRun scrambled = tool({"scramble"}, plain);
    ASSERT_EQ(scrambled.status, 0);
    EXPECT_TRUE(scrambled.out.startsWith(")"));
    EXPECT_TRUE(scrambled.out.contains("\r\n$Rubrik\r\n)"));
    const ToolRun back = tool({"unscramble"}, scrambled.out);
    EXPECT_EQ(back.out, QByteArray("hej#hola.\r\n$Rubrik\r\n\xbf" "Qu\xe9 tal?#bien\r\n"));
}

TEST(Tool, ShowAsJsonIsExactlyTheAgreedObject)
{
    ScratchDir dir;
    const auto file = dir.write("SPA1.DAT", crlf({"$Ett", "$\xa7Skriv \"r\xe4tt\"", "$%Not", "; c",
                                                  lingvaro::Engine::kryptrad("x"), "ni\xf1o#pojke#&chico"}));
    const ToolRun r = tool({"show", path(file), "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out),
              QString::fromUtf8("{\"headings\": [\"Ett\", \"\", \"\"], \"instruction\": \"Skriv \\\"rätt\\\"\", "
                                "\"note\": \"Not\", \"count\": 2, \"questions\": ["
                                "{\"n\": 1, \"fields\": [\"x\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"], "
                                "\"marked\": 0}, "
                                "{\"n\": 2, \"fields\": [\"niño\", \"pojke\", \"chico\", \"\", \"\", \"\", \"\", \"\", "
                                "\"\", \"\"], \"marked\": 1}]}\n"));

    const auto empty = dir.write("SPA2.DAT", crlf({"$Bara rubrik"}));
    const ToolRun e = tool({"show", path(empty), "--json"});
    EXPECT_EQ(e.status, 0);
    EXPECT_TRUE(e.out.contains("\"count\": 0, \"questions\": []}")) << e.out.toStdString();

    const ToolRun listing = tool({"show", path(file)});
    EXPECT_EQ(listing.status, 0);
    EXPECT_TRUE(QString::fromUtf8(listing.out).contains("niño | pojke | chico"));
}

TEST(Tool, JudgeGivesTheAnswerCode)
{
    ScratchDir dir;
    const auto file = dir.write("SPA1.DAT", crlf({"Jag heter#Me llamo", lingvaro::Engine::kryptrad("pojken#el ni\xf1o#&un ni\xf1o")}));
    EXPECT_EQ(tool({"judge", path(file), "1", "me llamo!"}).out, "0\n");
    EXPECT_EQ(tool({"judge", path(file), "1", "me llamo", "--kind", "1"}).out, "60000\n");
    EXPECT_EQ(tool({"judge", path(file), "1", ""}).out, "6000\n");
    EXPECT_EQ(tool({"judge", path(file), "2", "UN NIÑO"}).out, "0\n");
    EXPECT_EQ(tool({"judge", "--kind", "2", path(file), "2", "EL NIÑO"}).out, "0\n");
}

TEST(Tool, BadUseSaysOneLineAndExitsWith2)
{
    ScratchDir dir;
    const auto file = dir.write("SPA1.DAT", crlf({"a#b"}));
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", path(dir.path() / "missing.DAT")},
        {"show", path(dir.path())},
        {"show", path(file), "--yaml"},
        {"judge", path(file), "0", "b"},
        {"judge", path(file), "2", "b"},
        {"judge", path(file), "x", "b"},
        {"judge", path(file), "1", "b", "--kind", "4"},
        {"judge", path(file), "1"},
        {"check", path(dir.path() / "missing")},
        {"scramble", "extra"},
    };
    for (const auto& args : bad) {
        const ToolRun r = tool(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << args.join(' ').toStdString();
    }
}

TEST(Tool, CheckExitsWith1OnProblemsAnd0OnASoundInstallation)
{
    // The bundled installation is sound.
    const ToolRun good = tool({"check", QStringLiteral(LINGVARO_STAGED_CONTENT)});
    EXPECT_EQ(good.status, 0) << good.out.toStdString();
    EXPECT_TRUE(good.out.isEmpty());

    // A copy with a gap in its pictures is not.
    ScratchDir dir;
    std::filesystem::copy(LINGVARO_STAGED_CONTENT, dir.path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(dir.path() / "BILD" / "SPA0003.BMP");
    const ToolRun bad = tool({"check", path(dir.path())});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(QString::fromUtf8(bad.out), QStringLiteral("BILD: bilderna är inte numrerade utan luckor (SPA0003.BMP saknas)\n"));
}

TEST(Tool, DiagnosisAsCsvForTeachers)
{
    ScratchDir dir;
    lingvaro::DiagnosisFile file(dir.path());
    auto ana = lingvaro::freshRecord("Ana, \"Nena\" L\xf3pez");
    lingvaro::storeResult(ana, 1, 14, QDateTime(QDate(2026, 12, 8), QTime(9, 5)));
    ASSERT_EQ(file.save(ana), lingvaro::DiagnosisFile::Result::Saved);
    ASSERT_EQ(file.save(lingvaro::freshRecord("Bo")), lingvaro::DiagnosisFile::Result::Saved);
    const ToolRun r = tool({"diagnosis", path(file.file())});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = QString::fromUtf8(r.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 2 * 41);
    EXPECT_EQ(lines[0], QStringLiteral("name,item,area,result,status,tested"));
    EXPECT_EQ(lines[1], QStringLiteral("\"Ana, \"\"Nena\"\" López\",1,Översätt till spanska 1,14,Testa,2026-12-08 09:05"));
    EXPECT_EQ(lines[2], QStringLiteral("\"Ana, \"\"Nena\"\" López\",2,Översätt till spanska 2,0,Testa,"));
    EXPECT_EQ(lines[42], QStringLiteral("Bo,1,Översätt till spanska 1,0,Börja,"));
    EXPECT_EQ(lines[43], QStringLiteral("Bo,2,Översätt till spanska 2,0,Vänta,"));
    EXPECT_TRUE(lines[52].startsWith(QStringLiteral("Bo,11,Pluralis av adjektiv,")));

    const ToolRun missing = tool({"diagnosis", path(dir.path() / "none.DIA")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.isEmpty());
}

TEST(Tool, RecordTableAsCsvForTeachers)
{
    ScratchDir dir;
    const QDateTime when(QDate(2004, 5, 17), QTime(14, 3));
    const std::string bytes = lingvaro::RecordEntry::make("Ana, \"Nena\" L\xf3pez", 312, when).toBytes()
                              + lingvaro::RecordEntry::make("", 7, when.addYears(20)).toBytes();
    const auto file = dir.write("SVESPA1.TNR", bytes);
    const ToolRun r = tool({"records", path(file)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("rank,name,tested,score\r\n"
                                                       "1,\"Ana, \"\"Nena\"\" López\",2004-05-17 14:03,312\r\n"
                                                       "2,,2024-05-17 14:03,7\r\n"));
    EXPECT_TRUE(r.err.isEmpty());

    // An empty table is the header alone; a cut-off record is left out and named.
    const ToolRun empty = tool({"records", path(dir.write("EMPTY.TNR", ""))});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, QByteArray("rank,name,tested,score\r\n"));
    const ToolRun cut = tool({"records", path(dir.write("CUT.TNR", bytes + "xyz"))});
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(QString::fromUtf8(cut.out).count(QStringLiteral("\r\n")), 3);
    EXPECT_EQ(QString::fromUtf8(cut.err).count(u'\n'), 1);
    EXPECT_TRUE(cut.err.contains("3 bytes"));

    const ToolRun missing = tool({"records", path(dir.path() / "none.TNR")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(missing.err).count(u'\n'), 1);
}

} // namespace

namespace {

TEST(Tool, MenuAsJsonListsEveryMenuAndWhatEachButtonOpens)
{
    const ToolRun r = tool({"menu", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray menus = doc.object().value("menus").toArray();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.first().toObject().value("name").toString(), "TF1");
    auto button = [&](const QString& menu, const QString& caption) {
        for (const auto& m : menus)
            if (m.toObject().value("name").toString() == menu)
                for (const auto& b : m.toObject().value("buttons").toArray())
                    if (b.toObject().value("caption").toString() == caption)
                        return b.toObject();
        return QJsonObject();
    };
    const QJsonObject plural = button("TF52", "Plural");
    EXPECT_EQ(plural.value("file").toString(), "Spa52300.DAT");
    EXPECT_EQ(plural.value("check").toString(), "Kolla");
    EXPECT_EQ(plural.value("opens").toArray(), QJsonArray{"TSKRIV"});
    EXPECT_TRUE(plural.value("available").toBool());
    const QJsonObject odd = button("TF21", QString::fromUtf8("Vilket ord ska bort?"));
    EXPECT_EQ(odd.value("opens").toArray(), (QJsonArray{"TSpelNam", "Tkatten"}));
    const QJsonObject karta = button("TF1", "Karta");
    EXPECT_TRUE(karta.value("file").isNull());
    EXPECT_EQ(karta.value("exerciseNo").toInt(), 0);
    EXPECT_EQ(karta.value("check").toString(), "none");
    EXPECT_EQ(tool({"menu", "--xml"}).status, 2);
}

} // namespace
