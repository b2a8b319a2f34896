#pragma once

#include "document/surface/PagePicture.h"
#include "document/surface/PrintableArea.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace virelai {

class Surface;

// Placement routines of the builders: positions and sizes are percentages of
// the printable area, read from the surface anew at every call.

// Loads a picture file; returns nullptr when it is missing or unreadable.
using PictureLoader = std::function<std::shared_ptr<const PagePicture>(const QString &path)>;
// Plays the bytes of a picture file; returns nullptr when they are not a picture.
using PicturePlayer = std::function<std::shared_ptr<const PagePicture>(const QByteArray &bytes)>;

// The surface's printable area, read anew at every call: the page set-up may
// have changed in between.
PrintableArea printableArea(const Surface &surface);

void PlaceCurseur(Surface &surface, double x, double y);
// White box with the current pen, at the current position.
void CadreBlanc(Surface &surface, double w, double h, const QString &text);
// Light-grey box without outline, at the current position; the pen style is put back.
void CadreGris(Surface &surface, double w, double h, const QString &text);
// Sets X1..Y2, then places picture n of picturesDirectory ("mychart<n>.wmf"),
// as loadPicture gives it for that file name (the builders give back the bytes
// their build wrote under it). Returns false when the loader found no picture:
// nothing is drawn and the caller decides what stands in its place.
bool PlaceImage(Surface &surface, double x, double y, double w, double h, int n,
                const QString &picturesDirectory, const PictureLoader &loadPicture);

} // namespace virelai
