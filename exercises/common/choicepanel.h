#pragma once
// The chosen answer, for the windows where the pupil clicks instead of typing:
// a bordered area of coloured word panels in one or more rows. The mouse over a
// panel highlights it (yellow, sunken); a left click (press and release on the
// same panel) chooses it; a right press on it asks for a pause. The window
// decides what each of these means.

#include <QColor>
#include <QFrame>
#include <QList>
#include <QString>
#include <vector>

namespace lingvaro {

class ChoicePanel : public QFrame {
    Q_OBJECT
public:
    ChoicePanel(QWidget* parent, const QColor& colour);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setHighlighted(bool on);
    bool highlighted() const { return highlighted_; }
    QSize sizeHint() const override;

signals:
    void hovered();
    void clicked();
    void rightPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    QColor colour_;
    bool highlighted_ = false;
    bool leftDown_ = false;
};

class ChoiceArea : public QFrame {
    Q_OBJECT
public:
    // panels: how many panels the area has; colour: theirs when not highlighted.
    ChoiceArea(QWidget* parent, int panels, const QColor& colour);

    QList<ChoicePanel*> panels;

    // Shows the texts in rows of the sizes given (the rest of the panels
    // hidden): each panel as wide as its text and `padding` more, `gap` between
    // panels and rows and around them. The type is made smaller, down to
    // `smallest` pixels, until the widest row fits in maxWidth.
    void showChoices(const QStringList& texts, const std::vector<int>& rows, const QFont& font, const QString& padding,
                     int gap, int maxWidth, int smallest);
    int count() const { return count_; }
    // This panel highlighted, the others not (-1: none).
    void highlight(int index);
    int highlighted() const;
    int indexOf(const QString& text) const;

signals:
    void hovered(int index);
    void chosen(int index);
    void rightPressed(int index);

private:
    int count_ = 0;
};

} // namespace lingvaro
