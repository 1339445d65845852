#include "results/skrivut.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <string_view>

namespace lingvaro {
namespace {

// The name a printout gets (the PDF file offered in the print dialog): the
// heading without its closing full stop, so the file is not named "...Lingvaro..pdf".
QString documentName(bool withAnswers)
{
    return withAnswers ? QStringLiteral("Arbetsblad från Lingvaro, facit") : QStringLiteral("Arbetsblad från Lingvaro");
}

} // namespace

namespace {

// A4 in millimetres: every position on the sheet is given on this paper.
constexpr double PaperWidthMm = 210.0;
constexpr double PaperHeightMm = 297.0;

constexpr int TextLeftMm = 20;
// A block (heading, or task with its lines) that would reach past this line
// goes to the next page; each line it keeps below itself counts 8 mm, a block
// heading three such lines.
constexpr int PageFullMm = 276;
constexpr int KeptLineMm = 8;
constexpr int HeadingReserveLines = 3;
// The 8-mm count is short of what a printed line really takes (some 10 mm at
// 14 points), so a task with several answer lines could still run off the
// sheet. No line may end below this; lower down many printers cannot print.
constexpr int TextBottomMm = 290;
// Where the text starts again on a continuation page.
constexpr int ContinuationTopMm = 4;

constexpr int BodyPoints = 14;
constexpr int BlockHeadingPoints = 16;
constexpr int HeadingPoints = 22;
constexpr int MakerPoints = 8;
constexpr int PageNoPoints = 10;
constexpr int ProgramNamePoints = 8;

// To the nearest whole number, halves to the even neighbour.
int roundEven(double v)
{
    return int(std::nearbyint(v));
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A task numbered 100 or more starts with its number, like a block heading;
// a task has one space after the full stop where a heading has two.
bool isUnindentedTask(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && isDigit(line[i]))
        ++i;
    if (i == 0 || i + 1 >= line.size() || line[i] != u'.' || line[i + 1] != u' ')
        return false;
    return i + 2 >= line.size() || line[i + 2] != u' ';
}

void useFont(QPainter& painter, int points, bool bold)
{
    painter.setFont(ui::programFontPt(points, bold));
}

// The page in device pixels, the whole sheet (positions are taken from the
// paper's edge, not from the printable area).
QSize pageSizeOf(QPaintDevice* device)
{
    if (auto* printer = dynamic_cast<QPrinter*>(device))
        return printer->pageLayout().fullRectPixels(printer->resolution()).size();
    return {device->width(), device->height()};
}

// Text with its top (not its baseline) at the point.
void drawAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
}

} // namespace

const QString TUtskrift::MakerLine = QStringLiteral("Gjort med Lingvaro – spanska för svenska elever");
const QString TUtskrift::ProgramName = QStringLiteral("Lingvaro");

QString TUtskrift::headingText(bool withAnswers)
{
    return withAnswers ? QStringLiteral("Arbetsblad från Lingvaro. Facit.")
                       : QStringLiteral("Arbetsblad från Lingvaro.");
}

// One printout in progress: the painter on the printer and what stays fixed
// for the whole of it.
struct TUtskrift::Sheet {
    QPrinter& printer;
    QPainter& painter;
    QSize page;
    int lineH = 0;      // line height in mm for the lists printed after the dialog
    bool fresh = false; // nothing printed yet below the top of this page
};

TUtskrift::TUtskrift(AppContext& app, QWidget* parent) : TUtskrift(app.engine, app.platform, parent) {}

