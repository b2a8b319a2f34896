// Metafile player: any bytes are read, and what loads is drawn twice, into a
// small image with an odd target and into a degenerate one. Events are then
// processed as the program's event loop would between two paints: Qt trims its
// font cache only from a timer.
#include "document/metafile/MetafilePicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto picture = virelai::metafilePictureFromBytes(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!picture)
        return 0;
    QImage image(48, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture->draw(painter, QRectF(3.5, 2, 40, 33));
    picture->draw(painter, QRectF(0, 0, 0.01, 1e-3));
    painter.end();
    QCoreApplication::processEvents();
    return 0;
}
