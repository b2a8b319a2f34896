// The sample requests of samples/README.md, one per document type, with their
// clipboard text read once from samples/.
#pragma once

#include "app/FileClipboard.h"

#include <QFile>
#include <QString>

#include <array>

namespace virelai::bench {

struct SampleRequest
{
    const char *name; // shown as the benchmark's label
    const char *dataFile; // in samples/, or nullptr for an empty clipboard
    const char *request;
};

inline const std::array<SampleRequest, 11> sampleRequests {{
    {"type1", "type1.txt", "1,4,textes narratifs,textes documentaires,"},
    {"type2", "type2.txt", "2,1,20,Note,"},
    {"type3", "type3.txt", "3,5,10,,"},
    {"type4", "type4.txt", "4,2,20,,"},
    {"type5", "type5.txt", "5,0,Élèves concernés (CE2 B),CE2,"},
    {"type6", "type6.txt", "6,0,Élèves lents (CM1 A),CM1,"},
    {"type7", "type7.txt", "7,0,Élèves marqués d'une croix,textes narratifs,"},
    {"type8", "type8.txt", "8,0,Élèves marqués d'une croix,textes documentaires,"},
    {"type9", "type9.txt", "9,0,Élèves marqués d'une croix,la recherche d'informations,"},
    {"type10", "type10.txt", "10,3,20,8,Résultats de Léa Martin,3"},
    {"help", nullptr, "11,0,aide.rtf,,"},
}};

inline QString samplePath(const QString &name)
{
    return QStringLiteral(VIRELAI_SAMPLES_DIR "/") + name;
}

inline QByteArray sampleBytes(const QString &name)
{
    QFile file(samplePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the host leaves on the clipboard for this request.
inline QString sampleClipboardText(const SampleRequest &sample)
{
    return sample.dataFile ? decodeClipboardBytes(sampleBytes(QLatin1String(sample.dataFile)))
                           : QString();
}

} // namespace virelai::bench