TUtskrift::TUtskrift(Engine& engine, ui::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      engine_(engine),
      platform_(platform)
{
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(QStringLiteral("Skrivarkö"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    // The program's type at the program's scale: the queue is made after the
    // main window has measured the screen.
    const int scale = engine_.ScaleFactor;
    Caption = new QLabel(QStringLiteral("Skrivarkö"), this);
    Caption->setAlignment(Qt::AlignCenter);
    Caption->setFrameShape(QFrame::Panel);
    Caption->setFrameShadow(QFrame::Raised);
    Caption->setAutoFillBackground(true);
    Caption->setFont(ui::readingFont(scale));
    layout->addWidget(Caption);

    ListBox1 = new QListWidget(this);
    ListBox2 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget* list : {ListBox1, ListBox2})
        list->setFont(ui::readingFont(scale, false));
    stack_ = new QStackedLayout;
    stack_->addWidget(ListBox1);
    stack_->addWidget(ListBox2);
    layout->addLayout(stack_, 1);

    resize(ui::scaled(520, scale), ui::scaled(380, scale));
}

void TUtskrift::setVisible(bool visible)
{
    if (visible) {
        QWidget* owner = QApplication::activeWindow();
        if (owner && owner != this && owner->windowHandle()) {
            winId(); // the queue's own native window, to tie to its owner
            windowHandle()->setTransientParent(owner->windowHandle());
        }
    }
    QWidget::setVisible(visible);
}

void TUtskrift::showList(int list)
{
    stack_->setCurrentWidget(list == 2 ? ListBox2 : ListBox1);
}

int TUtskrift::shownList() const
{
    return stack_->currentWidget() == ListBox2 ? 2 : 1;
}

void TUtskrift::Rensa()
{
    ListBox1->clear();
    ListBox2->clear();
    Engine& e = engine_;
    e.PrintHeadingNeeded = true;
    e.PageNo = 1;
    e.WorksheetBlockCount = 0;
    e.WorksheetHeadPending = true;
    e.WorksheetTaskCount = 0;
}

QString TUtskrift::UtSkriftSvar(const std::string& answer) const
{
    const Engine& e = engine_;
    if (e.MarkedCount == 0)
        return fromCp1252(answer);
    // The alternatives are the last MarkedCount fields up to the last one used.
    int last = 2;
    for (int f = FieldCount; f >= 3; --f) {
        if (!e.AnswerFields[f].empty()) {
            last = f;
            break;
        }
    }
    // Field 1 is the question, never an alternative.
    const int first = std::max(2, last - int(e.MarkedCount) + 1);
    QString text = fromCp1252(answer) + QStringLiteral(" eller ");
    for (int f = first; f <= last; ++f) {
        std::string_view alternative = e.AnswerFields[f];
        if (!alternative.empty() && alternative.front() == '&')
            alternative.remove_prefix(1);
        text += fromCp1252(alternative);
        text += f < last ? QStringLiteral(", ") : QStringLiteral(".");
    }
    return text;
}

int TUtskrift::LineKind(const QString& line)
{
    if (line.isEmpty())
        return Empty;
    if (isDigit(line[0]) && !isUnindentedTask(line))
        return BlockHeading;
    // The task number ends at the first full stop among the first nine
    // characters (never the last character); without one, the tenth character
    // (or the last of a shorter line) stands in for it.
    const qsizetype length = line.size();
    qsizetype p = 0; // 1-based
    for (qsizetype q = 1; q <= 9 && q < length; ++q) {
        if (line[q - 1] == u'.') {
            p = q;
            break;
        }
    }
    if (p == 0)
        p = std::min<qsizetype>(length, 10);
    return p >= 2 && isDigit(line[p - 2]) ? Task : Other;
}

int TUtskrift::kindAt(const QListWidget& list, int row)
{
    const QVariant kind = list.item(row)->data(KindRole);
    return kind.isValid() ? kind.toInt() : LineKind(list.item(row)->text());
}

void TUtskrift::addRow(QListWidget* list, Kind kind, const QString& text)
{
    auto* item = new QListWidgetItem(text);
    item->setData(KindRole, int(kind));
    list->addItem(item);
}

bool TUtskrift::hasLines() const
{
    return ListBox1->count() > 0;
}

void TUtskrift::sendHeading(const WorksheetBlock& block)
{
    Engine& e = engine_;
    if (!e.WorksheetHeadPending)
        return;
    ++e.WorksheetBlockCount;
    if (!block.heading.isEmpty())
        e.WorksheetHeading = toCp1252(block.heading.left(80));
    const QString line = QString::number(e.WorksheetBlockCount) + QStringLiteral(".  ") + fromCp1252(e.WorksheetHeading);
    addRow(ListBox1, BlockHeading, line);
    addRow(ListBox2, BlockHeading, line);
    for (const QString& l : block.withoutAnswers)
        addRow(ListBox1, Other, l);
    for (const QString& l : block.withAnswers)
        addRow(ListBox2, Other, l);
    e.WorksheetHeadPending = false;
}

void TUtskrift::sendTask(const WorksheetBlock& block, const WorksheetTask& task)
{
    Engine& e = engine_;
    sendHeading(block);
    const int n = ++e.WorksheetTaskCount;
    const QString prefix = n < 10 ? QStringLiteral("   %1. ").arg(n) : n < 100 ? QStringLiteral(" %1. ").arg(n)
                                                                                : QStringLiteral("%1. ").arg(n);
    auto add = [&](QListWidget* list, const QStringList& lines) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            addRow(list, i == 0 ? Task : Other, i == 0 ? prefix + lines[i] : lines[i]);
    };
    add(ListBox1, task.withoutAnswers);
    add(ListBox2, task.withAnswers);
}

const QListWidget* TUtskrift::list(int list) const
{
    return list == 2 ? ListBox2 : ListBox1;
}

int TUtskrift::UppgiftTillNySida(int line, int list) const
{
    const QListWidget* l = this->list(list);
    if (line < 0 || line >= l->count())
        return 0;
    if (kindAt(*l, line) == BlockHeading)
        return HeadingReserveLines;
    int kept = 0;
    for (int j = line + 1; j < l->count() && kindAt(*l, j) == Other; ++j)
        ++kept;
    return kept;
}

bool TUtskrift::InstruktionFinns(int line, int list) const
{
    const QListWidget* l = this->list(list);
    return line >= 0 && line + 1 < l->count() && kindAt(*l, line + 1) == Other;
}

int TUtskrift::XmmTillPixel(int mm, const QSize& pageSize)
{
    return roundEven(pageSize.width() / PaperWidthMm * mm);
}

int TUtskrift::YmmTillPixel(int mm, const QSize& pageSize)
{
    return roundEven(pageSize.height() / PaperHeightMm * mm);
}

int TUtskrift::YPixelTillmm(int px, const QSize& pageSize)
{
    if (pageSize.height() <= 0)
        return 0;
    return std::abs(roundEven(PaperHeightMm / pageSize.height() * px));
}

void TUtskrift::SkrivSidNr(QPainter& painter, int n)
{
    const QSize page = pageSizeOf(painter.device());
    useFont(painter, PageNoPoints, false);
    drawAt(painter, XmmTillPixel(200, page), YmmTillPixel(2, page), QString::number(n));
}

void TUtskrift::SkrivProgramNamn(QPainter& painter)
{
    const QSize page = pageSizeOf(painter.device());
    useFont(painter, ProgramNamePoints, false);
    drawAt(painter, XmmTillPixel(2, page), YmmTillPixel(2, page), ProgramName);
}

void TUtskrift::SkrivProgramRubrik(QPainter& painter)
{
    Engine& e = engine_;
    if (!e.PrintHeadingNeeded)
        return;
    const QSize page = pageSizeOf(painter.device());
    auto X = [&](int mm) { return XmmTillPixel(mm, page); };
    auto Y = [&](int mm) { return YmmTillPixel(mm, page); };

    e.PageNo = 1;
    SkrivSidNr(painter, 1);
    PrintY = 2;
    PrintList = e.PrintWithAnswers ? 2 : 1;

    const QString heading = headingText(e.PrintWithAnswers);
    useFont(painter, HeadingPoints, true);
    const int W = painter.fontMetrics().horizontalAdvance(heading);
    const int H = painter.fontMetrics().height();
    useFont(painter, MakerPoints, false);
    const int h = painter.fontMetrics().height();

    // A double frame round the heading and the maker line.
    const int y = PrintY;
    painter.save();
    QPen pen(ui::colour::Black);
    pen.setWidthF(page.width() / PaperWidthMm * 0.25);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(X(18), Y(y)), QPointF(X(22) + W, Y(y + 6) + H + h)));
    painter.drawRect(QRectF(QPointF(X(19), Y(y + 1)), QPointF(X(21) + W, Y(y + 5) + H + h)));
    painter.restore();

    useFont(painter, HeadingPoints, true);
    drawAt(painter, X(TextLeftMm), Y(y + 2), heading);
    useFont(painter, MakerPoints, false);
    drawAt(painter, X(TextLeftMm), Y(y + 2) + H, MakerLine);

    PrintY = y + YPixelTillmm(H + h, page) + 2;
    useFont(painter, BlockHeadingPoints, false);
    e.PrintHeadingNeeded = false;
}

