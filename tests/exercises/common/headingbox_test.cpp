// The heading box: one, two or three lines, at every window scale, always
// inside the box and never over each other.

#include "exercises/common/headingbox.h"

#include <QLabel>
#include <QtTest>

using namespace lingvaro;

class HeadingBoxTest : public QObject {
    Q_OBJECT
private slots:
    void linesFitTheBoxWithoutOverlapping();
};

void HeadingBoxTest::linesFitTheBoxWithoutOverlapping()
{
    struct Screen {
        QSize size;
        int scale;
    };
    for (const Screen screen : {Screen{{1024, 768}, 128}, Screen{{1920, 1080}, 180}, Screen{{800, 600}, 100}}) {
        for (int n = 1; n <= 3; ++n) {
            QWidget window;
            HeadingBox box(&window);
            const int L = 8 * screen.scale / 100;
            box.setGeometry(L, L, 40 * (screen.size.width() / 64), 7 * (screen.size.height() / 48));
            const QString lines[] = {QStringLiteral("Djur"), n >= 2 ? QStringLiteral("Fåglar") : QString(),
                                     n == 3 ? QStringLiteral("Svenska fåglar i bokstavsordning") : QString()};
            box.RitaOverskriften(lines[0], lines[1], lines[2], L, screen.scale);
            window.show();
            const QRect inner = box.innerRect();
            int previousBottom = -1;
            for (QLabel* label : {box.Overs1Label, box.Overs2Label, box.Overs3Label}) {
                if (label->isHidden())
                    continue;
                const QRect text = label->geometry();
                const int textHeight = label->fontMetrics().height();
                QVERIFY2(text.top() >= 0 && text.top() + textHeight <= inner.height(),
                         qPrintable(QStringLiteral("%1 lines at %2%: %3").arg(n).arg(screen.scale).arg(label->text())));
                QVERIFY2(text.top() >= previousBottom, qPrintable(label->text()));
                QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= inner.width());
                previousBottom = text.top() + textHeight;
            }
        }
    }
}

QTEST_MAIN(HeadingBoxTest)
#include "headingbox_test.moc"
