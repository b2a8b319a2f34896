#include "WmfPaintDevice.h"

namespace virelai {

WmfPaintDevice::WmfPaintDevice(QSize size)
    : size(size)
    , recorder(size * UnitsPerPixel, ScreenDpi * UnitsPerPixel)
    , engine(recorder, UnitsPerPixel, ScreenDpi)
{ }

WmfPaintDevice::~WmfPaintDevice() = default;

QPaintEngine *WmfPaintDevice::paintEngine() const
{
    return &engine;
}

std::optional<QByteArray> WmfPaintDevice::bytes()
{
    return recorder.finish();
}

int WmfPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return size.width();
    case PdmHeight:
        return size.height();
    case PdmWidthMM:
        return size.width() * 254 / (ScreenDpi * 10);
    case PdmHeightMM:
        return size.height() * 254 / (ScreenDpi * 10);
    case PdmNumColors:
        return 0x7FFFFFFF;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return ScreenDpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace virelai
