// The main window, the settings and new-password dialogs and the page viewers,
// driven through their widgets.

#include "engine/engine.h"
#include "results/skrivut.h"
#include "shell/mainwindow.h"
#include "shell/omveka.h"
#include "dialogs/stallin.h"
#include "shell/visahtm.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/widgets.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <fstream>

using namespace lingvaro;
using namespace lingvaro::testing;
namespace fs = std::filesystem;

namespace {

struct Shell {
    TestPlatform platform;
    Engine engine;
    ScratchDir pc, cd;
    AppContext app{engine, platform};
    Shell()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.PcPath = pc.path().native();
        engine.CdPath = cd.path().native();
        platform.charWidth = 10;
        platform.screen = {1024, 768};
        engine.Random.seed(7);
        engine.ResetDrawState();
    }
    void picture(const std::string& name, QSize size)
    {
        fs::create_directories(cd.path() / "BILD");
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(QString::fromStdString((cd.path() / "BILD" / name).native()), "BMP");
    }
    void pictures(int count, const char* prefix, QSize size)
    {
        for (int n = 1; n <= count; ++n)
            picture(QStringLiteral("%1%2.BMP").arg(QLatin1String(prefix)).arg(n, 4, 10, QChar(u'0')).toStdString(), size);
    }
    // The pupil has switched the photographs off.
    void noPictures() { pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n"); }
    QString cdShown(const char* rest) const { return QString::fromStdString(engine.CdPath) + QLatin1String(rest); }
};

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void scalingFollowsHowManyLettersFitTheScreen();
    void pictureSizeFollowsTheScreenWidth();
    void missingPhotographsAreHidden();
    void captionsArePlacedUnderOrBesideThePhotograph();
    void worksheetModeDisablesButtonsAndEmptiesThePrintLists();
    void theManualIsLookedUpOnBothInstallations();
    void settingsSpinStopsAndLockedValuesStay();
    void settingsAreSavedOrDropped();
    void newPasswordDialogPaths();
    void pageViewerLooksInPcPathThenCdPath();
    void aboutWindowPanelsToggle();
};

void ShellTest::scalingFollowsHowManyLettersFitTheScreen()
{
    struct Case {
        int width, height, factor;
    };
    // 58 letters: f = 114 → 100; 50 letters: f = 98 → 100 → 88 (halves to even);
    // 70 letters: f = 138 → 121, unless the screen is too low for it.
    for (Case c : {Case{580, 800, 100}, Case{500, 800, 88}, Case{700, 900, 121}, Case{700, 660, 110}}) {
        Shell s;
        s.noPictures();
        s.platform.screen = {c.width, c.height};
        TForm1 w(s.app);
        QCOMPARE(int(s.engine.ScaleFactor), c.factor);
        QCOMPARE(int(s.engine.LetterWidth), 10);
        // The panel is centred and scaled with the window.
        QCOMPARE(w.Button1->width(), int(std::lround(316 * c.factor / 100.0)));
        QCOMPARE(w.Panel1->x(), (c.width - w.Panel1->width()) / 2);
    }
}

void ShellTest::pictureSizeFollowsTheScreenWidth()
{
    for (auto [width, expected] : {std::pair{780, 11}, {781, 22}, {899, 22}, {900, 33}}) {
        Shell s;
        s.pictures(6, "SPA", {5, 5});
        s.pictures(6, "SPAL", {11, 11});
        s.pictures(6, "SPAM", {22, 22});
        s.pictures(6, "SPAS", {33, 33});
        s.engine.CountPictures();
        s.platform.screen = {width, 700};
        TForm1 w(s.app);
        for (int k = 1; k <= 6; ++k) {
            QVERIFY(!w.BildImage[k]->isHidden());
            QCOMPARE(w.BildImage[k]->width(), expected);
        }
        // Left column flush with the panel, right column beside it, rows shared.
        QCOMPARE(w.BildImage[1]->x() + w.BildImage[1]->width(), w.Panel1->x());
        QCOMPARE(w.BildImage[4]->x(), w.Panel1->x() + w.Panel1->width());
        QCOMPARE(w.BildImage[1]->y(), w.Panel1->y() / 2);
        QCOMPARE(w.BildImage[3]->y(), 700 - w.Panel1->y() / 2 - expected);
        QCOMPARE(w.BildImage[5]->y(), w.BildImage[2]->y());
        QVERIFY(w.Image1->isHidden());
    }
}

