// The diagnosis windows: login, protocol, reporting from an exercise window,
// and the printed protocol.

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/textfile.h"
#include "exercises/common/textanswer.h"
#include "exercises/translation/skriva.h"
#include "results/diagu.h"
#include "results/diagut.h"
#include "results/diaproto.h"
#include "contentmap/menutree.h"
#include "dialogs/stallin.h"
#include "shell/menus.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"
#include "ui/palette.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
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

// The program's type: its family (as the system resolves it) and bold, at least
// the given size.
bool programType(const QFont& font, int atLeast = 16)
{
    const QFont wanted = ui::programFont(atLeast);
    return QFontInfo(font).family() == QFontInfo(wanted).family() && font.bold() && QFontInfo(font).pixelSize() >= atLeast;
}

// As the teacher logs in and the teacher panel opens.
void teacherLogin(TDiag& w)
{
    QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
    type(w.Edit1, QStringLiteral("lärare"));
    type(w.MaskEdit1, QStringLiteral("TALLBARK"));
}

class DiagnosisTest : public QObject {
    Q_OBJECT
private slots:
    void protocolGridTexts();
    void noticesForWaitingItems();
    void printedProtocolIsOnePage();
    void loginPaths();
    void aTestTakenInTheTranslationWindowIsStored();
    void anUnreadableFileIsLeftAloneAndSaidSo();
    void aLongNewNameIsTheLearnerItBeginsWith();
    void namesAndPasswordsOutsideTheCodePageAreRefused();
    void declinedCutOffQuestionChangesNothingAndSaysNothingFalse();
    void itemsWithoutTheirWindowSaySo();
    void namesSortAsSwedishSorts();
    void theLoginIsScaledAndInTheProgramsType();
    void messageBoxesOverTheseWindowsInTheProgramsType();
    void protocolGridReadableOnEveryScreen();
    void printedRuleLinesMissTheLetters();
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


void DiagnosisTest::anUnreadableFileIsLeftAloneAndSaidSo()
{
    Fixture f;
    // There, but not to be read: a name that leads nowhere stands for a file of
    // another user or a network share that does not answer.
    const std::filesystem::path dia = std::filesystem::path(f.engine.DiagnosisDir) / "SPANDIAG.DIA";
    std::filesystem::create_symlink("SPANDIAG.DIA", dia);
    TDiag w(f.app);
    w.show();
    QVERIFY(!w.ListBox1->isVisible());
    QVERIFY(w.Edit1->isVisible());
    QCOMPARE(f.platform.messages.size(), std::size_t(1));
    QVERIFY(f.platform.texts()[0].contains(QString::fromStdString(dia.native())));
    QVERIFY(f.platform.texts()[0].contains(QStringLiteral("kan inte läsas")));
    // A pupil may still take a test; nothing is written, and he is told so.
    f.platform.modalAnswers.push_back([&f](QDialog& d) {
        auto& protocol = static_cast<Tdiaprot&>(d);
        f.engine.DiagnosisItem = 1;
        protocol.diagnosback(14);
        protocol.AvbrytClick();
        return 1;
    });
    QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
    type(w.Edit1, QStringLiteral("Cecilia"));
    QCOMPARE(f.platform.openedWindows, QStringList{"Tdiaprot"});
    QVERIFY(std::filesystem::is_symlink(dia));
    QCOMPARE(f.platform.messages.size(), std::size_t(3)); // after the test, and on leaving
    QVERIFY(f.platform.texts().last().contains(QStringLiteral("Resultatet sparas inte")));
    QVERIFY(f.engine.ProtocolChanged);
    QCOMPARE(f.engine.DiagnosisRecord.DiagnosisResults[1], 14); // kept in memory

    // A teacher password file that cannot be read is not replaced by one with
    // the first password, and an empty password does not open the teacher panel.
    const std::filesystem::path teacher = f.pc.path() / "DATA" / "SPA45444.DOT";
    std::filesystem::create_directories(teacher.parent_path());
    std::filesystem::create_symlink("SPA45444.DOT", teacher);
    f.platform.messages.clear();
    TDiag again(f.app);
    again.show();
    f.platform.messages.clear();
    QTest::mouseClick(again.NyPersonButton, Qt::LeftButton);
    type(again.Edit1, QStringLiteral("LÄRARE"));
    type(again.MaskEdit1, QString());
    QVERIFY(!again.TeacherPanel->isVisible());
    QVERIFY(f.platform.texts().first().startsWith(QStringLiteral("Lärarlösenfilen ")));
    type(again.MaskEdit1, QStringLiteral("TALLBARK"));
    QVERIFY(!again.TeacherPanel->isVisible());
    QVERIFY(std::filesystem::is_symlink(teacher));
    type(again.MaskEdit1, QStringLiteral("Kex Bord"));
    QVERIFY(again.TeacherPanel->isVisible());
}

void DiagnosisTest::aLongNewNameIsTheLearnerItBeginsWith()
{
    Fixture f;
    DiagnosisFile file(f.engine.DiagnosisDir);
    auto her = freshRecord("Anna-Karin Johansson Svens");
    her.DiagnosisResults[1] = 20;
    file.save(her);
    f.platform.modalAnswers.push_back([](QDialog& d) {
        static_cast<Tdiaprot&>(d).AvbrytClick();
        return 1;
    });
    TDiag w(f.app);
    w.show();
    QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
    type(w.Edit1, QStringLiteral("Anna-Karin Johansson Svensson"));
    QCOMPARE(w.NameLabel->text(), QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
    QVERIFY(f.platform.openedWindows.isEmpty());
    QCOMPARE(file.find("Anna-Karin Johansson Svens")->DiagnosisResults[1], 20);
    QCOMPARE(file.readAll()->size(), std::size_t(1));
}

void DiagnosisTest::namesAndPasswordsOutsideTheCodePageAreRefused()
{
    Fixture f;
    {
        TDiag w(f.app);
        w.show();
        QTest::mouseClick(w.NyPersonButton, Qt::LeftButton);
        type(w.Edit1, QStringLiteral("Łukasz"));
        QCOMPARE(w.NameLabel->text(), QStringLiteral("Tecknet \"Ł\" kan inte sparas. Skriv namnet utan det!"));
        QVERIFY(f.platform.openedWindows.isEmpty());
    }
    // Two different passwords would otherwise both be kept as "??".
    f.engine.DiagnosisRecord = freshRecord("Ana");
    {
        TNLOS w(f.app, TNLOS::For::Learner, f.engine.Password);
        w.show();
        type(w.maskedit1, QStringLiteral("ĆĆ"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Tecknet \"Ć\" går inte att använda!"));
        QVERIFY(w.FirstEntry.empty());
        type(w.maskedit1, QStringLiteral("ŁŁ"));
        QVERIFY(w.FirstEntry.empty());
        QVERIFY(!w.changed());
    }
    // One kept so by an earlier version is never matched by such characters.
    auto bo = freshRecord("Bo");
    bo.Password = "??";
    DiagnosisFile(f.engine.DiagnosisDir).save(bo);
    TDiag w(f.app);
    w.show();
    QTest::keyClick(w.ListBox1, Qt::Key_Return);
    type(w.MaskEdit1, QStringLiteral("ŁŁ"));
    QVERIFY(f.platform.openedWindows.isEmpty());
    QCOMPARE(w.ErrorLabel->text(), QStringLiteral("Felaktigt lösen. Försök igen!"));
}

void DiagnosisTest::declinedCutOffQuestionChangesNothingAndSaysNothingFalse()
{
    Fixture f;
    DiagnosisFile file(f.engine.DiagnosisDir);
    file.save(freshRecord("Ana"));
    file.save(freshRecord("Bo"));
    std::string bytes = *readFileBytes(file.file());
    bytes.resize(bytes.size() - 100);
    f.pc.write("RESULTAT/SPANDIAG.DIA", bytes);
    TDiag w(f.app);
    w.show();
    teacherLogin(w);
    QVERIFY(w.TeacherPanel->isVisible());
    QTest::mouseClick(w.DeleteWithoutButton, Qt::LeftButton);
    w.ListBox1->setCurrentItem(w.ListBox1->findItems(QStringLiteral("Ana"), Qt::MatchExactly).first());
    f.platform.yesNoAnswers = {true, false}; // yes, delete; no, do not drop the cut-off part
    QTest::keyClick(w.ListBox1, Qt::Key_R);
    const QStringList texts = f.platform.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], QStringLiteral("Vill du verkligen ta bort diagnosen \"Ana\"?"));
    QVERIFY(texts[1].contains(QStringLiteral("avskuren")));
    QCOMPARE(*readFileBytes(file.file()), bytes);
    QCOMPARE(w.ListBox1->findItems(QStringLiteral("Ana"), Qt::MatchExactly).size(), 1);
}

