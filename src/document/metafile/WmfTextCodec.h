#pragma once

#include <QByteArray>
#include <QString>

namespace virelai {

inline constexpr quint8 symbolCharset = 2;

// Text bytes of a metafile in the font's character set: the Symbol font's
// own encoding for SYMBOL_CHARSET, Windows-1252 for the others.
QString decodeWmfText(const QByteArray &bytes, quint8 charset);

} // namespace virelai
