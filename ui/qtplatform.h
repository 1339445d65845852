#pragma once
// Qt's message boxes and font metrics behind the engine's platform interfaces.

#include "engine/platform.h"

class QWidget;

namespace lingvaro {

class QtMessageSink : public MessageSink {
public:
    void show(Kind kind, const QString& text) override;
    bool askYesNo(const QString& text) override;
};

class QtTextMeasurer : public TextMeasurer {
public:
    int textWidth(const QString& text, const FontSpec& font) override;
};

} // namespace lingvaro
