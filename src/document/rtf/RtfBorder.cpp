#include "RtfBorder.h"

#include "RtfLimits.h"

namespace virelai {

bool applyBorderWord(Keyword keyword, int param, Border &border)
{
    switch (keyword) {
    case Keyword::BorderSingle:
    case Keyword::BorderHairline:
        border.style = BorderStyle::Single;
        return true;
    case Keyword::BorderThick:
        border.style = BorderStyle::Single;
        border.thick = true;
        return true;
    case Keyword::BorderDouble:
        border.style = BorderStyle::Double;
        return true;
    case Keyword::BorderDotted:
        border.style = BorderStyle::Dotted;
        return true;
    case Keyword::BorderDashed:
        border.style = BorderStyle::Dashed;
        return true;
    case Keyword::BorderNone:
        border.style = BorderStyle::None;
        return true;
    case Keyword::BorderWidth:
        border.width = std::clamp(param, 0, MaxBorderTwips);
        return true;
    case Keyword::BorderColor:
        border.color = std::max(param, 0);
        return true;
    case Keyword::BorderSpacing:
        border.space = std::clamp(param, 0, MaxBorderTwips);
        return true;
    default:
        return false;
    }
}

} // namespace virelai
