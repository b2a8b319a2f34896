#include "document/metafile/WmfPlayer.h"

#include "document/metafile/WmfRecordTypes.h"
#include "document/metafile/WmfTextCodec.h"

#include <QFontMetricsF>

#include <cmath>

namespace virelai {

namespace {

enum TextAlign : quint16 {
    UpdateCp = 0x0001,
    HorizontalMask = 0x0006,
    AlignRight = 0x0002,
    AlignCenter = 0x0006,
    VerticalMask = 0x0018,
    AlignBottom = 0x0008,
    AlignBaseline = 0x0018,
};

enum TextOptions : quint16 { EtoOpaque = 0x0002, EtoClipped = 0x0004, EtoPairedDx = 0x2000 };

// A font height of 0 asks for the default size.
constexpr qreal defaultFontHeight = 12;

quint8 effectiveCharset(const WmfPlayerFont &font)
{
    // Picture fonts declare the symbol set but their glyphs are no letters.
    const bool pictureFont = font.face.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive)
        || font.face.startsWith(QLatin1String("Webdings"), Qt::CaseInsensitive);
    return pictureFont ? 0 : font.charset;
}

QFont qtFont(const WmfPlayerFont &font, int pixelSize)
{
    // Symbol text is already turned into Unicode; a serif text font carries
    // those Greek letters and signs, where the symbol font may not.
    QString family = font.face.isEmpty() ? QStringLiteral("Arial") : font.face;
    if (effectiveCharset(font) == symbolCharset)
        family = QStringLiteral("Times New Roman");
    QFont qfont(family);
    qfont.setPixelSize(pixelSize);
    qfont.setWeight(QFont::Weight(std::clamp<int>(font.weight == 0 ? 400 : font.weight, 100, 900)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    return qfont;
}

// Text is drawn with a font of a reasonable pixel size scaled to the wanted
// size, so that very small or very large renderings keep their proportions.
struct ScaledFont
{
    QFont font;
    qreal scale = 1;
};

ScaledFont scaledFont(const WmfPlayerFont &font, qreal emSize, WmfFontBudget &budget)
{
    const int pixelSize = std::clamp(int(std::lround(emSize)), 8, 400);
    const QFont chosen = budget.admit(qtFont(font, pixelSize));
    return {chosen, emSize / chosen.pixelSize()};
}

} // namespace

bool WmfPlayer::playTextRecord(quint16 function, const WmfParams &params)
{
    if (function == TextOut) {
        const quint32 length = params.u(0);
        const quint32 stringWords = (length + 1) / 2;
        if (!params.has(1 + stringWords + 2))
            return true;
        const QByteArray bytes(reinterpret_cast<const char *>(params.bytesFrom(1)), length);
        drawText(QPointF(params.s(2 + stringWords), params.s(1 + stringWords)), bytes, {}, 0, {});
        return true;
    }
    if (function != ExtTextOut)
        return false;
    const quint16 options = params.u(3);
    const bool hasBox = (options & (EtoOpaque | EtoClipped)) != 0;
    const quint32 stringStart = hasBox ? 8 : 4;
    if (!params.has(stringStart))
        return true;
    const quint32 length
        = std::min<quint32>(params.u(2), quint32(params.byteCountFrom(stringStart)));
    const QByteArray bytes(reinterpret_cast<const char *>(params.bytesFrom(stringStart)), length);
    // Character spacing follows the string, one word per character (two
    // with vertical spacing too).
    std::vector<qreal> advances;
    const quint32 step = (options & EtoPairedDx) ? 2 : 1;
    for (quint32 at = stringStart + (length + 1) / 2;
         advances.size() < length && params.has(at + 1); at += step)
        advances.push_back(params.s(at));
    const QRectF box
        = hasBox ? mapRect(params.s(4), params.s(5), params.s(6), params.s(7)) : QRectF();
    drawText(QPointF(params.s(1), params.s(0)), bytes, advances, options, box);
    return true;
}

void WmfPlayer::drawText(QPointF reference, const QByteArray &bytes,
                         const std::vector<qreal> &advances, quint16 options, const QRectF &box)
{
    const WmfPlayerFont &font = m_dc.font;
    const QString text = decodeWmfText(bytes, effectiveCharset(font));
    const quint16 align = m_dc.textAlign;
    if (align & UpdateCp)
        reference = m_dc.position;

    qreal emSize = (font.height == 0 ? defaultFontHeight : std::abs(font.height)) * scaleY();
    ScaledFont scaled = scaledFont(font, emSize, m_fonts);
    if (font.height > 0) { // cell height: ascent and descent together
        const QFontMetricsF cell(scaled.font);
        emSize *= scaled.font.pixelSize() / std::max<qreal>(cell.ascent() + cell.descent(), 1);
        scaled = scaledFont(font, emSize, m_fonts);
    }
    const QFontMetricsF metrics(scaled.font);
    qreal stretch = scaleY() > 0 ? scaleX() / scaleY() : 1;
    if (font.width > 0 && metrics.averageCharWidth() > 0)
        stretch = font.width * scaleX() / (metrics.averageCharWidth() * scaled.scale);
    stretch = std::clamp(stretch, 0.05, 20.0);

    // Left edge of each character, in the painter's units along the baseline.
    std::vector<qreal> lefts;
    qreal width = 0;
    const bool spaced = !advances.empty() || m_dc.charExtra != 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        lefts.push_back(width);
        const qreal natural = metrics.horizontalAdvance(text.at(i)) * scaled.scale * stretch;
        width += size_t(i) < advances.size() ? advances[size_t(i)] * scaleX()
                                             : natural + m_dc.charExtra * scaleX();
    }
    if (!spaced)
        width = metrics.horizontalAdvance(text) * scaled.scale * stretch;

    const qreal ascent = metrics.ascent() * scaled.scale,
                descent = metrics.descent() * scaled.scale;
    const quint16 horizontal = align & HorizontalMask, vertical = align & VerticalMask;
    const qreal x0 = horizontal == AlignCenter ? -width / 2 : horizontal == AlignRight ? -width : 0;
    const qreal baseline = vertical == AlignBaseline ? 0
        : vertical == AlignBottom                    ? -descent
                                                     : ascent;
    const qreal angle = font.escapement / 10.0;

    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (options & EtoOpaque)
        m_painter.fillRect(box, m_dc.backgroundColor);
    if (options & EtoClipped)
        m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.translate(map(reference.x(), reference.y()));
    m_painter.rotate(-angle);
    if (m_dc.backgroundMode == Opaque)
        m_painter.fillRect(QRectF(x0, baseline - ascent, width, ascent + descent),
                           m_dc.backgroundColor);
    m_painter.setFont(scaled.font);
    m_painter.setPen(m_dc.textColor);
    const qsizetype pieces = spaced ? text.size() : 1;
    for (qsizetype i = 0; i < pieces; ++i) {
        m_painter.save();
        m_painter.translate(x0 + (spaced ? lefts[size_t(i)] : 0), baseline);
        m_painter.scale(scaled.scale * stretch, scaled.scale);
        m_painter.drawText(QPointF(0, 0), spaced ? QString(text.at(i)) : text);
        m_painter.restore();
    }
    m_painter.restore();

    if (align & UpdateCp) {
        const qreal moved = horizontal == AlignCenter ? 0
            : horizontal == AlignRight                ? -width
                                                      : width;
        const qreal radians = angle * M_PI / 180;
        m_dc.position += QPointF(moved * std::cos(radians) / m_logicalToTarget.m11(),
                                 -moved * std::sin(radians) / m_logicalToTarget.m22());
    }
}

} // namespace virelai
