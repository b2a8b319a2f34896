#pragma once

#include "chart/TChart.h"
#include "chart/files/AtomicFileWriter.h"
#include "chart/files/PicturesDirectory.h"
#include "document/builders/BuildContext.h"

namespace virelai {

// MajDataGraph on the clipboard's chart data as it stands at each build, with
// the request's chart settings, writing the pictures atomically into folder.
class ClipboardCharts : public ChartRefresher
{
public:
    ClipboardCharts(const ClipboardSource &clipboard, const RequestState &request, TChart &TChart1,
                    PicturesFolder folder)
        : clipboard(clipboard)
        , request(request)
        , TChart1(TChart1)
        , folder(std::move(folder))
    { }

    MajDataGraphResult MajDataGraph() override;
    // The pictures the last run wrote; a page shown again places these.
    const ChartPictures &writtenByLastRun() const { return lastWritten; }

private:
    const ClipboardSource &clipboard;
    const RequestState &request;
    TChart &TChart1;
    PicturesFolder folder;
    AtomicFileWriter writer;
    ChartPictures lastWritten;
};

} // namespace virelai
