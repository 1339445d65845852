#include "ui/widgets.h"

#include "ui/palette.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>
#include <QToolButton>
#include <cmath>

namespace lingvaro::ui {

void useProgramType()
{
    QApplication::setFont(readingFont());
}

void scaleBy(QWidget* window, int percent)
{
    if (percent == 100 || percent <= 0)
        return;
    auto scaled = [percent](int v) { return int(std::lround(double(v) * percent / 100.0)); };
    auto scaleFont = [&](QWidget* w) {
        QFont f = w->font();
        if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, scaled(f.pixelSize())));
        else if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * percent / 100.0);
        w->setFont(f);
    };
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (w->isWindow())
            continue;
        const QRect g = w->geometry();
        w->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
        if (w->testAttribute(Qt::WA_SetFont))
            scaleFont(w);
    }
    scaleFont(window);
    window->resize(scaled(window->width()), scaled(window->height()));
}

QFrame* makePanel(QWidget* parent, const QColor& colour, int bevel)
{
    auto* panel = new QFrame(parent);
    panel->setAutoFillBackground(true);
    setPanelColour(panel, colour);
    if (bevel > 0) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(bevel);
    }
    return panel;
}

void placeFitted(QLabel* label, int x, int y)
{
    const QFontMetrics fm(label->font());
    label->setGeometry(x, y, fm.horizontalAdvance(label->text()) + 1, fm.height());
}

void fitCentred(QLabel* label, const QString& text, int startPt, const QRect& room)
{
    int pt = startPt;
    auto apply = [&] {
        label->setFont(programFontPt(pt));
        label->setText(text);
        label->adjustSize();
    };
    apply();
    while (pt > 10 && label->width() > room.width()) {
        --pt;
        apply();
    }
    while (pt > 10 && label->height() > room.height()) {
        --pt;
        apply();
    }
    label->move(room.x() + (room.width() - label->width()) / 2, room.y() + (room.height() - label->height()) / 2);
}

void setPanelColour(QWidget* panel, const QColor& colour)
{
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, colour);
    panel->setPalette(p);
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& family, int pixelSize, bool bold,
                  const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour)
{
    return makeLabel(parent, text, programFamily(), pixelSize, bold, colour);
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_->setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(down_, &QToolButton::clicked, this, &SpinButton::downClicked);
    resize(20, 40);
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    up_->setGeometry(0, 0, width(), height() / 2);
    down_->setGeometry(0, height() / 2, width(), height() - height() / 2);
}

QPixmap loadPicture(const std::filesystem::path& file)
{
    // Bitmaps are read by Qt itself; naming the format spares loading and asking
    // every image plug-in, which is a noticeable part of the program's start.
    const QString name = QString::fromStdString(file.native());
    QImageReader reader(name, name.endsWith(u".bmp", Qt::CaseInsensitive) ? QByteArray("bmp") : QByteArray());
    QImage image = reader.read();
    if (image.isNull()) {
        QImageReader probing(name);
        probing.setDecideFormatFromContent(true);
        image = probing.read();
    }
    return QPixmap::fromImage(image);
}

void showPicture(QLabel* label, const QPixmap& picture)
{
    label->setScaledContents(false);
    label->setAlignment(Qt::AlignCenter);
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const QSize room = label->contentsRect().size();
    if (picture.width() <= room.width() && picture.height() <= room.height())
        label->setPixmap(picture);
    else
        label->setPixmap(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPixmap coverPicture(const QPixmap& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    const QPixmap covering = picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return covering.copy((covering.width() - size.width()) / 2, (covering.height() - size.height()) / 2,
                         size.width(), size.height());
}

} // namespace lingvaro::ui
