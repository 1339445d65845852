#include "tests/ui/testplatform.h"

#include <QProcess>
#include <QRegularExpression>

namespace lingvaro::testing {

QString pdfText(const QString& pdfFile)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdfFile, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdfFile)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdfFile});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace lingvaro::testing
