// The picture windows, driven by real keys and mouse clicks: the naming window's
// picture, question lines and cover panel, and the vocabulary window's pictures,
// rows, digit keys and bird calls. (The series itself is tested once, against a
// fake window, in common/series_test.cpp.)

#include "contentmap/pictures.h"
#include "engine/cp1252.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/textanswer.h"
#include "exercises/pictures/bilden.h"
#include "exercises/pictures/bildvis.h"
#include "results/aster.h"
#include "tests/ui/windowfixture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <set>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A picture of the given size and colour at a path of a scratch installation.
void picture(ScratchDir& dir, const std::string& relative, QSize size, QColor colour)
{
    const auto file = dir.path() / relative;
    std::filesystem::create_directories(file.parent_path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(QString::fromStdString(file.native()), "BMP"));
}

// A vocabulary file of n questions: three names (or two) and a Swedish word.
void vocabulary(WindowFixture& f, const std::string& name, int n, int twoNamesFrom = 1000)
{
    std::vector<std::string> lines = {"$Djur", "$F\xe5glar", "$\xa7Klicka p\xe5 r\xe4tt namn."};
    for (int k = 1; k <= n; ++k)
        lines.push_back("el r" + std::to_string(k) + "#el f" + std::to_string(k)
                        + (k >= twoNamesFrom ? std::string("###") : "#el g" + std::to_string(k) + "#") + "ord"
                        + std::to_string(k));
    f.cd.write("DATA/" + name, crlf(lines));
}

int rowWith(TBildvis& w, int field)
{
    for (int r = 1; r <= w.AlternativeCount; ++r)
        if (w.AlternativeOrder[std::size_t(r - 1)] == field)
            return r;
    return 0;
}

void waitOut(ExerciseWindow& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
}

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void picturePaths();
    void vocabularySeriesByClicksAndKeys();
    void seriesLengths();
    void digitsAnswerOnlyWhileAsking();
    void pauseWithoutErrorsOffersNoCorrection();
    void twoNamesLeaveRowThreeWrong();
    void picturesFromTheHardDiskFirstAndInTheirBox();
    void birdCalls();
    void namingPictureBesideTheHeading();
    void namingThreeLineQuestion();
    void namingPauseKeepsTheCountsAndEndCovers();
};

void PicturesTest::picturePaths()
{
    QCOMPARE(pictures::questionPicture(13240, 5), std::string("\\BILD\\VAXTER\\T214405.BMP"));
    QCOMPARE(pictures::questionPicture(13350, 42), std::string("\\BILD\\DJUR\\T215542.BMP"));
    QCOMPARE(pictures::questionPicture(13220, 12), std::string("\\BILD\\VAXTER\\T214212.BMP"));
    QCOMPARE(pictures::questionPicture(13310, 3), std::string("\\BILD\\DJUR\\T215103.BMP"));
    QVERIFY(pictures::questionPicture(13310, 100).empty());
    QVERIFY(pictures::questionPicture(13360, 1).empty()); // the small creatures are typed, without pictures
    QCOMPARE(pictures::bodyPicture(13130), std::string("\\BILD\\KROPP\\HALS.BMP"));
    QCOMPARE(pictures::birdCall(13310, 7), std::string("SV_FLUGS.WAV"));
    QVERIFY(pictures::birdCall(13310, 8).empty());
    QVERIFY(pictures::birdCall(13320, 1).empty());
    QCOMPARE(int(pictures::vocabularyFiles(13310).size()), 15);

    // The line rules the content check applies.
    auto fields = [](std::vector<std::string> f) {
        f.insert(f.begin(), std::string());
        return f;
    };
    QVERIFY(pictures::vocabularyLineProblems(fields({"el oso", "el lobo", "el zorro", "bj\xf6rnen"}), 13320).empty());
    QVERIFY(pictures::vocabularyLineProblems(fields({"el oso", "el lobo", "", "bj\xf6rnen"}), 13320).empty());
    QCOMPARE(pictures::vocabularyLineProblems(fields({"oso", "el lobo", "el lobo", "x"}), 13320).size(), std::size_t(2));
    QCOMPARE(pictures::vocabularyLineProblems(fields({"el oso", "", "", "x"}), 13320).size(), std::size_t(1));
    QVERIFY(pictures::namingLineProblems(fields({"nr 7 \x96 armb\xe5gen", "el codo"}), 13110).empty());
    QCOMPARE(pictures::namingLineProblems(fields({"nr 19 \x96 \xf6rat", "la oreja"}), 13110),
             std::vector<std::string>{"bilden har ingen markering nr 19"});
    QCOMPARE(pictures::namingLineProblems(fields({"\xf6rat", ""}), 13120).size(), std::size_t(2));
}

