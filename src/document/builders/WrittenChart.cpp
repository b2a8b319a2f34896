#include "WrittenChart.h"

#include "document/builders/MissingChartNotice.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

std::shared_ptr<const PagePicture> playWritten(const ChartPictures &writtenPictures, int n,
                                               const PicturePlayer &playPicture)
{
    const auto written = writtenPictures.constFind(n);
    if (written == writtenPictures.cend() || !playPicture)
        return nullptr;
    return playPicture(*written);
}

} // namespace

bool placeWrittenChart(Surface &surface, const ChartPlacement &place,
                       const ChartPictures &writtenPictures, const PicturePlayer &playPicture,
                       const QString &picturesDirectory)
{
    std::shared_ptr<const PagePicture> picture = playWritten(writtenPictures, place.n, playPicture);
    const bool played = picture != nullptr;
    if (!played)
        picture = std::make_shared<MissingChartNotice>();
    surface.setBlockRole(BlockRole::Chart, place.n);
    PlaceImage(surface, place.x, place.y, place.w, place.h, place.n, picturesDirectory,
               [&](const QString &) { return picture; });
    return played;
}

} // namespace virelai
