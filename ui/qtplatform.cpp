#include "ui/qtplatform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>

namespace lingvaro {

void QtMessageSink::show(Kind kind, const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
    case Kind::Information: QMessageBox::information(parent, title, text); break;
    case Kind::Warning: QMessageBox::warning(parent, title, text); break;
    case Kind::Error: QMessageBox::critical(parent, title, text); break;
    }
}

bool QtMessageSink::askYesNo(const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int QtTextMeasurer::textWidth(const QString& text, const FontSpec& spec)
{
    QFont font(spec.family, spec.pointSize);
    font.setBold(spec.bold);
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace lingvaro