void ShellTest::missingPhotographsAreHidden()
{
    Shell s;
    s.pictures(3, "SPA", {5, 5});
    s.pictures(3, "SPAS", {40, 30});
    s.engine.CountPictures();
    // Three pictures on the medium: each is drawn twice; remove one file.
    fs::remove(s.cd.path() / "BILD" / "SPAS0002.BMP");
    TForm1 w(s.app);
    int shown = 0;
    for (int k = 1; k <= 6; ++k) {
        const bool isTwo = s.engine.StartPictures[k] == 2;
        QCOMPARE(w.BildImage[k]->isHidden(), isTwo);
        shown += isTwo ? 0 : 1;
    }
    QCOMPARE(shown, 4);
    QVERIFY(s.platform.messages.empty());

    Shell off;
    off.engine.PcPath = off.pc.path().native();
    off.pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n");
    TForm1 plain(off.app);
    QVERIFY(!plain.Image1->isHidden());
    for (int k = 1; k <= 6; ++k)
        QVERIFY(plain.BildImage[k]->isHidden());
    QVERIFY(off.platform.messages.empty());

    // Pictures on, but none on the medium: told once, not six times, and the
    // background stands in.
    Shell none;
    TForm1 empty(none.app);
    QCOMPARE(none.platform.texts(), QStringList{"Kan inte hitta bilder i katalogen " + none.cdShown("/BILD/")});
    QCOMPARE(int(none.engine.PictureMode), 0);
    QVERIFY(!empty.Image1->isHidden());
}

void ShellTest::captionsArePlacedUnderOrBesideThePhotograph()
{
    Shell s;
    s.pictures(6, "SPA", {5, 5});
    s.pictures(6, "SPAS", {200, 150});
    s.engine.CountPictures();
    TForm1 w(s.app);
    w.show();
    const int R = w.Panel1->x() + w.Panel1->width();
    for (int k = 1; k <= 6; ++k) {
        QLabel* image = w.BildImage[k];
        QTest::mouseClick(image, Qt::LeftButton);
        QVERIFY(w.Label3->isVisible());
        QCOMPARE(w.Label3->y(), image->y() + image->height());
        QCOMPARE(w.Label3->x(), image->x() + (image->width() - w.Label3->width()) / 2);
        const char* caption = Engine::PictureCaptionOf(s.engine.StartPictures[k]);
        QVERIFY((w.Label3->text() + w.Label4->text()).startsWith(fromCp1252(caption).left(5)));
    }
    // A caption wider than a left photograph on mouse move: centred in the room left of the panel.
    s.engine.StartPictures[1] = 8; // the longest caption
    w.showCaption(1, false);
    if (w.Label3->width() >= w.BildImage[1]->width())
        QCOMPARE(w.Label3->x(), (w.Panel1->x() - w.Label3->width()) / 2 + s.engine.LetterWidth);
    else
        QCOMPARE(w.Label3->x(), w.BildImage[1]->x() + (w.BildImage[1]->width() - w.Label3->width()) / 2);
    w.showCaption(5, false);
    QVERIFY(w.Label3->x() >= R);
    QCOMPARE(w.Label4->x(), w.Label3->x());
    QCOMPARE(w.Label4->y(), w.Label3->y() + w.Label3->height());
}

void ShellTest::worksheetModeDisablesButtonsAndEmptiesThePrintLists()
{
    Shell s;
    s.noPictures();
    TForm1 w(s.app);
    TUtskrift utskrift(s.app);
    s.app.utskrift = &utskrift;
    utskrift.ListBox1->addItem(QStringLiteral("1.  Rubrik"));
    utskrift.ListBox2->addItem(QStringLiteral("1.  Rubrik"));
    s.engine.PageNo = 3;
    s.engine.WorkMode = WorkMode::DiagnosisPractice; // a diagnosis state: the switch still turns worksheet mode on
    w.show();
    QTest::mouseClick(w.Button8, Qt::LeftButton);
    QCOMPARE(int(s.engine.WorkMode), 1);
    QCOMPARE(w.Button8->text(), QStringLiteral("Avaktivera arbetsblad"));
    for (QPushButton* b : {w.Button1, w.Button3, w.Button6, w.Button7})
        QVERIFY(!b->isEnabled());
    QVERIFY(w.Button2->isEnabled() && w.Button5->isEnabled());
    QVERIFY(w.Shape1->isVisible() && w.Label2->isVisible());
    QCOMPARE(w.Label2->text(), QStringLiteral("Arbetsblad aktiverat"));
    QCOMPARE(w.Panel1->palette().color(QPalette::Window), QColor(128, 0, 0));
    QCOMPARE(utskrift.ListBox1->count(), 0);
    QCOMPARE(utskrift.ListBox2->count(), 0);
    QCOMPARE(s.engine.PageNo, 1);

    // A subject button keeps worksheet mode.
    QTest::mouseClick(w.Button5, Qt::LeftButton);
    QCOMPARE(int(s.engine.WorkMode), 1);

    QTest::mouseClick(w.Button8, Qt::LeftButton);
    QCOMPARE(int(s.engine.WorkMode), 0);
    QCOMPARE(w.Button8->text(), QStringLiteral("Göra arbetsblad"));
    for (QPushButton* b : {w.Button1, w.Button2, w.Button3, w.Button6, w.Button7})
        QVERIFY(b->isEnabled());
    QVERIFY(!w.Shape1->isVisible());
    QCOMPARE(w.Panel1->palette().color(QPalette::Window), QColor(0, 0, 128));
}

