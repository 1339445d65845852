// The star column, painted offscreen into images and read back pixel by pixel.
#include "results/aster.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using lingvaro::TAster;

namespace {

// Written out here rather than read from the column, so that a wrong entry shows.
const QColor colours[] = {{0, 128, 0},   {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {255, 0, 0},    {0, 255, 0},
                          {255, 255, 0}, {255, 0, 255}, {0, 255, 255}, {0, 0, 255},   {255, 255, 255}};
const int steps[] = {45, 36, 30, 26, 20, 18, 15, 9};
const QColor face(212, 208, 200), behind(10, 20, 30), black(0, 0, 0), white(255, 255, 255);

// A column of 70-pixel boxes, 70 wide, started as the exercise windows start a series.
std::unique_ptr<TAster> started(int boxes, std::optional<std::uint32_t> seed = {}, QWidget* window = nullptr)
{
    auto column = std::make_unique<TAster>(window, 1080);
    column->resize(70, boxes * 70 + 20);
    column->SetAsterColor(face);
    if (seed)
        column->setRandomSeed(*seed);
    column->SetRutNummer(0);
    column->SetMaxAntalRutor(boxes);
    column->SetStarta(true);
    column->SetVisa(true);
    return column;
}

// Judged answers, advanced the way the exercise windows do it.
void answer(TAster& column, std::initializer_list<bool> rights)
{
    for (bool right : rights) {
        column.SetRutNummer(column.RutNummer() < column.MaxAntalRutor() ? column.RutNummer() + 1 : 0);
        if (!right)
            column.SetRatt(false);
        column.SetVisa(true);
    }
}

QImage paint(TAster& column)
{
    column.Refresh();
    QImage image(column.size(), QImage::Format_RGB32);
    image.fill(behind);
    column.render(&image);
    return image;
}

QPointF starPoint(QPointF centre, int degrees, int radius)
{
    const double t = degrees * 6.283185307179586 / 360;
    return {std::nearbyint(centre.x() - std::cos(t) * radius), std::nearbyint(centre.y() - std::sin(t) * radius)};
}

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

std::vector<TAster::StarLook> looks(const TAster& column)
{
    std::vector<TAster::StarLook> all;
    for (int box = 0; box <= TAster::MaxBoxes; ++box)
        all.push_back(column.starLook(box));
    return all;
}

} // namespace

class AsterTest : public QObject {
    Q_OBJECT

private slots:
    void tables()
    {
        for (auto [screen, cell] : {std::pair{599, 30}, {600, 45}, {767, 45}, {768, 55}, {863, 55}, {864, 60},
                                    {1023, 60}, {1024, 65}, {1049, 65}, {1050, 70}}) {
            TAster column(nullptr, screen); // every new column sets the size all columns share
            QCOMPARE(TAster::CellSize(), cell);
        }
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(TAster::tableColour(i), colours[i]);
        for (int i = 0; i <= 7; ++i)
            QCOMPARE(TAster::spikeStep(i), steps[i]);
    }

    void starWalk()
    {
        // Step 26 stops at 338 (364 would pass the circle); step 45 ends on 360.
        QCOMPARE(TAster::starFacets({100, 100}, 40, 20, 26).size(), std::size_t(14));
        const auto by45 = TAster::starFacets({100, 100}, 40, 13, 45);
        QCOMPARE(by45.size(), std::size_t(9));
        // In at 0 degrees (left of the centre), out to a spike at 45, in again at 90 (above).
        QCOMPARE(by45[0].triangle, QPolygon({{100, 100}, {87, 100}, {72, 72}}));
        QCOMPARE(by45[1].triangle, QPolygon({{100, 100}, {72, 72}, {100, 87}}));
    }

