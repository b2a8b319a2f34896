#pragma once

#include <QByteArrayView>

namespace virelai {

class Surface;

// A whole document written by a word processor (a help file, a stored advice
// file: Windows-1252 RTF) as a new page of its own. Where it names no font it
// is shown as word processors show it, in Times New Roman; the surface's own
// font, which the builders' texts use, is left as it was.
void showCompleteDocument(Surface &VSPrinter1, QByteArrayView bytes);

} // namespace virelai
