// The worksheet printer: line kinds and printed answers, and worksheets printed
// to PDF files and read back with the place of every word on its page.

#include "results/skrivut.h"

#include "engine/engine.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace lingvaro;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

struct Sheet {
    Engine engine;
    testing::TestPlatform platform;
    AppContext app{engine, platform};
    TUtskrift utskrift{app};
    QTemporaryDir dir;
    Sheet() { platform.pdfFile = dir.filePath(QStringLiteral("blad.pdf")); }

    void both(const QString& line)
    {
        utskrift.ListBox1->addItem(line);
        utskrift.ListBox2->addItem(line);
    }
    // As an exercise window sends its heading and questions.
    void heading(int n, const QString& text, const QString& instruction)
    {
        both(QStringLiteral("%1.  %2").arg(n).arg(text));
        utskrift.ListBox1->addItem(QStringLiteral("      ") + instruction + u':');
    }
    void task(int n, int moreAnswerLines = 0)
    {
        const QString prefix = QString(n < 10 ? 3 : n < 100 ? 1 : 0, u' ') + QString::number(n) + QStringLiteral(". ");
        both(prefix + QStringLiteral("fråga%1").arg(n));
        utskrift.ListBox1->addItem(QStringLiteral("       ") + QString(57, u'_'));
        utskrift.ListBox2->addItem(QStringLiteral("       svar%1").arg(n));
        for (int k = 0; k < moreAnswerLines; ++k)
            utskrift.ListBox2->addItem(QStringLiteral("       mer%1").arg(n));
    }
    bool print(bool withAnswers)
    {
        engine.PrintWithAnswers = withAnswers;
        return utskrift.SkrivutFraga();
    }
};

struct Word {
    int page;
    double left, top, bottom; // points from the paper's top left corner
    QString text;
};

// Every word of a PDF file with its page and box, in reading order.
QList<Word> pdfWords(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression item(QString::fromLatin1(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    int page = 0;
    for (auto it = item.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(4).isEmpty())
            ++page;
        else
            words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                          m.captured(4)});
    }
    return words;
}

Word find(const QList<Word>& words, const QString& text)
{
    for (const Word& w : words)
        if (w.text == text)
            return w;
    return {0, 0, 0, 0, {}};
}

// Page numbers stand at the top right corner, the program's name top left.
QList<int> cornerWords(const QList<Word>& words, bool right)
{
    QList<int> found;
    for (const Word& w : words)
        if (w.top < 10 * PointsPerMm && (right ? w.left > 190 * PointsPerMm : w.left < 10 * PointsPerMm))
            found << (right ? w.text.toInt() : w.page);
    return found;
}

// Each page ends on an answer or writing line, never on a task or heading
// whose lines went on to the next page, and nothing runs off the sheet.
void checkPageEnds(const QList<Word>& words, const QString& lastLine)
{
    for (int page = 1; page <= words.last().page; ++page) {
        Word lowest{0, 0, 0, 0, {}};
        for (const Word& w : words)
            if (w.page == page && w.bottom > lowest.bottom)
                lowest = w;
        QVERIFY2(lowest.text.startsWith(lastLine) && lowest.bottom < 291 * PointsPerMm, qPrintable(lowest.text));
    }
}

} // namespace

class SkrivutTest : public QObject {
    Q_OBJECT
private slots:
    void lineKinds();
    void printedAnswersAndKeptLines();
    void millimetresAndPixels();
    void worksheetWithAndWithoutAnswers();
    void pagesAndCopies();
    void blocksAreNeverSplitAcrossPages();
    void tasksNumberedFrom100StayTasks();
    void windowListsAndRensa();
    void theQueueStaysWithTheWindowThatShowsIt();
    void theQueueIsInTheProgramsType();
};

void SkrivutTest::lineKinds()
{
    const QList<std::pair<const char*, int>> cases{
        {"12.  Verb", 1}, {"   7. la casa", 2}, {"       la casa eller el hogar.", 0}, {"", 10}, {"ab", 0},
        {"      Översätt till spanska:", 0}, {" 10. el perro", 2}, {"100. el perro", 2}, {"1000. ", 2},
        {"100.  Verb", 1}, {"3 verbos", 1}, {".5 kilo", 0}, {"      ab 1.", 0}};
    for (const auto& [line, kind] : cases)
        QVERIFY2(TUtskrift::LineKind(QString::fromUtf8(line)) == kind, line);
}