void DiagnosisTest::itemsWithoutTheirWindowSaySo()
{
    Fixture f;
    f.engine.DiagnosisRecord = freshRecord("Ana");
    int item = 1;
    while (item <= 41 && (diagnosisItemWindows().count(item) || f.engine.DiagnosisRecord.DiagnosisStatus[item] == 1))
        ++item;
    if (item > 41)
        QSKIP("every diagnosis item has its window");
    Tdiaprot w(f.app);
    w.show();
    f.engine.ProtocolRow = item;
    QTest::keyClick(w.StringGrid1, Qt::Key_Return); // a test
    f.engine.DiagnosisRecord.DiagnosisStatus[item] = 3;
    f.engine.ProtocolRow = item;
    QTest::keyClick(w.StringGrid1, Qt::Key_Return); // a practice
    const QString notYet = QStringLiteral("Denna övning finns inte ännu.");
    QCOMPARE(f.platform.texts(), (QStringList{notYet, notYet}));
    QVERIFY(f.platform.openedWindows.isEmpty());
}

void DiagnosisTest::namesSortAsSwedishSorts()
{
    Fixture f;
    DiagnosisFile file(f.engine.DiagnosisDir);
    for (const char* name : {"Bo", "Zoe", "anna", "erik", "\xc4rla", "\xc5sa", "\xd6rjan"})
        file.save(freshRecord(name));
    TDiag w(f.app);
    w.show();
    QStringList shown;
    for (int i = 0; i < w.ListBox1->count(); ++i)
        shown << w.ListBox1->item(i)->text();
    QCOMPARE(shown, (QStringList{"anna", "Bo", "erik", "Zoe", "Åsa", "Ärla", "Örjan"}));
}

