#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>

namespace virelai::rtf {

// Writes paragraphs and styled runs at a QTextCursor. Text is gathered while
// the style stays the same and inserted in one call, which keeps long help
// files fast to read.
class RtfDocumentWriter
{
public:
    explicit RtfDocumentWriter(QTextCursor &cursor);

    void appendText(QStringView text, const QTextCharFormat &charFormat,
                    const QTextBlockFormat &blockFormat);
    // Ends the current paragraph with these formats and opens the next one.
    void endParagraph(const QTextCharFormat &charFormat, const QTextBlockFormat &blockFormat);
    void finish();

private:
    void flush();
    void applyBlockFormat(const QTextBlockFormat &blockFormat);

    QTextCursor &m_cursor;
    QString m_pending;
    QTextCharFormat m_pendingFormat;
    QTextBlockFormat m_blockFormat;
    bool m_blockFormatApplied = false;
    // What the cursor's block holds, once this writer has set it: a paragraph
    // ending in the style it started with needs no second write.
    std::optional<QTextBlockFormat> m_heldBlockFormat;
    std::optional<QTextCharFormat> m_heldCharFormat;
};

} // namespace virelai::rtf