void SkrivutTest::printedAnswersAndKeptLines()
{
    Sheet s;
    Engine& e = s.engine;
    e.AnswerFields[3] = "otra";
    QCOMPARE(s.utskrift.UtSkriftSvar("\xbfqu\xe9?"), QStringLiteral("¿qué?")); // MarkedCount 0: as it is
    e.MarkedCount = 2;
    e.AnswerFields[2] = "&el hogar";
    e.AnswerFields[3] = "la vivienda";
    QCOMPARE(s.utskrift.UtSkriftSvar("la casa"), QStringLiteral("la casa eller el hogar, la vivienda."));
    e.MarkedCount = 1; // the last alternatives used, wherever the line ends
    e.AnswerFields[4] = "&la morada";
    QCOMPARE(s.utskrift.UtSkriftSvar("la casa"), QStringLiteral("la casa eller la morada."));
    e.AnswerFields[3] = e.AnswerFields[4] = "";
    QCOMPARE(s.utskrift.UtSkriftSvar("la casa"), QStringLiteral("la casa eller el hogar."));

    s.heading(1, QStringLiteral("Verb"), QStringLiteral("Översätt"));
    s.task(1);
    s.utskrift.ListBox2->addItem(QStringLiteral("       svar1 igen"));
    s.task(2);
    QCOMPARE(s.utskrift.UppgiftTillNySida(0, 1), 3);
    QCOMPARE(s.utskrift.UppgiftTillNySida(2, 1), 1);
    QCOMPARE(s.utskrift.UppgiftTillNySida(1, 2), 2);
    QCOMPARE(s.utskrift.UppgiftTillNySida(4, 2), 1); // the last task keeps its answer too
    QVERIFY(s.utskrift.InstruktionFinns(0, 1) && !s.utskrift.InstruktionFinns(0, 2));
}

void SkrivutTest::millimetresAndPixels()
{
    const QSize a4(9921, 14031); // 1200 dots an inch
    QCOMPARE(TUtskrift::XmmTillPixel(20, a4), 945);
    QCOMPARE(TUtskrift::YmmTillPixel(276, a4), 13039);
    QCOMPARE(TUtskrift::YPixelTillmm(13039, a4), 276);
    const QSize halves(105, 594); // half a pixel a mm across, two down: halves go to even
    QCOMPARE(TUtskrift::XmmTillPixel(1, halves), 0);
    QCOMPARE(TUtskrift::XmmTillPixel(3, halves), 2);
    QCOMPARE(TUtskrift::YPixelTillmm(5, halves), 2);
    QCOMPARE(TUtskrift::YPixelTillmm(-6, halves), 3);
}

void SkrivutTest::worksheetWithAndWithoutAnswers()
{
    for (const bool withAnswers : {false, true}) {
        Sheet s;
        s.engine.PageNo = 4;
        s.heading(1, QStringLiteral("Substantiv"), QStringLiteral("Översätt"));
        s.task(1);
        s.task(2);
        s.heading(2, QStringLiteral("Verb"), QStringLiteral("Böj"));
        s.task(3);
        QVERIFY(s.print(withAnswers));
        const QString text = testing::pdfText(s.platform.pdfFile);
        const QString writeOrAnswer = withAnswers ? QStringLiteral("svar1") : QStringLiteral("_____");
        qsizetype at = 0;
        for (const QString& piece : {TUtskrift::headingText(withAnswers), TUtskrift::MakerLine,
                                     QStringLiteral("Substantiv"), QStringLiteral("1. fråga1"), writeOrAnswer,
                                     QStringLiteral("2. fråga2"), QStringLiteral("Verb"), QStringLiteral("3. fråga3")}) {
            at = text.indexOf(piece, at);
            QVERIFY2(at >= 0, qPrintable(piece + QStringLiteral(" not in order in:\n") + text));
        }
        QCOMPARE(text.contains(QStringLiteral("Facit")), withAnswers);
        // Instructions and writing lines only without answers; answers only with them.
        QCOMPARE(text.contains(QStringLiteral("Översätt:")) && text.contains(QStringLiteral("Böj:")), !withAnswers);
        QCOMPARE(text.contains(QStringLiteral("_____")), !withAnswers);
        QCOMPARE(text.contains(QStringLiteral("svar3")), withAnswers);
        QCOMPARE(testing::pdfPages(s.platform.pdfFile), 1);
        const QList<Word> words = pdfWords(s.platform.pdfFile);
        QCOMPARE(cornerWords(words, true), QList<int>{1});
        QVERIFY(qAbs(find(words, QStringLiteral("1.")).left - 20 * PointsPerMm) < 1); // headings at 20 mm
        QCOMPARE(s.engine.PageNo, 1);
        QVERIFY(!s.engine.PrintHeadingNeeded);
        QCOMPARE(s.utskrift.PrintList, withAnswers ? 2 : 1);
    }
}

