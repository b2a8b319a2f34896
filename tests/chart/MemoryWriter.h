#pragma once

#include "chart/files/AtomicFileWriter.h"

#include <QFileInfo>

#include <map>

// Keeps what would have been written, by file name, and touches no disk.
class MemoryWriter : public virelai::FileWriter
{
public:
    std::optional<virelai::WriteFailure> writeWhole(const QString &path,
                                                    const QByteArray &bytes) override
    {
        files[QFileInfo(path).fileName()] = bytes;
        return std::nullopt;
    }
    std::map<QString, QByteArray> files;
};
