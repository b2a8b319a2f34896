#pragma once

#include <QTextLayout>

#include <memory>

class QPaintDevice;
class QTextBlock;
class QTextOption;

namespace virelai {

// A paragraph of the flow laid out alone, left-aligned, at the text's width
// less its indents, its first line less its first-line indent, with its tab
// stops: the lines Qt's document layout gives it outside tables, before it
// aligns them.
std::unique_ptr<QTextLayout> layOutAlone(const QTextBlock &block, double textWidth,
                                         QPaintDevice *device, const QTextOption &documentOption);

} // namespace virelai
