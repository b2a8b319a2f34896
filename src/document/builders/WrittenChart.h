#pragma once

#include "chart/MajDataGraph.h"
#include "document/builders/ChartPageLayout.h"
#include "document/builders/PagePrimitives.h"

#include <QString>

namespace virelai {

class Surface;

// Places chart place.n: the bytes this build wrote under its name, played, never
// the file read back, which another copy of the program may have replaced since;
// the missing-chart frame when none were written or they are not a picture.
// Returns false when the frame stands in the chart's place.
bool placeWrittenChart(Surface &surface, const ChartPlacement &place,
                       const ChartPictures &writtenPictures, const PicturePlayer &playPicture,
                       const QString &picturesDirectory);

} // namespace virelai
