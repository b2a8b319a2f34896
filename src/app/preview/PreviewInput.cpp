// What the preview does with the keyboard and the mouse.
#include "PreviewWidget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

namespace virelai {

namespace {

// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

bool withControl(const QKeyEvent &event)
{
    return event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

void PreviewWidget::keyPressEvent(QKeyEvent *event)
{
    if (zoomKey(*event) || moveKey(*event))
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

bool PreviewWidget::zoomKey(const QKeyEvent &event)
{
    const QPointF centre = QRectF(viewport()->rect()).center();
    const int key = event.key();
    if (event.matches(QKeySequence::ZoomIn)
        || (withControl(event) && (key == Qt::Key_Plus || key == Qt::Key_Equal)))
        zoomBy(1, centre);
    else if (event.matches(QKeySequence::ZoomOut) || (withControl(event) && key == Qt::Key_Minus))
        zoomBy(-1, centre);
    else if (withControl(event) && key == Qt::Key_0)
        setZoomMode(ZoomMode::PageWidth);
    else
        return false;
    return true;
}

// PageUp, PageDown and the arrows are the scroll area's own.
bool PreviewWidget::moveKey(const QKeyEvent &event)
{
    QScrollBar *vertical = verticalScrollBar();
    switch (event.key()) {
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_Space:
        vertical->triggerAction(event.modifiers().testFlag(Qt::ShiftModifier)
                                    ? QAbstractSlider::SliderPageStepSub
                                    : QAbstractSlider::SliderPageStepAdd);
        return true;
    default:
        return false;
    }
}

void PreviewWidget::wheelEvent(QWheelEvent *event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Fine-grained wheels and touchpads send parts of a notch.
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / WheelNotch;
    m_wheelAngle -= steps * WheelNotch;
    zoomBy(steps, event->position());
    event->accept();
}

void PreviewWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragged = false;
    m_pressPoint = m_lastDragPoint = event->position().toPoint();
    updateCursor();
}

void PreviewWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_pressed = m_pressed && event->buttons().testFlag(Qt::LeftButton);
    if (!m_pressed) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint position = event->position().toPoint();
    const QPoint moved = position - m_lastDragPoint;
    m_lastDragPoint = position;
    m_dragged = m_dragged
        || (position - m_pressPoint).manhattanLength() >= QApplication::startDragDistance();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
}

void PreviewWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (!m_dragged && m_zoomMode == ZoomMode::Thumbnails)
        openPage(pageAt(event->position()));
    updateCursor();
}

void PreviewWidget::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(zoomActions());
    menu.exec(event->globalPos());
}

void PreviewWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source())
        event->acceptProposedAction();
}

void PreviewWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source())
        event->acceptProposedAction();
}

void PreviewWidget::dropEvent(QDropEvent *event)
{
    if (!event->source())
        return;
    event->acceptProposedAction();
    const QPoint inViewport = event->position().toPoint();
    Q_EMIT controlDropped(event->source(), viewport()->mapTo(this, inViewport));
}

} // namespace virelai
