#include "RtfDocumentWriter.h"

#include "RtfLineHeights.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace virelai {

namespace {

// A paragraph styled over and over is written before its end, so that the
// runs waiting for it stay few.
constexpr std::size_t MaxWaitingRuns = 64;

// Qt's private markers of a frame's start and end.
constexpr char16_t FrameStart = 0xFDD0;
constexpr char16_t FrameEnd = 0xFDD1;

// Characters that QTextCursor::insertText turns into paragraph breaks.
bool breaksBlock(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator || u == FrameStart
            || u == FrameEnd)
            return true;
    }
    return false;
}

} // namespace

RtfDocumentWriter::RtfDocumentWriter(QTextCursor &cursor)
    : m_cursor(cursor)
{ }

void RtfDocumentWriter::appendText(QStringView text, const QTextCharFormat &charFormat,
                                   const QTextBlockFormat &blockFormat)
{
    if (text.isEmpty())
        return;
    m_textBlockFormat = blockFormat;
    if (breaksBlock(text)) {
        writeBreakingText(text, charFormat, blockFormat);
        return;
    }
    if (!m_runs.empty() && m_runs.back().format == charFormat) {
        m_runs.back().text.append(text);
        return;
    }
    if (m_runs.size() == MaxWaitingRuns) {
        // Made as the "\par" before would make it: its end sets its formats.
        openBlock(m_nextBlockFormat, m_nextCharFormat);
        writeRuns();
    }
    m_runs.push_back({text.toString(), charFormat});
}

void RtfDocumentWriter::endParagraph(const QTextCharFormat &charFormat,
                                     const QTextBlockFormat &blockFormat,
                                     const QTextBlockFormat &nextBlockFormat)
{
    // A paragraph takes the properties in force at its end, as in RTF.
    const bool emptyBelowFrame = m_frameAbove && m_runs.empty() && m_cursor.block().length() == 1;
    giveSpaceToFrameAbove(blockFormat, emptyBelowFrame ? emptyLine(blockFormat, charFormat) : 0);
    if (m_blockOpen)
        setHeldFormats(blockFormat, charFormat);
    else
        openBlock(blockFormat, charFormat);
    writeRuns();
    m_blockOpen = false;
    m_textBlockFormat.reset();
    m_nextBlockFormat = nextBlockFormat;
    m_nextCharFormat = charFormat;
}

void RtfDocumentWriter::finish()
{
    // The last paragraph keeps the formats of the "\par" before it, but takes
    // the paragraph format its text was written in.
    const QTextBlockFormat blockFormat = m_textBlockFormat.value_or(m_nextBlockFormat);
    giveSpaceToFrameAbove(blockFormat);
    if (!m_blockOpen)
        openBlock(blockFormat, m_nextCharFormat);
    else if (m_textBlockFormat && m_heldBlockFormat != blockFormat)
        m_cursor.setBlockFormat(blockFormat);
    writeRuns();
}

// Qt splits such text into blocks itself, each new one taking the format the
// cursor's block has at that moment; they get the formats they would have had,
// had the block been made at the previous "\par" and each text written at once.
void RtfDocumentWriter::writeBreakingText(QStringView text, const QTextCharFormat &charFormat,
                                          const QTextBlockFormat &blockFormat)
{
    openBlock(m_nextBlockFormat, m_nextCharFormat);
    writeRuns();
    if (m_heldBlockFormat != blockFormat)
        m_cursor.setBlockFormat(blockFormat);
    m_cursor.insertText(text.toString(), charFormat);
    // The cursor is now in a block Qt made.
    m_heldBlockFormat.reset();
    m_heldCharFormat.reset();
}

void RtfDocumentWriter::openBlock(const QTextBlockFormat &blockFormat,
                                  const QTextCharFormat &charFormat)
{
    if (m_blockOpen)
        return;
    m_cursor.insertBlock(blockFormat, charFormat);
    m_blockOpen = true;
    m_heldBlockFormat = blockFormat;
    m_heldCharFormat = charFormat;
}

void RtfDocumentWriter::setHeldFormats(const QTextBlockFormat &blockFormat,
                                       const QTextCharFormat &charFormat)
{
    if (m_heldBlockFormat != blockFormat)
        m_cursor.setBlockFormat(blockFormat);
    if (m_heldCharFormat != charFormat)
        m_cursor.setBlockCharFormat(charFormat);
    m_heldBlockFormat = blockFormat;
    m_heldCharFormat = charFormat;
}

void RtfDocumentWriter::insertFrame(const std::function<QTextFrame *(QTextCursor &)> &insert)
{
    writeRuns();
    m_frameAbove = insert(m_cursor);
    // The cursor's paragraph is the one after the frame: its formats come at its end.
    m_blockOpen = true;
    m_heldBlockFormat.reset();
    m_heldCharFormat.reset();
    m_textBlockFormat.reset();
}

void RtfDocumentWriter::giveSpaceToFrameAbove(const QTextBlockFormat &blockFormat,
                                              double emptyLineBelow)
{
    if (!m_frameAbove)
        return;
    QTextFrameFormat format = m_frameAbove->frameFormat();
    format.setBottomMargin(blockFormat.topMargin() + emptyLineBelow);
    m_frameAbove->setFrameFormat(format);
    m_frameAbove = nullptr;
}

// Qt gives an empty paragraph just after a frame no height; word processors
// give it its line, which the frame then keeps below it.
double RtfDocumentWriter::emptyLine(const QTextBlockFormat &blockFormat,
                                    const QTextCharFormat &charFormat) const
{
    const QTextDocument *document = m_cursor.document();
    // Looked up, not asked for: asking would lay the document out while it is read.
    const auto *layout
        = document->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly);
    return emptyLineHeight(blockFormat, charFormat, document->defaultFont(),
                           layout ? layout->paintDevice() : nullptr);
}

void RtfDocumentWriter::writeRuns()
{
    for (const Run &run : m_runs)
        m_cursor.insertText(run.text, run.format);
    m_runs.clear();
}

} // namespace virelai
