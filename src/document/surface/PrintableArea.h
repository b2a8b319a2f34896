#pragma once

namespace virelai {

// The page less its four margins. Percent coordinates are turned into twips
// by forming the product first and dividing by 100 after, in double, with no
// rounding: one layout serves every paper size and orientation.
struct PrintableArea
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    static PrintableArea fromPage(double pageWidth, double pageHeight, double marginLeft,
                                  double marginRight, double marginTop, double marginBottom);

    double xAt(double percent) const;
    double yAt(double percent) const;
    double widthOf(double percent) const;
    double heightOf(double percent) const;
};

} // namespace virelai