void SkrivutTest::pagesAndCopies()
{
    Sheet s;
    s.heading(1, QStringLiteral("Verb"), QStringLiteral("Översätt"));
    for (int n = 1; n <= 30; ++n)
        s.task(n);
    QVERIFY(s.print(false));
    const int pages = testing::pdfPages(s.platform.pdfFile);
    QVERIFY(pages >= 3);
    QCOMPARE(s.engine.PageNo, pages);
    QList<int> numbers;
    for (int p = 1; p <= pages; ++p)
        numbers << p;
    QList<Word> words = pdfWords(s.platform.pdfFile);
    QCOMPARE(cornerWords(words, true), numbers);
    QCOMPARE(cornerWords(words, false), numbers.mid(1)); // the name on every later page
    QCOMPARE(find(words, QStringLiteral("fråga30")).page, pages);

    // Two copies: the whole worksheet twice, each from page 1 and its heading.
    s.platform.copies = 2;
    QVERIFY(s.print(false));
    words = pdfWords(s.platform.pdfFile);
    QCOMPARE(cornerWords(words, true), numbers + numbers);
    const QStringList copies = testing::pdfText(s.platform.pdfFile).split(TUtskrift::headingText(false));
    QCOMPARE(copies.size(), 3);
    QVERIFY(copies[1].contains(QStringLiteral("fråga30")) && copies[2].contains(QStringLiteral("fråga30")));

    // A cancelled dialog prints nothing and changes nothing.
    QFile::remove(s.platform.pdfFile);
    s.platform.pdfFile.clear();
    s.engine.PageNo = 3;
    QVERIFY(!s.print(false));
    QCOMPARE(s.platform.printDialogs, 3);
    QCOMPARE(s.engine.PageNo, 3);
    QVERIFY(QDir(s.dir.path()).isEmpty());
}

void SkrivutTest::blocksAreNeverSplitAcrossPages()
{
    // Lines of notes ahead of the first block shift everything by 10 mm a
    // line, so that page ends fall at every height within a block. Printed
    // after the dialog without and with answers, and directly (as the own word
    // lists are) with three answer lines a task.
    enum Mode { Without, With, Direct };
    for (int notes = 0; notes < 12; ++notes) {
        for (const Mode mode : {Without, With, Direct}) {
            Sheet s;
            for (int k = 0; k < notes; ++k)
                s.both(QStringLiteral("      anteckning"));
            int n = 0;
            QList<int> firstTasks;
            for (int block = 1; block <= 9; ++block) {
                s.heading(block, QStringLiteral("rubrik%1").arg(block), QStringLiteral("Översätt"));
                firstTasks << n + 1;
                for (int k = 0; k <= block % 3; ++k)
                    s.task(++n, mode == Direct ? 2 : 0);
            }
            s.engine.PrintWithAnswers = mode != Without;
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(s.platform.pdfFile);
            QVERIFY(mode == Direct ? s.utskrift.SkrivutEget(printer) : s.print(mode == With));
            QCOMPARE(s.platform.printDialogs, mode == Direct ? 0 : 1);
            const QList<Word> words = pdfWords(s.platform.pdfFile);
            QVERIFY(words.last().page >= 2);
            for (int block = 1; block <= 9; ++block)
                QCOMPARE(find(words, QStringLiteral("rubrik%1").arg(block)).page,
                         find(words, QStringLiteral("fråga%1").arg(firstTasks[block - 1])).page);
            checkPageEnds(words, QStringList{"___", "svar", "mer"}[mode]);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("mode %1 with %2 notes").arg(mode).arg(notes)));
        }
    }
}

