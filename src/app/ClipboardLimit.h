#pragma once

#include "common/Result.h"

#include <QString>
#include <QtGlobal>

namespace virelai {

// The longest clipboard text a page is built from, in characters: a class list
// takes a few thousand, the host's chart data at most 32 765. A longer text is
// refused whole, so that nothing after reading it costs more than this one.
inline constexpr qsizetype LargestClipboardText = 65536;

// Why a clipboard text is not read.
struct ClipboardRefusal
{
    QString message; // in French
};

// The text when it is within the limit, else why it is refused.
Result<QString, ClipboardRefusal> clipboardTextWithinLimit(QString text);

// The refusal of a --data file whose text would be longer than the limit.
QString dataFileTooLargeMessage(const QString &path);

} // namespace virelai
