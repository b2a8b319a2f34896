#pragma once

#include "RtfCodePage.h"
#include "RtfDocumentWriter.h"
#include "RtfFormats.h"
#include "RtfGroupStack.h"
#include "RtfKeywords.h"
#include "RtfLexer.h"
#include "RtfNumbering.h"
#include "RtfPageFurniture.h"
#include "RtfParagraphBorders.h"
#include "RtfParagraphBox.h"
#include "RtfParagraphSequence.h"
#include "RtfPictures.h"
#include "RtfReader.h"
#include "RtfRowDefinition.h"
#include "RtfSideDocument.h"
#include "RtfStyleSheet.h"
#include "RtfTableBuilder.h"
#include "RtfTables.h"

namespace virelai {

// Reads the tokens of one text in a single loop over an explicit group stack,
// and sends each piece of text to its destination: the document, the font
// table or the colour table. The tables hold for the whole text, so a table in
// a group of its own serves the groups after it.
class RtfInterpreter
{
public:
    RtfInterpreter(QStringView input, QTextCursor &cursor, const RtfDefaults &defaults,
                   double unitsPerTwip);

    void run();
    bool binaryRanPastEnd() const { return m_lexer.binaryRanPastEnd(); }
    // Why the end of the text was not read: it went on past the last paragraph
    // or table cell a text may have. Empty when it was read to its end.
    const QString &leftOut() const { return m_leftOut; }
    bool usesCorrectedFonts() const { return m_formatter.usesCorrectedFonts(); }
    bool usesLeaders() const { return m_formatter.usesLeaders(); }
    bool usesJustification() const { return m_formatter.usesJustification(); }

private:
    bool withinLimits();
    void noteLeftOut();
    void handleToken(const RtfToken &token);
    void closeGroup();
    bool skipsIgnorableDestination(const RtfToken &token);
    bool skipsAsFallback(const RtfToken &token);
    void handleWord(const RtfToken &token);
    void handleSymbol(QChar symbol);
    void handleHexByte(int byte);
    void handleUnicode(int param);
    void handleText(QStringView text);
    void flushText();
    QString &queueToAppend();

    bool applyDestinationWord(Keyword keyword);
    bool applyTableWord(Keyword keyword, int param);
    bool applyNumberingWord(Keyword keyword, int param);
    void applyDocumentWord(Keyword keyword, int param);
    bool applyStyleWord(const RtfToken &token, Keyword keyword);
    void applyStyle(bool character, int number);
    bool applyBorderWord(Keyword keyword, int param);
    bool applySectionWord(Keyword keyword);
    void startSection();

    void emitText(QStringView text);
    void writeText(QStringView text, const CharProps &chars);
    void emitCharacter(QChar c) { emitText(QStringView(&c, 1)); }
    void showNumber();
    bool applyTableFlowWord(Keyword keyword);
    void followTable();
    void endCell();
    void writeTable();
    void followBox();
    void writeBox();
    void showPicture();
    RtfDocumentWriter &writer();
    RtfDocumentWriter &flowWriter();
    QTextDocument *flowDocument();
    bool applyFurnitureWord(Keyword keyword, int param);
    void beginSide(Keyword keyword);
    void endSide();
    void showFootnoteNumber();
    void showPendingNoteNumber();
    void anchorFootnote();
    void flushHighSurrogate();
    // pageBreakAfter (\page): the text before the break keeps its page, the
    // paragraph after it starts a new one.
    void endParagraph(bool pageBreakAfter = false);
    // The current paragraph's format, made again only after something it
    // depends on changed: paragraph words, a group's end, the paragraphs
    // before it, a table or a box.
    const QTextBlockFormat &currentBlockFormat();
    QTextBlockFormat blockFormatNow();
    void paragraphChanged() { m_blockFormatStale = true; }
    void paragraphPropertiesChanged();
    bool inSymbolFont() const;
    bool isSymbolFont(int font) const;
    int currentCodePage() const;
    GroupState &state() { return m_stack.current(); }

    const RtfDefaults &m_defaults;
    CharProps m_defaultChars;
    RtfLexer m_lexer;
    RtfGroupStack m_stack;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    ByteDecoder m_bytes;
    RtfFormatter m_formatter;
    RtfDocumentWriter m_writer;
    ParagraphSequence m_paragraphs;
    RtfNumbering m_numbering;
    RowDefinitionReader m_rowDefinition;
    ParagraphBorderReader m_paragraphBorders;
    RtfStyleSheet m_styles;
    bool m_sectionEnded = false; // \sect read; the next section's words may follow
    bool m_sectionBreaksPage = true; // \sbkpage (the default) or \sbknone
    RtfTableBuilder m_table {m_colors};
    int m_spaceAboveTable = 0;
    RtfParagraphBox m_box {m_colors};
    RtfPictureReader m_pictures;
    // The header, footer or footnote being read, aside from the flow.
    struct Side
    {
        Keyword kind;
        int depth; // of its group
        RtfSideDocument document;
        ParagraphSequence flowParagraphs;
        bool paragraphDefined = false; // \pard read in it
        bool numberPending = false; // a footnote's own number, shown with its first text
    };
    std::unique_ptr<Side> m_side;
    int m_footnotes = 0; // footnotes read so far
    bool m_footnoteAnchored = false; // \chftn written for the next footnote
    QString m_fieldInstruction;
    QTextDocument *m_document;
    double m_unitsPerTwip;
    int m_ansiCodePage = Windows1252;
    int m_defaultFont = 0;
    int m_fallbackToSkip = 0;
    int m_paragraphsEnded = 0;
    int m_cellsEnded = 0;
    QString m_leftOut;
    bool m_ignorablePending = false; // "\*" read: the next word must be a known destination
    char16_t m_highSurrogate = 0;
    // Read, not yet written (see flushText): a piece of the input as it is,
    // or text made from several pieces. One of them at most is not empty.
    QStringView m_queuedInput;
    QString m_queuedText;
    bool m_blockFormatStale = true;
    bool m_blockContextStale = false; // a paragraph ended since m_blockFormat was made
    ParagraphContext m_blockContext; // the spacing m_blockFormat was made with
    QTextBlockFormat m_blockFormat;
    int m_paragraphRevisions = 0; // the last GroupState::paragraphRevision given
};

} // namespace virelai
