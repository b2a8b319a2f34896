#include "PreviewWidget.h"

#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace virelai {

namespace {

const QColor DeskColor(128, 128, 128);

std::vector<QSizeF> pageSizes(const SurfaceDocument &document)
{
    std::vector<QSizeF> sizes;
    for (int page = 0; page < document.pageCount(); ++page)
        sizes.push_back(document.pageGeometry(page).size);
    return sizes;
}

} // namespace

PreviewWidget::PreviewWidget(Surface &surface, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_surface(surface)
    , m_document(surface.shownDocument())
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    createZoomActions();
    connect(&m_surface, &Surface::documentShown, this, &PreviewWidget::showDocument);
    updateLayout();
}

void PreviewWidget::setZoomMode(ZoomMode mode)
{
    m_zoomMode = mode;
    m_zoomGroup->actions().at(int(mode))->setChecked(true);
    updateLayout();
}

QList<QAction *> PreviewWidget::zoomActions() const
{
    return m_zoomGroup->actions();
}

std::vector<QRectF> PreviewWidget::visiblePageRects() const
{
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    std::vector<QRectF> rects;
    for (const QRectF &rect : m_layout.pageRects)
        rects.push_back(rect.translated(-scroll));
    return rects;
}

void PreviewWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), DeskColor);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    const std::vector<QRectF> rects = visiblePageRects();
    for (size_t page = 0; page < rects.size(); ++page) {
        if (!rects[page].intersects(viewport()->rect()))
            continue;
        painter.fillRect(rects[page].translated(3, 3), Qt::darkGray);
        painter.fillRect(rects[page], Qt::white);
        m_document->renderPage(int(page), painter, rects[page]);
    }
}

void PreviewWidget::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateLayout();
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

void PreviewWidget::showDocument()
{
    m_document = m_surface.shownDocument();
    updateLayout();
}

void PreviewWidget::updateLayout()
{
    m_layout = layOutPreview(m_zoomMode, viewport()->size(), pageSizes(*m_document));
    const QSize content = m_layout.contentSize.toSize();
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, qMax(0, content.height() - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    viewport()->update();
}

void PreviewWidget::createZoomActions()
{
    m_zoomGroup = new QActionGroup(this);
    const QStringList captions = zoomModeCaptions();
    for (int mode = 0; mode < captions.size(); ++mode) {
        QAction *action = m_zoomGroup->addAction(captions[mode]);
        action->setCheckable(true);
        action->setChecked(ZoomMode(mode) == m_zoomMode);
        connect(action, &QAction::triggered, this, [this, mode] { setZoomMode(ZoomMode(mode)); });
    }
}

} // namespace virelai
