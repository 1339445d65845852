#include "results/aster.h"

#include "ui/palette.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

namespace lingvaro {

namespace {

// Index 10 (white) is only reachable through the facet indices, and those are drawn
// from 0..9, so in practice it never shows.
namespace colour = ui::colour;
const std::array<QColor, 11> colourTable = {
    colour::Green, colour::Navy,    colour::Purple, colour::Teal, colour::Red,   colour::Lime,
    colour::Yellow, colour::Fuchsia, colour::Aqua,   colour::Blue, colour::White,
};

// The random draw picks among the first six only.
constexpr std::array<int, 8> spikeSteps = {45, 36, 30, 26, 20, 18, 15, 9};

constexpr int penColourCount = 9;
constexpr int spikeStepCount = 6;
constexpr int facetColourCount = 10;

int clampBoxes(int value)
{
    return std::clamp(value, 0, TAster::MaxBoxes);
}

// Rectangles here are given by their edges with the right and bottom edge outside,
// as a box's cells are counted; an empty or inverted one fills nothing.
void fillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& colour)
{
    if (right <= left || bottom <= top)
        return;
    painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

// A point of a star at `degrees` and `radius`. Angles grow clockwise from the left,
// and coordinates round to the nearest pixel with halves to the even neighbour.
QPoint starPoint(QPoint centre, int degrees, int radius)
{
    const double t = degrees * 6.283185307179586 / 360;
    return QPoint(static_cast<int>(std::nearbyint(centre.x() - std::cos(t) * radius)),
                  static_cast<int>(std::nearbyint(centre.y() - std::sin(t) * radius)));
}

std::uint32_t clockSeed()
{
    // Two columns made in the same clock tick must still differ, hence the counter.
    static std::atomic<std::uint32_t> calls{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32), calls++};
    std::uint32_t seed = 0;
    seq.generate(&seed, &seed + 1);
    return seed;
}

int screenHeightNow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

} // namespace

int TAster::cellSize_ = 0;

TAster::TAster(QWidget* parent, std::optional<int> screenHeight)
    : QWidget(parent)
{
    cellSize_ = cellSizeFor(screenHeight ? *screenHeight : screenHeightNow());
    // The form that places the column gives it its real size afterwards.
    setGeometry(x(), y(), cellSize_, maxAntalRutor_ * cellSize_);

    brush_ = QBrush(colour::White);
    pen_ = QPen(colour::Black, 1);

    // The column has no background of its own: what it leaves unpainted shows the
    // window behind it, and with Visa off that is all there is to see.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);

    visa_ = true;
    starta_ = true;
    boxRight_.fill(true);
    RandomizeStars();
}

TAster::~TAster() = default;

int TAster::cellSizeFor(int screenHeight)
{
    if (screenHeight < 600)
        return 30;
    if (screenHeight < 768)
        return 45;
    if (screenHeight < 864)
        return 55;
    if (screenHeight < 1024)
        return 60;
    if (screenHeight < 1050)
        return 65;
    return 70;
}

QColor TAster::tableColour(int index)
{
    return colourTable.at(index);
}

int TAster::spikeStep(int index)
{
    return spikeSteps.at(index);
}

// None of the setters paint: the host decides when the column is shown again (Refresh).

void TAster::SetRutNummer(int value)
{
    value = clampBoxes(value);
    // The answer after a completed series starts the next one: its boxes are all
    // right again, in fresh colours. Until then the finished series keeps its
    // marks, however often the column is painted.
    if (value < rutNummer_ && rutNummer_ == maxAntalRutor_) {
        boxRight_.fill(true);
        RandomizeStars();
    }
    rutNummer_ = value;
}

void TAster::SetRatt(bool value)
{
    if (!value)
        boxRight_[rutNummer_] = false;
}

void TAster::SetVisa(bool value)
{
    visa_ = value;
}

void TAster::SetStarta(bool value)
{
    starta_ = value;
    if (value)
        boxRight_.fill(true);
    RandomizeStars();
}

void TAster::SetAsterColor(const QColor& value)
{
    asterColor_ = value;
}

void TAster::SetMaxAntalRutor(int value)
{
    maxAntalRutor_ = clampBoxes(value);
}

void TAster::SetBrush(const QBrush& value)
{
    if (value == brush_)
        return;
    brush_ = value;
    update();
}

void TAster::SetPen(const QPen& value)
{
    if (value == pen_)
        return;
    pen_ = value;
    update();
}

void TAster::Refresh()
{
    repaint();
}

void TAster::RandomizeStars()
{
    random_.seed(pendingSeed_ ? *pendingSeed_ : clockSeed());
    pendingSeed_.reset();
    auto draw = [this](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); };
    for (StarLook& look : looks_) {
        look.pen = draw(penColourCount);
        look.spikeStep = draw(spikeStepCount);
        look.oddFacet = draw(facetColourCount);
        look.evenFacet = draw(facetColourCount);
    }
}

std::vector<TAster::Facet> TAster::starFacets(QPoint centre, int outerRadius, int innerRadius, int step)
{
    std::vector<Facet> facets;
    if (step <= 0)
        return facets;
    // The walk goes up to and including 360 degrees, so the last triangle may lie on
    // top of the first; both are then the same kind unless 360 is not a multiple of
    // the step.
    bool odd = true;
    for (int a = 0; a <= 360; a += step, odd = !odd) {
        const int r1 = odd ? innerRadius : outerRadius;
        const int r2 = odd ? outerRadius : innerRadius;
        facets.push_back(Facet{QPolygon({centre, starPoint(centre, a, r1), starPoint(centre, a + step, r2)}), a, odd});
    }
    return facets;
}

void TAster::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TAster::Paint(QPainter& painter)
{
    if (!visa_)
        return;

    const int w = width();
    const int cs = cellSize_;
    const int boxes = maxAntalRutor_;

    if (rutNummer_ == 0) {
        fillEdges(painter, 0, 0, w, boxes * cs, asterColor_);
    } else {
        // Box 1 is the lowest. Each star clears its own box and everything above it,
        // so boxes are drawn from the bottom up.
        for (int box = 1; box <= rutNummer_; ++box) {
            const int top = (boxes - box) * cs;
            if (boxRight_[box])
                drawStar(painter, box, top);
            else
                fillEdges(painter, 4, top + 4, w - 4, top + cs - 4, colour::White);
        }
    }

    // Outlines of every box, the last pixel row and column inside the box.
    if (w >= 1 && cs >= 1) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour::Black, 1));
        for (int k = 0; k < boxes; ++k)
            painter.drawRect(QRect(0, k * cs, w - 1, cs - 1));
    }
}

void TAster::drawStar(QPainter& painter, int box, int top)
{
    const StarLook& look = looks_[box];
    const int w = width();
    const int h = height();

    // The star sits on a square as wide as the column, whatever the box height.
    const int outer = (w > h ? h / 2 : w / 2) - 8;
    const int inner = look.spikeStep <= 1 ? outer / 3 : outer / 2; // sharper spikes at 45 and 36 degrees
    fillEdges(painter, 0, 0, w, top + w, asterColor_);
    const QPoint centre(w / 2, top + w / 2 - 2);

    // Smooth edges; the half-pixel shift puts each point on the middle of its
    // pixel, where an edge without smoothing would have drawn it.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(colourTable[look.pen], 1));
    for (const Facet& facet : starFacets(centre, outer, inner, spikeSteps[look.spikeStep])) {
        painter.setBrush(colourTable[facet.odd ? look.oddFacet : look.evenFacet]);
        painter.drawPolygon(facet.triangle);
    }
    painter.restore();
}

void TAster::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TAster::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace lingvaro
