#pragma once

#include "WmfPaintEngine.h"
#include "WmfRecorder.h"

#include <QPaintDevice>

namespace virelai {

// A picture of the given size in logical pixels at 96 dpi, recorded as a Windows
// metafile ten units to the pixel. Paint on it once, end the painter, then take bytes().
class WmfPaintDevice : public QPaintDevice
{
public:
    explicit WmfPaintDevice(QSize size);
    ~WmfPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    // The whole metafile; nothing when recording failed.
    std::optional<QByteArray> bytes();

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    static constexpr int ScreenDpi = 96;
    static constexpr int UnitsPerPixel = 10;
    const QSize size;
    WmfRecorder recorder;
    mutable WmfPaintEngine engine;
};

} // namespace virelai
