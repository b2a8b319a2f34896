#include "RtfBlockLayout.h"

#include <QTextBlock>

#include <algorithm>

namespace virelai {

std::unique_ptr<QTextLayout> layOutAlone(const QTextBlock &block, double textWidth,
                                         QPaintDevice *device, const QTextOption &documentOption)
{
    const QTextBlockFormat format = block.blockFormat();
    auto layout = std::make_unique<QTextLayout>(block.text(), block.charFormat().font(), device);
    QTextOption option = documentOption;
    option.setTabs(format.tabPositions());
    option.setAlignment(Qt::AlignLeft);
    layout->setTextOption(option);
    layout->setFormats(block.textFormats());
    const double available = textWidth - format.leftMargin() - format.rightMargin();
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
        line.setLineWidth(
            std::max(1.0, available - (line.lineNumber() == 0 ? format.textIndent() : 0)));
    layout->endLayout();
    return layout;
}

} // namespace virelai
