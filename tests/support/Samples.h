#pragma once

#include <QFile>
#include <QString>

namespace virelai::testing {

// The host data of the samples folder for a document type, as the host copies it.
inline QString sampleText(int type)
{
    QFile file(QStringLiteral(VIRELAI_SAMPLES_DIR "/type%1.txt").arg(type));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace virelai::testing
