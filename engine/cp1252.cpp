#include "engine/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace lingvaro {
namespace {

// Byte → Unicode for all 256 values, read once from the real codec. The five
// bytes the code page leaves undefined map to the C1 control of the same value,
// so nothing is ever lost on the way to the screen and back.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<unsigned char, 256> upper{};
    Tables()
    {
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            decoder.resetState();
            if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                toUnicode[b] = s.at(0).unicode();
            else
                toUnicode[b] = char16_t(b);
        }
        for (int b = 0; b < 256; ++b) {
            upper[b] = (unsigned char)b;
            const QString up = QString(QChar(toUnicode[b])).toUpper();
            if (up.size() != 1)
                continue;
            for (int c = 0; c < 256; ++c) {
                if (toUnicode[c] == up.at(0).unicode()) {
                    upper[b] = (unsigned char)c;
                    break;
                }
            }
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

QString fromCp1252(std::string_view bytes)
{
    const auto& t = tables();
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    for (size_t i = 0; i < bytes.size(); ++i)
        out[qsizetype(i)] = QChar(t.toUnicode[(unsigned char)bytes[i]]);
    return out;
}

std::string toCp1252(const QString& text)
{
    const auto& t = tables();
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x100 && t.toUnicode[u] == u) {
            out.push_back(char(u));
            continue;
        }
        char found = '?';
        for (int b = 0x80; b < 0x100; ++b) {
            if (t.toUnicode[b] == u) {
                found = char(b);
                break;
            }
        }
        out.push_back(found);
    }
    return out;
}

unsigned char upperCp1252(unsigned char c)
{
    return tables().upper[c];
}

std::string upperCp1252(std::string_view text)
{
    const auto& t = tables();
    std::string out(text);
    for (auto& ch : out)
        ch = char(t.upper[(unsigned char)ch]);
    return out;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    return fromCp1252(bytes).toStdString();
}

} // namespace lingvaro
