#pragma once
// The platform layer's test double: modal windows are shown without blocking and
// handed to the test's answers in the order they open; message boxes and
// questions are recorded and answered; sounds are recorded, not played; the
// printer writes a PDF file.

#include "ui/platform.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

namespace lingvaro::testing {

class TestPlatform : public ui::Platform {
public:
    // Answers the next modal window: drive it (keys, clicks, nested windows)
    // and return its result. With no answer queued a window is closed with 0.
    using ModalAnswer = std::function<int(QDialog&)>;
    std::deque<ModalAnswer> modalAnswers;
    QStringList openedWindows; // object names (else class names without namespace), in the order they were opened
    std::function<void(QDialog&)> onEveryOpen; // runs for each window as it opens

    struct Message {
        Kind kind;
        QString text;
    };
    std::vector<Message> messages;
    std::deque<bool> yesNoAnswers; // default Yes when empty

    struct Played {
        QString file;
        bool wait;
    };
    std::vector<Played> played;
    int stops = 0;
    bool soundFails = false; // as on a machine without an audio output
    bool playing = false;    // a sound started and not yet ended or stopped

    QString pdfFile;          // where "printing" goes; empty = the print dialog is cancelled
    int printDialogs = 0;
    int copies = 1;
    QSize screen{1024, 768};
    QString clipboard;
    int charWidth = 0;        // 0: measure with the real fonts

    int runModal(QDialog& dialog) override
    {
        openedWindows << (dialog.objectName().isEmpty()
                              ? QString::fromLatin1(dialog.metaObject()->className()).section(QStringLiteral("::"), -1)
                              : dialog.objectName());
        dialog.setAttribute(Qt::WA_DontShowOnScreen, false);
        dialog.show();
        if (onEveryOpen)
            onEveryOpen(dialog);
        int result = 0;
        if (!modalAnswers.empty()) {
            auto answer = std::move(modalAnswers.front());
            modalAnswers.pop_front();
            result = answer(dialog);
        }
        dialog.hide();
        return result;
    }
    void show(Kind kind, const QString& text) override { messages.push_back({kind, text}); }
    bool askYesNo(const QString& text) override
    {
        messages.push_back({Kind::Information, text});
        if (yesNoAnswers.empty())
            return true;
        const bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }
    int textWidth(const QString& text, const FontSpec& font) override
    {
        return charWidth > 0 ? charWidth * int(text.size()) : ui::Platform::textWidth(text, font);
    }
    bool play(const QString& file, bool wait) override
    {
        played.push_back({file, wait});
        playing = !soundFails && !wait;
        return !soundFails;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    QString errorText() const override
    {
        return soundFails ? QStringLiteral("Ljudet kunde inte spelas upp: datorn har ingen ljudutgång.") : QString();
    }
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        ++printDialogs;
        if (pdfFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setCopyCount(copies);
        return true;
    }
    QSize screenSize() const override { return screen; }
    void setClipboardText(const QString& text) override { clipboard = text; }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }
};

// The text of a PDF file, as pdftotext reads it (with -layout kept off).
QString pdfText(const QString& pdfFile);
// The number of pages of a PDF file.
int pdfPages(const QString& pdfFile);

} // namespace lingvaro::testing
