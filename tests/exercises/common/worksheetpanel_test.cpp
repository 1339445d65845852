// The worksheet rows of the exercise windows: every button of every row shows
// whole, also at a large scale on a narrow screen.

#include "exercises/common/worksheetpanel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QtTest>

using namespace lingvaro;

namespace {

class WorksheetPanelTest : public QObject {
    Q_OBJECT
private slots:
    void everyButtonShowsWhole();
};

void WorksheetPanelTest::everyButtonShowsWhole()
{
    for (const auto& [width, scale] : {std::pair{1024, 128}, std::pair{1024, 100}, std::pair{1920, 160}, std::pair{800, 128}}) {
        QWidget window;
        window.resize(width, 600);
        auto* panel = new WorksheetPanel(&window, scale);
        panel->setGeometry(0, 500, width, 66 * scale / 100);
        panel->layoutRows(width);
        for (QWidget* row : {panel->SkrivutPanel1, panel->SkrivutValPanel, panel->SkrivutAntalPanel,
                             panel->SkrivutSvarPanel, panel->SkrivutListValPanel}) {
            QVERIFY(row->x() >= 0 && row->geometry().right() < width);
            for (QPushButton* b : row->findChildren<QPushButton*>()) {
                const QString what = QStringLiteral("%1 at %2%: %3").arg(width).arg(scale).arg(b->text());
                const QRect inPanel(b->mapTo(panel, QPoint(0, 0)), b->size());
                QVERIFY2(inPanel.left() >= 0 && inPanel.right() < width, qPrintable(what));
                const QString caption = QString(b->text()).remove(u'&');
                QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(caption) < b->width(), qPrintable(what));
            }
        }
        // At the design's width nothing changes.
        if (scale == 100)
            QCOMPARE(panel->SkrivutPanel1->findChildren<QPushButton*>().first()->width(), 154);
    }
}

} // namespace

QTEST_MAIN(WorksheetPanelTest)
#include "worksheetpanel_test.moc"
