#pragma once

#include "PreviewLayout.h"

#include <QAbstractScrollArea>

#include <memory>

class QActionGroup;

namespace virelai {

class Surface;
class SurfaceDocument;

// Shows the pages of the surface's shown document, drawn as vectors at the
// zoom of the moment so that they stay crisp. It behaves as document viewers
// do: the four fitting choices in the context menu; Ctrl+wheel, Ctrl+plus and
// Ctrl+minus zoom by steps, Ctrl+0 returns to the page width; PageUp, PageDown,
// Space, Home, End and the arrows move through the document; the page can be
// dragged when it does not fit; a click on a thumbnail opens its page. A
// rebuilt document keeps the zoom and the place shown. A control dragged onto
// the preview is reported with the drop point, for the window layout.
class PreviewWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PreviewWidget(Surface &surface, QWidget *parent = nullptr);

    ZoomMode zoomMode() const { return m_zoomMode; }
    // One of the four fitting choices (not Custom).
    void setZoomMode(ZoomMode mode);
    // The fitting choices, also offered in the context menu.
    QList<QAction *> zoomActions() const;
    // Page rectangles in viewport pixels, as last laid out.
    std::vector<QRectF> visiblePageRects() const;

    // Screen pixels for one point of the page, at the zoom shown; 0 without pages.
    double pixelsPerPoint() const;
    // The zoom shown in percent of the page's real size on this screen.
    double zoomPercent() const;
    // Zooms by steps (negative: out), keeping the page point under anchor
    // (viewport pixels) where it is.
    void zoomBy(int steps, const QPointF &anchor);
    // The page at the top of the view, from 0; -1 without pages.
    int currentPage() const;
    // Shows page `index` (from 0) from its top; from the thumbnails, in the
    // zoom used before them.
    void openPage(int index);
    // Width of the preview that shows the document's widest page at its real
    // size in the page-width choice.
    int widthForRealSize() const;

Q_SIGNALS:
    // source: the dragged control; position: the drop point in this widget.
    void controlDropped(QObject *source, const QPoint &position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // A point of the document: a page and where on it, in fractions of its size.
    struct DocumentPoint
    {
        int page = -1;
        QPointF fraction;
    };

    void showDocument();
    void createZoomActions();
    void applyZoom(ZoomMode mode, double customScale, const QPointF &anchor);
    void relayoutKeeping(const QPointF &anchor);
    void updateScrollRanges();
    void updateCursor();
    DocumentPoint documentPointAt(const QPointF &viewportPoint) const;
    void scrollToShow(const DocumentPoint &point, const QPointF &viewportPoint);
    int pageAt(const QPointF &viewportPoint) const;
    bool pagesFitInView() const;
    double pixelsPerTwipAtRealSize() const;
    bool zoomKey(const QKeyEvent &event);
    bool moveKey(const QKeyEvent &event);
    void paintPageNumbers(QPainter &painter) const;

    Surface &m_surface;
    std::shared_ptr<const SurfaceDocument> m_document;
    ZoomMode m_zoomMode = ZoomMode::PageWidth;
    double m_customScale = 0; // pixels per twip, for ZoomMode::Custom
    ZoomMode m_modeBeforeThumbnails = ZoomMode::PageWidth;
    double m_scaleBeforeThumbnails = 0;
    PreviewLayout m_layout;
    QActionGroup *m_zoomGroup = nullptr;
    int m_wheelAngle = 0; // eighths of a degree not yet turned into a step
    bool m_pressed = false;
    bool m_dragged = false;
    QPoint m_pressPoint;
    QPoint m_lastDragPoint;
};

} // namespace virelai
