#pragma once

#include <QImage>

#include <map>

// Coarse likeness of two renderings of one picture by different programs:
// fonts and anti-aliasing differ, layout and colours should not.
namespace imagecomparison {

inline bool isBlank(QRgb pixel)
{
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

// The image without the white around its drawing (the reference renderings
// are trimmed the same way).
inline QImage trimmed(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isBlank(image.pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
    return ink.isEmpty() ? QImage() : image.copy(ink);
}

// Mean absolute difference, 0 to 255, of the two images reduced to 32 x 32 grey.
inline double greyDistance(const QImage &a, const QImage &b)
{
    const QImage smallA = a.convertToFormat(QImage::Format_Grayscale8)
                              .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage smallB = b.convertToFormat(QImage::Format_Grayscale8)
                              .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            sum += std::abs(smallA.pixelColor(x, y).value() - smallB.pixelColor(x, y).value());
    return sum / (32 * 32);
}

// Share of the pixels in each coarse colour bin (4 levels per channel).
inline std::map<int, double> colorBins(const QImage &image)
{
    std::map<int, double> bins;
    const double unit = 1.0 / (double(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bins[(qRed(pixel) / 64) * 16 + (qGreen(pixel) / 64) * 4 + qBlue(pixel) / 64] += unit;
        }
    return bins;
}

inline bool isVivid(int bin)
{
    const int r = bin / 16, g = (bin / 4) % 4, b = bin % 4;
    return std::max({r, g, b}) - std::min({r, g, b}) >= 2;
}

// The vivid colours covering a fair part of the reference, missing from ours.
inline int missingColors(const QImage &reference, const QImage &ours)
{
    const std::map<int, double> wanted = colorBins(reference), found = colorBins(ours);
    int missing = 0;
    for (const auto &[bin, share] : wanted) {
        if (!isVivid(bin) || share < 0.02)
            continue;
        const auto it = found.find(bin);
        missing += it == found.end() || it->second < share / 10;
    }
    return missing;
}

} // namespace imagecomparison
