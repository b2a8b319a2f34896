#include "TextLines.h"

#include "TextComposer.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace virelai {

TextLines measureLines(const ComposedText &text)
{
    TextLines lines;
    double offset = 0;
    for (const auto &piece : text.pieces) {
        for (QTextBlock block = piece->begin(); block.isValid(); block = block.next()) {
            const QTextLayout *layout = block.layout();
            const double blockTop = offset + layout->position().y();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const double top = blockTop + line.y();
                if (top > 0 && (lines.cuts.empty() || top > lines.cuts.back()))
                    lines.cuts.push_back(top);
                lines.inkBottom = std::max(lines.inkBottom, top + line.height());
            }
        }
        offset += piece->documentLayout()->documentSize().height();
    }
    return lines;
}

} // namespace virelai
