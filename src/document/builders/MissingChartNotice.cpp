#include "MissingChartNotice.h"

#include <QFont>
#include <QPainter>

namespace virelai {

namespace {

const QColor FrameColor(190, 190, 190);
const QColor NoticeColor(128, 128, 128);

} // namespace

QString MissingChartNotice::text()
{
    return QStringLiteral("Graphique non disponible");
}

void MissingChartNotice::draw(QPainter &painter, const QRectF &target) const
{
    painter.save();
    QPen pen(FrameColor);
    pen.setWidthF(qMax(1.0, target.width() / 200));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target);
    // Sized from the frame, in the painter's own units, so it reads the same
    // on screen, in a PDF and on paper.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, int(qMin(target.height() / 10, target.width() / 16))));
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(NoticeColor);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, text());
    painter.restore();
}

} // namespace virelai
