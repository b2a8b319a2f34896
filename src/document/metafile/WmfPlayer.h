#pragma once

#include "document/metafile/WmfDeviceContext.h"
#include "document/metafile/WmfDocument.h"
#include "document/metafile/WmfFontBudget.h"

#include <QPainter>

#include <vector>

namespace virelai {

// Plays the records of a metafile onto a painter: the logical frame (the
// placeable box, or the window) is stretched onto the target rectangle.
// Records that do not make sense (unknown objects, empty sizes) are skipped.
class WmfPlayer
{
public:
    WmfPlayer(const WmfDocument &document, QPainter &painter, const QRectF &frame,
              const QRectF &target);
    // clipToTarget false lets drawings spill out, to measure where they go.
    void play(bool clipToTarget = true);

private:
    void playRecord(const WmfRecord &record);
    bool playStateRecord(quint16 function, const WmfParams &params);
    bool playMappingRecord(quint16 function, const WmfParams &params);
    bool playObjectRecord(const WmfRecord &record, const WmfParams &params);
    bool playShapeRecord(quint16 function, const WmfParams &params);
    bool playArcRecord(quint16 function, const WmfParams &params);
    bool playTextRecord(quint16 function, const WmfParams &params);
    bool playBitmapRecord(const WmfRecord &record, const WmfParams &params);
    bool playClipRecord(quint16 function, const WmfParams &params);

    // Objects
    void createObject(WmfObject object);
    void selectObject(quint16 index);
    void deleteObject(quint16 index);
    void saveContext();
    void restoreContext(qint16 which);

    // Mapping from logical units to the painter's coordinates
    void updateTransform();
    QPointF map(qreal x, qreal y) const { return m_logicalToTarget.map(QPointF(x, y)); }
    QRectF mapRect(qreal left, qreal top, qreal right, qreal bottom) const;
    qreal scaleX() const { return std::abs(m_logicalToTarget.m11()); }
    qreal scaleY() const { return std::abs(m_logicalToTarget.m22()); }
    QPolygonF readPoints(const WmfParams &params, quint32 firstWord, quint32 count) const;

    // Drawing
    QPen currentPen() const;
    QBrush currentBrush() const;
    bool drawsNothing() const { return m_dc.rop2 == Rop2Nop; }
    void applyRop2();
    void fillAndStroke(const QPainterPath &path);
    void stroke(const QPainterPath &path);
    void fillWithBrush(const QPainterPath &path);
    void applyClip();
    void setClip(std::optional<QPainterPath> clip);

    // Text
    void drawText(QPointF reference, const QByteArray &bytes, const std::vector<qreal> &advances,
                  quint16 options, const QRectF &box);

    // Bitmaps
    void drawBitmap(const WmfRecord &record, quint32 rop, const QRectF &destination,
                    const QRectF &source);
    void patternBlit(quint32 rop, const QRectF &destination);

    const WmfDocument &m_document;
    QPainter &m_painter;
    QTransform m_deviceToTarget;
    QTransform m_logicalToTarget;
    QRectF m_target;
    QPainterPath m_baseClip;
    bool m_hasBaseClip = false;
    WmfDeviceContext m_dc;
    std::vector<WmfDeviceContext> m_saved;
    std::vector<WmfObject> m_objects;
    WmfFontBudget m_fonts;
};

} // namespace virelai
