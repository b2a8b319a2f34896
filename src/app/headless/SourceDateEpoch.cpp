#include "SourceDateEpoch.h"

#include <algorithm>
#include <cctype>

namespace virelai {

namespace {

// Past year 9999 the footer's four-digit year no longer holds.
constexpr qint64 LastSecondOfYear9999 = 253402300799;

} // namespace

std::optional<QDateTime> momentFromSourceDateEpoch(const QByteArray &value)
{
    const bool digitsOnly = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    if (!digitsOnly || value.size() > 12)
        return std::nullopt;
    const qint64 seconds = value.toLongLong();
    if (seconds > LastSecondOfYear9999)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
}

} // namespace virelai