    void emptyColumn()
    {
        auto column = started(4);
        const QImage image = paint(*column);
        for (int top = 0; top < 4 * 70; top += 70) {
            for (QPoint edge : {QPoint(35, top), QPoint(35, top + 69), QPoint(0, top + 35), QPoint(69, top + 35)})
                QCOMPARE(image.pixelColor(edge), black);
            QCOMPARE(image.pixelColor(1, top + 1), face);
            QCOMPARE(image.pixelColor(68, top + 68), face);
        }
        QCOMPARE(image.pixelColor(35, 4 * 70 + 10), behind); // nothing below the boxes

        // No questions: nothing but an empty fill, and painting changes nothing.
        const auto before = looks(*column);
        column->SetMaxAntalRutor(0);
        QCOMPARE(paint(*column).pixelColor(35, 35), behind);
        QVERIFY(looks(*column) == before);
    }

    void wrongBoxes()
    {
        auto column = started(5);
        answer(*column, {true, false});
        QImage image = paint(*column);
        // Box 2 is white inside a 4-pixel margin that the star in box 1 cleared...
        QCOMPARE(image.pixelColor(4, 3 * 70 + 4), white);
        QCOMPARE(image.pixelColor(65, 3 * 70 + 65), white);
        QCOMPARE(image.pixelColor(3, 3 * 70 + 35), face);
        QCOMPARE(image.pixelColor(35, 3 * 70 + 66), face);
        QCOMPARE(image.pixelColor(35, 2 * 70 + 35), face); // ...and box 3 is still empty

        // Only a restart makes it right again: not Ratt (which always reads false),
        // not new colours.
        column->SetRatt(true);
        QCOMPARE(column->Ratt(), false);
        const auto before = looks(*column);
        column->SetStarta(false);
        QVERIFY(looks(*column) != before);
        QCOMPARE(paint(*column).pixelColor(35, 3 * 70 + 35), white);
        column->SetStarta(true);
        QVERIFY(column->BoxRight(2));

        // With no star below, a white square's margin shows what lies behind the column.
        column = started(5);
        answer(*column, {false});
        image = paint(*column);
        QCOMPARE(image.pixelColor(35, 4 * 70 + 35), white);
        QCOMPARE(image.pixelColor(2, 4 * 70 + 35), behind);
    }

    void facetColours()
    {
        // Steps 45, 36 and 30 leave room well inside each triangle of a 70-pixel star.
        for (int wanted = 0; wanted <= 2; ++wanted) {
            std::unique_ptr<TAster> column;
            for (std::uint32_t seed = 0; !column || column->starLook(1).spikeStep != wanted ||
                                         column->starLook(1).oddFacet == column->starLook(1).evenFacet;)
                column = started(1, seed++);
            const TAster::StarLook look = column->starLook(1);
            answer(*column, {true});
            const QImage image = paint(*column);
            const int outer = 70 / 2 - 8, inner = wanted <= 1 ? outer / 3 : outer / 2, s = steps[wanted];
            const QPointF centre(35, 35 - 2), spike1 = starPoint(centre, s, outer),
                          valley = starPoint(centre, 2 * s, inner), spike3 = starPoint(centre, 3 * s, outer);
            // Triangle 2 runs from a spike in to a valley, triangle 3 out to the next spike.
            QCOMPARE(image.pixelColor(((centre + spike1 + valley) / 3).toPoint()), colours[look.evenFacet]);
            QCOMPARE(image.pixelColor(((centre + valley + spike3) / 3).toPoint()), colours[look.oddFacet]);
            // Outlines in the pen colour: every triangle's outline meets in the centre.
            QVERIFY2(near(image.pixelColor(centre.toPoint()), colours[look.pen], 48),
                     qPrintable(image.pixelColor(centre.toPoint()).name() + " " + colours[look.pen].name()));
            QCOMPARE(image.pixelColor(starPoint(centre, 2 * s, inner + 3).toPoint()), face);
            QCOMPARE(image.pixelColor(3, 3), face);
        }
    }

