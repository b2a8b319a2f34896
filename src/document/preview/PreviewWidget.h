#pragma once

#include "PreviewLayout.h"

#include <QAbstractScrollArea>

#include <memory>

class QActionGroup;

namespace virelai {

class Surface;
class SurfaceDocument;

// Shows the pages of the surface's shown document, drawn as vectors at the
// zoom of the moment so that they stay crisp. The zoom is chosen from the
// context menu. A control dragged onto the preview is reported with the drop
// point, for the window layout.
class PreviewWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PreviewWidget(Surface &surface, QWidget *parent = nullptr);

    ZoomMode zoomMode() const { return m_zoomMode; }
    void setZoomMode(ZoomMode mode);
    // The zoom choices, also offered in the context menu.
    QList<QAction *> zoomActions() const;
    // Page rectangles in viewport pixels, as last laid out.
    std::vector<QRectF> visiblePageRects() const;

Q_SIGNALS:
    // source: the dragged control; position: the drop point in this widget.
    void controlDropped(QObject *source, const QPoint &position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showDocument();
    void updateLayout();
    void createZoomActions();

    Surface &m_surface;
    std::shared_ptr<const SurfaceDocument> m_document;
    ZoomMode m_zoomMode = ZoomMode::PageEntiere;
    PreviewLayout m_layout;
    QActionGroup *m_zoomGroup = nullptr;
};

} // namespace virelai
