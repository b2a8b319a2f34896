#include "WindowPictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace virelai {

namespace {

const QColor ActiveCaseColor(176, 0, 0);
const QColor ActiveNumberColor(0, 111, 221);
const QColor InactiveColor(180, 180, 180);
const QColor ActiveFrameColor(64, 64, 64);

QImage transparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Black shape with a white outline, readable on any background.
void drawPointerShape(QPainter &painter, const QPolygon &shape)
{
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(shape);
}

} // namespace

QPixmap casePicture(int number, bool active)
{
    QImage image(52, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(active ? ActiveFrameColor : InactiveColor);
    painter.drawRect(0, 0, 51, 23);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(active ? ActiveCaseColor : InactiveColor);
    painter.drawText(QRect(4, 0, 30, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Cas"));
    painter.setPen(active ? ActiveNumberColor : InactiveColor);
    painter.drawText(QRect(34, 0, 14, 24), Qt::AlignCenter, QString::number(number));
    return QPixmap::fromImage(image);
}

QPixmap lightBulbIcon()
{
    QImage image = transparentImage(32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 128, 0), 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(QRectF(7, 2, 18, 18));
    painter.setBrush(QColor(192, 192, 192));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(11, 19, 10, 8));
    painter.drawLine(QPointF(11, 22), QPointF(21, 22));
    painter.drawLine(QPointF(11, 25), QPointF(21, 25));
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(13, 27, 6, 2));
    return QPixmap::fromImage(image);
}

QPixmap pencilIcon()
{
    QImage image = transparentImage(32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16, 16);
    painter.rotate(45);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRectF(-4, -13, 8, 18));
    painter.setBrush(QColor(255, 0, 255));
    painter.drawRect(QRectF(-4, -16, 8, 3));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPolygon(QPolygonF({QPointF(-4, 5), QPointF(4, 5), QPointF(0, 13)}));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({QPointF(-1.5, 10), QPointF(1.5, 10), QPointF(0, 13)}));
    return QPixmap::fromImage(image);
}

QIcon windowIcon()
{
    QImage image = transparentImage(32);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(5, 1, 22, 29);
    painter.setPen(QPen(QColor(0, 0, 255), 3));
    painter.drawPolyline(QPolygon({QPoint(10, 7), QPoint(16, 22), QPoint(22, 7)}));
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    painter.drawLine(9, 26, 23, 26);
    return QIcon(QPixmap::fromImage(image));
}

QCursor columnCursor()
{
    QImage image = transparentImage(32);
    QPainter painter(&image);
    drawPointerShape(painter,
                     QPolygon({QPoint(13, 4), QPoint(14, 4), QPoint(14, 27), QPoint(13, 27)}));
    drawPointerShape(painter,
                     QPolygon({QPoint(17, 4), QPoint(18, 4), QPoint(18, 27), QPoint(17, 27)}));
    drawPointerShape(painter,
                     QPolygon({QPoint(3, 15), QPoint(9, 9), QPoint(9, 13), QPoint(11, 13),
                               QPoint(11, 17), QPoint(9, 17), QPoint(9, 21)}));
    drawPointerShape(painter,
                     QPolygon({QPoint(28, 15), QPoint(22, 9), QPoint(22, 13), QPoint(20, 13),
                               QPoint(20, 17), QPoint(22, 17), QPoint(22, 21)}));
    return QCursor(QPixmap::fromImage(image), 15, 15);
}

QCursor handCursor()
{
    QImage image = transparentImage(32);
    QPainter painter(&image);
    // The forefinger points up from the palm; its tip is the hot spot.
    drawPointerShape(painter,
                     QPolygon({QPoint(4, 1), QPoint(5, 0), QPoint(7, 1), QPoint(7, 11),
                               QPoint(10, 10), QPoint(13, 11), QPoint(16, 11), QPoint(19, 12),
                               QPoint(21, 14), QPoint(21, 22), QPoint(18, 28), QPoint(8, 28),
                               QPoint(2, 20), QPoint(0, 16), QPoint(2, 15), QPoint(4, 17)}));
    return QCursor(QPixmap::fromImage(image), 5, 0);
}

} // namespace virelai
