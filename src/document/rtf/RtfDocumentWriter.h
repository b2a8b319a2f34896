#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFrame>

#include <functional>
#include <optional>
#include <vector>

namespace virelai {

// Writes paragraphs and styled runs at a QTextCursor. Text is gathered while
// the style stays the same and inserted in one call, and a paragraph's block is
// made only at its end, when its formats are known (RTF gives a paragraph the
// properties in force at its "\par"), so that it is written once rather than
// made and then changed: this keeps long help files fast to read.
class RtfDocumentWriter
{
public:
    explicit RtfDocumentWriter(QTextCursor &cursor);

    void appendText(QStringView text, const QTextCharFormat &charFormat,
                    const QTextBlockFormat &blockFormat);
    // Ends the current paragraph with these formats and opens the next one,
    // which starts with nextBlockFormat.
    void endParagraph(const QTextCharFormat &charFormat, const QTextBlockFormat &blockFormat,
                      const QTextBlockFormat &nextBlockFormat);
    // Writes the last paragraph, which no "\par" ended.
    void finish();
    // Whether text or a paragraph follows the last "\par".
    bool paragraphPending() const { return m_blockOpen || !m_runs.empty(); }
    // Puts a frame (a table) after the paragraph written last: insert writes it
    // at the cursor, leaves the cursor in the empty paragraph after it and
    // returns it. The frame keeps the next paragraph's space before, which Qt
    // leaves out after a frame, and the line of an empty one.
    void insertFrame(const std::function<QTextFrame *(QTextCursor &)> &insert);

private:
    struct Run
    {
        QString text;
        QTextCharFormat format;
    };

    void writeBreakingText(QStringView text, const QTextCharFormat &charFormat,
                           const QTextBlockFormat &blockFormat);
    void openBlock(const QTextBlockFormat &blockFormat, const QTextCharFormat &charFormat);
    void setHeldFormats(const QTextBlockFormat &blockFormat, const QTextCharFormat &charFormat);
    void writeRuns();
    void giveSpaceToFrameAbove(const QTextBlockFormat &blockFormat, double emptyLineBelow = 0);
    double emptyLine(const QTextBlockFormat &blockFormat, const QTextCharFormat &charFormat) const;

    QTextCursor &m_cursor;
    std::vector<Run> m_runs; // the current paragraph's text not yet written
    // Whether the current paragraph's block exists: the cursor's own block at
    // first, then each block from when it is opened.
    bool m_blockOpen = true;
    // The formats the open block holds once this writer has set them.
    std::optional<QTextBlockFormat> m_heldBlockFormat;
    std::optional<QTextCharFormat> m_heldCharFormat;
    // The paragraph format in force at the current paragraph's last text.
    std::optional<QTextBlockFormat> m_textBlockFormat;
    // The formats the paragraph after the last "\par" starts with.
    QTextBlockFormat m_nextBlockFormat;
    QTextCharFormat m_nextCharFormat;
    QTextFrame *m_frameAbove = nullptr; // just written, before the current paragraph
};

} // namespace virelai
