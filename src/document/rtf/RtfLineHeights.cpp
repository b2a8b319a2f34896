#include "RtfLineHeights.h"

#include "RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace virelai {

namespace {

// Measured at a size where rounding does not count.
constexpr int MeasurePixels = 1000;
constexpr double Tolerance = 0.001;
constexpr double TwipsPerInch = 1440.0;

qint16 signedAt(const QByteArray &table, int offset)
{
    return table.size() >= offset + 2 ? qFromBigEndian<qint16>(table.constData() + offset) : 0;
}

quint16 unsignedAt(const QByteArray &table, int offset)
{
    return table.size() >= offset + 2 ? qFromBigEndian<quint16>(table.constData() + offset) : 0;
}

// OS/2's fsSelection bit by which a font asks for its typographic metrics.
constexpr quint16 UseTypoMetrics = 1 << 7;

// A single line's height in ems as word processors measure it; 0 when unknown.
double wordProcessorLine(const QRawFont &raw)
{
    const QByteArray head = raw.fontTable("head");
    const QByteArray hhea = raw.fontTable("hhea");
    const QByteArray os2 = raw.fontTable("OS/2");
    const double unitsPerEm = unsignedAt(head, 18);
    if (unitsPerEm <= 0 || hhea.size() < 10)
        return 0;
    const int typoAscender = signedAt(os2, 68);
    const int typoDescender = signedAt(os2, 70);
    if (os2.size() >= 74 && (unsignedAt(os2, 62) & UseTypoMetrics) && typoAscender >= 0
        && typoDescender <= 0)
        return (typoAscender - typoDescender + signedAt(os2, 72)) / unitsPerEm;
    const double hheaLine = signedAt(hhea, 4) - signedAt(hhea, 6) + signedAt(hhea, 8);
    const double windowsLine = os2.size() >= 78 ? unsignedAt(os2, 74) + unsignedAt(os2, 76) : 0;
    return std::max(hheaLine, windowsLine) / unitsPerEm;
}

} // namespace

double lineHeightCorrection(const QFont &font)
{
    static QHash<QString, double> cache;
    const QString key = font.family() + u'|' + QString::number(font.weight()) + u'|'
        + QString::number(int(font.italic()));
    const auto found = cache.constFind(key);
    if (found != cache.cend())
        return found.value();
    QFont measured(font);
    measured.setPixelSize(MeasurePixels);
    const double qtLine = QFontMetricsF(measured).lineSpacing() / MeasurePixels;
    const double wanted = wordProcessorLine(QRawFont::fromFont(measured));
    const double ratio = (qtLine > 0 && wanted > 0) ? wanted / qtLine : 1.0;
    cache.insert(key, ratio);
    return ratio;
}

bool needsLineHeightCorrection(const QFont &font)
{
    return std::abs(lineHeightCorrection(font) - 1.0) > Tolerance;
}

namespace {

// What a character format asks of its line: its size and its font's ratio.
struct FormatLine
{
    double pointSize = 0;
    double ratio = 1;
};

// Looked up once per format: a long text has many paragraphs and few formats.
class FormatLines
{
public:
    explicit FormatLines(const QTextDocument &document)
        : m_formats(document.allFormats())
    { }
    const FormatLine &of(int formatIndex)
    {
        const auto found = m_lines.constFind(formatIndex);
        if (found != m_lines.cend())
            return found.value();
        const QTextCharFormat format = m_formats.value(formatIndex).toCharFormat();
        return *m_lines.insert(formatIndex,
                               {format.fontPointSize(), lineHeightCorrection(format.font())});
    }

private:
    QList<QTextFormat> m_formats;
    QHash<int, FormatLine> m_lines;
};

// The ratio for the block's largest text, or for its mark when it has none.
double ratioOf(const QTextBlock &block, FormatLines &lines)
{
    FormatLine largest = lines.of(block.charFormatIndex());
    bool hasText = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const FormatLine &line = lines.of(it.fragment().charFormatIndex());
        if (!hasText || line.pointSize > largest.pointSize)
            largest = line;
        hasText = true;
    }
    return largest.ratio;
}

} // namespace

void matchWordProcessorLineHeights(QTextDocument &document, int from, int to)
{
    FormatLines lines(document);
    const QTextBlock last = document.findBlock(to);
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() == QTextBlockFormat::ProportionalHeight) {
            const double ratio = ratioOf(block, lines);
            if (std::abs(ratio - 1.0) > Tolerance) {
                format.setLineHeight(format.lineHeight() * ratio,
                                     QTextBlockFormat::ProportionalHeight);
                QTextCursor(block).setBlockFormat(format);
            }
        }
        if (block == last)
            break;
    }
}

double emptyLineHeight(const QTextBlockFormat &block, const QTextCharFormat &mark,
                       const QFont &defaultFont, QPaintDevice *device)
{
    QTextDocument alone;
    alone.documentLayout()->setPaintDevice(device);
    alone.setDocumentMargin(0);
    alone.setDefaultFont(defaultFont);
    QTextCursor cursor(&alone);
    QTextBlockFormat unspaced = block;
    unspaced.setTopMargin(0);
    unspaced.setBottomMargin(0);
    cursor.setBlockFormat(unspaced);
    // Measured on a line of one space in the mark's format: Qt does not
    // measure a lone empty paragraph by its mark.
    cursor.insertText(QStringLiteral(" "), mark);
    matchWordProcessorLineHeights(alone, 0, 0);
    const double deviceUnitsPerMarginUnit
        = device ? device->logicalDpiY() / (tabUnitsPerTwip() * TwipsPerInch) : 1.0;
    return alone.documentLayout()->documentSize().height() / deviceUnitsPerMarginUnit;
}

} // namespace virelai
