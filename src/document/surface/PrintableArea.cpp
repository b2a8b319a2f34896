#include "PrintableArea.h"

namespace virelai {

PrintableArea PrintableArea::fromPage(double pageWidth, double pageHeight, double marginLeft,
                                      double marginRight, double marginTop, double marginBottom)
{
    return {marginLeft, marginTop, pageWidth - marginLeft - marginRight,
            pageHeight - marginTop - marginBottom};
}

double PrintableArea::xAt(double percent) const
{
    return left + widthOf(percent);
}

double PrintableArea::yAt(double percent) const
{
    return top + heightOf(percent);
}

double PrintableArea::widthOf(double percent) const
{
    return percent * width / 100.0;
}

double PrintableArea::heightOf(double percent) const
{
    return percent * height / 100.0;
}

} // namespace virelai
