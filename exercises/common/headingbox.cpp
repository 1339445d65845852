#include "exercises/common/headingbox.h"

#include "ui/palette.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace lingvaro {
namespace {
constexpr int FrameWidth = 4;
}

HeadingBox::HeadingBox(QWidget* parent) : QWidget(parent), inner_(ui::colour::Navy)
{
    innerShape_ = new QWidget(this);
    Overs1Label = new QLabel(innerShape_);
    Overs2Label = new QLabel(innerShape_);
    Overs3Label = new QLabel(innerShape_);
    for (QLabel* l : {Overs1Label, Overs2Label, Overs3Label}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, ui::colour::Yellow);
        l->setPalette(p);
        l->setAlignment(Qt::AlignCenter);
    }
}

void HeadingBox::setInnerColour(const QColor& colour)
{
    inner_ = colour;
    update();
}

QRect HeadingBox::innerRect() const
{
    return rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
}

void HeadingBox::resizeEvent(QResizeEvent*)
{
    innerShape_->setGeometry(innerRect());
}

void HeadingBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(width(), height()) / 6.0;
    p.setPen(Qt::NoPen);
    p.setBrush(ui::colour::Yellow);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setBrush(inner_);
    p.drawRoundedRect(QRectF(innerRect()), radius - FrameWidth, radius - FrameWidth);
}

void HeadingBox::RitaOverskriften(const QString& line1, const QString& line2, const QString& line3, int L,
                                  int scalePercent)
{
    auto scaled = [scalePercent](int pt) { return std::max(pt, pt * scalePercent / 100); };
    QLabel* labels[] = {Overs1Label, Overs2Label, Overs3Label};
    const QString lines[] = {line1, line2, line3};
    int n = 0;
    for (const QString& l : lines)
        if (!l.isEmpty())
            ++n;
    const int innerW = innerRect().width(), innerH = innerRect().height();
    auto width = [&](int i, int pt) { return QFontMetrics(ui::programFontPt(pt)).horizontalAdvance(lines[i]); };
    auto height = [&](int pt) { return QFontMetrics(ui::programFontPt(pt)).height(); };

    int size[3] = {scaled(n == 1 ? 30 : 20), scaled(20), scaled(20)};
    const int shownCount = n == 1 ? 1 : n == 2 ? 2 : 3;
    for (int i = 0; i < std::min(shownCount, 2); ++i)
        while (size[i] > 10 && width(i, size[i]) > innerW - 2 * L)
            --size[i];
    if (n >= 2) {
        size[0] = size[1] = std::min(size[0], size[1]);
        while (size[0] > 10 && (innerH - 2 * height(size[0])) / 3 < 1.5 * L)
            --size[0];
        size[1] = size[0];
    }
    if (n == 3) {
        size[2] = std::max(8, size[0] - 2);
        while (size[2] > 8 && (width(2, size[2]) > innerW - 2 * L || height(size[2]) > innerH - 2 * height(size[0])))
            --size[2];
    }
    // However large the type started, the lines together fit the box.
    auto total = [&] { return height(size[0]) * (n >= 2 ? 2 : 1) + (n == 3 ? height(size[2]) : 0); };
    while (total() > innerH && size[0] > 8) {
        --size[0];
        if (n >= 2)
            size[1] = size[0];
        if (n == 3)
            size[2] = std::min(size[2], std::max(8, size[0] - 2));
    }
    for (int i = 0; i < 3; ++i) {
        labels[i]->setFont(ui::programFontPt(size[i]));
        labels[i]->setText(lines[i]);
        labels[i]->setVisible(i < shownCount && (i < 2 || n == 3));
        labels[i]->resize(innerW - L, height(size[i]));
        labels[i]->move(L / 2, 0);
    }
    const int h = height(size[0]);
    if (n <= 1) {
        Overs1Label->move(L / 2, (innerH - h) / 2);
    } else if (n == 2) {
        const int g = innerH - 2 * h;
        Overs1Label->move(L / 2, g / 3);
        Overs2Label->move(L / 2, 2 * g / 3 + h);
    } else {
        const int f = innerH - 2 * h - height(size[2]);
        Overs1Label->move(L / 2, f / 4);
        // Never closer than a line's height: the big type of a large screen
        // would otherwise run the first two lines into each other.
        Overs2Label->move(L / 2, std::max(f / 2 + 3 * h / 4, f / 4 + h));
        Overs3Label->move(L / 2, Overs2Label->y() + Overs2Label->height());
    }
}

} // namespace lingvaro
