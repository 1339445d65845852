#pragma once
// The diagnosis print form: made at start and kept for the whole run; it prints
// a learner's diagnosis protocol on one A4 page.

#include <QSize>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

class QPainter;
class QPrinter;

namespace lingvaro {

struct AppContext;

class TDiagutform : public QWidget {
    Q_OBJECT
public:
    explicit TDiagutform(AppContext& app);

    // The protocol's grid as it is printed: 43 rows (header, items 1..41, sum)
    // of five columns.
    std::vector<QStringList> StringGrid1;
    // Left edges of columns 1..4 in percent of the table's width.
    std::array<int, 4> PrintColumnPercent{10, 60, 75, 88};

    // Prints after the print dialog; false when it was cancelled.
    bool SkrivutDiaggen();
    // Prints on a printer the caller has set up (no dialog).
    void SkrivutDiaggen(QPrinter& printer);
    // Draws the protocol on the painter's page, taken to be A4.
    void paint(QPainter& p);

    static int XmmTillPixel(double mm, QSize page);
    static int YmmTillPixel(double mm, QSize page);
    static int PixelTillXmm(int px, QSize page);
    static int YPixelTillmm(int px, QSize page);
    static int ProcentTillPixel(int percent, QSize page);

private:
    AppContext& app_;
};

} // namespace lingvaro
