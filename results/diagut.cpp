#include "results/diagut.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace lingvaro {
namespace {

int roundEven(double v) { return int(std::nearbyint(v)); }

} // namespace

TDiagutform::TDiagutform(AppContext& app) : QWidget(nullptr), app_(app)
{
    setWindowTitle(QStringLiteral("Diagnosprotokoll"));
}

int TDiagutform::XmmTillPixel(double mm, QSize page) { return roundEven(page.width() / 210.0 * mm); }
int TDiagutform::YmmTillPixel(double mm, QSize page) { return roundEven(page.height() / 297.0 * mm); }
int TDiagutform::PixelTillXmm(int px, QSize page) { return std::abs(roundEven(210.0 / page.width() * px)); }
int TDiagutform::YPixelTillmm(int px, QSize page) { return std::abs(roundEven(297.0 / page.height() * px)); }
int TDiagutform::ProcentTillPixel(int p, QSize page)
{
    return std::abs(roundEven(p * (page.width() * 0.857142857142857) / 100.0));
}

bool TDiagutform::SkrivutDiaggen()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Diagnosprotokoll ") + fromCp1252(app_.engine.PersonName));
    if (!app_.platform.choosePrinter(printer, nullptr))
        return false;
    SkrivutDiaggen(printer);
    return true;
}

void TDiagutform::SkrivutDiaggen(QPrinter& printer)
{
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        app_.engine.warn(QStringLiteral("Utskriften kunde inte startas."));
        return;
    }
    paint(p);
    p.end();
}

void TDiagutform::paint(QPainter& p)
{
    const QSize page(p.device()->width(), p.device()->height());
    auto X = [&](double mm) { return XmmTillPixel(mm, page); };
    auto Y = [&](double mm) { return YmmTillPixel(mm, page); };
    QFont font(ui::programFamily());
    font.setPointSize(12);
    font.setBold(true);
    p.setFont(font);
    const QFontMetrics metrics(font, p.device());
    // Text is placed by its top, as on the page's canvas.
    auto text = [&](int x, int y, const QString& s) { p.drawText(x, y + metrics.ascent(), s); };

    double y = 2;
    text(X(20), Y(y + 2), QStringLiteral("Diagnosprotokoll från Lingvaro för ") + fromCp1252(app_.engine.PersonName)
                              + QStringLiteral("."));
    y += 10;
    // A row's text stands in the middle between its rules (the last row's box
    // reaches down to the closing rule), so that no rule runs through a letter.
    auto rowText = [&](int x, int top, int bottom, const QString& s) {
        p.drawText(x, (top + bottom + metrics.ascent() - metrics.descent()) / 2, s);
    };
    const int L = X(15), Rt = X(195);
    // The columns are laid out for the type on paper: widths taken from the
    // screen would let the 12-point texts run into each other.
    {
        const double table = Rt - L;
        const int p0 = int(std::ceil((metrics.horizontalAdvance(QStringLiteral("  41")) + X(2)) / table * 100));
        const int q = int(std::ceil((metrics.horizontalAdvance(QStringLiteral("  970523 24:55")) + X(2)) / table * 100));
        const int qResult = int(std::ceil((metrics.horizontalAdvance(QStringLiteral("    Resultat")) + X(2)) / table * 100));
        const int qStatus = int(std::ceil((metrics.horizontalAdvance(QStringLiteral("    Status")) + X(2)) / table * 100));
        const int p1 = 100 - p0 - qResult - q - qStatus;
        PrintColumnPercent = {p0, p0 + p1, p0 + p1 + qResult, p0 + p1 + qResult + q};
    }
    const int rows = int(StringGrid1.size());
    for (int r = 0; r < rows; ++r) {
        const QStringList& row = StringGrid1[std::size_t(r)];
        const int top = Y(y), bottom = Y(y + 8);
        p.drawLine(L - 1, top, L - 1, bottom);
        p.drawLine(L - 1, top, Rt + 1, top);
        for (int k = 1; k <= 4; ++k) {
            const int xk = L + ProcentTillPixel(PrintColumnPercent[std::size_t(k - 1)], page);
            p.drawLine(xk - 1, top, xk - 1, bottom);
        }
        p.drawLine(Rt + 1, top, Rt + 1, bottom);
        p.drawLine(L - 1, top + 3, Rt + 1, top + 3);
        const bool last = r == rows - 1;
        const int textTop = top + 3, textBottom = last ? bottom : Y(y + 6);
        for (int k = 0; k <= 4 && k < row.size(); ++k) {
            const int x = k == 0 ? L : L + ProcentTillPixel(PrintColumnPercent[std::size_t(k - 1)], page);
            if (last && k == 1) {
                // "Summa" stands at the right of its column, beside the sum.
                const QString label = row[k].trimmed();
                const int columnEnd = L + ProcentTillPixel(PrintColumnPercent[1], page) - X(2);
                rowText(columnEnd - metrics.horizontalAdvance(label), textTop, textBottom, label);
                continue;
            }
            rowText(x, textTop, textBottom, row[k]);
        }
        y += 6;
    }
    p.drawLine(L - 1, Y(y + 2), Rt + 1, Y(y + 2));
}

} // namespace lingvaro
