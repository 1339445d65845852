#pragma once
// TAster, the star column at the right edge of every exercise window: one box per
// question of a series, filled from the bottom up. A right answer turns its box into
// a many-coloured star, a wrong one into a white square.
//
// The column only paints; it never calls back into the window that drives it. Its
// setters change state but do not paint: the host ends every change with Refresh().
// Painting changes nothing: a finished series shows its stars and white squares
// until the next series starts (Starta, or the answer after the last box), which
// also draws fresh colours.

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

class QMouseEvent;
class QPaintEvent;
class QPainter;

namespace lingvaro {

class TAster : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int RutNummer READ RutNummer WRITE SetRutNummer)
    Q_PROPERTY(bool Ratt READ Ratt WRITE SetRatt)
    Q_PROPERTY(bool Visa READ Visa WRITE SetVisa)
    Q_PROPERTY(bool Starta READ Starta WRITE SetStarta)
    Q_PROPERTY(QColor AsterColor READ AsterColor WRITE SetAsterColor)
    Q_PROPERTY(int MaxAntalRutor READ MaxAntalRutor WRITE SetMaxAntalRutor)
    Q_PROPERTY(QBrush Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(QPen Pen READ Pen WRITE SetPen)

public:
    // The per-box tables hold the boxes 0..10 (box numbers start at 1), so a column
    // never has more than this many boxes.
    static constexpr int MaxBoxes = 10;

    // The random look of one box's star: indices into the colour table (pen 0..8,
    // facets 0..9) and into the spike-step table (0..5).
    struct StarLook {
        int pen = 0;
        int spikeStep = 0;
        int oddFacet = 0;
        int evenFacet = 0;
        bool operator==(const StarLook&) const = default;
    };

    // One triangle of a star: `angle` is where it starts, in degrees; the odd ones
    // (1st, 3rd, ...) and the even ones take the two facet colours of their box.
    struct Facet {
        QPolygon triangle;
        int angle = 0;
        bool odd = true;
    };

    // screenHeight chooses the box height shared by all columns; without it the
    // primary screen's height is used.
    explicit TAster(QWidget* parent = nullptr, std::optional<int> screenHeight = std::nullopt);
    ~TAster() override;

    int RutNummer() const { return rutNummer_; }
    bool Ratt() const { return false; } // write-only in effect: it has no storage of its own
    bool Visa() const { return visa_; }
    bool Starta() const { return starta_; }
    QColor AsterColor() const { return asterColor_; }
    int MaxAntalRutor() const { return maxAntalRutor_; }
    const QBrush& Brush() const { return brush_; }
    const QPen& Pen() const { return pen_; }

    // Values above MaxBoxes are taken as MaxBoxes, negative ones as 0. Going
    // back from a completed series (the host's wrap to 0) starts the next one.
    void SetRutNummer(int value);
    // False marks box RutNummer as wrong; true does nothing.
    void SetRatt(bool value);
    void SetVisa(bool value);
    // True makes every box right again; either value draws new star colours.
    void SetStarta(bool value);
    void SetAsterColor(const QColor& value);
    void SetMaxAntalRutor(int value);
    // The owned brush and pen take a copy; a change schedules a repaint. The
    // column's own painting does not use them.
    void SetBrush(const QBrush& value);
    void SetPen(const QPen& value);

    // Erases and repaints the column now.
    void Refresh();

    // Draws new colours and spike steps for every box, from a generator reseeded from
    // the clock (or from the seed given to setRandomSeed, once).
    void RandomizeStars();
    void setRandomSeed(std::uint32_t seed) { pendingSeed_ = seed; }

    // Read-only views of the per-box state, box 0..MaxBoxes.
    bool BoxRight(int box) const { return boxRight_.at(box); }
    StarLook starLook(int box) const { return looks_.at(box); }

    // Box height in pixels, shared by every column and set by each construction.
    static int CellSize() { return cellSize_; }
    static int cellSizeFor(int screenHeight);

    // The colour table (0..10, 10 being white) and the spike-step table (0..7), in degrees.
    static QColor tableColour(int index);
    static int spikeStep(int index);

    // The triangles of one star around `centre`: from angle 0 in steps of `step`
    // degrees while the angle is at most 360, each from the centre to the inner
    // radius at its start and the outer radius at its end (odd triangles) or the
    // other way round (even triangles).
    static std::vector<Facet> starFacets(QPoint centre, int outerRadius, int innerRadius, int step);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Paint(QPainter& painter);
    void drawStar(QPainter& painter, int box, int top);

    static int cellSize_;

    int rutNummer_ = 0;
    bool visa_ = true;
    bool starta_ = true;
    QColor asterColor_{0, 0, 0}; // the hosts always set their own
    int maxAntalRutor_ = 0;
    QBrush brush_;
    QPen pen_;

    std::array<bool, MaxBoxes + 1> boxRight_{};
    std::array<StarLook, MaxBoxes + 1> looks_{};

    std::mt19937 random_;
    std::optional<std::uint32_t> pendingSeed_;
    bool pressed_ = false;
};

} // namespace lingvaro
