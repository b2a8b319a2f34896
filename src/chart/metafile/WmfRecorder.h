#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace virelai {

// The GDI objects the recorder can select; colours are 0x00BBGGRR.
struct WmfPen
{
    bool visible = true;
    int width = 1;
    quint32 color = 0;
    bool operator==(const WmfPen &) const = default;
};

struct WmfBrush
{
    bool visible = true;
    quint32 color = 0xFFFFFF;
    bool operator==(const WmfBrush &) const = default;
};

struct WmfFont
{
    QString face = QStringLiteral("Arial");
    int height = 10; // character height in logical units
    bool bold = false;
    bool italic = false;
    bool operator==(const WmfFont &) const = default;
};

// Builds a placeable Windows metafile with libUEMF, record by record: anisotropic
// mapping of a window of the given extent, transparent text background, baseline
// text alignment. Coordinates are logical units, clamped to 16 bits. libUEMF counts
// objects in a process-wide variable, so only one recorder lives at a time.
class WmfRecorder
{
public:
    // unitsPerInch sets the picture's physical size in the placeable header.
    WmfRecorder(QSize windowExtent, int unitsPerInch);
    ~WmfRecorder();
    WmfRecorder(const WmfRecorder &) = delete;
    WmfRecorder &operator=(const WmfRecorder &) = delete;

    void selectPen(const WmfPen &pen);
    void selectBrush(const WmfBrush &brush);
    void selectFont(const WmfFont &font);
    void setTextColor(quint32 color);

    void rectangle(QPoint topLeft, QPoint bottomRight);
    void polygon(const std::vector<QPoint> &points);
    void polyline(const std::vector<QPoint> &points);
    void textOut(QPoint baselineStart, const QString &text);

    // Ends the picture; the whole file, or empty when anything went wrong.
    std::optional<QByteArray> finish();

private:
    struct Track;
    void append(char *record);
    void replaceObject(char *creation, quint32 &handle, bool &exists, quint32 newHandle);

    static std::mutex oneAtATime;
    std::lock_guard<std::mutex> lock;
    std::unique_ptr<Track> track;
    bool failed = false;
    bool finished = false;
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    quint32 textColor = 0;
    quint32 penHandle = 0, brushHandle = 0, fontHandle = 0;
    bool hasPen = false, hasBrush = false, hasFont = false;
};

} // namespace virelai
