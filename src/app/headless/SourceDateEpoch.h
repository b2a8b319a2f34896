#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace virelai {

// The moment named by SOURCE_DATE_EPOCH (whole seconds since 1970-01-01 UTC,
// decimal digits only), in local time; nothing when the value is not such a
// number or lies beyond the dates a footer can show.
std::optional<QDateTime> momentFromSourceDateEpoch(const QByteArray &value);

} // namespace virelai
