#include "ChartPageLayout.h"

namespace virelai {

ChartPageLayout pageMoyenne()
{
    ChartPageLayout page;
    page.PageOrientation = 0;
    page.propositionY = 50;
    page.suggestionY = 55;
    page.rappelY = 77;
    page.chartCount = 3;
    page.charts = {{{0, 20, 32, 23, 1}, {33, 20, 32, 23, 2}, {66, 20, 32, 23, 3}}};
    return page;
}

ChartPageLayout pageProfil()
{
    ChartPageLayout page;
    page.PageOrientation = 0;
    page.propositionY = 52;
    page.suggestionY = 54;
    page.rappelY = 80;
    page.chartCount = 1;
    page.charts = {{{0, 28, 32, 23, 1}}};
    return page;
}

ChartPageLayout pageTypeComp()
{
    ChartPageLayout page;
    page.PageOrientation = 1;
    page.propositionX = 43;
    page.propositionY = 30;
    page.suggestionX = 43;
    page.suggestionY = 33;
    page.suggestionW = 57;
    page.rappelY = 77;
    page.chartCount = 2;
    page.charts = {{{0, 30, 20, 33, 1}, {21, 30, 20, 33, 2}}};
    return page;
}

} // namespace virelai