void SkrivutTest::tasksNumberedFrom100StayTasks()
{
    Sheet s;
    s.heading(1, QStringLiteral("Rubrik"), QStringLiteral("Översätt"));
    for (int n : {9, 10, 100})
        s.task(n);
    QCOMPARE(s.utskrift.UppgiftTillNySida(5, 2), 1); // task 100 keeps one answer line, not a heading's three
    QVERIFY(s.print(true));
    const QList<Word> words = pdfWords(s.platform.pdfFile);
    const auto height = [&](const QString& t) { return find(words, t).bottom - find(words, t).top; };
    // Tasks in the plain 14-point type, block headings larger.
    QVERIFY(height(QStringLiteral("1.")) > height(QStringLiteral("9.")) + 1);
    QCOMPARE(height(QStringLiteral("10.")), height(QStringLiteral("9.")));
    QCOMPARE(height(QStringLiteral("100.")), height(QStringLiteral("9.")));
    // ... and without a heading's extra space above them.
    const auto gap = [&](int n, int before) {
        return find(words, QStringLiteral("fråga%1").arg(n)).top - find(words, QStringLiteral("svar%1").arg(before)).top;
    };
    QCOMPARE(gap(100, 10), gap(10, 9));
}

void SkrivutTest::windowListsAndRensa()
{
    Sheet s;
    QVERIFY(s.utskrift.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    QCOMPARE(s.utskrift.Caption->text(), QStringLiteral("Skrivarkö"));
    s.utskrift.show();
    s.utskrift.showList(2);
    QVERIFY(s.utskrift.ListBox2->isVisible() && !s.utskrift.ListBox1->isVisible());
    s.utskrift.showList(1);
    QVERIFY(s.utskrift.ListBox1->isVisible() && !s.utskrift.ListBox2->isVisible());

    // "&Rensa" starts the worksheet afresh: lists, pages, headings and tasks.
    s.heading(1, QStringLiteral("Verb"), QStringLiteral("Översätt"));
    s.task(1);
    Engine& e = s.engine;
    e.PrintHeadingNeeded = e.WorksheetHeadPending = false;
    e.PageNo = 3;
    e.WorksheetBlockCount = 2;
    e.WorksheetTaskCount = 7;
    s.utskrift.Rensa();
    QCOMPARE(s.utskrift.ListBox1->count() + s.utskrift.ListBox2->count(), 0);
    QVERIFY(e.PrintHeadingNeeded);
    QCOMPARE(e.PageNo, 1);
    QCOMPARE(e.WorksheetBlockCount, 0);
    QCOMPARE(e.WorksheetTaskCount, 0);
    QVERIFY(e.WorksheetHeadPending);
}

void SkrivutTest::theQueueStaysWithTheWindowThatShowsIt()
{
    // A window manager keeps a full-screen exercise window above a queue that
    // belongs to no window; tied to the window that shows it, it stays in sight.
    Sheet s;
    QWidget exercise;
    exercise.resize(400, 300);
    exercise.show();
    exercise.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&exercise));
    s.utskrift.show();
    QVERIFY(s.utskrift.windowHandle());
    QCOMPARE(s.utskrift.windowHandle()->transientParent(), exercise.windowHandle());
    s.utskrift.hide();
}

void SkrivutTest::theQueueIsInTheProgramsType()
{
    // Made after the screen was measured: the program's type at the program's
    // scale, in the caption and in both lists.
    for (const int scale : {100, 150}) {
        Engine engine;
        testing::TestPlatform platform;
        engine.ScaleFactor = uint16_t(scale);
        TUtskrift queue(engine, platform);
        const int pixels = int(std::lround(16 * scale / 100.0));
        for (QWidget* w : std::initializer_list<QWidget*>{queue.Caption, queue.ListBox1, queue.ListBox2}) {
            QCOMPARE(w->font().family(), QStringLiteral("Arial"));
            QCOMPARE(w->font().pixelSize(), pixels);
        }
        QVERIFY(queue.Caption->font().bold());
        QCOMPARE(queue.width(), int(std::lround(520 * scale / 100.0)));
    }
}

QTEST_MAIN(SkrivutTest)
#include "skrivut_test.moc"
