#include "RtfReader.h"

#include "RtfInterpreter.h"
#include "RtfJustifiedBreaks.h"
#include "RtfLimits.h"
#include "RtfLineHeights.h"
#include "RtfTabLeaders.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace virelai {

namespace {

constexpr char16_t ByteOrderMark = 0xFEFF;
constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDotsPerInch = 96.0;

// Lengths in RTF are twips; a document's layout counts in the units of its
// paint device, or of the screen when it has none (as QFont does). The layout
// is looked up, not asked for: asking creates one, and the document would then
// be laid out while it is being read.
double layoutUnitsPerTwip(const QTextCursor &cursor)
{
    const QTextDocument *document = cursor.document();
    const auto *layout = document
        ? document->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly)
        : nullptr;
    const QPaintDevice *device = layout ? layout->paintDevice() : nullptr;
    if (device)
        return device->logicalDpiY() / TwipsPerInch;
    return tabUnitsPerTwip();
}

// Qt's layout leaves out the top margin of a document's first paragraph,
// where word processors keep its space before: the document's frame takes it.
void keepSpaceAboveFirstParagraph(QTextDocument &document)
{
    const double space = document.begin().blockFormat().topMargin();
    if (space <= 0)
        return;
    QTextFrame *root = document.rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setTopMargin(format.topMargin() + space);
    root->setFrameFormat(format);
}

} // namespace

double tabUnitsPerTwip()
{
    // The resolution Qt's text layout calls its default: the screen's, rounded.
    double dotsPerInch = FallbackDotsPerInch;
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        dotsPerInch = 96.0;
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        dotsPerInch = qRound(screen->logicalDotsPerInchY());
    return dotsPerInch / TwipsPerInch;
}

bool isRtfText(QStringView text)
{
    if (text.startsWith(QChar(ByteOrderMark)))
        text = text.sliced(1);
    for (const QChar c : text) {
        if (!c.isSpace())
            return c == u'{';
    }
    return false;
}

RtfReadResult readRtf(QStringView rtf, QTextCursor &cursor, const RtfDefaults &defaults)
{
    RtfReadResult result;
    if (cursor.isNull())
        return {false, QStringLiteral("no document to write into")};
    if (rtf.size() > MaxTextLength) {
        rtf = rtf.first(MaxTextLength);
        result = {false,
                  QStringLiteral("un texte dépasse %1 caractères, la suite n'est pas lue")
                      .arg(MaxTextLength)};
    }
    if (rtf.startsWith(QChar(ByteOrderMark)))
        rtf = rtf.sliced(1);
    const int start = cursor.position();
    cursor.beginEditBlock();
    RtfInterpreter interpreter(rtf, cursor, defaults, layoutUnitsPerTwip(cursor));
    interpreter.run();
    if (interpreter.usesCorrectedFonts())
        matchWordProcessorLineHeights(*cursor.document(), start, cursor.position());
    if (interpreter.usesLeaders())
        fillTabLeaders(*cursor.document(), start, cursor.position(),
                       defaults.textWidth * layoutUnitsPerTwip(cursor));
    if (interpreter.usesJustification())
        stretchLinesEndedByBreaks(*cursor.document(), start, cursor.position(),
                                  defaults.textWidth * layoutUnitsPerTwip(cursor));
    if (start == 0)
        keepSpaceAboveFirstParagraph(*cursor.document());
    cursor.endEditBlock();
    if (!interpreter.leftOut().isEmpty() && result.complete)
        result = {false, interpreter.leftOut()};
    if (interpreter.binaryRanPastEnd() && result.complete)
        result = {false,
                  QStringLiteral("des données binaires (\\bin) vont au-delà de la fin "
                                 "d'un texte, qui s'arrête là")};
    return result;
}

} // namespace virelai
