#pragma once

#include "chart/TChart.h"
#include "chart/files/PictureFileWriter.h"
#include "document/builders/BuildContext.h"

namespace virelai {

// MajDataGraph on the clipboard's chart data as it stands at each build, with
// the request's chart settings, writing the pictures atomically.
class ClipboardCharts : public ChartRefresher
{
public:
    ClipboardCharts(const ClipboardSource &clipboard, const RequestState &request, TChart &TChart1,
                    QString picturesDirectory)
        : clipboard(clipboard)
        , request(request)
        , TChart1(TChart1)
        , directory(std::move(picturesDirectory))
    { }

    MajDataGraphResult MajDataGraph() override;
    // The charts whose pictures the last run wrote; a page shown again places these.
    const QList<int> &writtenByLastRun() const { return lastWritten; }

private:
    const ClipboardSource &clipboard;
    const RequestState &request;
    TChart &TChart1;
    QString directory;
    AtomicFileWriter writer;
    QList<int> lastWritten;
};

} // namespace virelai
