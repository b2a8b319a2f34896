#include "RtfLineHeights.h"

#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace virelai::rtf {

namespace {

// Measured at a size where rounding does not count.
constexpr int MeasurePixels = 1000;
constexpr double Tolerance = 0.001;

qint16 signedAt(const QByteArray &table, int offset)
{
    return table.size() >= offset + 2 ? qFromBigEndian<qint16>(table.constData() + offset) : 0;
}

quint16 unsignedAt(const QByteArray &table, int offset)
{
    return table.size() >= offset + 2 ? qFromBigEndian<quint16>(table.constData() + offset) : 0;
}

// A single line's height in ems as word processors measure it; 0 when unknown.
double wordProcessorLine(const QRawFont &raw)
{
    const QByteArray head = raw.fontTable("head");
    const QByteArray hhea = raw.fontTable("hhea");
    const QByteArray os2 = raw.fontTable("OS/2");
    const double unitsPerEm = unsignedAt(head, 18);
    if (unitsPerEm <= 0 || hhea.size() < 10)
        return 0;
    const double hheaLine = signedAt(hhea, 4) - signedAt(hhea, 6) + signedAt(hhea, 8);
    const double windowsLine = os2.size() >= 78 ? unsignedAt(os2, 74) + unsignedAt(os2, 76) : 0;
    return std::max(hheaLine, windowsLine) / unitsPerEm;
}

double correction(const QFont &font)
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

// Sizes and ratios by character format index: a document holds few formats
// and many paragraphs, so each format's font is measured once.
class FormatRatios
{
public:
    // The ratio for the block's largest text, or for its mark when it has none.
    double ofBlock(const QTextBlock &block)
    {
        const Entry *largest = nullptr;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const Entry &candidate
                = entry(fragment.charFormatIndex(), [&] { return fragment.charFormat(); });
            if (!largest || candidate.pointSize > largest->pointSize)
                largest = &candidate;
        }
        if (!largest)
            largest = &entry(block.charFormatIndex(), [&] { return block.charFormat(); });
        return largest->ratio;
    }

private:
    struct Entry
    {
        double pointSize = 0;
        double ratio = 1;
    };

    template<typename FormatOf>
    const Entry &entry(int index, const FormatOf &formatOf)
    {
        const auto found = m_entries.find(index);
        if (found != m_entries.end())
            return found->second;
        const QTextCharFormat format = formatOf();
        return m_entries.emplace(index, Entry {format.fontPointSize(), correction(format.font())})
            .first->second;
    }

    // Node-based: entries keep their address as others are added.
    std::unordered_map<int, Entry> m_entries;
};

} // namespace

// Most fonts measure their lines as word processors do: then no paragraph
// needs looking at.
bool anyFontNeedsCorrection(const QTextDocument &document)
{
    const QList<QTextFormat> formats = document.allFormats();
    return std::any_of(formats.begin(), formats.end(), [](const QTextFormat &format) {
        return format.isCharFormat()
            && std::abs(correction(format.toCharFormat().font()) - 1.0) > Tolerance;
    });
}

void matchWordProcessorLineHeights(QTextDocument &document, int from, int to)
{
    if (!anyFontNeedsCorrection(document))
        return;
    const QTextBlock last = document.findBlock(to);
    FormatRatios ratios;
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() == QTextBlockFormat::ProportionalHeight) {
            const double ratio = ratios.ofBlock(block);
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

} // namespace virelai::rtf
