#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringView>

namespace virelai {

// Windows-1252, read and written with one table. The five bytes the code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 controls of
// the same number, as Windows reads them.
QChar windows1252ToUnicode(uchar byte);

// The text in Windows-1252. Characters the code page cannot hold, NUL and the
// C1 controls (which only stand in the unassigned bytes) become "?".
QByteArray toWindows1252(QStringView text);

} // namespace virelai