    void smoothEdges()
    {
        // A star's slanted edges are smoothed: along them lie pixels of colours in
        // between the star's own and the background (a star drawn without
        // smoothing has only its four colours and the box outline).
        auto column = started(1, 3);
        answer(*column, {true});
        const TAster::StarLook look = column->starLook(1);
        const QImage image = paint(*column);
        const QColor own[] = {face, black, colours[look.pen], colours[look.oddFacet], colours[look.evenFacet]};
        int between = 0;
        for (int y = 1; y < 69; ++y)
            for (int x = 1; x < 69; ++x)
                between += std::none_of(std::begin(own), std::end(own),
                                        [&](const QColor& c) { return c == image.pixelColor(x, y); });
        QVERIFY2(between > 20, qPrintable(QString::number(between)));
    }

    void hiddenAndCompleted()
    {
        auto column = started(3);
        answer(*column, {true, false, true});
        const auto before = looks(*column);
        column->SetVisa(false);
        const QImage hidden = paint(*column);
        QImage untouched(hidden.size(), hidden.format());
        untouched.fill(behind);
        QVERIFY(hidden == untouched);
        QVERIFY(!column->BoxRight(2) && looks(*column) == before);
    }

    void aFinishedSeriesKeepsItsMarks()
    {
        // Right, wrong, wrong: the end of the series shows one star and two white
        // squares, and so does every later paint (a window moved or uncovered)
        // until the next series starts.
        QWidget window;
        window.resize(100, 300);
        auto column = started(3, {}, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        answer(*column, {true, false, false});
        const auto before = looks(*column);
        for (int paints = 0; paints < 3; ++paints) {
            const QImage image = paint(*column);
            QVERIFY(image.pixelColor(35, 2 * 70 + 35) != white);
            QCOMPARE(image.pixelColor(35, 70 + 35), white);
            QCOMPARE(image.pixelColor(35, 35), white);
        }
        window.update();
        column->update();
        QCoreApplication::processEvents();
        QCOMPARE(paint(*column).pixelColor(35, 35), white);
        QVERIFY(!column->BoxRight(2) && !column->BoxRight(3) && looks(*column) == before);

        // The host's next answer wraps to an empty column and starts the next
        // series: every box right again, in fresh colours.
        answer(*column, {true});
        QCOMPARE(column->RutNummer(), 0);
        QVERIFY(column->BoxRight(2) && column->BoxRight(3));
        QVERIFY(looks(*column) != before);
        answer(*column, {true, true, true});
        QVERIFY(paint(*column).pixelColor(35, 35) != white);

        // A series broken off keeps its marks until the host starts it again.
        column = started(3);
        answer(*column, {false});
        column->SetRutNummer(0);
        QVERIFY(!column->BoxRight(1));
        column->SetStarta(true);
        QVERIFY(column->BoxRight(1));
    }

    void settersLeavePaintingToTheHost()
    {
        // Paints are counted as they reach the column.
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        QWidget window;
        window.resize(200, 300);
        auto column = started(3, {}, &window);
        column->installEventFilter(&counter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        counter.paints = 0;
        answer(*column, {true, true, false});
        column->SetAsterColor(white);
        column->SetMaxAntalRutor(2);
        column->SetStarta(true);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        column->Refresh();
        QCOMPARE(counter.paints, 1);

        // The owned pen asks for a repaint when it changes, and only then.
        column->SetPen(column->Pen());
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 1);
        column->SetPen(QPen(Qt::red, 2));
        QTRY_COMPARE(counter.paints, 2);
    }

    void neverMoreThanTenBoxes()
    {
        auto column = started(20);
        column->SetRutNummer(15);
        QVERIFY(column->MaxAntalRutor() == 10 && column->RutNummer() == 10);
        column->SetRatt(false);
        const QImage image = paint(*column);
        QCOMPARE(image.pixelColor(35, 35), white);              // the tenth box, at the top
        QCOMPARE(image.pixelColor(35, 10 * 70 + 10), behind);   // no eleventh box
    }
};

QTEST_MAIN(AsterTest)
#include "aster_test.moc"
