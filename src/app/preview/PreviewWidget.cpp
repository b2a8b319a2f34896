#include "PreviewWidget.h"

#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/Twips.h"

#include <QActionGroup>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace virelai {

namespace {

const QColor DeskColor(128, 128, 128);
// Pixels moved by one arrow key.
constexpr int ArrowStep = 20;

std::vector<QSizeF> pageSizes(const SurfaceDocument &document)
{
    std::vector<QSizeF> sizes;
    for (int page = 0; page < document.pageCount(); ++page)
        sizes.push_back(document.pageGeometry(page).size);
    return sizes;
}

double distance(const QRectF &rect, const QPointF &point)
{
    const double dx = qMax(0.0, qMax(rect.left() - point.x(), point.x() - rect.right()));
    const double dy = qMax(0.0, qMax(rect.top() - point.y(), point.y() - rect.bottom()));
    return std::hypot(dx, dy);
}

} // namespace

PreviewWidget::PreviewWidget(Surface &surface, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_surface(surface)
    , m_document(surface.shownDocument())
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    horizontalScrollBar()->setSingleStep(ArrowStep);
    verticalScrollBar()->setSingleStep(ArrowStep);
    createZoomActions();
    connect(&m_surface, &Surface::documentShown, this, &PreviewWidget::showDocument);
    relayoutKeeping({});
}