void TUtskrift::newPage(Sheet& s)
{
    s.printer.newPage();
    ++engine_.PageNo;
    SkrivSidNr(s.painter, engine_.PageNo);
    SkrivProgramNamn(s.painter);
    useFont(s.painter, BodyPoints, false);
    PrintY = ContinuationTopMm;
    s.fresh = true;
}

// The height of a line of the list in mm: printed directly, lines go by the
// type in use; after the dialog, by the 14-point type of the lists.
int TUtskrift::lineHeight(const Sheet& s, Style style) const
{
    return style == Style::Direct ? YPixelTillmm(s.painter.fontMetrics().height(), s.page) : s.lineH;
}

// The top of line `line` when the line above left the position at y; for any
// line but a block heading and the instruction under it.
int TUtskrift::nextTop(const Sheet& s, Style style, int y, int line) const
{
    const QListWidget* l = list(PrintList);
    const bool withAnswers = PrintList == 2;
    if (style == Style::Direct)
        return y + 2 + (withAnswers ? 1 : 2) + lineHeight(s, style) + 1;
    const int kind = kindAt(*l, line);
    if (line == l->count() - 1 && kind != Task && kind != BlockHeading)
        return y + s.lineH + 5;
    // On the sheet without answers a task gets room above it for writing.
    return y + (!withAnswers && kind == Task ? 4 : 0) + s.lineH + 4;
}

