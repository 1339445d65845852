// The main window, the settings and new-password dialogs and the page viewers,
// driven through their widgets.

#include "engine/engine.h"
#include "results/skrivut.h"
#include "shell/infowindows.h"
#include "shell/mainwindow.h"
#include "shell/omveka.h"
#include "dialogs/stallin.h"
#include "shell/visahtm.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/rulepagepanel.h"
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
    void captionsStayWhollyOnTheScreen();
    void worksheetModeDisablesButtonsAndEmptiesThePrintLists();
    void theManualIsLookedUpOnBothInstallations();
    void escClosesTheManualBeforeTheProgram();
    void settingsSpinStopsAndLockedValuesStay();
    void settingsAreSavedOrDropped();
    void newPasswordDialogPaths();
    void pageViewerLooksInPcPathThenCdPath();
    void pageViewerAndAboutWindowAreScaled();
    void aboutWindowPanelsToggle();
    void aboutWindowPanelsCoverNoCreditOrButton();
    void mapAndFlagAreShownInProportion();
    void flagWindowStopsTheAnthemHoweverItCloses();
    void anthemThatCannotBePlayedSaysSoAndKeepsItsButton();
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
        // Under the photograph, or as low as the screen lets it lie.
        const int lines = w.Label3->height() + (w.Label4->isHidden() ? 0 : w.Label4->height());
        QCOMPARE(w.Label3->y(), std::min(image->y() + image->height(), 768 - lines));
        // Centred under the photograph, but not over the panel beside it.
        const int block = std::max(w.Label3->width(), w.Label4->isHidden() ? 0 : w.Label4->width());
        const int centred = image->x() + (image->width() - w.Label3->width()) / 2;
        QCOMPARE(w.Label3->x(), k <= 3 ? std::min(centred, w.Panel1->x() - block) : std::max(centred, R));
        const char* caption = Engine::PictureCaptionOf(s.engine.StartPictures[k]);
        QVERIFY((w.Label3->text() + w.Label4->text()).startsWith(fromCp1252(caption).left(5)));
    }
    // A caption wider than a left photograph on mouse move: centred in the room left of the panel.
    s.engine.StartPictures[1] = 8; // the longest caption
    w.showCaption(1, false);
    const int block = std::max(w.Label3->width(), w.Label4->isHidden() ? 0 : w.Label4->width());
    if (w.Label3->width() >= w.BildImage[1]->width())
        QCOMPARE(w.Label3->x(), std::min((w.Panel1->x() - w.Label3->width()) / 2 + s.engine.LetterWidth,
                                         w.Panel1->x() - block));
    else
        QCOMPARE(w.Label3->x(), std::min(w.BildImage[1]->x() + (w.BildImage[1]->width() - w.Label3->width()) / 2,
                                         w.Panel1->x() - block));
    w.showCaption(5, false);
    QVERIFY(w.Label3->x() >= R);
    QCOMPARE(w.Label4->x(), w.Label3->x());
    QCOMPARE(w.Label4->y(), w.Label3->y() + w.Label3->height());
}

