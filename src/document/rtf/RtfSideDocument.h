#pragma once

#include "RtfDocumentWriter.h"

#include <QTextDocument>

#include <memory>

class QTextBlock;
class QTextFrame;

namespace virelai {

// A document written aside from the flow of text: a header, a footer or a
// footnote. It is laid out like the flow (same device). A header or footer
// ends with its last paragraph: the empty one a final "\par" opens is dropped.
// A footnote keeps that empty paragraph, as word processors show it. A final
// paragraph after a table is the one word processors end such a text with: it
// keeps its height, which Qt gives no empty paragraph just after a table.
class RtfSideDocument
{
public:
    explicit RtfSideDocument(const QTextDocument &flow);

    QTextDocument &document() { return *m_document; }
    RtfDocumentWriter &writer() { return *m_writer; }
    std::shared_ptr<QTextDocument> finish(bool keepsFinalEmptyParagraph);

private:
    QTextFrame *tableJustBefore(const QTextBlock &block) const;
    void keepHeightAfter(QTextFrame &table, const QTextBlock &paragraph) const;

    std::shared_ptr<QTextDocument> m_document;
    std::unique_ptr<QTextCursor> m_cursor;
    std::unique_ptr<RtfDocumentWriter> m_writer;
};

} // namespace virelai
