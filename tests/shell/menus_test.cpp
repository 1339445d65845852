// The whole menu tree, walked from its table: every leaf opens the right
// window on the right file, and worksheet mode disables what it must.

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "contentmap/menutree.h"
#include "results/diaproto.h"
#include "shell/mainwindow.h"
#include "shell/menus.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"

#include <QFrame>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <set>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

struct Fixture {
    TestPlatform platform;
    Engine engine;
    ScratchDir pc;
    AppContext app{engine, platform};
    Fixture()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.PcPath = pc.path().native();
        engine.CdPath = qEnvironmentVariable("LINGVARO_STAGED_CONTENT").toStdString();
        // A pupil who has written an own list, so that its quiz opens.
        pc.write("Eget/Vecka 3.egt", "$Vecka 3\r\n$\xd6vers\xe4tt till spanska\r\ncasa#hus\r\n");
        engine.OwnDir = (pc.path() / "Eget").native();
        engine.BuildDataCatalogue();
        engine.BuildPraiseCatalogue();
        engine.ResetDrawState();
    }
};

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void everyLeafOpensItsWindowOnItsFile();
    void everyDiagnosisItemOpensItsWindowFromTheProtocol();
    void menusInWorksheetMode();
    void subjectButtonsOpenTheirMenus();
};

void MenusTest::everyLeafOpensItsWindowOnItsFile()
{
    Fixture f;
    std::set<std::string> files;
    int leaves = 0, opened = 0;
    std::string seenFile;
    int seenExercise = -1;
    f.platform.onEveryOpen = [&](QDialog&) {
        seenFile = f.engine.DataFileName;
        seenExercise = f.engine.ExerciseNo;
    };
    for (const MenuDef& menu : menuTree()) {
        for (const MenuItem& item : menu.items) {
            if (item.dataFile)
                QVERIFY2(files.insert(item.dataFile).second, item.dataFile); // no file used twice
            if (const MenuDef* sub = findMenu(item.opens)) {
                f.platform.openedWindows.clear();
                openMenu(f.app, item.opens);
                QCOMPARE(f.platform.openedWindows, QStringList{QString::fromLatin1(sub->name)});
                continue;
            }
            ++leaves;
            f.platform.messages.clear();
            f.platform.openedWindows.clear();
            seenFile.clear();
            seenExercise = -1;
            openLeaf(f.app, item);
            const QString what = QString::fromUtf8(menu.name) + u' ' + QString::fromUtf8(item.caption);
            if (item.dataFile)
                QVERIFY2(f.engine.DataFileName == toCp1252(QString::fromUtf8(item.dataFile)), qPrintable(what));
            const bool exists = windowRegistry().count(QString::fromLatin1(item.opens).section(u' ', 0, 0).toStdString());
            if (!exists) {
                QCOMPARE(f.platform.texts(), QStringList{"Denna övning finns inte ännu."});
                QVERIFY(f.platform.openedWindows.isEmpty());
                continue;
            }
            ++opened;
            QVERIFY2(f.platform.messages.empty(), qPrintable(what + QStringLiteral(": ") + f.platform.texts().join(u'|')));
            // Windows in a row stop at the first one left without an answer (the player names).
            QCOMPARE(f.platform.openedWindows, QStringList{QString::fromLatin1(item.opens).section(u' ', 0, 0)});
            // A leaf that names neither a file nor a number (the own-list editor) runs no exercise.
            const int expected = item.exerciseNo ? item.exerciseNo : Engine::GeProgramtal(seenFile);
            if (item.dataFile || item.exerciseNo)
                QVERIFY2(seenExercise == expected, qPrintable(what));
        }
    }
    QVERIFY(leaves > 150);
    // The content check and the program agree on which windows exist.
    std::set<std::string> registered;
    for (const auto& [name, opener] : windowRegistry())
        registered.insert(name);
    QVERIFY(registered == availableWindows());
    // Every leaf of the tree has its window.
    QCOMPARE(opened, leaves);
}

