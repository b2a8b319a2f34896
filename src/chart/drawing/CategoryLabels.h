#pragma once

#include <QStringList>

#include <functional>
#include <vector>

namespace virelai {

// A category label as drawn: one or two lines centred on its slot, or none
// when it is left out.
struct CategoryLabel
{
    QStringList lines;
    double left = 0;
    double width = 0; // of its widest line

    double right() const { return left + width; }
};

using TextWidth = std::function<double(const QString &)>;

// The labels of the categories, centred on their slots' centres. A label that
// would come closer than separationPercent of its own width to a neighbour is
// wrapped onto two lines, at the space that balances them best; when it still
// comes that close to the label drawn before it, it is left out. The first
// label is always drawn, so no two drawn labels ever come that close.
std::vector<CategoryLabel> layOutCategoryLabels(const QStringList &texts,
                                                const std::vector<double> &centres,
                                                int separationPercent, const TextWidth &width);

// How many lines the tallest drawn label takes (at least one).
int categoryLabelLines(const std::vector<CategoryLabel> &labels);

} // namespace virelai
