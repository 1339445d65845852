#pragma once
// What the engine asks of the platform. ui/ binds these to Qt; tests replace them.

#include <QString>

namespace lingvaro {

class MessageSink {
public:
    enum class Kind { Information, Warning, Error };
    virtual ~MessageSink() = default;
    // A modal box with one OK button.
    virtual void show(Kind kind, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

struct FontSpec {
    QString family;
    int pointSize = 12;
    bool bold = false;
    int pixelSize = 0; // when set, the font's size in pixels instead of points
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width in pixels of the text set in the font.
    virtual int textWidth(const QString& text, const FontSpec& font) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays a WAV file; with wait the call returns when the sound has ended.
    // False when the file could not be played; errorText() then says why.
    virtual bool play(const QString& file, bool wait) = 0;
    virtual void stop() = 0;
    virtual QString errorText() const = 0;
};

// Used until the application hands the engine real ones: says nothing, measures
// every character as 8 pixels wide, plays nothing.
class SilentPlatform : public MessageSink, public TextMeasurer, public SoundPlayer {
public:
    void show(Kind, const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    int textWidth(const QString& text, const FontSpec&) override { return 8 * int(text.size()); }
    bool play(const QString&, bool) override { return true; }
    void stop() override {}
    QString errorText() const override { return {}; }
};

} // namespace lingvaro
