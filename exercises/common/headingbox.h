#pragma once
// The heading box of an exercise window: a yellow frame with curved corners, an
// inner panel in the colour of the work mode, and up to three yellow heading
// lines sized to fit (RitaOverskriften).

#include <QColor>
#include <QWidget>

class QLabel;

namespace lingvaro {

class HeadingBox : public QWidget {
    Q_OBJECT
public:
    explicit HeadingBox(QWidget* parent);

    void setInnerColour(const QColor& colour);
    QColor innerColour() const { return inner_; }
    // The inner panel's rectangle, in the box's coordinates.
    QRect innerRect() const;
    // Fits and places the heading lines; letterWidth is the window's layout unit,
    // scalePercent the window's scale (the type starts that much larger).
    void RitaOverskriften(const QString& line1, const QString& line2, const QString& line3, int letterWidth,
                          int scalePercent = 100);

    QLabel* Overs1Label;
    QLabel* Overs2Label;
    QLabel* Overs3Label;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QWidget* innerShape_; // holds the labels, so they stay inside the curved panel
    QColor inner_;
};

} // namespace lingvaro
