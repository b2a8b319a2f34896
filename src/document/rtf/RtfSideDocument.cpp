#include "RtfSideDocument.h"

#include "RtfLineHeights.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextFrame>

namespace virelai {

RtfSideDocument::RtfSideDocument(const QTextDocument &flow)
    : m_document(std::make_shared<QTextDocument>())
{
    const auto *flowLayout
        = flow.findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly);
    if (flowLayout && flowLayout->paintDevice())
        m_document->documentLayout()->setPaintDevice(flowLayout->paintDevice());
    // Laid out once, when it is placed.
    m_document->setPageSize(QSizeF(0, 0));
    m_document->setDocumentMargin(0);
    m_document->setDefaultFont(flow.defaultFont());
    m_document->setDefaultTextOption(flow.defaultTextOption());
    m_cursor = std::make_unique<QTextCursor>(m_document.get());
    m_writer = std::make_unique<RtfDocumentWriter>(*m_cursor);
}

std::shared_ptr<QTextDocument> RtfSideDocument::finish(bool keepsFinalEmptyParagraph)
{
    m_writer->finish();
    const QTextBlock last = m_document->lastBlock();
    if (QTextFrame *table = tableJustBefore(last); table && last.length() == 1) {
        keepHeightAfter(*table, last);
    } else if (!keepsFinalEmptyParagraph && last.previous().isValid() && last.length() == 1) {
        QTextCursor cursor(m_document.get());
        cursor.movePosition(QTextCursor::End);
        cursor.deletePreviousChar();
    }
    QTextCursor end(m_document.get());
    end.movePosition(QTextCursor::End);
    matchWordProcessorLineHeights(*m_document, 0, end.position());
    return m_document;
}

QTextFrame *RtfSideDocument::tableJustBefore(const QTextBlock &block) const
{
    const QList<QTextFrame *> frames = m_document->rootFrame()->childFrames();
    return !frames.isEmpty() && frames.back()->lastPosition() + 1 == block.position()
        ? frames.back()
        : nullptr;
}

void RtfSideDocument::keepHeightAfter(QTextFrame &table, const QTextBlock &paragraph) const
{
    // The space above it is the table's already.
    const double height
        = emptyLineHeight(paragraph.blockFormat(), paragraph.charFormat(),
                          m_document->defaultFont(), m_document->documentLayout()->paintDevice());
    QTextFrameFormat format = table.frameFormat();
    format.setBottomMargin(format.bottomMargin() + height);
    table.setFrameFormat(format);
}

} // namespace virelai
