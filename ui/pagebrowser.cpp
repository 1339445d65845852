#include "ui/pagebrowser.h"

#include "engine/cp1252.h"
#include "ui/palette.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

namespace lingvaro::ui {

PageBrowser::PageBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
    // Pages set their own emphasis; the window around may be in bold type.
    setFont(pageFont());
}

void PageBrowser::openPage(const std::filesystem::path& file)
{
    current_ = file;
    setSource(QUrl::fromLocalFile(QString::fromStdString(file.native())), QTextDocument::HtmlResource);
}

QString PageBrowser::decodePage(const QByteArray& bytes)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = charset.match(QString::fromLatin1(bytes.left(2048)));
    const QString named = m.hasMatch() ? m.captured(1).toLower() : QString();
    const bool eightBit = named == u"windows-1252" || named == u"iso-8859-1" || named == u"latin1"
                          || named == u"iso-8859-15" || named == u"cp1252";
    if (!eightBit) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return fromCp1252(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QVariant PageBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        QFile f(name.toLocalFile());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return decodePage(f.readAll());
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace lingvaro::ui
