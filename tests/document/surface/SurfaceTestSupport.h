#pragma once

#include "document/surface/PagePicture.h"
#include "document/surface/Surface.h"
#include "document/surface/Twips.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QProcess>

#include <functional>
#include <vector>

namespace virelai::testing {

// A page given in twips (its size in whole points: multiples of 20 twips).
inline QPageLayout pageInTwips(double width, double height, const QMarginsF &margins)
{
    const QSizeF points(width / TwipsPerPoint, height / TwipsPerPoint);
    return QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, margins / TwipsPerPoint, QPageLayout::Point);
}

// A picture that fills its rectangle and remembers where it was asked to draw.
class RecordingPicture : public PagePicture
{
public:
    explicit RecordingPicture(QColor color = Qt::blue)
        : m_color(color)
    { }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        targets.push_back(painter.transform().mapRect(target));
        painter.fillRect(target, m_color);
    }
    mutable std::vector<QRectF> targets; // device coordinates

private:
    QColor m_color;
};

inline int countPixels(const QImage &image, const QRect &area,
                       const std::function<bool(const QColor &)> &matches)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

inline bool isInk(const QColor &color)
{
    return color.lightness() < 160;
}

// Rectangle of twips on an image rendered at dotsPerInch.
inline QRect pixelsOf(const QRectF &twips, double dotsPerInch)
{
    const double scale = dotsPerInch / TwipsPerInch;
    return QRectF(twips.topLeft() * scale, twips.size() * scale).toAlignedRect();
}

// Text of a PDF as pdftotext lays it out; page 0 means every page.
inline QString pdfText(const QString &path, int page = 0)
{
    QStringList arguments {QStringLiteral("-layout"), QStringLiteral("-enc"),
                           QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << path << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace virelai::testing
