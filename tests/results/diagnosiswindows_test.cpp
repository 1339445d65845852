// The diagnosis windows: login, protocol, reporting from an exercise window,
// and the printed protocol.

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "exercises/common/textanswer.h"
#include "exercises/translation/skriva.h"
#include "results/diagu.h"
#include "results/diagut.h"
#include "results/diaproto.h"
#include "shell/menus.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

struct Fixture {
    TestPlatform platform;
    Engine engine;
    ScratchDir pc, cd;
    AppContext app{engine, platform};
    TDiagutform printForm{app};
    Fixture()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.PcPath = pc.path().native();
        engine.CdPath = cd.path().native();
        engine.DiagnosisDir = (pc.path() / "RESULTAT").native();
        std::filesystem::create_directories(engine.DiagnosisDir);
        engine.DiagnosisDirTested = true;
        pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n");
        engine.HaemtaTyskaINI();
        engine.Random.seed(3);
        engine.ResetDrawState();
        app.diagutform = &printForm;
        connectExerciseWindows(app);
    }
    QString cell(Tdiaprot& w, int row, int column) { return w.StringGrid1->item(row, column)->text(); }
};

void type(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

class DiagnosisTest : public QObject {
    Q_OBJECT
private slots:
    void protocolGridTexts();
    void noticesForWaitingItems();
    void printedProtocolIsOnePage();
    void loginPaths();
    void aTestTakenInTheTranslationWindowIsStored();
};

void DiagnosisTest::protocolGridTexts()
{
    Fixture f;
    f.engine.DiagnosisRecord = freshRecord(std::string(30, 'n'));
    storeResult(f.engine.DiagnosisRecord, 1, 7, QDateTime(QDate(2004, 5, 17), QTime(14, 30)));
    storeResult(f.engine.DiagnosisRecord, 9, 20, QDateTime(QDate(2004, 5, 17), QTime(9, 5)));
    Tdiaprot w(f.app);
    QCOMPARE(w.TitleLabel->text(), QStringLiteral("Diagnosprotokoll för  ") + QString(26, u'n'));
    QCOMPARE(f.cell(w, 0, 2), QStringLiteral("    Resultat"));
    QCOMPARE(f.cell(w, 1, 0), QStringLiteral("   1"));
    QCOMPARE(f.cell(w, 41, 0), QStringLiteral("  41"));
    QCOMPARE(f.cell(w, 1, 1), QStringLiteral("  Översätt till spanska 1"));
    QCOMPARE(f.cell(w, 1, 2), QString(12, u' ') + QStringLiteral("7"));
    QCOMPARE(f.cell(w, 9, 2), QString(10, u' ') + QStringLiteral("20"));
    QCOMPARE(f.cell(w, 1, 3), QStringLiteral("  040517 14:30"));
    QCOMPARE(f.cell(w, 9, 3), QStringLiteral("  040517 9:05"));
    QCOMPARE(f.cell(w, 2, 3), QStringLiteral("  "));
    QCOMPARE(f.cell(w, 1, 4), QStringLiteral("    Öva"));
    QCOMPARE(f.cell(w, 2, 4), QStringLiteral("    Vänta"));
    QCOMPARE(f.cell(w, 9, 4), QStringLiteral("    Testa"));
    QCOMPARE(f.cell(w, 7, 4), QStringLiteral("    Börja"));
    QCOMPARE(f.cell(w, 42, 1), QString(78, u' ') + QStringLiteral("Summa"));
    QCOMPARE(f.cell(w, 42, 2), QString(10, u' ') + QStringLiteral("27"));

    // Enter on the header or the sum row does nothing.
    for (int row : {0, 42}) {
        f.engine.ProtocolRow = row;
        w.chooseRow();
    }
    QVERIFY(f.platform.openedWindows.isEmpty());
    QVERIFY(f.platform.messages.empty());
}

void DiagnosisTest::noticesForWaitingItems()
{
    Fixture f;
    f.engine.DiagnosisRecord = freshRecord("Ana");
    Tdiaprot w(f.app);
    w.show();
    f.engine.ProtocolRow = 2;
    w.chooseRow();
    QVERIFY(w.Panel2->isVisible());
    QCOMPARE(w.NoticeLine1->text(), QStringLiteral("Du måste göra Översätt till spanska 1"));
    QCOMPARE(w.NoticeLine2->text(), QStringLiteral("innan du gör detta test."));
    storeResult(f.engine.DiagnosisRecord, 1, 5, QDateTime::currentDateTime());
    f.engine.ProtocolRow = 2;
    w.chooseRow();
    QCOMPARE(w.NoticeLine2->text(), QStringLiteral("bättre innan du gör detta test."));
    f.engine.ProtocolRow = 6; // item 6 waits for item 5 and says so too
    w.chooseRow();
    QCOMPARE(w.NoticeLine1->text(), QStringLiteral("Du måste göra Översätt till svenska 1"));
    QVERIFY(f.platform.openedWindows.isEmpty());
}

void DiagnosisTest::printedProtocolIsOnePage()
{
    Fixture f;
    f.engine.DiagnosisRecord = freshRecord("Sof\xed" "a");
    storeResult(f.engine.DiagnosisRecord, 3, 15, QDateTime(QDate(2026, 1, 2), QTime(8, 0)));
    Tdiaprot w(f.app);
    QTemporaryDir dir;
    f.platform.pdfFile = dir.filePath(QStringLiteral("protokoll.pdf"));
    QTest::mouseClick(w.SkrivUtButton, Qt::LeftButton);
    QCOMPARE(pdfPages(f.platform.pdfFile), 1);
    const QString text = pdfText(f.platform.pdfFile);
    QVERIFY(text.contains(QStringLiteral("Diagnosprotokoll från Lingvaro för Sofía.")));
    QVERIFY(text.contains(QStringLiteral("Komparera adjektiv.")));
    QVERIFY(text.contains(QStringLiteral("Summa")));
    QVERIFY(text.contains(QStringLiteral("260102 8:00")));
    QCOMPARE(f.printForm.StringGrid1.size(), std::size_t(43));
}

void DiagnosisTest::loginPaths()
{
    Fixture f;
    DiagnosisFile file(f.engine.DiagnosisDir);
    auto bo = freshRecord("Bo");
    bo.Password = "hemligt";
    file.save(bo);
    file.save(freshRecord("Ana"));

    // Three wrong passwords close the dialog.
    {
        TDiag w(f.app);
        w.show();
        QCOMPARE(w.ListBox1->count(), 2);
        w.ListBox1->setCurrentRow(1); // "Bo" (sorted)
        QTest::keyClick(w.ListBox1, Qt::Key_Return);
        QVERIFY(w.MaskEdit1->isVisible());
        type(w.MaskEdit1, QStringLiteral("fel"));
        QCOMPARE(w.ErrorLabel->text(), QStringLiteral("Felaktigt lösen. Försök igen!"));
        type(w.MaskEdit1, QStringLiteral("HEMLIGT")); // letter case counts
        QVERIFY(w.isVisible());
        type(w.MaskEdit1, QStringLiteral("fel igen"));
        QVERIFY(!w.isVisible());
    }
    // A new learner: names taken in any case, and names the list could not show, are refused.
    {
        TDiag w(f.app);
        w.show();
        QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
        type(w.Edit1, QStringLiteral("ANA"));
        QCOMPARE(w.NameLabel->text(), QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
        type(w.Edit1, QStringLiteral(")Ana"));
        QCOMPARE(w.NameLabel->text(), QStringLiteral("Skriv ett riktigt namn!"));
        type(w.Edit1, QString());
        QCOMPARE(w.NameLabel->text(), QStringLiteral("Skriv ett riktigt namn!"));
        f.platform.modalAnswers.push_back([](QDialog& d) {
            static_cast<Tdiaprot&>(d).AvbrytClick();
            return 1;
        });
        type(w.Edit1, QStringLiteral("Cecilia"));
        QCOMPARE(f.platform.openedWindows.last(), QStringLiteral("Tdiaprot"));
        QVERIFY(file.find("cecilia")); // saved when the protocol closed
    }
    // The teacher: the password file is made with the first password, which is accepted.
    {
        TDiag w(f.app);
        w.show();
        QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
        type(w.Edit1, QStringLiteral("lärare"));
        QVERIFY(w.MaskEdit1->isVisible());
        type(w.MaskEdit1, QStringLiteral("TALLBARK"));
        QVERIFY(w.TeacherPanel->isVisible());
        QVERIFY(!w.ListBox1->isEnabled());
        QVERIFY(std::filesystem::exists(f.pc.path() / "DATA" / "SPA45444.DOT"));
        // Deleting without password, confirmed.
        QTest::mouseClick(w.DeleteWithoutButton, Qt::LeftButton);
        const auto items = w.ListBox1->findItems(QStringLiteral("Ana"), Qt::MatchExactly);
        w.ListBox1->setCurrentItem(items.first());
        f.platform.yesNoAnswers = {true};
        QTest::keyClick(w.ListBox1, Qt::Key_R);
        QVERIFY(f.platform.texts().contains(QStringLiteral("Vill du verkligen ta bort diagnosen \"Ana\"?")));
        QVERIFY(f.platform.texts().contains(QStringLiteral("Diagnosen \"Ana\" är borttagen.")));
        QVERIFY(!file.find("Ana"));
        QCOMPARE(w.ListBox1->findItems(QStringLiteral("Ana"), Qt::MatchExactly).size(), 0);
        // Archiving everything: the archive's name is told.
        QTest::mouseClick(w.DeleteAllButton, Qt::LeftButton);
        QVERIFY(f.platform.texts().last().startsWith(QStringLiteral("Alla diagnoser är sparade i arkivfilen SP")));
        QVERIFY(!std::filesystem::exists(file.file()));
    }
}

void DiagnosisTest::aTestTakenInTheTranslationWindowIsStored()
{
    Fixture f;
    std::vector<std::string> lines = {"$Diagnos 1"};
    for (int k = 1; k <= 25; ++k)
        lines.push_back(Engine::kryptrad("mening" + std::to_string(k) + "#frase" + std::to_string(k)));
    f.cd.write("DATA/SpDi01.DAT", crlf(lines));
    f.engine.BuildDataCatalogue();
    f.engine.DiagnosisRecord = freshRecord("Ana");
    Tdiaprot w(f.app);
    w.show();
    // The translation window: 12 right, 8 wrong.
    f.platform.modalAnswers.push_back([&f](QDialog& d) {
        auto& tskriv = static_cast<TSKRIV&>(d);
        for (int i = 1; i <= 20; ++i) {
            tskriv.Answer->Edit1->setText(i <= 12 ? fromCp1252(f.engine.AnswerFields[2]) : QStringLiteral("fel"));
            QTest::keyClick(tskriv.Answer->Edit1, Qt::Key_Return);
            for (int t = 0; t <= 40; ++t)
                tskriv.WaitTimerTick();
        }
        return tskriv.result();
    });
    f.engine.ProtocolRow = 1;
    QTest::keyClick(w.StringGrid1, Qt::Key_Return);
    QCOMPARE(f.platform.openedWindows, QStringList{"TSKRIV"});
    QCOMPARE(f.cell(w, 1, 2), QString(10, u' ') + QStringLiteral("12"));
    QCOMPARE(f.cell(w, 1, 4), QStringLiteral("    Testa"));
    QCOMPARE(f.cell(w, 2, 4), QStringLiteral("    Testa"));
    const auto saved = DiagnosisFile(f.engine.DiagnosisDir).find("Ana");
    QVERIFY(saved);
    QCOMPARE(saved->DiagnosisResults[1], 12);
}

} // namespace

QTEST_MAIN(DiagnosisTest)
#include "diagnosiswindows_test.moc"
