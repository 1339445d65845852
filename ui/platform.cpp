#include "ui/platform.h"

#include "ui/palette.h"

#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
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

namespace {

// Gives the keyboard back to the window that had it when a modal window or a
// message box closes.
class FocusReturn {
public:
    FocusReturn() : previous_(QApplication::activeWindow()) {}
    ~FocusReturn()
    {
        if (previous_ && previous_->isVisible()) {
            previous_->raise();
            previous_->activateWindow();
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> previous_;
};

} // namespace

int Platform::runModal(QDialog& dialog)
{
    FocusReturn focus;
    const int result = dialog.exec();
    dialog.hide();
    return result;
}

void Platform::show(Kind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == Kind::Information ? QMessageBox::Information
                                   : kind == Kind::Warning   ? QMessageBox::Warning
                                                             : QMessageBox::Critical;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setFont(readingFont(scalePercent_));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    FocusReturn focus;
    box.exec();
}

bool Platform::askYesNo(const QString& text)
{
    // The buttons are named here: Qt's own Swedish catalogue on Debian 12 does
    // not cover them.
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setFont(readingFont(scalePercent_));
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nej"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    FocusReturn focus;
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
    effect_.reset();
    // A machine without an audio output (a server, CI) plays nothing; starting a
    // player there can hang or crash in the media back end.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        soundError_ = QStringLiteral("Ljudet kunde inte spelas upp: datorn har ingen ljudutgång.");
        return false;
    }
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
    if (effect_->status() != QSoundEffect::Ready || wait) {
        // A click or key while the pupil listens would otherwise be taken by
        // the window under the sound, during it or just after.
        std::unique_ptr<InputBlocker> blocker;
        if (wait)
            blocker = std::make_unique<InputBlocker>();
        loop.exec();
    }
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

bool Platform::isPlaying() const
{
    return effect_ && effect_->isPlaying();
}

InputBlocker::InputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
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
