#include "exercises/common/choicepanel.h"

#include "ui/palette.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lingvaro {

ChoicePanel::ChoicePanel(QWidget* parent, const QColor& colour) : QFrame(parent), colour_(colour)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void ChoicePanel::setText(const QString& text)
{
    text_ = text;
    setAccessibleName(text);
    update();
}

void ChoicePanel::setHighlighted(bool on)
{
    if (highlighted_ == on)
        return;
    highlighted_ = on;
    setFrameShadow(on ? QFrame::Sunken : QFrame::Raised);
    update();
}

QSize ChoicePanel::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text_) + 2 * lineWidth() + 8, fm.height() + fm.height() / 2};
}

void ChoicePanel::paintEvent(QPaintEvent* event)
{
    {
        // Painted the same whether the area takes answers or not: a disabled
        // panel still shows which one is right.
        QPainter p(this);
        p.fillRect(rect(), highlighted_ ? ui::colour::Yellow : colour_);
        p.setPen(ui::colour::Black);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, text_);
    }
    QFrame::paintEvent(event);
}

void ChoicePanel::mouseMoveEvent(QMouseEvent* event)
{
    // Only a moving mouse tries a panel: panels that appear under a resting
    // mouse with the next question leave its gap empty.
    if (!highlighted_)
        emit hovered();
    event->accept();
}

void ChoicePanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
    } else if (event->button() == Qt::RightButton) {
        leftDown_ = false;
        emit rightPressed();
    }
    event->accept();
}

void ChoicePanel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release on the same panel; a press dragged off
    // it chooses nothing.
    const bool click = event->button() == Qt::LeftButton && leftDown_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftDown_ = false;
    event->accept();
    if (click)
        emit clicked();
}

ChoiceArea::ChoiceArea(QWidget* parent, int panels, const QColor& colour) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    for (int i = 0; i < panels; ++i) {
        auto* panel = new ChoicePanel(this, colour);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 2));
        panel->hide();
        connect(panel, &ChoicePanel::hovered, this, [this, i] { emit hovered(i); });
        connect(panel, &ChoicePanel::clicked, this, [this, i] { emit chosen(i); });
        connect(panel, &ChoicePanel::rightPressed, this, [this, i] { emit rightPressed(i); });
        this->panels << panel;
    }
}

void ChoiceArea::showChoices(const QStringList& texts, const std::vector<int>& rows, const QFont& font,
                             const QString& padding, int gap, int maxWidth, int smallest)
{
    count_ = int(std::min<qsizetype>(texts.size(), panels.size()));
    QFont f = font;
    auto widthOf = [&](const QFontMetrics& fm, int i) { return fm.horizontalAdvance(texts[i] + padding); };
    auto widestRow = [&](const QFontMetrics& fm) {
        int widest = 0, i = 0;
        for (int size : rows) {
            int w = gap;
            for (int k = 0; k < size && i < count_; ++k, ++i)
                w += widthOf(fm, i) + gap;
            widest = std::max(widest, w);
        }
        return widest;
    };
    while (f.pixelSize() > smallest && widestRow(QFontMetrics(f)) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);

    const QFontMetrics fm(f);
    const int panelHeight = fm.height() + fm.height() / 2;
    int i = 0, y = gap, width = 0;
    for (int size : rows) {
        if (i >= count_)
            break;
        int x = gap;
        for (int k = 0; k < size && i < count_; ++k, ++i) {
            ChoicePanel* panel = panels[i];
            panel->setFont(f);
            panel->setText(texts[i]);
            panel->setGeometry(x, y, widthOf(fm, i), panelHeight);
            panel->show();
            x += panel->width() + gap;
        }
        width = std::max(width, x);
        y += panelHeight + gap;
    }
    for (int k = count_; k < panels.size(); ++k)
        panels[k]->hide();
    // As wide as its widest row, so no panel is ever cut off.
    resize(std::max(width, 2 * gap), std::max(y, 2 * gap));
}

void ChoiceArea::highlight(int index)
{
    for (int i = 0; i < panels.size(); ++i)
        panels[i]->setHighlighted(i == index);
}

int ChoiceArea::highlighted() const
{
    for (int i = 0; i < count_; ++i)
        if (panels[i]->highlighted())
            return i;
    return -1;
}

int ChoiceArea::indexOf(const QString& text) const
{
    for (int i = 0; i < count_; ++i)
        if (panels[i]->text() == text)
            return i;
    return -1;
}

} // namespace lingvaro
