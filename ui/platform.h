#pragma once
// The platform layer: the one place where windows meet Qt's platform services.
// Every modal window and message box goes through a Platform, so that tests can
// replace it, open any window without blocking and answer what it opens in turn.

#include "engine/ports.h"

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

    // Modal windows: shows the dialog modally and returns its result.
    virtual int runModal(QDialog& dialog);

    // Message boxes with one OK button, and Yes/No questions.
    void show(Kind kind, const QString& text) override;
    bool askYesNo(const QString& text) override;

    // Text measurement for line breaking and layouts.
    int textWidth(const QString& text, const FontSpec& font) override;

    // WAV files. Without an audio output nothing is played and nothing waits.
    bool play(const QString& file, bool wait) override;
    void stop() override;
    QString errorText() const override;

    // Printing: the printer selection dialog (also offers a PDF file). False
    // when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent);

    virtual QSize screenSize() const;
    virtual void setClipboardText(const QString& text);

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString soundError_;
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
