#include "Footnotes.h"

#include "SurfaceDocument.h"
#include "TwipsDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace virelai {

namespace {

// The line is a quarter of the text's width, half way down the gap.
constexpr double SeparatorShare = 0.25;

} // namespace

double layOutAside(QTextDocument &document, double width)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    // A note is measured again each time its text's pages are composed anew.
    if (layout->paintDevice() != twipsPaintDevice() || document.textWidth() != width) {
        layout->setPaintDevice(twipsPaintDevice());
        document.setTextWidth(width);
    }
    return layout->documentSize().height();
}

void addFootnotes(SurfaceDocument &document, int page, double bottom,
                  const std::vector<std::shared_ptr<QTextDocument>> &notes)
{
    const PageGeometry &geometry = document.pageGeometry(page);
    const double width = geometry.printableWidth();
    double top = bottom;
    for (const auto &note : notes)
        top -= layOutAside(*note, width);
    const double left = geometry.margins.left();
    const QRectF separator(left, top - FootnoteGap / 2, width * SeparatorShare, 0);
    document.addItem(page, std::make_shared<BoxItem>(separator, 0, 0));
    for (const auto &note : notes) {
        const double height = layOutAside(*note, width);
        document.addItem(page, std::make_shared<TextItem>(note, QPointF(left, top), 0, height));
        top += height;
    }
}

} // namespace virelai
