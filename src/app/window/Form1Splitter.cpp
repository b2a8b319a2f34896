// The splitter bar: a press starts dragging it, a drop on the outline pane or
// on the preview moves the preview's left edge to the drop point.
#include "Form1.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace virelai {

namespace {

const QString SplitterFormat = QStringLiteral("application/x-virelai-splitter");

} // namespace

void Form1::Command1_MouseDown(int Button)
{
    virelai::Command1_MouseDown(geometry, Button);
}

void Form1::Command1_MouseUp()
{
    virelai::Command1_MouseUp(geometry);
}

void Form1::Outline1_DragDrop(float X, float Y)
{
    virelai::Outline1_DragDrop(geometry, clientArea(), X, Y);
    applyLayout();
}

void Form1::VSPrinter1_DragDrop(float X, float Y)
{
    virelai::VSPrinter1_DragDrop(geometry, clientArea(), X, Y);
    applyLayout();
}

bool Form1::splitterEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        Command1_MouseDown(int(static_cast<QMouseEvent *>(event)->button()));
        if (geometry.DragMode == 1)
            dragSplitter();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        Command1_MouseUp();
        return true;
    }
    return false;
}

// Automatic drag mode: the platform moves the bar's outline with the pointer
// until the button is released.
void Form1::dragSplitter()
{
    auto *drag = new QDrag(Command1);
    auto *data = new QMimeData;
    data->setData(SplitterFormat, {});
    drag->setMimeData(data);
    drag->setPixmap(Command1->grab());
    drag->exec(Qt::MoveAction);
    // The release ended the drag and never reaches the bar.
    Command1_MouseUp();
}

bool Form1::outlineDropEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (drag->source())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->source())
            return true;
        drop->acceptProposedAction();
        const QPoint inViewport = drop->position().toPoint();
        const QPointF point = toTwips(Outline1->viewport()->mapTo(Outline1, inViewport));
        Outline1_DragDrop(float(point.x()), float(point.y()));
        return true;
    }
    default:
        return false;
    }
}

} // namespace virelai
