#include "RtfDocumentWriter.h"

namespace virelai::rtf {

RtfDocumentWriter::RtfDocumentWriter(QTextCursor &cursor)
    : m_cursor(cursor)
{ }

void RtfDocumentWriter::appendText(QStringView text, const QTextCharFormat &charFormat,
                                   const QTextBlockFormat &blockFormat)
{
    if (text.isEmpty())
        return;
    if (!m_pending.isEmpty() && charFormat != m_pendingFormat)
        flush();
    if (blockFormat != m_blockFormat || !m_blockFormatApplied) {
        m_blockFormat = blockFormat;
        m_blockFormatApplied = false;
    }
    m_pendingFormat = charFormat;
    m_pending.append(text);
}

void RtfDocumentWriter::endParagraph(const QTextCharFormat &charFormat,
                                     const QTextBlockFormat &blockFormat)
{
    flush();
    // A paragraph takes the properties in force at its end, as in RTF.
    applyBlockFormat(blockFormat);
    if (m_heldCharFormat != charFormat)
        m_cursor.setBlockCharFormat(charFormat);
    m_cursor.insertBlock(blockFormat, charFormat);
    m_blockFormat = blockFormat;
    m_blockFormatApplied = true;
    m_heldBlockFormat = blockFormat;
    m_heldCharFormat = charFormat;
}

void RtfDocumentWriter::applyBlockFormat(const QTextBlockFormat &blockFormat)
{
    if (m_heldBlockFormat != blockFormat)
        m_cursor.setBlockFormat(blockFormat);
    m_heldBlockFormat = blockFormat;
}

void RtfDocumentWriter::finish()
{
    flush();
}

void RtfDocumentWriter::flush()
{
    if (!m_blockFormatApplied && !m_pending.isEmpty()) {
        applyBlockFormat(m_blockFormat);
        m_blockFormatApplied = true;
    }
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, m_pendingFormat);
    m_pending.resize(0); // keeps its capacity for the next run
}

} // namespace virelai::rtf
