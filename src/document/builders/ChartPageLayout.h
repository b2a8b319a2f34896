#pragma once

#include "document/surface/Surface.h"

#include <array>

namespace virelai {

// A chart picture on the page: percent of the printable area, and its number.
struct ChartPlacement
{
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    int n = 0;
};

// Where the pages with charts put their blocks; the three pages share one build
// sequence and differ only in these values. Positions are percent of the
// printable area.
struct ChartPageLayout
{
    Surface::Orientation PageOrientation = Surface::Portrait;
    double propositionX = 0;
    double propositionY = 0;
    double suggestionX = 0;
    double suggestionY = 0;
    double suggestionW = 100;
    double rappelX = 0;
    double rappelY = 0;
    double rappelW = 100;
    int chartCount = 0;
    std::array<ChartPlacement, 3> charts {};
};

enum class ChartPage {
    Moyenne, // type 1: three charts in a row, portrait
    Profil, // types 2 to 4: one chart at the left, portrait
    TypeComp, // type 10: two charts beside the suggestion, landscape
};

const ChartPageLayout &chartPageLayout(ChartPage page);

} // namespace virelai