void PreviewWidget::setZoomMode(ZoomMode mode)
{
    applyZoom(mode, m_customScale, {});
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

double PreviewWidget::pixelsPerPoint() const
{
    return m_layout.scale * TwipsPerPoint;
}

double PreviewWidget::zoomPercent() const
{
    return 100 * m_layout.scale / pixelsPerTwipAtRealSize();
}

double PreviewWidget::pixelsPerTwipAtRealSize() const
{
    return logicalDpiX() / TwipsPerInch;
}

void PreviewWidget::zoomBy(int steps, const QPointF &anchor)
{
    if (m_layout.pageRects.empty() || steps == 0)
        return;
    double percent = zoomPercent();
    for (int step = 0; step < std::abs(steps); ++step)
        percent = nextZoomStep(percent, steps);
    applyZoom(ZoomMode::Custom, percent / 100 * pixelsPerTwipAtRealSize(), anchor);
}

int PreviewWidget::currentPage() const
{
    return documentPointAt(QPointF(viewport()->width() / 2.0, viewport()->height() / 4.0)).page;
}

void PreviewWidget::openPage(int index)
{
    if (index < 0 || index >= int(m_layout.pageRects.size()))
        return;
    if (m_zoomMode == ZoomMode::Thumbnails)
        applyZoom(m_modeBeforeThumbnails, m_scaleBeforeThumbnails, {});
    scrollToShow({index, QPointF(0.5, 0)}, QPointF(viewport()->width() / 2.0, PreviewGap));
}

int PreviewWidget::widthForRealSize() const
{
    double widest = m_surface.PageWidth();
    for (const QSizeF &size : pageSizes(*m_document))
        widest = qMax(widest, size.width());
    const double page = twipsToPixels(widest, logicalDpiX());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return int(std::ceil(page + 2 * PreviewGap)) + scrollBar + 2 * frameWidth();
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
    paintPageNumbers(painter);
}

void PreviewWidget::paintPageNumbers(QPainter &painter) const
{
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.setPen(Qt::white);
    for (size_t page = 0; page < m_layout.numberRects.size(); ++page)
        painter.drawText(m_layout.numberRects[page].translated(-scroll), Qt::AlignCenter,
                         QString::number(page + 1));
}

void PreviewWidget::resizeEvent(QResizeEvent *event)
{
    // The layout still describes the old size: the point at the top left is
    // found on it, and kept at the top left.
    QAbstractScrollArea::resizeEvent(event);
    relayoutKeeping({});
}

// The place shown is found on the old layout and kept on the new document.
void PreviewWidget::showDocument()
{
    m_document = m_surface.shownDocument();
    relayoutKeeping({});
}

void PreviewWidget::createZoomActions()
{
    m_zoomGroup = new QActionGroup(this);
    // A zoom chosen with the keys leaves none of the four checked.
    m_zoomGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const QStringList captions = zoomModeCaptions();
    for (int mode = 0; mode < captions.size(); ++mode) {
        QAction *action = m_zoomGroup->addAction(captions[mode]);
        action->setCheckable(true);
        action->setChecked(ZoomMode(mode) == m_zoomMode);
        connect(action, &QAction::triggered, this, [this, mode] { setZoomMode(ZoomMode(mode)); });
    }
}

void PreviewWidget::applyZoom(ZoomMode mode, double customScale, const QPointF &anchor)
{
    if (mode == ZoomMode::Thumbnails && m_zoomMode != ZoomMode::Thumbnails) {
        m_modeBeforeThumbnails = m_zoomMode;
        m_scaleBeforeThumbnails = m_layout.scale;
    }
    m_zoomMode = mode;
    m_customScale = customScale;
    for (int choice = 0; choice < m_zoomGroup->actions().size(); ++choice)
        m_zoomGroup->actions().at(choice)->setChecked(ZoomMode(choice) == mode);
    relayoutKeeping(anchor);
}

// Lays the pages out again, keeping the page point under anchor where it is.
void PreviewWidget::relayoutKeeping(const QPointF &anchor)
{
    const DocumentPoint kept = documentPointAt(anchor);
    m_layout = layOutPreview(m_zoomMode, viewport()->size(), pageSizes(*m_document), m_customScale);
    updateScrollRanges();
    if (kept.page >= 0)
        scrollToShow(kept, anchor);
    updateCursor();
    viewport()->update();
}

void PreviewWidget::updateScrollRanges()
{
    const QSize content = m_layout.contentSize.toSize();
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, qMax(0, content.height() - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
}

PreviewWidget::DocumentPoint PreviewWidget::documentPointAt(const QPointF &viewportPoint) const
{
    const std::vector<QRectF> rects = visiblePageRects();
    DocumentPoint nearest;
    double nearestDistance = 0;
    for (size_t page = 0; page < rects.size(); ++page) {
        const double away = distance(rects[page], viewportPoint);
        if (nearest.page >= 0 && away >= nearestDistance)
            continue;
        const QRectF &rect = rects[page];
        nearest = {int(page),
                   QPointF((viewportPoint.x() - rect.left()) / rect.width(),
                           (viewportPoint.y() - rect.top()) / rect.height())};
        nearestDistance = away;
    }
    return nearest;
}

void PreviewWidget::scrollToShow(const DocumentPoint &point, const QPointF &viewportPoint)
{
    if (m_layout.pageRects.empty())
        return;
    const QRectF &page
        = m_layout.pageRects[size_t(qMin(point.page, int(m_layout.pageRects.size()) - 1))];
    const QPointF target(page.left() + point.fraction.x() * page.width(),
                         page.top() + point.fraction.y() * page.height());
    horizontalScrollBar()->setValue(qRound(target.x() - viewportPoint.x()));
    verticalScrollBar()->setValue(qRound(target.y() - viewportPoint.y()));
}

int PreviewWidget::pageAt(const QPointF &viewportPoint) const
{
    const std::vector<QRectF> rects = visiblePageRects();
    for (size_t page = 0; page < rects.size(); ++page)
        if (rects[page].contains(viewportPoint))
            return int(page);
    return -1;
}

bool PreviewWidget::pagesFitInView() const
{
    return horizontalScrollBar()->maximum() == 0 && verticalScrollBar()->maximum() == 0;
}

void PreviewWidget::updateCursor()
{
    if (m_zoomMode == ZoomMode::Thumbnails)
        viewport()->setCursor(Qt::PointingHandCursor);
    else if (m_pressed && !pagesFitInView())
        viewport()->setCursor(Qt::ClosedHandCursor);
    else
        viewport()->setCursor(pagesFitInView() ? Qt::ArrowCursor : Qt::OpenHandCursor);
}

} // namespace virelai
