#pragma once
// The platform layer: the one place where windows meet Qt's platform services.
// Every modal window and message box goes through a Platform, so that tests can
// replace it, open any window without blocking and answer what it opens in turn.

#include "engine/ports.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <utility>

class QDialog;
class QPrinter;
class QWidget;
class QSoundEffect;

namespace lingvaro::ui {

class Platform : public MessageSink, public TextMeasurer, public SoundPlayer {
public:
    Platform();
    ~Platform() override;

    // Modal windows: shows the dialog modally and returns its result. The
    // window that was active before gets the keyboard again when it closes (a
    // window manager would otherwise leave the focus nowhere).
    virtual int runModal(QDialog& dialog);

    // Message boxes with one OK button, and Yes/No questions, in the program's
    // type at the program's scale.
    void show(Kind kind, const QString& text) override;
    bool askYesNo(const QString& text) override;

    // The scale of every window in percent, set once the main window has
    // measured the screen; message boxes and windows made later follow it.
    void setScalePercent(int percent) { scalePercent_ = percent > 0 ? percent : 100; }
    int scalePercent() const { return scalePercent_; }

    // Text measurement for line breaking and layouts.
    int textWidth(const QString& text, const FontSpec& font) override;

    // WAV files. A sound the pupil must hear out (wait) holds the program
    // until it ends, and clicks and keys meanwhile are dropped, not kept for
    // later. Without an audio output nothing is played: false, and errorText()
    // says so.
    bool play(const QString& file, bool wait) override;
    void stop() override;
    QString errorText() const override;
    // Whether a sound started by play() is still sounding.
    virtual bool isPlaying() const;

    // Printing: the printer selection dialog (also offers a PDF file). False
    // when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent);

    virtual QSize screenSize() const;
    virtual void setClipboardText(const QString& text);

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString soundError_;
    int scalePercent_ = 100;
};

// While one exists, the pupil's clicks, keys and wheel turns reach no window of
// the program; they are dropped, not delivered later.
class InputBlocker : public QObject {
public:
    InputBlocker();
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The show procedure every window is opened by: create it, show it modally, and
// free it when it closes (also when an exception passes).
template <class Window, class... Args>
int showModal(Platform& platform, Args&&... args)
{
    Window window(std::forward<Args>(args)...);
    return platform.runModal(window);
}

} // namespace lingvaro::ui
