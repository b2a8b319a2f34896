#pragma once

#include "RtfDocumentWriter.h"
#include "RtfGroupState.h"
#include "RtfTables.h"

#include <QTextDocument>

#include <memory>

class QTextTable;

namespace virelai {

// Paragraphs with borders or shading, drawn as the office suite draws them:
// following paragraphs with the same borders, shading and indents share one
// box, which spans their indents; the text keeps each border's spacing (\brsp)
// inside it. The paragraphs are gathered in a document of their own and
// written as a table of one cell once the box ends.
class RtfParagraphBox
{
public:
    explicit RtfParagraphBox(const RtfColorTable &colors);
    ~RtfParagraphBox();

    // A paragraph outside tables with a border or a shading. Asked before
    // every text, hence inline.
    static bool isBoxed(const ParaProps &props)
    {
        return !props.inTable && (props.bordered() || props.shaded());
    }
    bool isOpen() const { return m_content != nullptr; }
    // Whether an open box takes in a paragraph with these properties.
    bool holds(const ParaProps &props) const;
    // Opens a box for props. spaceAbove: twips above it.
    void open(const ParaProps &props, int spaceAbove);
    RtfDocumentWriter &writer() { return *m_writer; }
    bool atFirstParagraph() const { return m_firstParagraph; }
    void paragraphEnded() { m_firstParagraph = false; }
    // A boxed paragraph's properties within its box: the box takes its
    // indents, borders and shading.
    static ParaProps inside(const ParaProps &props);
    // Writes the box at the cursor, leaves the cursor in the paragraph after it
    // and closes the box.
    QTextTable *write(QTextCursor &cursor);

private:
    const RtfColorTable &m_colors;
    ParaProps m_props;
    int m_spaceAbove = 0;
    bool m_firstParagraph = true;
    std::unique_ptr<QTextDocument> m_content;
    std::unique_ptr<QTextCursor> m_cursor;
    std::unique_ptr<RtfDocumentWriter> m_writer;
};

} // namespace virelai