void ShellTest::captionsStayWhollyOnTheScreen()
{
    // Every caption of the program, under each of the six photographs, clicked
    // and pointed at, measured in the real type: on the screen from its first
    // letter to its last, and beside the panel, not over it.
    for (const QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
        Shell s;
        s.platform.charWidth = 0;
        s.platform.screen = screen;
        s.pictures(6, "SPA", {5, 5});
        s.pictures(6, "SPAS", {240, 180});
        s.engine.CountPictures();
        TForm1 w(s.app);
        const QRect whole(QPoint(0, 0), screen);
        const int R = w.Panel1->x() + w.Panel1->width();
        for (int n = 1; n <= 56; ++n) {
            const QString caption = fromCp1252(Engine::PictureCaptionOf(n));
            for (int k = 1; k <= 6; ++k) {
                for (const bool click : {true, false}) {
                    s.engine.StartPictures[k] = n;
                    w.showCaption(k, click);
                    const QString where = QStringLiteral("%1x%2, picture %3 under %4%5")
                                              .arg(screen.width()).arg(screen.height()).arg(n).arg(k)
                                              .arg(click ? " (click)" : "");
                    QVERIFY2(whole.contains(w.Label3->geometry()), qPrintable(where));
                    QVERIFY2(w.Label3->width() >= w.Label3->sizeHint().width(), qPrintable(where));
                    QString shown = w.Label3->text();
                    if (!w.Label4->isHidden()) {
                        QVERIFY2(whole.contains(w.Label4->geometry()), qPrintable(where));
                        QVERIFY2(w.Label4->width() >= w.Label4->sizeHint().width(), qPrintable(where));
                        QCOMPARE(w.Label4->x(), w.Label3->x());
                        QCOMPARE(w.Label4->y(), w.Label3->y() + w.Label3->height());
                        shown += w.Label4->text();
                    }
                    QCOMPARE(shown.remove(u' '), QString(caption).remove(u' '));
                    for (QLabel* line : {w.Label3, w.Label4}) {
                        if (line->isHidden())
                            continue;
                        QVERIFY2(k <= 3 ? line->geometry().right() < w.Panel1->x() : line->x() >= R, qPrintable(where));
                    }
                }
            }
        }
        // Where it fits, a click still centres the caption under its photograph.
        s.engine.StartPictures[2] = 7; // "Bar rural."
        w.showCaption(2, true);
        QCOMPARE(w.Label3->x(), w.BildImage[2]->x() + (w.BildImage[2]->width() - w.Label3->width()) / 2);
        QCOMPARE(w.Label3->y(), w.BildImage[2]->y() + w.BildImage[2]->height());
    }
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
    s.engine.WorksheetTaskCount = 12; // a worksheet gathered earlier in the run
    s.engine.WorksheetHeadPending = false;
    s.engine.WorkMode = WorkMode::DiagnosisPractice; // a diagnosis state: the switch still turns worksheet mode on
    w.show();
    QTest::mouseClick(w.Button8, Qt::LeftButton);
    // The new sheet starts as after "&Rensa": task 1, with its heading.
    QCOMPARE(s.engine.WorksheetTaskCount, 0);
    QVERIFY(s.engine.WorksheetHeadPending);
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

    s.engine.WorksheetTaskCount = 4;
    s.engine.WorksheetHeadPending = false;
    utskrift.ListBox1->addItem(QStringLiteral("   1. la casa"));
    QTest::mouseClick(w.Button8, Qt::LeftButton);
    QCOMPARE(int(s.engine.WorkMode), 0);
    QCOMPARE(utskrift.ListBox1->count(), 0);
    QCOMPARE(s.engine.WorksheetTaskCount, 0);
    QVERIFY(s.engine.WorksheetHeadPending);
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

void ShellTest::escClosesTheManualBeforeTheProgram()
{
    Shell s;
    s.noPictures();
    s.cd.write("DATA/LINGVARO.HTM", "<html><body><p>Manualen</p></body></html>");
    TForm1 w(s.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    QVERIFY(w.RegelPanel->isVisible());
    // Esc on "Stäng", which has the focus, and Esc after clicking into the page.
    QTest::keyClick(w.ClosePanel2Knapp, Qt::Key_Escape);
    QVERIFY(!w.RegelPanel->isVisible());
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    QTest::mouseClick(w.WebBrowser1->viewport(), Qt::LeftButton);
    QTest::keyClick(w.WebBrowser1, Qt::Key_Escape);
    QVERIFY(!w.RegelPanel->isVisible());
    QVERIFY(w.isVisible());
    // With nothing open Esc ends the program, as before.
    QTest::keyClick(w.Button9, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QVERIFY(s.platform.messages.empty());
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
    // teacher's. Any password reads back as it was set, also one beginning with
    // ")" (the mark of a scrambled line).
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
        type(w, QStringLiteral("granbarr123"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Högst 10 tecken, tack!"));
        QVERIFY(w.FirstEntry.empty());
        type(w, QStringLiteral("granbarr12"));
        type(w, QStringLiteral("granbarr12"));
        QCOMPARE(w.newPassword(), std::string("granbarr12"));
    }
    {
        TNLOS w(s.app, TNLOS::For::Teacher, "granbarr12");
        type(w, QStringLiteral(")hemligt"));
        type(w, QStringLiteral(")hemligt"));
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(w.newPassword(), std::string(")hemligt"));
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

void ShellTest::pageViewerAndAboutWindowAreScaled()
{
    // The type and size of both windows follow the program's scale, as every
    // other window's do.
    for (const int scale : {100, 150}) {
        Shell s;
        s.platform.screen = {1280, 960};
        s.engine.ScaleFactor = uint16_t(scale);
        s.engine.ExerciseNo = 54800;
        s.engine.DataFileName = "Spa54800.Htm";
        s.cd.write("DATA/SPA54800.HTM", "<p>Trick 2</p>");
        {
            TVisaHtm w(s.app);
            w.show();
            QCOMPARE(w.CierraButton->font().pixelSize(), 16 * scale / 100);
            QCOMPARE(w.WebBrowser1->font().pointSizeF(), 11.0 * scale / 100);
            QVERIFY(std::abs(w.width() - 1024) <= 2 && std::abs(w.height() - 768) <= 2);
            QCOMPARE(w.RegelPanel->geometry(), w.rect());
            // The browser above the button, which lies along the panel's bottom.
            QCOMPARE(w.CierraButton->geometry().bottom(), w.RegelPanel->height() - 1);
            QVERIFY(w.WebBrowser1->geometry().bottom() < w.CierraButton->y());
        }
        {
            TOmVeka about(s.app);
            QCOMPARE(about.size(), QSize(1280, 960));
            QCOMPARE(about.AvbrytButton->font().pixelSize(), 16 * scale / 100);
            QCOMPARE(about.Credits->font().pixelSize(), int(std::lround(17 * scale / 100.0)));
            QCOMPARE(about.Card->width(), 520 * scale / 100);
        }
    }
    QCOMPARE(Shell().platform.messages.size(), size_t(0));
}

void ShellTest::aboutWindowPanelsCoverNoCreditOrButton()
{
    struct Case {
        QSize screen;
        int scale;
    };
    for (Case c : {Case{{800, 600}, 100}, Case{{1024, 768}, 128}, Case{{1280, 800}, 133}, Case{{1920, 1080}, 180}}) {
        Shell s;
        s.platform.screen = c.screen;
        s.engine.ScaleFactor = uint16_t(c.scale);
        s.picture("OMBILD.BMP", {1920, 1080});
        s.picture("SPA0001.BMP", {1024, 768});
        TOmVeka about(s.app);
        about.show();
        const QRect whole = about.rect();
        auto inWindow = [&](QWidget* w) { return QRect(w->mapTo(&about, QPoint(0, 0)), w->size()); };
        for (QFrame* panel : {about.InfoPanel1, about.InfoPanel2}) {
            about.togglePanel(panel == about.InfoPanel1 ? 1 : 2);
            QVERIFY(panel->isVisible());
            const QRect shown = inWindow(panel);
            QVERIFY(whole.contains(shown));
            for (QWidget* kept : std::initializer_list<QWidget*>{about.Credits, about.AvbrytButton, about.Picture1, about.Picture2})
                QVERIFY2(!shown.intersects(inWindow(kept)), qPrintable(kept->objectName() + QString::number(c.scale)));
            // The panel's text has room inside it.
            for (QLabel* text : panel->findChildren<QLabel*>()) {
                QVERIFY(text->geometry().bottom() < panel->height());
                if (text->wordWrap())
                    QVERIFY(text->height() >= text->heightForWidth(text->width()));
            }
        }
        QVERIFY(whole.contains(inWindow(about.Card)));
        // The credits show whole inside the card.
        QVERIFY(about.Credits->geometry().bottom() < about.AvbrytButton->y());
        QVERIFY(about.Credits->height() >= about.Credits->sizeHint().height());
        // The background is the screen's size, cut from the picture, never enlarged.
        QCOMPARE(about.Background->pixmap().size(), c.screen);
        QCOMPARE(about.Picture1->pixmap().size(), about.Picture1->contentsRect().size());
    }
}

void ShellTest::mapAndFlagAreShownInProportion()
{
    Shell s;
    s.engine.ScaleFactor = 100;
    s.picture("FLAGGA.BMP", {960, 640});
    s.picture("KARTA.BMP", {200, 160});
    {
        TFlagga flag(s.app);
        // 3:2 in a 320 x 290 frame: as wide as the frame, in proportion.
        QCOMPARE(flag.Picture->pixmap().size(), QSize(320, 213));
    }
    {
        TKarta map(s.app);
        QCOMPARE(map.Picture->pixmap().size(), QSize(200, 160)); // smaller than its frame: not enlarged
    }
    s.engine.ScaleFactor = 180;
    s.platform.screen = {1920, 1080};
    {
        TFlagga flag(s.app);
        QCOMPARE(flag.Picture->pixmap().size(), QSize(576, 384));
        QCOMPARE(flag.SpelaUppButton->font().pixelSize(), int(std::lround(16 * 1.8)));
    }
    QVERIFY(s.platform.messages.empty());

    // Scaled, both windows stay inside the screens they are scaled for, their
    // fact lines inside the window and clear of the buttons.
    struct Case {
        QSize screen;
        int scale;
    };
    for (Case c : {Case{{800, 600}, 100}, Case{{1024, 768}, 128}, Case{{1280, 1024}, 170}, Case{{1920, 1080}, 180}}) {
        s.engine.ScaleFactor = uint16_t(c.scale);
        s.platform.screen = c.screen;
        TFlagga flag(s.app);
        TKarta map(s.app);
        for (QDialog* w : std::initializer_list<QDialog*>{&flag, &map}) {
            QVERIFY2(w->width() <= c.screen.width() && w->height() <= c.screen.height(), qPrintable(w->objectName()));
            for (QLabel* text : w->findChildren<QLabel*>()) {
                if (!text->wordWrap())
                    continue;
                QVERIFY(text->heightForWidth(text->width()) <= text->height());
                QVERIFY(text->geometry().bottom() < flag.AvbrytButton->y());
            }
        }
    }
}

void ShellTest::flagWindowStopsTheAnthemHoweverItCloses()
{
    Shell s;
    s.cd.write("LJUD/SPANIEN.WAV", "RIFF");
    auto playThen = [&](std::function<void(TFlagga&)> close) {
        s.platform.modalAnswers.push_back([close](QDialog& d) {
            auto& flag = static_cast<TFlagga&>(d);
            QTest::mouseClick(flag.SpelaUppButton, Qt::LeftButton);
            if (!flag.AvbrytUppspelningButton->isVisible() || flag.SpelaUppButton->isVisible())
                return -1;
            close(flag);
            return flag.isVisible() ? -2 : flag.result();
        });
        s.platform.stops = 0;
        const int result = ui::showModal<TFlagga>(s.platform, s.app);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!s.platform.playing);
        QCOMPARE(s.platform.stops, 1);
    };
    playThen([](TFlagga& flag) { QTest::keyClick(&flag, Qt::Key_Escape); });
    playThen([](TFlagga& flag) { QTest::mouseClick(flag.AvbrytButton, Qt::LeftButton); });
    playThen([](TFlagga& flag) { flag.close(); });
    QCOMPARE(s.platform.played.size(), size_t(3));
    QVERIFY(s.platform.played[0].file.endsWith(QStringLiteral("SPANIEN.WAV")));

    // Stopped with its own button, and ended by itself: "&Spela upp" comes back.
    TFlagga flag(s.app);
    flag.show();
    QTest::mouseClick(flag.SpelaUppButton, Qt::LeftButton);
    QTest::mouseClick(flag.AvbrytUppspelningButton, Qt::LeftButton);
    QVERIFY(flag.SpelaUppButton->isVisible() && !flag.AvbrytUppspelningButton->isVisible());
    QTest::mouseClick(flag.SpelaUppButton, Qt::LeftButton);
    QVERIFY(flag.AvbrytUppspelningButton->isVisible());
    s.platform.playing = false; // the anthem has ended
    QTRY_VERIFY(flag.SpelaUppButton->isVisible() && !flag.AvbrytUppspelningButton->isVisible());
    QVERIFY(s.platform.messages.empty());
}

void ShellTest::anthemThatCannotBePlayedSaysSoAndKeepsItsButton()
{
    Shell s;
    s.cd.write("LJUD/SPANIEN.WAV", "RIFF");
    s.platform.soundFails = true;
    TFlagga flag(s.app);
    flag.show();
    QTest::mouseClick(flag.SpelaUppButton, Qt::LeftButton);
    QCOMPARE(s.platform.texts(), QStringList{"Ljudet kunde inte spelas upp: datorn har ingen ljudutgång."});
    QVERIFY(flag.SpelaUppButton->isVisible() && !flag.AvbrytUppspelningButton->isVisible());

    // A missing anthem is told as a missing file, and the button stays too.
    Shell none;
    TFlagga other(none.app);
    other.show();
    QTest::mouseClick(other.SpelaUppButton, Qt::LeftButton);
    QCOMPARE(none.platform.messages.size(), size_t(1));
    QVERIFY(none.platform.texts().front().startsWith(QStringLiteral("Ljudfilen ")));
    QVERIFY(other.SpelaUppButton->isVisible() && !other.AvbrytUppspelningButton->isVisible());
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
