#pragma once

#include "chart/MajDataGraph.h"
#include "document/builders/ChartPageLayout.h"

namespace virelai {

struct BuildContext;

// Steps that several pages share, each as the pages write it.

// The heading block, then the reading help (always, or only when not empty).
enum class ExplanationShown { Always, IfNotEmpty };
void writeHeading(BuildContext &context, ExplanationShown shown);

// "Proposition" at the current position, bold and underlined in dark red; the
// text colour is put back, bold and underline stay on.
void writeProposition(BuildContext &context);

// Chart picture n as this build drew and wrote it, or the notice in its place
// (counted in context.chartNoticesShown) when this build did not write it.
void placeChart(BuildContext &context, const ChartPlacement &place,
                const ChartPictures &writtenPictures);

// The footer with the date and time of this moment, the end of the document
// (it is shown now), and the repaint of the window.
void finishDocument(BuildContext &context);

} // namespace virelai
