#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace virelai {

// A help file is read whole, to its end (a procfs file says size 0 whatever it
// holds); anything that is not a regular file (a directory, a FIFO, a device) or
// that is larger than any help text could be counts as unreadable.
std::optional<QByteArray> readHelpFileBytes(const QString &path);

// Tests put their own reader in place of the file system.
using HelpFileReader = std::function<std::optional<QByteArray>(const QString &path)>;

inline constexpr qint64 MaxHelpFileBytes = 8 * 1024 * 1024;

} // namespace virelai