void PicturesTest::vocabularySeriesByClicksAndKeys()
{
    WindowFixture f;
    vocabulary(f, "SPA13320.DAT", 12);
    f.open("SPA13320.DAT");
    TBildvis w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.InstruktionsLabel->text(), QStringLiteral("Klicka på rätt namn."));
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(w.SvensktOrd->text(), QStringLiteral("ord%1").arg(f.engine.QuestionNo));
        QCOMPARE(w.AlternativeCount, 3);
        const int right = rowWith(w, 1);
        QCOMPARE(w.RightRow, right);
        QCOMPARE(w.AltLabel[std::size_t(right - 1)]->text(), QStringLiteral("el r%1").arg(f.engine.QuestionNo));
        if (i % 4 == 0) {
            // A wrong row by the mouse: the right name in maroon, the right row aqua, no hover.
            const int wrong = right % 3 + 1;
            QTest::mouseClick(w.AlternativPanel[std::size_t(wrong - 1)], Qt::LeftButton);
            QVERIFY(w.RattSvarLabel->isVisible());
            QCOMPARE(w.AlternativPanel[std::size_t(right - 1)]->palette().color(QPalette::Window), QColor(0, 255, 255));
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(w.AltLabel[std::size_t(wrong - 1)], &enter);
            QCOMPARE(w.AlternativPanel[std::size_t(wrong - 1)]->palette().color(QPalette::Window),
                     w.palette().color(QPalette::Button));
            QTest::keyClick(&w, Qt::Key_Space);
            w.WaitTimerTick();
        } else if (i % 2 == 0) {
            QTest::mouseClick(w.AltLabel[std::size_t(right - 1)], Qt::LeftButton);
        } else {
            QTest::keyClick(&w, char('0' + right));
        }
        QCOMPARE(w.Aster2->BoxRight(i), i % 4 != 0);
    }
    QCOMPARE(f.engine.CorrectCount, 8);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.LovordPanel->isVisible()); // eight of ten earns praise
    QVERIFY(w.Button1->isEnabled());
    QVERIFY(!w.Image2->isVisible());
    // The correction pass asks the two wrong ones.
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.QuestionTotal, 2);
    QCOMPARE(w.Aster2->MaxAntalRutor(), 2);
}

void PicturesTest::seriesLengths()
{
    for (int count : {7, 25}) {
        WindowFixture f;
        vocabulary(f, "SPA13330.DAT", count);
        f.open("SPA13330.DAT");
        TBildvis w(f.app);
        w.show();
        std::set<int> asked;
        const int length = std::min(count, 10);
        QCOMPARE(w.Aster2->MaxAntalRutor(), length);
        for (int i = 0; i < length; ++i) {
            asked.insert(f.engine.QuestionNo);
            QTest::keyClick(&w, char('0' + w.RightRow));
        }
        QCOMPARE(int(asked.size()), length); // a short file is asked whole, no question twice
        QVERIFY(w.Panel1->isVisible());
    }
}

void PicturesTest::digitsAnswerOnlyWhileAsking()
{
    WindowFixture f;
    vocabulary(f, "SPA13320.DAT", 12);
    f.open("SPA13320.DAT");
    TBildvis w(f.app);
    w.show();
    const int wrong = w.RightRow % 3 + 1;
    QTest::keyClick(&w, char('0' + wrong));
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.SeriesPos, 2);
    // During the answer display, digits are no answers.
    for (char key : {'1', '2', '3'})
        QTest::keyClick(&w, key);
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
    QCOMPARE(f.engine.SeriesPos, 2);
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 1);
    waitOut(w);
    // Nor while paused.
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QTest::keyClick(&w, '1');
    QCOMPARE(f.engine.SeriesPos, 2);
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QTest::keyClick(&w, char('0' + w.RightRow));
    QCOMPARE(f.engine.CorrectCount, 1);
    QCOMPARE(f.engine.WrongCount, 1); // the counts were kept through the pause
}

