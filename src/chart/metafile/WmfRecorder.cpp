#include "WmfRecorder.h"

#include "common/Windows1252.h"

#include <QtEndian>

#include <uwmf.h>

#include <algorithm>

namespace virelai {

namespace {

int16_t clamp16(int value)
{
    return int16_t(std::clamp(value, -32768, 32767));
}

U_POINT16 point16(QPoint point)
{
    return U_POINT16 {clamp16(point.x()), clamp16(point.y())};
}

U_COLORREF colorRef(quint32 bgr)
{
    return U_RGB(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::vector<U_POINT16> points16(const std::vector<QPoint> &points)
{
    std::vector<U_POINT16> converted;
    converted.reserve(points.size());
    for (QPoint point : points)
        converted.push_back(point16(point));
    return converted;
}

// libUEMF counts the placeable header in the header's size field and overstates the
// largest record; both are set here from the records themselves, in 16-bit words.
void correctHeaderFields(QByteArray &bytes)
{
    constexpr qsizetype PlaceableSize = 22;
    constexpr qsizetype HeaderSize = 18;
    if (bytes.size() < PlaceableSize + HeaderSize)
        return;
    quint32 largest = 0;
    for (qsizetype offset = PlaceableSize + HeaderSize; offset + 4 <= bytes.size();) {
        const quint32 words = qFromLittleEndian<quint32>(bytes.constData() + offset);
        if (words < 3)
            return; // never written by this recorder; leave the fields alone
        largest = std::max(largest, words);
        offset += qsizetype(words) * 2;
    }
    char *header = bytes.data() + PlaceableSize;
    qToLittleEndian<quint32>(quint32((bytes.size() - PlaceableSize) / 2), header + 6);
    qToLittleEndian<quint32>(largest, header + 12);
}

} // namespace

struct WmfRecorder::Track
{
    ~Track()
    {
        if (handles)
            wmf_htable_free(&handles);
        if (file)
            wmf_free(&file);
    }
    WMFTRACK *file = nullptr;
    WMFHANDLES *handles = nullptr;
};

std::mutex WmfRecorder::oneAtATime;

WmfRecorder::WmfRecorder(QSize windowExtent, int unitsPerInch)
    : lock(oneAtATime)
    , track(std::make_unique<Track>())
{
    wmf_highwater(U_HIGHWATER_CLEAR);
    // The records are gathered in memory; wmf_finish's own file output is not used.
    if (wmf_start("/dev/null", 1 << 16, 1 << 16, &track->file) != 0
        || wmf_htable_create(64, 64, &track->handles) != 0) {
        failed = true;
        return;
    }
    U_PAIRF *size = U_PAIRF_set(float(windowExtent.width()) / float(unitsPerInch),
                                float(windowExtent.height()) / float(unitsPerInch));
    char *header = U_WMRHEADER_set(size, unsigned(unitsPerInch));
    free(size);
    if (!header || wmf_header_append(reinterpret_cast<U_METARECORD *>(header), track->file, 1))
        failed = true;
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    append(U_WMRSETWINDOWORG_set(U_POINT16 {0, 0}));
    append(U_WMRSETWINDOWEXT_set(point16(QPoint(windowExtent.width(), windowExtent.height()))));
    append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    append(U_WMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
    append(U_WMRSETTEXTCOLOR_set(colorRef(textColor)));
}

WmfRecorder::~WmfRecorder() = default;

void WmfRecorder::append(char *record)
{
    if (!record || failed) {
        free(record);
        failed = true;
        return;
    }
    if (wmf_append(reinterpret_cast<U_METARECORD *>(record), track->file, 1) != 0)
        failed = true;
}

// Create the new object, select it, and only then delete the one it replaces:
// a selected object must never be deleted.
void WmfRecorder::replaceObject(char *creation, quint32 &handle, bool &exists, quint32 newHandle)
{
    append(creation);
    if (failed)
        return;
    append(wselectobject_set(newHandle, track->handles));
    if (exists)
        append(wdeleteobject_set(&handle, track->handles));
    handle = newHandle;
    exists = true;
}

void WmfRecorder::selectPen(const WmfPen &wanted)
{
    if (failed || (hasPen && wanted == pen))
        return;
    const U_PEN logPen
        = U_PEN_set(wanted.visible ? U_PS_SOLID : U_PS_NULL,
                    uint16_t(std::clamp(wanted.width, 1, 32767)), colorRef(wanted.color));
    uint32_t created = 0;
    char *creation = wcreatepenindirect_set(&created, track->handles, logPen);
    replaceObject(creation, penHandle, hasPen, created);
    pen = wanted;
}

void WmfRecorder::selectBrush(const WmfBrush &wanted)
{
    if (failed || (hasBrush && wanted == brush))
        return;
    const U_WLOGBRUSH logBrush
        = U_WLOGBRUSH_set(wanted.visible ? U_BS_SOLID : U_BS_NULL, colorRef(wanted.color), 0);
    uint32_t created = 0;
    char *creation = wcreatebrushindirect_set(&created, track->handles, logBrush);
    replaceObject(creation, brushHandle, hasBrush, created);
    brush = wanted;
}

void WmfRecorder::selectFont(const WmfFont &wanted)
{
    if (failed || (hasFont && wanted == font))
        return;
    QByteArray face = toWindows1252(wanted.face).left(31);
    // A negative height asks for that character height rather than a cell height.
    U_FONT *logFont = U_FONT_set(int16_t(-std::clamp(wanted.height, 1, 32767)), 0, 0, 0,
                                 wanted.bold ? U_FW_BOLD : U_FW_NORMAL, wanted.italic ? 1 : 0, 0, 0,
                                 U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                 U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face.data());
    if (!logFont) {
        failed = true;
        return;
    }
    uint32_t created = 0;
    char *creation = wcreatefontindirect_set(&created, track->handles, logFont);
    free(logFont);
    replaceObject(creation, fontHandle, hasFont, created);
    font = wanted;
}

void WmfRecorder::setTextColor(quint32 color)
{
    if (color == textColor)
        return;
    append(U_WMRSETTEXTCOLOR_set(colorRef(color)));
    textColor = color;
}

void WmfRecorder::rectangle(QPoint topLeft, QPoint bottomRight)
{
    append(U_WMRRECTANGLE_set(U_RECT16_set(point16(topLeft), point16(bottomRight))));
}

void WmfRecorder::polygon(const std::vector<QPoint> &points)
{
    if (points.size() < 2 || points.size() > 16000)
        return;
    const std::vector<U_POINT16> converted = points16(points);
    append(U_WMRPOLYGON_set(uint16_t(converted.size()), converted.data()));
}

void WmfRecorder::polyline(const std::vector<QPoint> &points)
{
    if (points.size() < 2 || points.size() > 16000)
        return;
    const std::vector<U_POINT16> converted = points16(points);
    append(U_WMRPOLYLINE_set(uint16_t(converted.size()), converted.data()));
}

void WmfRecorder::textOut(QPoint baselineStart, const QString &text)
{
    // TEXTOUT rather than EXTTEXTOUT: libUEMF writes the latter's clipping rectangle
    // in the wrong order.
    QByteArray bytes = toWindows1252(text).left(16000);
    if (bytes.isEmpty())
        return;
    append(U_WMRTEXTOUT_set(point16(baselineStart), bytes.data()));
}

std::optional<QByteArray> WmfRecorder::finish()
{
    if (finished)
        return std::nullopt;
    finished = true;
    append(U_WMREOF_set()); // wmf_finish does not add the end record
    if (failed || wmf_finish(track->file) != 0)
        return std::nullopt;
    QByteArray bytes(track->file->buf, qsizetype(track->file->used));
    correctHeaderFields(bytes);
    return bytes;
}

} // namespace virelai