// Where the last of the lines line .. line + keep would end.
int TUtskrift::blockBottom(const Sheet& s, Style style, int y, int line, int keep) const
{
    for (int j = line; j <= line + keep; ++j)
        y = nextTop(s, style, y, j);
    return y + lineHeight(s, style);
}

// Where a block heading would end, with what follows it under the position
// y: its instruction and the first task with that task's lines. A heading is
// never left alone at the foot of a page.
int TUtskrift::headingBottom(const Sheet& s, Style style, int y, int line) const
{
    const QListWidget* l = list(PrintList);
    auto kind = [&](int i) { return kindAt(*l, i); };
    int top = 0;
    int next = line + 1;
    if (style == Style::Dialog) {
        top = y + 2 + s.lineH + 3;
        if (InstruktionFinns(line, PrintList)) {
            top += s.lineH + (PrintList == 2 ? 2 : 4);
            ++next;
        }
    } else {
        top = nextTop(s, style, y, line);
        for (; next < l->count() && kind(next) == Other; ++next)
            top = nextTop(s, style, top, next);
    }
    if (next < l->count() && kind(next) == Task)
        return blockBottom(s, style, top, next, UppgiftTillNySida(next, PrintList));
    return top + lineHeight(s, style);
}

// Walks the list being printed, with the kinds of its own lines. (The list
// without answers has instruction lines that the one with answers lacks, so
// the two lists are not read side by side.)
void TUtskrift::printList(Sheet& s, Style style)
{
    const QListWidget* l = list(PrintList);
    const bool withAnswers = PrintList == 2;
    const int count = l->count();
    auto X = [&](int mm) { return XmmTillPixel(mm, s.page); };
    auto Y = [&](int mm) { return YmmTillPixel(mm, s.page); };
    auto text = [&](int i) { return l->item(i)->text(); };

    s.fresh = false;
    int keptUntil = -1; // the lines up to here stay with a block already placed
    for (int i = 0; i < count;) {
        const int kind = kindAt(*l, i);
        const bool kept = i <= keptUntil;
        const int keep = UppgiftTillNySida(i, PrintList);

        if (style == Style::Dialog && kind == BlockHeading) {
            const int y = PrintY + 2;
            if (!s.fresh && (y + KeptLineMm * keep > PageFullMm || headingBottom(s, style, PrintY, i) > TextBottomMm)) {
                newPage(s);
                continue;
            }
            useFont(s.painter, BlockHeadingPoints, true);
            PrintY = y + s.lineH + 3;
            drawAt(s.painter, X(TextLeftMm), Y(PrintY), text(i));
            QFont font = s.painter.font();
            font.setPointSize(BodyPoints); // the instruction under it stays bold
            s.painter.setFont(font);
            if (InstruktionFinns(i, PrintList)) {
                ++i;
                PrintY += s.lineH + (withAnswers ? 2 : 4);
                drawAt(s.painter, X(TextLeftMm), Y(PrintY), text(i));
            }
            useFont(s.painter, BodyPoints, false);
            s.fresh = false;
            ++i;
            continue;
        }

        // The last line is left out when empty (lists end on an answer line).
        if (style == Style::Dialog && i == count - 1 && kind == Empty)
            break;

        // A block starts here unless an earlier task keeps this line with it.
        const bool startsBlock = style == Style::Direct ? !kept : (kind == Task || kind == BlockHeading);
        if (!s.fresh) {
            const int y = PrintY + (style == Style::Direct ? 2 : 0);
            const bool full = startsBlock && y + KeptLineMm * keep > PageFullMm;
            const int bottom = kind == BlockHeading ? headingBottom(s, style, PrintY, i)
                               : blockBottom(s, style, PrintY, i, startsBlock ? keep : 0);
            if (full || bottom > TextBottomMm) {
                newPage(s);
                continue;
            }
        }
        if (startsBlock && kind != BlockHeading)
            keptUntil = std::max(keptUntil, i + keep);

        PrintY = nextTop(s, style, PrintY, i);
        drawAt(s.painter, X(TextLeftMm), Y(PrintY), text(i));
        s.fresh = false;
        ++i;
    }
}

