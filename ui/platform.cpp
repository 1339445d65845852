#include "ui/platform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QScreen>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace lingvaro::ui {

Platform::Platform() = default;
Platform::~Platform() = default;

int Platform::runModal(QDialog& dialog)
{
    return dialog.exec();
}

void Platform::show(Kind kind, const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
    case Kind::Information: QMessageBox::information(parent, title, text); break;
    case Kind::Warning: QMessageBox::warning(parent, title, text); break;
    case Kind::Error: QMessageBox::critical(parent, title, text); break;
    }
}

bool Platform::askYesNo(const QString& text)
{
    // The buttons are named here: Qt's own Swedish catalogue on Debian 12 does
    // not cover them.
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nej"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

int Platform::textWidth(const QString& text, const FontSpec& wanted)
{
    QFont font(wanted.family);
    if (wanted.pixelSize > 0)
        font.setPixelSize(wanted.pixelSize);
    else
        font.setPointSize(wanted.pointSize);
    font.setBold(wanted.bold);
    return QFontMetrics(font).horizontalAdvance(text);
}

bool Platform::play(const QString& file, bool wait)
{
    soundError_.clear();
    // A machine without an audio output (a server, CI) plays nothing; starting a
    // player there can hang or crash in the media back end.
    if (QMediaDevices::audioOutputs().isEmpty())
        return true;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file));
    QEventLoop loop;
    bool failed = false;
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (effect_->status() == QSoundEffect::Error) {
            failed = true;
            loop.quit();
        } else if (effect_->status() == QSoundEffect::Ready) {
            effect_->play();
            if (!wait)
                loop.quit();
        }
    });
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect_->isPlaying())
            loop.quit();
    });
    if (effect_->status() == QSoundEffect::Ready)
        effect_->play();
    // Loading is quick; a sound never holds the program longer than a minute.
    QTimer::singleShot(wait ? 60000 : 3000, &loop, &QEventLoop::quit);
    if (effect_->status() != QSoundEffect::Ready || wait)
        loop.exec();
    if (failed) {
        soundError_ = QStringLiteral("Ljudfilen %1 kunde inte spelas upp.").arg(file);
        return false;
    }
    return true;
}

void Platform::stop()
{
    if (effect_)
        effect_->stop();
}

QString Platform::errorText() const
{
    return soundError_;
}

bool Platform::choosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QSize Platform::screenSize() const
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {1024, 768};
}

void Platform::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace lingvaro::ui
