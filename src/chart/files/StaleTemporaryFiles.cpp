#include "StaleTemporaryFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace virelai {

namespace {

// Far longer than writing a picture takes.
constexpr qint64 StaleAfterSeconds = 60;

} // namespace

void removeStaleChartTemporaries(const QString &directory)
{
    static const QRegularExpression temporaryName(QStringLiteral(R"(^mychart\d+\.wmf\.\d+\.tmp$)"));
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList candidates = QDir(directory).entryInfoList(
        {QStringLiteral("mychart*.wmf.*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : candidates) {
        if (temporaryName.match(file.fileName()).hasMatch()
            && file.lastModified().secsTo(now) > StaleAfterSeconds)
            QFile::remove(file.filePath());
    }
}

} // namespace virelai
