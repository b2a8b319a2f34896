#include "TextComposer.h"

#include "DocumentLimits.h"
#include "TextPieces.h"
#include "TwipsDevice.h"
#include "common/BgrColor.h"
#include "document/rtf/RtfPageFurniture.h"
#include "document/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace virelai {

namespace {

// Half an inch, the usual default tab stop of word processors.
constexpr double DefaultTabStopTwips = 720;

std::shared_ptr<QTextDocument> emptyDocument(const TextRequest &request, const QFont &font)
{
    auto document = std::make_shared<QTextDocument>();
    document->documentLayout()->setPaintDevice(twipsPaintDevice());
    // Qt lays a document out after every change while it has a page size, even
    // the default one; a null size makes it wait until the text is complete
    // and its width is set, so that it is laid out once.
    document->setPageSize(QSizeF(0, 0));
    // Nothing is ever undone: each insertion would otherwise be kept for it.
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    document->setDefaultFont(font);
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(DefaultTabStopTwips * tabUnitsPerTwip());
    option.setWrapMode(request.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                    : QTextOption::NoWrap);
    document->setDefaultTextOption(option);
    return document;
}

QFont plainFont(const PlainTextStyle &style)
{
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

// CR, LF and CR LF each end a line; spaces and tabs are kept as they are.
QString paragraphsOf(const QString &text)
{
    QString paragraphs = text;
    paragraphs.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    paragraphs.replace(QLatin1Char('\r'), QChar::ParagraphSeparator);
    paragraphs.replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
    return paragraphs;
}

// Keeps the first MaxParagraphs paragraphs; false when there were more.
bool keepFirstParagraphs(QString &paragraphs)
{
    qsizetype end = -1;
    for (int kept = 0; kept < MaxParagraphs; ++kept) {
        end = paragraphs.indexOf(QChar::ParagraphSeparator, end + 1);
        if (end < 0)
            return true;
    }
    paragraphs.truncate(end);
    return false;
}

// Returns false when the text has more paragraphs than it may show.
bool writePlain(QTextDocument &document, const TextRequest &request)
{
    const PlainTextStyle &style = request.plainStyle;
    QTextBlockFormat blockFormat;
    blockFormat.setLineHeight(request.lineSpacingPercent, QTextBlockFormat::ProportionalHeight);
    blockFormat.setBottomMargin(style.spaceAfter);
    QTextCharFormat charFormat;
    charFormat.setFont(plainFont(style));
    charFormat.setForeground(colorFromBgr(style.color));

    QString paragraphs = paragraphsOf(request.text);
    const bool whole = keepFirstParagraphs(paragraphs);
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    // In one insertion: a block each, inserted one by one, costs five times
    // the memory (a pupil list of empty lines took 0.6 KB a line).
    cursor.insertText(paragraphs, charFormat);
    return whole;
}

QString writeRtf(QTextDocument &document, const TextRequest &request)
{
    // RTF starts from its own defaults (12 pt, not bold, not underlined,
    // black) and not from the surface's FontBold, FontUnderline and TextColor:
    // those style the plain texts that follow them. Taking them for RTF too
    // would print every suggestion placed after "Proposition" bold and
    // underlined. Only the line spacing applies to both kinds of text.
    RtfDefaults defaults;
    defaults.fontFamily = request.plainStyle.family;
    defaults.lineSpacingPercent = request.lineSpacingPercent;
    defaults.textWidth = request.wrap ? request.width : 0;
    QTextCursor cursor(&document);
    const RtfReadResult result = readRtf(request.text, cursor, defaults);
    return result.complete ? QString() : result.problem;
}

double laidOutHeight(QTextDocument &piece, double width)
{
    piece.setTextWidth(width);
    // Asking the size finishes the layout, which Qt would otherwise do bit by bit.
    return piece.documentLayout()->documentSize().height();
}

// The pieces of the text, each laid out once at the request's width, as far as
// the height limit: a text taller than that is cut after the piece that reaches it.
void layOut(ComposedText &composed, const std::shared_ptr<QTextDocument> &document,
            const TextRequest &request,
            const std::function<std::shared_ptr<QTextDocument>()> &makeEmpty)
{
    size_t laidOut = 0;
    bool cut = false;
    composed.pieces = splitIntoPieces(document, makeEmpty, [&](QTextDocument &piece) {
        composed.height += laidOutHeight(piece, request.width);
        ++laidOut;
        cut = composed.height >= request.heightLimit;
        return !cut;
    });
    for (size_t i = laidOut; i < composed.pieces.size(); ++i)
        composed.height += laidOutHeight(*composed.pieces[i], request.width);
    if (cut)
        composed.cuts.append(causeTextPastLastPage());
}

} // namespace

ComposedText composeText(const TextRequest &request)
{
    const bool rich = !request.alwaysPlain && isRtfText(request.text);
    QFont defaultFont(request.plainStyle.family);
    defaultFont.setPointSizeF(rich ? RtfDefaults().fontPointSize : request.plainStyle.pointSize);
    ComposedText composed;
    auto document = emptyDocument(request, defaultFont);
    if (!rich) {
        if (!writePlain(*document, request))
            composed.cuts.append(causeParagraphsPastLimit());
    } else {
        if (const QString problem = writeRtf(*document, request); !problem.isEmpty())
            composed.cuts.append(problem);
        if (const PageFurniture *furniture = pageFurnitureOf(*document))
            composed.furniture = std::make_shared<const PageFurniture>(*furniture);
    }
    layOut(composed, document, request,
           [&request, &defaultFont] { return emptyDocument(request, defaultFont); });
    return composed;
}

} // namespace virelai