void PicturesTest::pauseWithoutErrorsOffersNoCorrection()
{
    WindowFixture f;
    vocabulary(f, "SPA13320.DAT", 12);
    f.open("SPA13320.DAT");
    TBildvis w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // A right click on a row pauses.
    QTest::mouseClick(w.NrPanel[0], Qt::RightButton);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.Button1->isEnabled());
    QVERIFY(w.Button2->hasFocus());
    w.Button1Click(); // even forced, there is no empty correction series
    QVERIFY(!f.engine.CorrectionPass);
    QVERIFY(w.Panel1->isVisible());
}

void PicturesTest::twoNamesLeaveRowThreeWrong()
{
    WindowFixture f;
    vocabulary(f, "SPA13320.DAT", 12, 1); // every question has two names
    f.open("SPA13320.DAT");
    TBildvis w(f.app);
    w.show();
    // An order of three planted by an earlier question must not be read.
    w.AlternativeOrder = {2, 3, 1};
    QCOMPARE(w.AlternativeCount, 2);
    QVERIFY(!w.NrPanel[2]->isVisible());
    QVERIFY(w.AlternativPanel[2]->isVisible()); // the empty third bar
    QVERIFY(w.AltLabel[2]->text().isEmpty());
    QTest::keyClick(&w, '3');
    QCOMPARE(f.engine.WrongCount, 1);
    QCOMPARE(f.engine.CorrectCount, 0);
}

void PicturesTest::picturesFromTheHardDiskFirstAndInTheirBox()
{
    WindowFixture f;
    vocabulary(f, "SPA13240.DAT", 12);
    for (int n = 1; n <= 12; ++n) {
        const std::string name = "BILD/VAXTER/T2144" + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')).toStdString() + ".BMP";
        if (n % 3 == 0)
            continue; // a question whose picture is missing
        picture(f.cd, name, {80, 60}, Qt::red);
        if (n % 2 == 0)
            picture(f.pc, name, {2000, 1000}, Qt::blue); // large, and on the hard disk too
    }
    f.open("SPA13240.DAT");
    TBildvis w(f.app);
    w.show();
    for (int i = 0; i < 6; ++i) {
        const bool onDisk = f.engine.QuestionNo % 2 == 0;
        if (f.engine.QuestionNo % 3 == 0) {
            QVERIFY(!w.Image2->isVisible()); // no picture, and no message
            QTest::keyClick(&w, char('0' + w.RightRow));
            continue;
        }
        QVERIFY(w.Image2->isVisible());
        const QImage shown = w.Image2->pixmap().toImage();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), onDisk ? QColor(Qt::blue) : QColor(Qt::red));
        const QRect box = w.pictureBox();
        QVERIFY(box.contains(w.Image2->geometry()));
        QVERIFY(!w.Image2->geometry().intersects(w.Heading->geometry()));
        QVERIFY(!w.Image2->geometry().intersects(w.AlternativPanel[0]->geometry()));
        QVERIFY(w.Image2->geometry().right() < w.Aster2->x());
        if (onDisk) // scaled down in proportion
            QCOMPARE(std::abs(shown.width() - 2 * shown.height()) <= 2, true);
        else        // small pictures are not enlarged
            QCOMPARE(shown.size(), QSize(80, 60));
        QTest::keyClick(&w, char('0' + w.RightRow));
    }
    QVERIFY(f.platform.messages.empty());
}