void ShellTest::theManualIsLookedUpOnBothInstallations()
{
    Shell s;
    s.noPictures();
    TForm1 w(s.app);
    w.show();
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    QCOMPARE(s.platform.texts(), QStringList{"Filen " + s.cdShown("/data/Lingvaro.htm") + " finns inte eller är felaktig"});
    QVERIFY(w.RegelPanel->isVisible());
    QTest::mouseClick(w.ClosePanel2Knapp, Qt::LeftButton);
    QVERIFY(!w.RegelPanel->isVisible());

    const auto onCd = s.cd.write("DATA/LINGVARO.HTM", "<html><body><h1>Manual p\xe5 cd</h1></body></html>");
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    QCOMPARE(w.WebBrowser1->currentPage(), onCd);
    QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Manual på cd")));
    const auto onPc = s.pc.write("data/Lingvaro.htm", "<html><meta charset=\"utf-8\"><body>Manual på pc</body></html>");
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    QCOMPARE(w.WebBrowser1->currentPage(), onPc);
    QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Manual på pc")));
    QCOMPARE(s.platform.messages.size(), size_t(1));
}

void ShellTest::settingsSpinStopsAndLockedValuesStay()
{
    Shell s;
    s.pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nTIMESHOWINGCORRECTANSWER=8\r\nSOUNDS=2\r\nSPAINPICTURES=3\r\n");
    s.engine.AnswerShowSeconds = 1; // changed but not saved: the file wins
    TStallin w(s.app);
    QCOMPARE(w.TidLabel->text(), QStringLiteral("8"));
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(w.SpinButton1->upButton(), Qt::LeftButton);
    QCOMPARE(s.engine.AnswerShowSeconds, 9);
    QCOMPARE(w.TidLabel->text(), QStringLiteral("9"));
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(w.SpinButton1->downButton(), Qt::LeftButton);
    QCOMPARE(s.engine.AnswerShowSeconds, 0);
    QCOMPARE(w.JaNejButton1->text(), QStringLiteral("Ja"));
    QCOMPARE(w.JaNejButton2->text(), QStringLiteral("Nej"));
    QVERIFY(!w.JaNejButton1->isEnabled());
    QVERIFY(!w.JaNejButton2->isEnabled());
    w.JaNejButton1Click();
    QCOMPARE(int(s.engine.PictureMode), 3);
}

void ShellTest::settingsAreSavedOrDropped()
{
    Shell s;
    {
        TStallin w(s.app);
        QCOMPARE(w.JaNejButton2->text(), QStringLiteral("Ja"));
        QTest::mouseClick(w.JaNejButton2, Qt::LeftButton);
        QCOMPARE(w.JaNejButton2->text(), QStringLiteral("Nej"));
        QCOMPARE(int(s.engine.SoundMode), 0); // in effect at once
        QTest::mouseClick(w.SpinButton1->upButton(), Qt::LeftButton);
        QTest::mouseClick(w.AvbrytButton, Qt::LeftButton);
    }
    QVERIFY(!fs::exists(s.pc.path() / "PROGRAM" / "LINGVARO.INI"));
    QCOMPARE(int(s.engine.SoundMode), 0);
    {
        TStallin w(s.app); // reads the file again: nothing saved, defaults
        QCOMPARE(int(s.engine.SoundMode), 1);
        QTest::mouseClick(w.JaNejButton2, Qt::LeftButton);
        QTest::mouseClick(w.SpinButton1->upButton(), Qt::LeftButton);
        QTest::mouseClick(w.SparaButton, Qt::LeftButton);
    }
    Engine fresh;
    fresh.PcPath = s.engine.PcPath;
    fresh.HaemtaTyskaINI();
    QCOMPARE(int(fresh.SoundMode), 0); // a switched-off sound stays off at the next start
    QCOMPARE(fresh.AnswerShowSeconds, 4);
}

