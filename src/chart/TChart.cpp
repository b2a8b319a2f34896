#include "TChart.h"

namespace virelai {

TChart::TChart()
{
    ChartSeries series0;
    series0.OffsetPercent = -20; // the first series stands a fifth of its width to the left
    series.push_back(series0);
}

} // namespace virelai