void PicturesTest::birdCalls()
{
    for (int soundMode : {1, 2}) {
        WindowFixture f;
        vocabulary(f, "SPA13310.DAT", 34);
        f.cd.write("LJUD/BIRDS/GOK.WAV", "x");
        f.pc.write("LJUD/BIRDS/TALGOXE.WAV", "x"); // installed on the hard disk only
        f.open("SPA13310.DAT");
        f.engine.SoundMode = uint8_t(soundMode);
        TBildvis w(f.app);
        w.show();
        int calls = 0;
        for (int i = 0; i < 10; ++i) {
            const std::string call = pictures::birdCall(13310, f.engine.QuestionNo);
            QCOMPARE(w.HoraLjudetButton->isVisible(), soundMode == 1 && !call.empty());
            if (w.HoraLjudetButton->isVisible()) {
                ++calls;
                const int stops = f.platform.stops;
                QTest::mouseClick(w.HoraLjudetButton, Qt::LeftButton);
                if (call == "GOK.WAV" || call == "TALGOXE.WAV") {
                    QVERIFY(f.platform.played.back().file.endsWith(QString::fromStdString(call)));
                    QVERIFY(f.platform.played.back().file.contains(
                        QString::fromStdString((call == "GOK.WAV" ? f.cd : f.pc).path().native())));
                    QVERIFY(!f.platform.played.back().wait);
                } else {
                    QVERIFY(f.platform.texts().last().contains(QString::fromStdString(call))); // said, and the question goes on
                }
                QVERIFY(!w.HoraLjudetButton->hasFocus()); // the keys stay the window's
                if (i % 2) {
                    QTest::keyClick(&w, char('0' + w.RightRow)); // the next question stops the call
                    QCOMPARE(f.platform.stops, stops + 1);
                    continue;
                }
                QTest::keyClick(&w, Qt::Key_Escape); // so does Esc
                QCOMPARE(f.platform.stops, stops + 1);
                QTest::mouseClick(w.Button2, Qt::LeftButton);
            }
            QTest::keyClick(&w, char('0' + w.RightRow));
        }
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.HoraLjudetButton->isVisible());
        QCOMPARE(f.engine.SoundSubdir, std::string()); // the birds' folder is not left for other windows
        if (soundMode == 2)
            QCOMPARE(calls, 0);
    }
    // In a correction pass the call is the stored question's.
    WindowFixture f;
    vocabulary(f, "SPA13310.DAT", 34);
    f.open("SPA13310.DAT");
    TBildvis w(f.app);
    w.show();
    while (pictures::birdCall(13310, f.engine.QuestionNo).empty() && f.engine.SeriesPos < 10)
        QTest::keyClick(&w, char('0' + w.RightRow));
    const int called = f.engine.QuestionNo;
    QVERIFY(!pictures::birdCall(13310, called).empty());
    QTest::keyClick(&w, char('0' + w.RightRow % 3 + 1));
    waitOut(w);
    while (f.engine.SeriesPos <= 10)
        QTest::keyClick(&w, char('0' + w.RightRow));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.engine.ErrorQuestionNo, called);
    QCOMPARE(w.questionNumber(), called);
    QVERIFY(w.HoraLjudetButton->isVisible());
}

void PicturesTest::namingPictureBesideTheHeading()
{
    WindowFixture f;
    f.dataFile("SPA13110.DAT", 12);
    picture(f.cd, "BILD/KROPP/KROPPEN.BMP", {600, 830}, Qt::red);
    picture(f.pc, "BILD/KROPP/KROPPEN.BMP", {600, 830}, Qt::green);
    f.open("SPA13110.DAT");
    TBilden w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shown = w.Image1->pixmap().toImage();
    QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::green)); // the hard disk's picture
    QVERIFY(std::abs(shown.width() * 830 - shown.height() * 600) < 830 * 2); // in proportion
    QVERIFY(w.pictureBox().contains(w.Image1->geometry()));
    QVERIFY(w.Image1->geometry().right() < w.Heading->x());
    QVERIFY(w.Image1->geometry().bottom() < w.Panel1->y());
    QVERIFY(w.Answer->Edit1->x() > w.Image1->geometry().right());
    QVERIFY(!w.Answer->lampknapp->isVisible());
    QVERIFY(!w.Answer->Helpknapp1->isVisible());
    QVERIFY(f.platform.messages.empty());

    // Without its picture the window says so once and still runs.
    WindowFixture g;
    g.dataFile("SPA13120.DAT", 12);
    g.open("SPA13120.DAT");
    TBilden missing(g.app);
    QCOMPARE(g.platform.messages.size(), std::size_t(1));
    QVERIFY(g.platform.texts().first().contains(QStringLiteral("HUVUDET.BMP")));
    QVERIFY(!missing.Image1->isVisibleTo(&missing));
}