bool TUtskrift::printOn(QPrinter& printer, int copies, Style style)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform_.show(MessageSink::Kind::Warning, QStringLiteral("Utskriften kunde inte startas."));
        return false;
    }
    Sheet sheet{printer, painter, pageSizeOf(&printer)};
    // Lines of the lists advance by the height of the text they are set in.
    useFont(painter, BodyPoints, false);
    sheet.lineH = YPixelTillmm(painter.fontMetrics().height(), sheet.page);

    for (int copy = 0; copy < std::max(1, copies); ++copy) {
        if (copy > 0)
            printer.newPage();
        engine_.PrintHeadingNeeded = true;
        SkrivProgramRubrik(painter);
        printList(sheet, style);
    }
    painter.end();
    return true;
}

bool TUtskrift::SkrivutFraga()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(documentName(engine_.PrintWithAnswers));
    if (!platform_.choosePrinter(printer, this))
        return false;
    // Where the printing system makes the copies itself, it gets one document.
    int copies = 1;
    if (!printer.supportsMultipleCopies()) {
        copies = printer.copyCount();
        printer.setCopyCount(1);
    }
    return SkrivutFraga(printer, copies);
}

bool TUtskrift::SkrivutFraga(QPrinter& printer, int copies)
{
    return printOn(printer, copies, Style::Dialog);
}

bool TUtskrift::SkrivutEget()
{
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        platform_.show(MessageSink::Kind::Warning, QStringLiteral("Det finns ingen skrivare att skriva ut på."));
        return false;
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(documentName(engine_.PrintWithAnswers));
    return SkrivutEget(printer);
}

bool TUtskrift::SkrivutEget(QPrinter& printer)
{
    return printOn(printer, 1, Style::Direct);
}

} // namespace lingvaro