void ShellTest::newPasswordDialogPaths()
{
    Shell s;
    auto type = [](TNLOS& w, const QString& text) {
        w.maskedit1->setText(text);
        QTest::keyClick(w.maskedit1, Qt::Key_Return);
    };
    {
        TNLOS w(s.app, TNLOS::For::Learner, "gammal");
        w.show();
        QCOMPARE(w.maskedit1->echoMode(), QLineEdit::Password);
        type(w, QStringLiteral("gammal"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Det gamla lösenordet gäller inte!"));
        QVERIFY(w.Label2->isVisible());
        QVERIFY(w.maskedit1->text().isEmpty());
        type(w, QString());
        QCOMPARE(w.Label1->text(), QStringLiteral("Det riktiga lösenordet, tack!"));
        QCOMPARE(w.PromptState, 2);
        w.maskedit1->setText(QStringLiteral("x")); // typing after an error
        QCOMPARE(w.Label1->text(), QStringLiteral("Skriv lösenordet en gång till!"));
        QCOMPARE(w.PromptState, 1);
        type(w, QStringLiteral("solsken"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Skriv lösenordet en gång till!"));
        QVERIFY(!w.Label2->isVisible());
        type(w, QStringLiteral("solregn"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Samma lösenord, tack!"));
        QCOMPARE(w.FirstEntry, std::string("solsken"));
        QVERIFY(!w.changed());
        type(w, QStringLiteral("solsken"));
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(w.changed());
        QCOMPARE(w.newPassword(), std::string("solsken"));
    }

    // No password longer than the login takes (ten), the learner's or the
    // teacher's; the teacher's may not begin with ")" (it could not be read back).
    {
        TNLOS w(s.app, TNLOS::For::Learner, "solsken");
        type(w, QStringLiteral("abcdefghijk"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Högst 10 tecken, tack!"));
        QVERIFY(w.maskedit1->text().isEmpty());
        type(w, QStringLiteral("abcdefghij"));
        type(w, QStringLiteral("abcdefghij"));
        QCOMPARE(w.newPassword(), std::string("abcdefghij"));
    }
    {
        TNLOS w(s.app, TNLOS::For::Teacher, "TALLBARK");
        type(w, QStringLiteral(")hemligt"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Det riktiga lösenordet, tack!"));
        QVERIFY(w.FirstEntry.empty());
        type(w, QStringLiteral("granbarr123"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Högst 10 tecken, tack!"));
        QVERIFY(w.FirstEntry.empty());
        type(w, QStringLiteral("granbarr12"));
        type(w, QStringLiteral("granbarr12"));
        QCOMPARE(w.newPassword(), std::string("granbarr12"));
    }
    {
        TNLOS w(s.app, TNLOS::For::Teacher, "granbarr12");
        type(w, QStringLiteral("ny"));
        QTest::mouseClick(w.AvbrytButton, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!w.changed());
    }
}

void ShellTest::pageViewerLooksInPcPathThenCdPath()
{
    Shell s;
    s.engine.ExerciseNo = 54700;
    s.engine.DataFileName = "Spa54700.Htm";
    {
        TVisaHtm w(s.app);
        QCOMPARE(s.platform.texts(), QStringList{"Filen " + s.cdShown("/data/Spa54700.Htm") + " finns inte eller är felaktig"});
    }
    const auto onCd = s.cd.write("DATA/SPA54700.HTM", "<p>Trick</p>");
    {
        TVisaHtm w(s.app);
        QCOMPARE(w.WebBrowser1->currentPage(), onCd);
    }
    const auto onPc = s.pc.write("data/spa54700.htm", "<p>Trick p\xe5 pc</p>");
    {
        TVisaHtm w(s.app);
        QCOMPARE(w.WebBrowser1->currentPage(), onPc);
        QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Trick på pc")));
        QTest::mouseClick(w.CierraButton, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
    s.engine.ExerciseNo = 14000; // not a page of the viewer: nothing is loaded
    {
        TVisaHtm w(s.app);
        QVERIFY(w.WebBrowser1->currentPage().empty());
    }
    QCOMPARE(s.platform.messages.size(), size_t(1));
}

void ShellTest::aboutWindowPanelsToggle()
{
    Shell s;
    s.noPictures();
    TForm1 main(s.app);
    int outcome = -1;
    s.platform.modalAnswers.push_back([&outcome](QDialog& d) {
        auto& about = static_cast<TOmVeka&>(d);
        outcome = [&] {
        QTest::mouseClick(about.Picture1, Qt::LeftButton);
        if (!about.InfoPanel1->isVisible() || about.InfoPanel2->isVisible())
            return 1;
        QTest::mouseClick(about.Picture2, Qt::LeftButton);
        if (about.InfoPanel1->isVisible() || !about.InfoPanel2->isVisible())
            return 2;
        QTest::mouseClick(about.InfoPanel2, Qt::LeftButton);
        if (about.InfoPanel2->isVisible())
            return 3;
        QTest::keyClick(&about, Qt::Key_Escape);
        return about.isVisible() ? 4 : 0;
        }();
        return outcome;
    });
    main.Button10Click();
    QCOMPARE(outcome, 0);
    QCOMPARE(s.platform.openedWindows, QStringList{"TOmVeka"});
    QVERIFY(s.platform.modalAnswers.empty());
}

} // namespace

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
