#include "PdfText.h"

#include "document/surface/Surface.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace virelai::testing {

namespace {

QString runPdftotext(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString unescaped(QString text)
{
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

QString pdfText(const QString &path, int page)
{
    QStringList arguments {QStringLiteral("-layout"), QStringLiteral("-enc"),
                           QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    return runPdftotext(arguments << path << QStringLiteral("-"));
}

QString pdfText(const Surface &surface)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    return surface.writePdf(path) ? pdfText(path) : QString();
}

QList<PdfWord> pdfWords(const QString &path)
{
    const QString html = runPdftotext({QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression pageOrWord(
        QStringLiteral(R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" )re"
                       R"re(xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = -1;
    for (const auto &match : pageOrWord.globalMatch(html)) {
        if (match.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.push_back({page, QRectF(topLeft, bottomRight), unescaped(match.captured(5))});
    }
    return words;
}

} // namespace virelai::testing
