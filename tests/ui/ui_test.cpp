// The platform layer's own services: message boxes, modal windows and the
// keyboard, input during a sound, pictures, and the rule-page panel.

#include "engine/engine.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/pagebrowser.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/rulepagepanel.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAudioDevice>
#include <QDialog>
#include <QLabel>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// What a message box looked like, read while it is open and then closed.
struct SeenBox {
    QFont text;
    QList<QFont> buttons;
    QStringList captions;
};

void closeTheBoxSoon(SeenBox& seen, int button = 0)
{
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons << b->font();
            seen.captions << b->text();
        }
        box->buttons().at(button)->click();
    });
}

} // namespace

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesAreInTheProgramsType()
    {
        ui::Platform platform;
        platform.setScalePercent(150);
        SeenBox seen;
        closeTheBoxSoon(seen);
        platform.show(MessageSink::Kind::Warning, QStringLiteral("Filen X finns inte eller är felaktig"));
        QCOMPARE(seen.captions, QStringList{"OK"});
        QCOMPARE(seen.text.family(), QStringLiteral("Arial"));
        QCOMPARE(seen.text.pixelSize(), 24);
        QVERIFY(seen.text.bold());
        QCOMPARE(seen.buttons.front().pixelSize(), 24);

        SeenBox question;
        closeTheBoxSoon(question);
        const bool yes = platform.askYesNo(QStringLiteral("Vill du ta bort allt?"));
        QCOMPARE(question.captions, (QStringList{"&Ja", "&Nej"}));
        QVERIFY(yes);
        for (const QFont& f : question.buttons)
            QCOMPARE(f.pixelSize(), 24);
    }

    void theKeyboardComesBackWhenAModalWindowCloses()
    {
        // Under a window manager a closed window leaves the keyboard nowhere
        // unless the program hands it back; offscreen, too.
        QWidget main;
        main.resize(300, 200);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        ui::Platform platform;
        QDialog menu;
        menu.resize(100, 100);
        QTimer::singleShot(0, &menu, [&menu] {
            menu.activateWindow();
            QTimer::singleShot(20, &menu, &QDialog::accept);
        });
        QCOMPARE(platform.runModal(menu), int(QDialog::Accepted));
        QTRY_COMPARE(QApplication::activeWindow(), &main);
    }

    void inputDuringASoundIsDropped()
    {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("&Continúa"), &window);
        button->resize(120, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &QPushButton::clicked);
        {
            ui::InputBlocker listening;
            QTest::mouseClick(button, Qt::LeftButton);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        }
        // Dropped, not kept for after the sound.
        QCoreApplication::processEvents();
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    void aSoundWithoutAnOutputSaysSo()
    {
        if (!QMediaDevices::audioOutputs().isEmpty())
            QSKIP("this machine has an audio output");
        ScratchDir dir;
        const auto wav = dir.write("LJUD/SPANIEN.WAV", "RIFF");
        ui::Platform platform;
        for (const bool wait : {false, true}) {
            QVERIFY(!platform.play(QString::fromStdString(wav.native()), wait));
            QCOMPARE(platform.errorText(), QStringLiteral("Ljudet kunde inte spelas upp: datorn har ingen ljudutgång."));
            QVERIFY(!platform.isPlaying());
        }
    }

    void picturesAreNeverEnlarged()
    {
        QLabel frame;
        frame.resize(400, 300);
        QPixmap wide(960, 640);
        wide.fill(Qt::red);
        ui::showPicture(&frame, wide);
        QCOMPARE(frame.pixmap().size(), QSize(400, 266));
        QPixmap small(120, 90);
        small.fill(Qt::blue);
        ui::showPicture(&frame, small);
        QCOMPARE(frame.pixmap().size(), QSize(120, 90));
        QVERIFY(!frame.hasScaledContents());

        // A background covers the window in proportion, cut around the middle:
        // of a wide picture with black outer quarters only the green middle shows.
        QImage wideScene(400, 100, QImage::Format_RGB32);
        wideScene.fill(Qt::black);
        for (int y = 0; y < 100; ++y)
            for (int x = 100; x < 300; ++x)
                wideScene.setPixelColor(x, y, Qt::green);
        const QImage cover = ui::coverPicture(QPixmap::fromImage(wideScene), QSize(100, 50)).toImage();
        QCOMPARE(cover.size(), QSize(100, 50));
        QCOMPARE(cover.pixelColor(1, 25), QColor(Qt::green));
        QCOMPARE(cover.pixelColor(98, 25), QColor(Qt::green));
    }

    void rulePagePanelShowsAPageOrSaysItIsMissing()
    {
        TestPlatform platform;
        Engine engine;
        engine.setPlatform(&platform, &platform, &platform);
        ScratchDir pc, cd;
        engine.PcPath = pc.path().native();
        engine.CdPath = cd.path().native();
        QWidget window;
        window.resize(600, 400);
        auto* panel = new ui::RulePagePanel(&window, QStringLiteral("&Cierra"), 150);
        panel->setGeometry(10, 10, 580, 380);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(panel->closeButton()->text(), QStringLiteral("&Cierra"));
        QCOMPARE(panel->closeButton()->font().pixelSize(), 24);
        QCOMPARE(panel->browser()->font().pointSizeF(), 16.5);
        // The button along the bottom, the browser above it.
        QCOMPARE(panel->closeButton()->geometry().bottom(), panel->height() - 1);
        QCOMPARE(panel->closeButton()->width(), panel->width());
        QVERIFY(panel->browser()->geometry().bottom() < panel->closeButton()->y());

        const auto page = cd.write("regler/R56111.htm", "<p>Ser och estar</p>");
        QVERIFY(panel->showPage(engine, QStringLiteral("\\regler\\R56111.htm")));
        QVERIFY(panel->browser()->toPlainText().contains(QStringLiteral("Ser och estar")));
        QVERIFY(!panel->showPage(engine, QStringLiteral("\\regler\\R56112.htm")));
        QCOMPARE(platform.texts(), QStringList{"Filen " + QString::fromStdString(engine.CdPath)
                                               + "/regler/R56112.htm finns inte eller är felaktig"});
        QVERIFY(panel->browser()->toPlainText().isEmpty()); // the old page is not left standing

        // Closed by its button, and by Esc wherever the keyboard is inside it.
        QSignalSpy closed(panel, &ui::RulePagePanel::closed);
        QTest::mouseClick(panel->closeButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        panel->show();
        QTest::mouseClick(panel->browser()->viewport(), Qt::LeftButton);
        QTest::keyClick(panel->browser(), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QCOMPARE(closed.count(), 2);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"