// Each item of the diagnosis, chosen in the protocol as a teacher's pupil does,
// opens its window on the bundled test file and, once the pupil must practise,
// on the practice file; the window asks a whole round of either.
void MenusTest::everyDiagnosisItemOpensItsWindowFromTheProtocol()
{
    Fixture f;
    f.engine.DiagnosisDir = (f.pc.path() / "RESULTAT").native();
    std::filesystem::create_directories(f.engine.DiagnosisDir);
    f.engine.DiagnosisDirTested = true;
    connectExerciseWindows(f.app);
    f.engine.DiagnosisRecord = freshRecord("Ana");
    Tdiaprot protocol(f.app);
    protocol.show();
    int asked = -1;
    f.platform.onEveryOpen = [&](QDialog&) { asked = f.engine.QuestionTotal; };
    int items = 0;
    for (const auto& [item, window] : diagnosisItemWindows()) {
        for (const int status : {0, 3}) { // the test, then the practice
            f.engine.DiagnosisRecord.DiagnosisStatus[item] = status;
            f.platform.messages.clear();
            f.platform.openedWindows.clear();
            asked = -1;
            f.engine.ProtocolRow = item;
            QTest::keyClick(protocol.StringGrid1, Qt::Key_Return);
            const QString what = QStringLiteral("item %1 %2 (%3)").arg(item).arg(status ? "practice" : "test")
                                     .arg(QString::fromStdString(f.engine.DataFileName));
            QVERIFY2(f.platform.messages.empty(), qPrintable(what + QStringLiteral(": ") + f.platform.texts().join(u'|')));
            QVERIFY2(f.platform.openedWindows == QStringList{QString::fromStdString(window)}, qPrintable(what));
            QVERIFY2(asked == Engine::DiagnosisRoundSize || (status == 3 && asked > 0), qPrintable(what));
        }
        ++items;
    }
    QCOMPARE(items, 41);
}

void MenusTest::menusInWorksheetMode()
{
    Fixture f;
    for (int mode : {0, 1}) {
        f.engine.WorkMode = WorkMode(mode);
        for (const MenuDef& menu : menuTree()) {
            TMenu window(f.app, menu);
            QCOMPARE(window.buttons.size(), qsizetype(menu.items.size() + 1));
            QCOMPARE(window.buttons.last()->text(), QString::fromUtf8(menu.back));
            QVERIFY(window.buttons.last()->isEnabled());
            for (std::size_t i = 0; i < menu.items.size(); ++i)
                QCOMPARE(window.buttons[qsizetype(i)]->isEnabled(), !(mode == 1 && menu.items[i].offInWorksheet));
            QCOMPARE(window.Panel->palette().color(QPalette::Window), mode == 1 ? QColor(128, 0, 0) : QColor(0, 0, 128));
        }
    }
    // The back button closes the menu.
    TMenu window(f.app, *findMenu("TF5"));
    window.show();
    QTest::mouseClick(window.buttons.last(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void MenusTest::subjectButtonsOpenTheirMenus()
{
    Fixture f;
    f.pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n");
    TForm1 main(f.app);
    main.show();
    for (QPushButton* b : {main.Button1, main.Button2, main.Button3, main.Button5, main.Button6})
        QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(f.platform.openedWindows, QStringList({"TF1", "TF2", "TF3", "TF5", "TF6"}));

    // In a menu, Enter presses the button that has the keyboard, as Space does.
    f.platform.openedWindows.clear();
    f.platform.modalAnswers.push_back([](QDialog& d) {
        auto& menu = static_cast<TMenu&>(d);
        menu.buttons.at(1)->setFocus(); // "Substantiv"
        QTest::keyClick(menu.buttons.at(1), Qt::Key_Return);
        return 0;
    });
    openMenu(f.app, "TF5");
    QCOMPARE(f.platform.openedWindows, QStringList({"TF5", "TF52"}));
}

} // namespace

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