void PicturesTest::namingThreeLineQuestion()
{
    WindowFixture f;
    std::vector<std::string> lines = {"$Kroppen", "$\xa7Skriv."};
    const std::string longQuestion = "nr 1 \x96 den del av kroppen som sitter mellan huvudet och b\xe5len och som "
                                     "b\xe4r upp huvudet n\xe4r man g\xe5r, springer, hoppar och dansar hela dagen l\xe5ng, "
                                     "fr\xe5n morgonen n\xe4r man vaknar till kv\xe4llen n\xe4r man somnar i sin s\xe4ng";
    lines.push_back(longQuestion + "#el cuello#&cuello");
    for (int k = 2; k <= 12; ++k)
        lines.push_back("nr " + std::to_string(k) + " \x96 ord#svar" + std::to_string(k));
    f.cd.write("DATA/SPA13110.DAT", crlf(lines));
    f.open("SPA13110.DAT");
    TBilden w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    while (f.engine.QuestionNo != 1) {
        QTest::keyClicks(w.Answer->Edit1, fromCp1252(f.engine.AnswerFields[2]));
        QTest::keyClick(w.Answer->Edit1, Qt::Key_Return);
    }
    QVERIFY(!f.engine.SplitLines[3].empty());
    QVERIFY(w.FrageLabel1->isVisible());
    QCOMPARE(w.FrageLabel2->text(), fromCp1252(f.engine.SplitLines[2]).trimmed() + QStringLiteral("\n")
                                        + fromCp1252(f.engine.SplitLines[3]).trimmed());
    QVERIFY(w.FrageLabel2->geometry().right() < w.Aster2->x());
    QVERIFY(w.Answer->Edit1->y() > w.FrageLabel2->geometry().bottom());
    // The answer without its article is right too: it is a listed alternative, and case does not count.
    QTest::mouseClick(w.FrageLabel2, Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Cuello"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(f.engine.LastAnswerRight);
}

void PicturesTest::namingPauseKeepsTheCountsAndEndCovers()
{
    WindowFixture f;
    f.dataFile("SPA13110.DAT", 7);
    f.engine.PictureMode = 1;
    picture(f.cd, "BILD/SPA0001.BMP", {64, 48}, Qt::yellow);
    f.open("SPA13110.DAT");
    TBilden w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.Aster2->MaxAntalRutor(), 7);
    auto type = [&](bool right) {
        QTest::keyClicks(w.Answer->Edit1, right ? fromCp1252(f.engine.AnswerFields[2]) : QStringLiteral("fel"));
        QTest::keyClick(w.Answer->Edit1, Qt::Key_Return);
    };
    type(true);
    type(false);
    QVERIFY(w.SvarsLabel->isVisible());
    QTest::keyClick(&w, Qt::Key_Space);
    w.WaitTimerTick();
    QVERIFY(!w.SvarsLabel->isVisible());
    const int asked = f.engine.QuestionNo;
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Escape);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(w.Button1->isEnabled()); // one wrong answer is stored
    QTest::mouseClick(w.Button2, Qt::LeftButton);
    QCOMPARE(int(f.engine.QuestionNo), asked);
    QCOMPARE(f.engine.CorrectCount, 1);
    QCOMPARE(f.engine.WrongCount, 1);
    QVERIFY(w.Answer->Edit1->hasFocus());
    for (int i = 3; i <= 7; ++i)
        type(true);
    // The end: the question area covered, praise on it, no reward picture.
    QVERIFY(w.Bildpanelen->isVisible());
    QVERIFY(!w.Answer->Edit1->isVisible());
    QVERIFY(w.LovordPanel->isVisible());
    QVERIFY(!w.BildPanelen->isVisible());
    QVERIFY(w.Bildpanelen->geometry().top() > w.Heading->geometry().bottom());
    QVERIFY(w.Bildpanelen->geometry().left() > w.Image1->x());
    QTest::mouseClick(w.Button2, Qt::LeftButton); // a new series
    QVERIFY(!w.Bildpanelen->isVisible());
    QVERIFY(w.Answer->Edit1->isVisible());
    QCOMPARE(f.engine.CorrectCount, 0);
}

} // namespace

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
