#pragma once

#include "document/surface/PagePicture.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace virelai {

// Windows metafiles (.wmf, with or without the placeable header) are decoded
// once here and drawn as often as the page is painted, stretched to fill the
// rectangle given to draw().
// nullptr when the file cannot be read or is not a metafile we can play.
std::shared_ptr<const PagePicture> loadMetafilePicture(const QString &path);
std::shared_ptr<const PagePicture> metafilePictureFromBytes(QByteArray bytes);

} // namespace virelai
