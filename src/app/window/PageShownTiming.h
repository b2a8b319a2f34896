#pragma once

#include <QObject>

namespace virelai {

class PreviewWidget;
class Surface;

// With VIRELAI_TIMING set in the environment, prints one line on stdout the
// first time the preview paints a page of a completed document:
//   virelai-timing page-shown-ms=<milliseconds since the process started>
// End-to-end tests wait for it; benchmarks read the figure.
class PageShownTiming : public QObject
{
public:
    static void installIfRequested(Surface &surface, PreviewWidget &preview);

    static qint64 millisecondsSinceProcessStart();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PageShownTiming(Surface &surface, PreviewWidget &preview);

    Surface &surface;
    bool documentShown = false;
};

} // namespace virelai
