#include "engine/paths.h"

#include "engine/cp1252.h"

#include <QStringDecoder>
#include <QStringList>
#include <system_error>

namespace lingvaro::paths {
namespace {

QStringList components(const QString& relative)
{
    QStringList parts;
    QString current;
    for (QChar c : relative) {
        if (c == u'\\' || c == u'/') {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    QStringList out;
    for (QString p : parts) {
        while (p.endsWith(u' '))
            p.chop(1);
        if (!p.isEmpty() && p != ".")
            out << p;
    }
    return out;
}

std::optional<fs::path> child(const fs::path& dir, const QString& name)
{
    std::error_code ec;
    // The common case first: the name as written.
    const fs::path direct = dir / fs::path(name.toStdString());
    if (fs::exists(direct, ec))
        return direct;
    if (name == "..")
        return std::nullopt;
    fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return std::nullopt;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        QString entry = entryName(it->path());
        while (entry.endsWith(u' '))
            entry.chop(1);
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return it->path();
    }
    return std::nullopt;
}

} // namespace

QString entryName(const fs::path& entry)
{
    const std::string raw = entry.filename().native();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = utf8.decode(QByteArrayView(raw.data(), qsizetype(raw.size())));
    if (utf8.hasError())
        return fromCp1252(raw);
    return name;
}

std::optional<fs::path> find(const fs::path& base, const QString& relative)
{
    if (base.empty())
        return std::nullopt;
    std::error_code ec;
    fs::path at = base;
    if (!fs::exists(at, ec))
        return std::nullopt;
    for (const QString& part : components(relative)) {
        auto next = child(at, part);
        if (!next)
            return std::nullopt;
        at = *next;
    }
    return at;
}

fs::path place(const fs::path& base, const QString& relative)
{
    fs::path at = base;
    bool matching = true;
    for (const QString& part : components(relative)) {
        if (matching) {
            if (auto next = child(at, part)) {
                at = *next;
                continue;
            }
            matching = false;
        }
        at /= fs::path(part.toStdString());
    }
    return at;
}

bool wildcardMatch(const QString& name, const QString& pattern)
{
    // Iterative "*"/"?" matching, without regard to case.
    qsizetype n = 0, p = 0, star = -1, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

std::vector<fs::path> list(const fs::path& base, const QString& relativeDir, const QString& pattern)
{
    std::vector<fs::path> out;
    const auto dir = find(base, relativeDir);
    if (!dir)
        return out;
    std::error_code ec;
    fs::directory_iterator it(*dir, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return out;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        if (wildcardMatch(entryName(it->path()), pattern))
            out.push_back(it->path());
    }
    return out;
}

QString display(const std::string& base, const QString& relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    QString b = QString::fromStdString(base);
    if (b.endsWith(u'/') && rel.startsWith(u'/'))
        rel.remove(0, 1);
    return b + rel;
}

} // namespace lingvaro::paths
