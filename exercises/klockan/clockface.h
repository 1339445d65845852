#pragma once
// The clock the clock window asks about: where its numerals and hands go for a
// time and a size (a pure function, so that it can be checked without painting),
// and the widget that paints it.
//
// The time is the question's place in its file: t = 1..144 stands for 12:00,
// 12:05, …, 11:55. Angles are degrees clockwise from twelve; a point at angle a
// and radius q lies at (cx - q cos(a + 90°), cy - q sin(a + 90°)).

#include <QWidget>
#include <array>

namespace lingvaro {

// A point of the clock: exact, and rounded to a pixel as the clock's rules
// round (halves to even).
struct ClockPoint {
    double x = 0, y = 0;
    int px() const;
    int py() const;
};

struct ClockGeometry {
    int width = 0, height = 0; // the paint box: as wide as it is high, and 8 more
    int cx = 0, cy = 0;
    int radius = 0;     // of the numerals' circle and the minute hand: 9/24 of the width
    int hourLength = 0; // (radius div 12) * 9
    int fontHeight = 0; // of the numerals: height div 12
    int knobRadius = 0; // height div 25
    int hour = 0;       // 0..11, 0 for twelve o'clock
    int step = 0;       // five-minute steps past the hour, 0..11
    int hourAngle = 0;  // 30 per hour and 2.5 per step, rounded halves to even
    int minuteAngle = 0;
    std::array<ClockPoint, 13> numeral; // anchors of 1..12 (slot 0 unused), radius + 8 out
    ClockPoint hourTip, hourSide1, hourSide2, knob;
    ClockPoint minuteTip, minuteSide1, minuteSide2;
};

// The clock for time t (1..144; others wrap into the twelve hours) in a paint
// box of this height.
ClockGeometry clockGeometry(int t, int height);

// Where numeral n's text (of this size) has its top-left corner, from its anchor.
ClockPoint numeralTopLeft(int n, const ClockPoint& anchor, double textWidth, double textHeight);

// PaintBox1: the clock painted on aqua, smooth at every size.
class ClockFace : public QWidget {
    Q_OBJECT
public:
    explicit ClockFace(QWidget* parent);
    void setClockTime(int t);
    int clockTime() const { return time_; }
    // The width that goes with a height.
    static int widthFor(int height) { return height + 8; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int time_ = 1;
};

} // namespace lingvaro
