#include "ChartPageLayout.h"

#include "document/surface/Surface.h"

namespace virelai {

namespace {

// In the order of ChartPage.
constexpr std::array<ChartPageLayout, 3> Layouts = {{
    {.PageOrientation = Surface::Portrait,
     .propositionY = 50,
     .suggestionY = 55,
     .rappelY = 77,
     .chartCount = 3,
     .charts = {{{0, 20, 32, 23, 1}, {33, 20, 32, 23, 2}, {66, 20, 32, 23, 3}}}},
    {.PageOrientation = Surface::Portrait,
     .propositionY = 52,
     .suggestionY = 54,
     .rappelY = 80,
     .chartCount = 1,
     .charts = {{{0, 28, 32, 23, 1}}}},
    {.PageOrientation = Surface::Landscape,
     .propositionX = 43,
     .propositionY = 30,
     .suggestionX = 43,
     .suggestionY = 33,
     .suggestionW = 57,
     .rappelY = 77,
     .chartCount = 2,
     .charts = {{{0, 30, 20, 33, 1}, {21, 30, 20, 33, 2}}}},
}};

} // namespace

const ChartPageLayout &chartPageLayout(ChartPage page)
{
    return Layouts[static_cast<std::size_t>(page)];
}

} // namespace virelai