void DiagnosisTest::theLoginIsScaledAndInTheProgramsType()
{
    Fixture f;
    f.platform.screen = {1920, 1080};
    TDiag plain(f.app);
    f.engine.ScaleFactor = 150;
    TDiag scaled(f.app);
    QCOMPARE(scaled.NyPersonButton->height(), plain.NyPersonButton->height() * 3 / 2);
    QCOMPARE(scaled.ListBox1->width(), plain.ListBox1->width() * 3 / 2);
    QCOMPARE(QFontInfo(scaled.ListBox1->font()).pixelSize(), QFontInfo(plain.ListBox1->font()).pixelSize() * 3 / 2);
    for (TDiag* w : {&plain, &scaled}) {
        QCOMPARE(w->size(), QSize(1920, 1080));
        QVERIFY(w->rect().contains(w->Content->geometry()));
        QCOMPARE(w->Content->geometry().center(), w->rect().center());
        QVERIFY(programType(w->ListBox1->font()));
        QVERIFY(programType(w->Edit1->font()));
        QVERIFY(programType(w->MaskEdit1->font()));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            QVERIFY2(programType(b->font()), qPrintable(b->text()));
    }
}

void DiagnosisTest::messageBoxesOverTheseWindowsInTheProgramsType()
{
    Fixture f;
    auto boxFont = [] {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Lingvaro"), QStringLiteral("Diagnosen är borttagen."),
                        QMessageBox::Ok);
        box.ensurePolished();
        return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
    };
    {
        TDiag w(f.app);
        QVERIFY(programType(boxFont()));
    }
    {
        f.engine.DiagnosisRecord = freshRecord("Ana");
        Tdiaprot w(f.app);
        QVERIFY(programType(boxFont()));
    }
    {
        TNLOS w(f.app, TNLOS::For::Learner, {});
        QVERIFY(programType(boxFont()));
        QVERIFY(programType(w.maskedit1->font()));
        QVERIFY(programType(w.AvbrytButton->font()));
        QVERIFY(programType(w.Label1->font()));
    }
    {
        TStallin w(f.app);
        QVERIFY(programType(boxFont()));
        for (QPushButton* b : {w.JaNejButton1, w.JaNejButton2, w.SparaButton, w.AvbrytButton})
            QVERIFY(programType(b->font()));
        for (QLabel* l : w.findChildren<QLabel*>())
            QVERIFY2(QFontInfo(l->font()).family() == QFontInfo(ui::programFont(16)).family(), qPrintable(l->text()));
    }
    QVERIFY(!boxFont().bold()); // with the windows gone, a box is left as it comes
}

