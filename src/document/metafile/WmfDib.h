#pragma once

#include <QImage>

namespace virelai {

// A device-independent bitmap (info header, colour table, pixels) decoded to
// an image. Every size is checked against the bytes present and against the
// bitmap limits; a null image when anything does not fit, or when the decoded
// image would take more than byteBudget bytes. colorUsage 1 means the colour
// table holds palette indexes rather than colours.
QImage decodeDib(const uchar *data, qsizetype size, quint16 colorUsage, qint64 byteBudget);

} // namespace virelai
