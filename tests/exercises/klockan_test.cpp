// The clock window: the clock's geometry for a time, its painting, the answer
// judged against field 1 with its alternatives, the time of a correction pass,
// the layout at two screen sizes, and diagnosis item 15 from the protocol. The
// window runs on the generated clock file of the staged installation.

#include "contentmap/klockan.h"
#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/textfile.h"
#include "exercises/common/headingbox.h"
#include "exercises/common/textanswer.h"
#include "exercises/klockan/clockface.h"
#include "exercises/klockan/klock.h"
#include "results/aster.h"
#include "results/diaproto.h"
#include "shell/menus.h"
#include "tests/ui/windowfixture.h"
#include "ui/pagebrowser.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>

using namespace lingvaro;
using namespace lingvaro::testing;

namespace {

// A file of the staged installation, copied into the fixture's medium.
void copyStaged(WindowFixture& f, const std::string& name)
{
    const auto bytes = readFileBytes(std::filesystem::path(qEnvironmentVariable("LINGVARO_STAGED_CONTENT").toStdString())
                                     / "DATA" / name);
    QVERIFY2(bytes, name.c_str());
    f.cd.write("DATA/" + name, *bytes);
}

// Typed key by key; a letter beyond ASCII comes as the keyboard sends it, as text.
void keys(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void type(TKlockan& w, const QString& text)
{
    QLineEdit* edit = w.Answer->Edit1;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->clear();
    keys(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString field(TKlockan& w, int n) { return fromCp1252(w.engine().AnswerFields[n]); }

void waitOut(TKlockan& w)
{
    for (int i = 0; i <= w.engine().AnswerShowSeconds * 10; ++i)
        w.WaitTimerTick();
}

class KlockanTest : public QObject {
    Q_OBJECT
private slots:
    void geometryOfTheTimes();
    void handsArePaintedInTheirColours();
    void answersAreJudgedAgainstField1AndItsAlternatives();
    void aCorrectionPassShowsTheStoredTimes();
    void layoutAtTwoScreenSizesAndTheRulesPage();
    void item15IsTestedAndPractisedInTheClock();
};

void KlockanTest::geometryOfTheTimes()
{
    // The size rules: width = height + 8, radius 9/24 of the width, the hour hand
    // (radius div 12) * 9, numerals height div 12, knob height div 25.
    ClockGeometry g = clockGeometry(1, 300);
    QCOMPARE(g.width, 308);
    QCOMPARE(g.cx, 154);
    QCOMPARE(g.cy, 150);
    QCOMPARE(g.radius, 115);
    QCOMPARE(g.hourLength, 81);
    QCOMPARE(g.fontHeight, 25);
    QCOMPARE(g.knobRadius, 12);
    // 12:00: both hands straight up.
    QCOMPARE(g.hourAngle, 0);
    QCOMPARE(g.minuteAngle, 0);
    QCOMPARE(QPoint(g.hourTip.px(), g.hourTip.py()), QPoint(154, 150 - 81));
    QCOMPARE(QPoint(g.minuteTip.px(), g.minuteTip.py()), QPoint(154, 150 - 115));
    // 12 stands at the top, 3 at the right, 9 at the left, 123 px out.
    QCOMPARE(QPoint(g.numeral[12].px(), g.numeral[12].py()), QPoint(154, 27));
    QCOMPARE(QPoint(g.numeral[3].px(), g.numeral[3].py()), QPoint(154 + 123, 150));
    QCOMPARE(QPoint(g.numeral[9].px(), g.numeral[9].py()), QPoint(154 - 123, 150));

    // 12:15: the hour hand 7.5 degrees on, rounded to 8; the minute hand at three.
    g = clockGeometry(4, 300);
    QCOMPARE(g.hourAngle, 8);
    QCOMPARE(g.minuteAngle, 90);
    QCOMPARE(QPoint(g.minuteTip.px(), g.minuteTip.py()), QPoint(154 + 115, 150));
    // 1:15: 30 + 7.5 = 38.
    g = clockGeometry(16, 300);
    QCOMPARE(g.hour, 1);
    QCOMPARE(g.step, 3);
    QCOMPARE(g.hourAngle, 38);
    // 11:55: the last line of the file.
    g = clockGeometry(144, 300);
    QCOMPARE(g.hour, 11);
    QCOMPARE(g.step, 11);
    QCOMPARE(g.minuteAngle, 330);
    QCOMPARE(g.hourAngle, 330 + 28);
    // Halves go to the even neighbour: 2.5 → 2, 12.5 → 12, 17.5 → 18.
    QCOMPARE(clockGeometry(2, 300).hourAngle, 2);
    QCOMPARE(clockGeometry(6, 300).hourAngle, 12);
    QCOMPARE(clockGeometry(8, 300).hourAngle, 18);
    QCOMPARE(clockGeometry(145, 300).hourAngle, 0); // past the twelve hours: round again

    // Seven hangs below its anchor by a share of its width, the others of their height.
    const ClockPoint seven = numeralTopLeft(7, {100, 100}, 12, 24);
    QCOMPARE(seven.x, 100 - 12 * 20 / 24.0);
    QCOMPARE(seven.y, 100 - 12 * 5 / 24.0);
    const ClockPoint eight = numeralTopLeft(8, {100, 100}, 12, 24);
    QCOMPARE(eight.x, 88.0);
    QCOMPARE(eight.y, 92.0);
}

void KlockanTest::handsArePaintedInTheirColours()
{
    for (int height : {240, 400, 900}) {
        ClockFace face(nullptr);
        face.resize(ClockFace::widthFor(height), height);
        face.setClockTime(16); // 1:15
        const QImage image = face.grab().toImage();
        const ClockGeometry g = clockGeometry(16, height);
        // Some pixel of the hand's own colour close to a point on its axis (its
        // middle is a black line, its edges blend into the aqua).
        auto near = [&](double radius, double angle, const QColor& colour) {
            const double a = (angle + 90) * M_PI / 180;
            const int x = int(g.cx - radius * std::cos(a)), y = int(g.cy - radius * std::sin(a));
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    if (image.pixelColor(x + dx, y + dy) == colour)
                        return true;
            return false;
        };
        const QColor red(255, 0, 0), blue(0, 0, 255);
        QVERIFY(near(g.radius / 2.0, g.minuteAngle, red)); // the minute hand, at three
        QVERIFY(!near(g.radius / 2.0, g.minuteAngle, blue));
        const double beyondKnob = (g.hourLength / 2.0 + g.knobRadius + g.hourLength) / 2;
        QVERIFY(near(beyondKnob, g.hourAngle, blue)); // the hour hand, past one
        QVERIFY(!near(beyondKnob, g.hourAngle, red));
        QCOMPARE(image.pixelColor(int(g.knob.x), int(g.knob.y)), QColor(0, 255, 0));             // the knob: lime
        QCOMPARE(image.pixelColor(g.width / 2, 3 * g.height / 4 + g.height / 16), QColor(0, 255, 255)); // aqua
        QCOMPARE(image.pixelColor(2, g.height / 2), QColor(0, 0, 0));                           // the frame
        // Smooth: the slanting outlines shade from black into the aqua; crisp:
        // the frame is black on whole pixels all along.
        int shaded = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                shaded += c.red() == 0 && c.green() == c.blue() && c.green() > 30 && c.green() < 225;
            }
        QVERIFY2(shaded > height / 4, qPrintable(QString::number(shaded)));
        for (int y = 2; y < g.height; ++y)
            QVERIFY2(image.pixelColor(2, y) == QColor(0, 0, 0), qPrintable(QStringLiteral("%1 %2 %3").arg(height).arg(y).arg(image.pixelColor(2, y).name())));
        QVERIFY(image.pixelColor(1, g.height / 2) != QColor(0, 255, 255)); // outside the frame: the window
        QCOMPARE(image.pixelColor(3 + int(std::round(g.height / 300.0)), g.height / 2), QColor(0, 255, 255));
    }
}

void KlockanTest::answersAreJudgedAgainstField1AndItsAlternatives()
{
    WindowFixture f;
    copyStaged(f, "Spa54400.DAT");
    f.open("Spa54400.DAT");
    TKlockan w(f.app);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(f.engine.QuestionTotal, 10);
    QVERIFY(!w.FrageLabel1->isVisible());
    QVERIFY(!w.FrageLabel2->isVisible());
    QCOMPARE(w.Shape1->findChildren<QLabel*>().at(1)->text(), QStringLiteral("¿Qué hora "));
    // Keys the answer box passes on (Shift before a capital, a function key)
    // end at the window; the capital itself is typed.
    QTest::keyClick(w.Answer->Edit1, Qt::Key_Shift);
    QTest::keyClick(w.Answer->Edit1, Qt::Key_F5);
    QTest::keyClick(w.Answer->Edit1, 'S', Qt::ShiftModifier);
    QCOMPARE(w.Answer->Edit1->text(), QStringLiteral("S"));
    int alternatives = 0;
    for (int i = 1; i <= 10; ++i) {
        // The clock shows the question's place in the file; field 2 says it in digits.
        QCOMPARE(w.ClockTime, int(f.engine.QuestionNo));
        QCOMPARE(w.PaintBox1->clockTime(), w.ClockTime);
        QCOMPARE(field(w, 2), QString::fromStdString(klockan::clockText(w.ClockTime)));
        if (i % 4 == 0) {
            type(w, QStringLiteral("Son las trece."));
            QVERIFY(w.Label5->isVisible());
            QCOMPARE(w.Label5->text(), field(w, 1)); // the answer is field 1, not field 2
            waitOut(w);
            continue;
        }
        // The last alternative when the line has one, in lower case and without
        // its full stop; else field 1 itself.
        QString answer = field(w, 1);
        if (f.engine.MarkedCount > 0) {
            int last = 2;
            while (last < 10 && !f.engine.AnswerFields[last + 1].empty())
                ++last;
            answer = fromCp1252(f.engine.AnswerFields[last]).toLower().chopped(1);
            ++alternatives;
        }
        type(w, answer);
        QVERIFY2(!w.Label5->isVisible(), qPrintable(answer));
    }
    QVERIFY(alternatives > 0);
    QCOMPARE(f.engine.CorrectCount, 8);
    QVERIFY(w.Panel1->isVisible());
    QVERIFY(!w.BildPanelen->isVisible()); // no reward picture, whatever the settings
    // The digital time is never an answer.
    QCOMPARE(f.engine.svarstest(f.engine.AnswerFields[1], f.engine.AnswerFields[2], 3), AnswerWrong);
}

void KlockanTest::aCorrectionPassShowsTheStoredTimes()
{
    WindowFixture f;
    copyStaged(f, "Spa54400.DAT");
    f.open("Spa54400.DAT");
    TKlockan w(f.app);
    w.show();
    std::vector<int> wrong;
    for (int i = 1; i <= 10; ++i) {
        if (i <= 3) {
            wrong.push_back(w.ClockTime);
            type(w, QStringLiteral("no sé"));
            waitOut(w);
        } else {
            type(w, field(w, 1));
        }
    }
    QVERIFY(w.Button1->isEnabled());
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(w.ClockTime, wrong[std::size_t(k)]);
        QCOMPARE(w.ClockTime, int(f.engine.ErrorQuestionNo));
        QCOMPARE(field(w, 2), QString::fromStdString(klockan::clockText(w.ClockTime)));
        type(w, field(w, 1));
    }
    QCOMPARE(f.engine.ErrorCounts[f.engine.CatalogueIndex], 0);
}

void KlockanTest::layoutAtTwoScreenSizesAndTheRulesPage()
{
    // Two screens, and the larger one with the program scaled up by half.
    for (const auto& [screen, scale] : {std::pair(QSize(1024, 768), 100), std::pair(QSize(1920, 1080), 100),
                                        std::pair(QSize(1920, 1080), 150)}) {
        WindowFixture f;
        f.platform.screen = screen;
        f.engine.ScaleFactor = uint16_t(scale);
        f.engine.LetterWidth = uint16_t(8 * scale / 100);
        copyStaged(f, "Spa54400.DAT");
        f.cd.write("regler/R54400.htm", "<html><body><p>Klockan</p></body></html>");
        f.open("Spa54400.DAT");
        TKlockan w(f.app);
        w.show();
        const QRect box = w.Shape1->geometry(), clock = w.PaintBox1->geometry();
        QCOMPARE(clock.width(), clock.height() + 8);
        QCOMPARE(clock.x(), box.x() + box.width() + 2 * int(f.engine.LetterWidth));
        QCOMPARE(clock.y(), box.y());
        QVERIFY(clock.height() >= screen.height() / 2);
        QVERIFY(clock.right() < w.Aster2->x());
        QVERIFY(w.Answer->Edit1->geometry().top() > clock.bottom());
        QVERIFY(w.Label5->geometry().bottom() < w.Panel1->y());
        QVERIFY(w.Heading->geometry().bottom() < box.top());
        for (QWidget* row : {static_cast<QWidget*>(w.Answer->lampknapp), static_cast<QWidget*>(w.regelknapp)})
            QVERIFY(row->geometry().right() < clock.x() && row->y() > box.bottom());
        // The rules button opens the clock's own page.
        QVERIFY(w.regelknapp->isVisible());
        QTest::mouseClick(w.regelknapp, Qt::LeftButton);
        QVERIFY(w.RegelPanel->isVisible());
        QVERIFY(f.platform.messages.empty());
        QVERIFY(w.WebBrowser1->toPlainText().contains(QStringLiteral("Klockan")));
    }
}

void KlockanTest::item15IsTestedAndPractisedInTheClock()
{
    for (const int status : {0, 3}) {
        WindowFixture f;
        const bool practice = status == 3;
        copyStaged(f, practice ? "SpOvn115.DAT" : "SpDi15.DAT");
        f.engine.DiagnosisDir = (f.pc.path() / "RESULTAT").native();
        std::filesystem::create_directories(f.engine.DiagnosisDir);
        f.engine.DiagnosisDirTested = true;
        connectExerciseWindows(f.app);
        f.open(practice ? "SpOvn115.DAT" : "SpDi15.DAT");
        f.engine.DiagnosisRecord = freshRecord("Ana");
        f.engine.DiagnosisRecord.DiagnosisStatus[15] = uint8_t(status);
        Tdiaprot protocol(f.app);
        protocol.show();
        bool seen = false, lamp = true, rules = true, help = !practice, counters = false, helpAtLeft = false;
        f.platform.modalAnswers.push_back([&](QDialog& d) {
            auto& w = dynamic_cast<TKlockan&>(d);
            seen = true;
            lamp = w.Answer->lampknapp->isVisible() || w.Answer->LampShape->isVisible();
            rules = w.regelknapp->isVisible();
            help = w.Answer->Helpknapp1->isVisible();
            counters = w.DiagPanel1->isVisible() && w.DiagPanel1->x() > w.PaintBox1->geometry().right();
            helpAtLeft = w.Answer->Helpknapp1->x() == w.Shape1->x();
            for (int i = 1; i <= 20 && w.isVisible(); ++i) {
                type(w, i <= 13 ? field(w, 1) : QStringLiteral("fel"));
                waitOut(w);
            }
            return w.result();
        });
        f.engine.ProtocolRow = 15;
        QTest::keyClick(protocol.StringGrid1, Qt::Key_Return);
        QCOMPARE(f.platform.openedWindows.first(), QStringLiteral("TKlockan"));
        QVERIFY(seen);
        // In a diagnosis there is no lamp and no rules button; a test has no help.
        QVERIFY(!lamp);
        QVERIFY(!rules);
        QCOMPARE(help, practice);
        QVERIFY(counters); // right of the clock
        QVERIFY(helpAtLeft); // where the lamp switch would stand
        if (practice) {
            QCOMPARE(f.protocol.passed.size(), 0u); // the real protocol took the report
            QCOMPARE(int(f.engine.DiagnosisRecord.DiagnosisStatus[15]), 2); // passed: test again
        } else {
            QCOMPARE(int(f.engine.DiagnosisRecord.DiagnosisResults[15]), 13);
        }
    }
}

} // namespace

QTEST_MAIN(KlockanTest)
#include "klockan_test.moc"