void DiagnosisTest::protocolGridReadableOnEveryScreen()
{
    for (const QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(1366, 768), QSize(1920, 1080)}) {
        Fixture f;
        f.platform.screen = screen;
        f.engine.DiagnosisRecord = freshRecord("Anna-Karin Johansson Svens");
        storeResult(f.engine.DiagnosisRecord, 1, 7, QDateTime(QDate(2024, 12, 24), QTime(23, 59)));
        storeResult(f.engine.DiagnosisRecord, 2, 20, QDateTime(QDate(2024, 12, 24), QTime(23, 59)));
        Tdiaprot w(f.app);
        w.show();
        QCoreApplication::processEvents();
        QTableWidget* grid = w.StringGrid1;
        const QString at = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
        QVERIFY2(programType(grid->font()), qPrintable(at));
        QVERIFY2(programType(grid->horizontalHeader()->font()), qPrintable(at));
        QVERIFY(grid->rowHeight(1) >= QFontMetrics(grid->font()).height());
        // Every text whole in its column, every column on the screen.
        const QFontMetrics metrics(grid->font());
        int total = 0;
        for (int c = 0; c < 5; ++c) {
            total += grid->columnWidth(c);
            for (int r = 0; r < 43; ++r)
                QVERIFY2(metrics.horizontalAdvance(grid->item(r, c) ? grid->item(r, c)->text() : QString())
                             <= grid->columnWidth(c),
                         qPrintable(at + QStringLiteral(" row %1 column %2").arg(r).arg(c)));
        }
        QVERIFY2(total <= grid->viewport()->width(), qPrintable(at));
        // The results end in one line: a space is half a digit in this type.
        const QFontMetricsF exact(grid->font());
        const double right = exact.horizontalAdvance(Tdiaprot::resultText(7));
        for (int value : {20, 100, 27})
            QVERIFY2(std::abs(exact.horizontalAdvance(Tdiaprot::resultText(value)) - right) < 1.0, qPrintable(at));
        // The last item is in sight when chosen; on a high screen all rows are.
        f.engine.ProtocolRow = 41;
        w.rita_prot();
        QCoreApplication::processEvents();
        QVERIFY2(grid->viewport()->rect().contains(grid->visualItemRect(grid->item(41, 1))), qPrintable(at));
        if (screen.height() >= 1080)
            QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QVERIFY(grid->horizontalHeader()->isVisible());
    }
}

void DiagnosisTest::printedRuleLinesMissTheLetters()
{
    Fixture f;
    f.engine.DiagnosisRecord = freshRecord("Sof\xed" "a Qvist");
    for (int item = 1; item <= 41; ++item)
        storeResult(f.engine.DiagnosisRecord, item, item % 21, QDateTime(QDate(2026, 1, 2), QTime(8, 0)));
    Tdiaprot w(f.app);
    QTemporaryDir dir;
    f.platform.pdfFile = dir.filePath(QStringLiteral("protokoll.pdf"));
    QTest::mouseClick(w.SkrivUtButton, Qt::LeftButton);
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-gray"),
                                              QStringLiteral("-singlefile"), f.platform.pdfFile,
                                              dir.filePath(QStringLiteral("sida"))});
    QVERIFY(raster.waitForFinished(60000));
    const QImage page = QImage(dir.filePath(QStringLiteral("sida.pgm"))).convertToFormat(QImage::Format_Grayscale8);
    QVERIFY(!page.isNull());
    const int left = page.width() * 15 / 210 + 4, right = page.width() * 195 / 210 - 4;
    // Rules are hairlines, grey on this raster; letters are black.
    auto ruled = [&](int x, int y) { return qGray(page.pixel(x, y)) < 235; };
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    // The table's rules: rows ruled across the table, and columns down most of it.
    std::vector<int> rules;
    for (int y = 0; y < page.height(); ++y) {
        int n = 0;
        for (int x = left; x < right; ++x)
            n += ruled(x, y);
        if (n > (right - left) * 9 / 10)
            rules.push_back(y);
    }
    QVERIFY(rules.size() >= 44);
    std::vector<bool> upright(std::size_t(page.width()), false);
    for (int x = left - 6; x < right + 6; ++x) {
        int n = 0;
        for (int y = rules.front(); y < rules.back(); ++y)
            n += ruled(x, y);
        if (n > (rules.back() - rules.front()) * 8 / 10)
            for (int k = x - 2; k <= x + 2; ++k)
                upright[std::size_t(k)] = true;
    }
    // Just above and just below a rule there is paper: no letter runs through it.
    int cut = 0;
    for (int y : rules) {
        for (int beside : {y - 1, y + 1}) {
            if (std::find(rules.begin(), rules.end(), beside) != rules.end())
                continue;
            for (int x = left; x < right; ++x)
                cut += !upright[std::size_t(x)] && dark(x, beside);
        }
    }
    QCOMPARE(cut, 0);
}

} // namespace

QTEST_MAIN(DiagnosisTest)
#include "diagnosiswindows_test.moc"
