#include "exercises/klockan/clockface.h"

#include "ui/palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace lingvaro {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

// Halves to even, as the clock's rules round: 7.5 gives 8, 12.5 gives 12.
int roundEven(double v) { return int(std::nearbyint(v)); }

ClockPoint at(double cx, double cy, double angle, double q)
{
    return {cx - q * std::cos(angle * Degree), cy - q * std::sin(angle * Degree)};
}

// Numeral n's text is moved left by kx/24 of its width and up by ky/24 of its
// height, so that it sits outside its anchor on the circle.
struct Shift {
    int kx, ky;
};
constexpr Shift NumeralShift[13] = {{0, 0},   {3, 17}, {0, 15}, {0, 11}, {6, 8},   {4, 4},  {12, 8},
                                    {20, 5}, {24, 8}, {24, 10}, {21, 14}, {15, 17}, {12, 14}};

} // namespace

int ClockPoint::px() const { return roundEven(x); }
int ClockPoint::py() const { return roundEven(y); }

ClockGeometry clockGeometry(int t, int height)
{
    ClockGeometry g;
    g.height = height;
    g.width = ClockFace::widthFor(height);
    g.cx = g.width / 2;
    g.cy = g.height / 2;
    g.radius = g.width * 9 / 24;
    g.hourLength = g.radius / 12 * 9;
    g.fontHeight = g.height / 12;
    g.knobRadius = g.height / 25;

    const int s = ((t - 1) % 144 + 144) % 144;
    g.hour = s / 12;
    g.step = s % 12;
    g.minuteAngle = 30 * g.step;
    g.hourAngle = 30 * g.hour + roundEven(30.0 * g.step / 12.0);

    for (int n = 1; n <= 12; ++n)
        g.numeral[std::size_t(n)] = at(g.cx, g.cy, (30 * n) % 360 + 90, g.radius + 8);

    const int A = g.hourAngle, M = g.minuteAngle;
    g.hourTip = at(g.cx, g.cy, A + 90, g.hourLength);
    g.hourSide1 = at(g.cx, g.cy, A + 80, g.hourLength / 2);
    g.hourSide2 = at(g.cx, g.cy, A + 100, g.hourLength / 2);
    g.knob = at(g.cx, g.cy, A + 90, g.hourLength / 2);
    g.minuteTip = at(g.cx, g.cy, M + 90, g.radius);
    g.minuteSide1 = at(g.cx, g.cy, M + 80, g.radius / 3);
    g.minuteSide2 = at(g.cx, g.cy, M + 100, g.radius / 3);
    return g;
}

ClockPoint numeralTopLeft(int n, const ClockPoint& anchor, double textWidth, double textHeight)
{
    const Shift k = NumeralShift[std::size_t(std::clamp(n, 1, 12))];
    // Seven hangs below the circle by a share of its width, not of its height.
    const double up = (n == 7 ? textWidth : textHeight) * k.ky / 24.0;
    return {anchor.x - textWidth * k.kx / 24.0, anchor.y - up};
}

ClockFace::ClockFace(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Klockan"));
}

void ClockFace::setClockTime(int t)
{
    time_ = t;
    update();
}

void ClockFace::paintEvent(QPaintEvent*)
{
    namespace colour = ui::colour;
    const ClockGeometry g = clockGeometry(time_, height());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The dial is the rectangle from (2, 2); the two pixels before it are the window's.
    p.fillRect(QRect(2, 2, g.width - 2, g.height - 2), QColor(0, 255, 255)); // aqua

    // Lines one pixel wide at small sizes and a little heavier on large clocks.
    const double line = std::max(1.0, std::round(g.height / 300.0));
    QPen pen(colour::Black, line);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    // The frame covers the pixels from 2 to the last, on whole pixels so that it stays sharp.
    const int frame = int(line);
    for (const QRect& side : {QRect(2, 2, g.width - 2, frame), QRect(2, g.height - frame, g.width - 2, frame),
                              QRect(2, 2, frame, g.height - 2), QRect(g.width - frame, 2, frame, g.height - 2)})
        p.fillRect(side, colour::Black);

    QFont font(ui::programFamily());
    font.setPixelSize(std::max(1, g.fontHeight));
    font.setBold(true);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    for (int n = 1; n <= 12; ++n) {
        const QString text = QString::number(n);
        const double w = metrics.horizontalAdvance(text), h = metrics.height();
        const ClockPoint topLeft = numeralTopLeft(n, g.numeral[std::size_t(n)], w, h);
        p.drawText(QRectF(topLeft.x, topLeft.y, w, h), Qt::AlignLeft | Qt::AlignTop, text);
    }

    const QPointF centre(g.cx, g.cy);
    auto hand = [&](const ClockPoint& tip, const ClockPoint& side1, const ClockPoint& side2, const QColor& c) {
        p.setBrush(c);
        for (const ClockPoint& side : {side1, side2}) {
            const QPointF triangle[3] = {centre, {tip.x, tip.y}, {side.x, side.y}};
            p.drawPolygon(triangle, 3);
        }
    };
    hand(g.hourTip, g.hourSide1, g.hourSide2, colour::Blue);
    p.setBrush(colour::Lime);
    p.drawEllipse(QPointF(g.knob.x, g.knob.y), g.knobRadius, g.knobRadius);
    hand(g.minuteTip, g.minuteSide1, g.minuteSide2, colour::Red);
}

} // namespace lingvaro
