#pragma once

#include "chart/TChart.h"
#include "common/AdviceTexts.h"
#include "document/builders/ClipboardCharts.h"
#include "document/builders/PageBuilders.h"

namespace virelai {

class BusyPointer;

// What one run of the program builds documents with, the same in the window and
// in the headless runner: the advice texts, the chart control's settings, the
// chart pictures and the six builders. Made once chemin is known.
class DocumentSession
{
public:
    DocumentSession(const RequestState &request, const ClipboardSource &clipboard,
                    Surface &VSPrinter1, DocumentWindow &window, TeacherMessages &messages,
                    const Clock &clock);
    DocumentSession(const DocumentSession &) = delete;
    DocumentSession &operator=(const DocumentSession &) = delete;

    // Chooses the advice for the request and builds its document.
    void buildDocument(BusyPointer &pointer);
    // Composes the advice page of the last build again, from its texts and
    // chart pictures, with the footer read from the clock now.
    void composeAdviceAgain();

    const AdviceTexts &texts() const { return adviceTexts; }
    const QString &picturesDirectory() const { return folder.path; }
    // The chart pictures written by the last build (none for pages without charts).
    const ChartPictures &chartsOfLastBuild() const { return charts.writtenByLastRun(); }
    // The chart places of the last build where a notice stands instead of a chart.
    int chartNoticesOfLastBuild() const { return builders.chartNoticesOfLastBuild(); }

private:
    const RequestState &request;
    const ClipboardSource &clipboard;
    Surface &VSPrinter1;
    const Clock &clock;
    PicturesFolder folder;
    AdviceTexts adviceTexts;
    TChart TChart1;
    ClipboardCharts charts;
    PageBuilders builders;
};

} // namespace virelai
