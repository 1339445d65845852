#pragma once
// Test doubles of the platform and a scratch installation on disk.

#include "engine/engine.h"

#include <QStringList>
#include <functional>
#include <ostream>
#include <filesystem>
#include <string>
#include <vector>

// Readable failure output for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(u"\", \"").toStdString() << ']'; }

namespace lingvaro::testing {

struct Message {
    MessageSink::Kind kind;
    QString text;
};

// Records every message; Yes/No questions get the answer set in advance.
class FakePlatform : public MessageSink, public TextMeasurer, public SoundPlayer {
public:
    std::vector<Message> messages;
    bool answerYes = true;
    int charWidth = 10; // every character this many pixels wide
    struct Played {
        QString file;
        bool wait;
    };
    std::vector<Played> played;
    bool playFails = false;

    void show(Kind kind, const QString& text) override { messages.push_back({kind, text}); }
    bool askYesNo(const QString& text) override
    {
        messages.push_back({Kind::Information, text});
        return answerYes;
    }
    int textWidth(const QString& text, const FontSpec& font) override
    {
        lastFont = font;
        return charWidth * int(text.size());
    }
    bool play(const QString& file, bool wait) override
    {
        played.push_back({file, wait});
        return !playFails;
    }
    void stop() override {}
    QString errorText() const override { return u"Ljudenheten svarar inte"_qs; }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }
    FontSpec lastFont;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file below the folder, making directories as needed.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Runs a check where file permissions hold: as it is for an ordinary user,
// and for root in a child process that has become the user "nobody". The
// check's answer (false also when the child could not run it).
bool withFilePermissions(const std::function<bool()>& check);

// Lines joined with CR LF, each ended by it.
std::string crlf(const std::vector<std::string>& lines);

// An engine on the platform double, with PcPath and CdPath set.
struct EngineFixture {
    FakePlatform platform;
    Engine engine;
    ScratchDir pc, cd;
    EngineFixture();
};

} // namespace lingvaro::testing
