#include "TextComposer.h"

#include "TextPieces.h"
#include "TwipsDevice.h"
#include "chart/BgrColor.h"
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
QStringList plainLines(const QString &text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normalized.split(QLatin1Char('\n'));
}

void writePlain(QTextDocument &document, const TextRequest &request)
{
    const PlainTextStyle &style = request.plainStyle;
    QTextBlockFormat blockFormat;
    blockFormat.setLineHeight(request.lineSpacingPercent, QTextBlockFormat::ProportionalHeight);
    blockFormat.setBottomMargin(style.spaceAfter);
    QTextCharFormat charFormat;
    charFormat.setFont(plainFont(style));
    charFormat.setForeground(colorFromBgr(style.color));

    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    const QStringList lines = plainLines(request.text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(blockFormat, charFormat);
        cursor.insertText(lines[i], charFormat);
    }
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

} // namespace

ComposedText composeText(const TextRequest &request)
{
    const bool rich = !request.alwaysPlain && isRtfText(request.text);
    QFont defaultFont(request.plainStyle.family);
    defaultFont.setPointSizeF(rich ? RtfDefaults().fontPointSize : request.plainStyle.pointSize);
    ComposedText composed;
    auto document = emptyDocument(request, defaultFont);
    if (rich)
        composed.problem = writeRtf(*document, request);
    else
        writePlain(*document, request);
    composed.pieces = splitIntoPieces(
        document, [&request, &defaultFont] { return emptyDocument(request, defaultFont); });
    for (const auto &piece : composed.pieces) {
        piece->setTextWidth(request.width);
        // Asking the size finishes the layout, which Qt would otherwise do bit by bit.
        composed.height += piece->documentLayout()->documentSize().height();
    }
    return composed;
}

} // namespace virelai
