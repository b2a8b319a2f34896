#pragma once

namespace virelai {

// The page unit of the surface is the twip, 1/1440 inch.
constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;

constexpr double twipsToPoints(double twips)
{
    return twips / TwipsPerPoint;
}

constexpr double pointsToTwips(double points)
{
    return points * TwipsPerPoint;
}

constexpr double twipsToPixels(double twips, double dotsPerInch)
{
    return twips * dotsPerInch / TwipsPerInch;
}

constexpr double pixelsToTwips(double pixels, double dotsPerInch)
{
    return pixels * TwipsPerInch / dotsPerInch;
}

} // namespace virelai
