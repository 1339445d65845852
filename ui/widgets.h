#pragma once
// Small widgets and helpers the windows share.

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <filesystem>

class QToolButton;

namespace lingvaro::ui {

// Makes the program's type the type of every widget that does not choose its
// own (Qt's dialogs, list boxes, fields and buttons included). Windows that
// scale themselves scale it with them.
void useProgramType();

// Scales a window laid out in fixed positions: the geometry and type size of the
// widget and of everything inside it, by percent / 100.
void scaleBy(QWidget* window, int percent);

// A filled panel with an optional bevelled edge, in a colour of its own.
QFrame* makePanel(QWidget* parent, const QColor& colour, int bevel = 0);
void setPanelColour(QWidget* panel, const QColor& colour);

// A label with a font given by family, pixel height and weight.
QLabel* makeLabel(QWidget* parent, const QString& text, const QString& family, int pixelSize, bool bold,
                  const QColor& colour);
// The same in the program's type.
QLabel* makeLabel(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour);

// Puts a label at (x, y), exactly as wide as its text (trailing spaces
// included) and as high as its type, so that labels set side by side read as one line.
void placeFitted(QLabel* label, int x, int y);

// Sets the text in the program's type, from `startPt` points down (to 10 at the
// least) until it fits the room, and centres the label in the room.
void fitCentred(QLabel* label, const QString& text, int startPt, const QRect& room);

// Up and down arrows side by side over each other, as beside a number.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }
signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A picture file of this system as a pixmap; a null pixmap when it cannot be read.
QPixmap loadPicture(const std::filesystem::path& file);

// Shows a picture in a label, centred and keeping its proportions: scaled down
// smoothly to fit the label, never enlarged beyond its own size (an enlarged
// picture only looks blurred). Call it again when the label changes size.
void showPicture(QLabel* label, const QPixmap& picture);

// A picture smoothly scaled to cover the whole of `size`, keeping proportions,
// and cut to it around its middle (a window's background).
QPixmap coverPicture(const QPixmap& picture, QSize size);

} // namespace lingvaro::ui
