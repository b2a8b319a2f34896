#pragma once

#include "document/builders/ChartPageLayout.h"

namespace virelai {

struct BuildContext;

// The class average, class profile and comprehension-type pages: one sequence,
// placed by the page's layout. Chart data that cannot be read gives the page
// with notices in place of the charts, then one message.
void buildChartPage(BuildContext &context, const ChartPageLayout &page);

} // namespace virelai
