#include "Surface.h"

#include "PageSlices.h"
#include "SurfaceDocument.h"
#include "SurfaceOutput.h"
#include "TextComposer.h"
#include "Twips.h"

#include <QImage>
#include <QPageSize>
#include <QTextDocument>

namespace virelai {

namespace {

// Until the user sets the page up: A4 portrait, 1.5 cm all round.
QPageLayout initialPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

// A text box keeps its text IndentLeft from its left and right edges and half
// of that from its top and bottom, so no line touches the outline.
double verticalInset(double indentLeft)
{
    return indentLeft / 2;
}

double twipsPerUnit(QPageLayout::Unit unit)
{
    switch (unit) {
    case QPageLayout::Millimeter:
        return TwipsPerInch / 25.4;
    case QPageLayout::Inch:
        return TwipsPerInch;
    case QPageLayout::Pica:
        return 12 * TwipsPerPoint;
    case QPageLayout::Didot:
        return 0.376065 / 25.4 * TwipsPerInch;
    case QPageLayout::Cicero:
        return 12 * 0.376065 / 25.4 * TwipsPerInch;
    case QPageLayout::Point:
        break;
    }
    return TwipsPerPoint;
}

} // namespace

Surface::Surface(QObject *parent)
    : QObject(parent)
    , m_pageLayout(initialPageLayout())
    , m_shown(std::make_shared<SurfaceDocument>())
{ }

Surface::~Surface() = default;

void Surface::setDocAction(int action)
{
    m_lastDocAction = action;
    if (action == NewDocument)
        startDocument();
    else if (action == EndDocument)
        endDocument();
    else if (action == PrintDocument && m_printHandler && m_shown->pageCount() > 0)
        m_printHandler(m_shown);
}

int Surface::PageOrientation() const
{
    return m_pageLayout.orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void Surface::setPageOrientation(int orientation)
{
    m_pageLayout.setOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}

double Surface::PageWidth() const
{
    return pageGeometryNow().size.width();
}

double Surface::PageHeight() const
{
    return pageGeometryNow().size.height();
}

double Surface::MarginLeft() const
{
    return pageGeometryNow().margins.left();
}

double Surface::MarginRight() const
{
    return pageGeometryNow().margins.right();
}

double Surface::MarginTop() const
{
    return pageGeometryNow().margins.top();
}

double Surface::MarginBottom() const
{
    return pageGeometryNow().margins.bottom();
}

void Surface::setPageLayout(const QPageLayout &layout)
{
    if (layout.isValid())
        m_pageLayout = layout;
}

// Read in the layout's own unit: Qt rounds sizes converted to points to whole
// points, which would lose the fractions of millimetre pages.
PageGeometry Surface::pageGeometryNow() const
{
    const QPageLayout::Unit unit = m_pageLayout.units();
    const double twips = twipsPerUnit(unit);
    return {m_pageLayout.fullRect(unit).size() * twips, m_pageLayout.margins() * twips};
}

void Surface::setPicture(std::shared_ptr<const PagePicture> picture)
{
    if (!picture)
        return;
    const QRectF rect = QRectF(QPointF(m_x1, m_y1), QPointF(m_x2, m_y2)).normalized();
    addItem(std::make_shared<PictureItem>(std::move(picture), rect));
}

void Surface::setRichText(const QString &text)
{
    const PageGeometry geometry = pageGeometryNow();
    const bool insidePrintableWidth
        = m_currentX >= geometry.margins.left() && m_currentX < geometry.printableRight();
    const double left = insidePrintableWidth ? m_currentX : geometry.margins.left();
    ComposedText composed = compose(text, geometry.printableRight() - left, true, false, true);
    composed.continuation.insert(composed.continuation.begin(), composed.document);
    for (const auto &piece : composed.continuation)
        placeAcrossPages(piece, left, geometry);
}

void Surface::placeAcrossPages(const std::shared_ptr<QTextDocument> &document, double left,
                               const PageGeometry &geometry)
{
    const auto slices = sliceIntoPages(*document, geometry.printableBottom() - m_currentY,
                                       geometry.printableHeight());
    for (size_t i = 0; i < slices.size(); ++i) {
        if (i > 0)
            startPage();
        const TextSlice &slice = slices[i];
        if (slice.bottom > slice.top)
            addItem(std::make_shared<TextItem>(document, QPointF(left, m_currentY), slice.top,
                                               slice.bottom));
        m_currentY += slice.bottom - slice.top;
    }
}

void Surface::setParagraphText(const QString &text)
{
    const double width = qMax(1.0, pageGeometryNow().printableRight() - m_currentX);
    const ComposedText composed = compose(text, width, true, true);
    addItem(std::make_shared<TextItem>(composed.document, QPointF(m_currentX, m_currentY), 0,
                                       composed.height));
    m_currentY += composed.height;
}

double Surface::TextBox(const QString &text, double left, double top, double width, double height,
                        bool wrap, bool measureOnly, bool shaded)
{
    const double inset = verticalInset(m_indentLeft);
    const double textWidth = qMax(1.0, width - 2 * m_indentLeft);
    const ComposedText composed = compose(text, textWidth, wrap, false);
    const double boxHeight = height > 0 ? height : composed.height + 2 * inset;
    if (measureOnly)
        return boxHeight;
    const QRectF box(left, top, width, boxHeight);
    if (shaded)
        addItem(std::make_shared<BoxItem>(box, m_brushColor, m_penStyle));
    addItem(std::make_shared<TextItem>(composed.document, QPointF(left + m_indentLeft, top + inset),
                                       0, composed.height, box));
    m_currentY = top + boxHeight;
    return boxHeight;
}

int Surface::pageCount() const
{
    return m_shown->pageCount();
}

void Surface::renderPage(int pageIndex, QPainter &painter, const QRectF &target) const
{
    m_shown->renderPage(pageIndex, painter, target);
}

bool Surface::writePdf(const QString &path) const
{
    return writeDocumentPdf(*m_shown, path);
}

QImage Surface::renderPageImage(int pageIndex, double dotsPerInch) const
{
    return renderDocumentPage(*m_shown, pageIndex, dotsPerInch);
}

bool Surface::writePng(const QString &path, int pageIndex, double dotsPerInch) const
{
    const QImage image = renderPageImage(pageIndex, dotsPerInch);
    return !image.isNull() && image.save(path, "PNG");
}

ComposedText Surface::compose(const QString &text, double width, bool wrap, bool alwaysPlain,
                              bool mayContinue)
{
    TextRequest request;
    request.text = text;
    request.plainStyle
        = {m_fontName, m_fontSize, m_fontBold, m_fontUnderline, m_textColor, m_spaceAfter};
    request.lineSpacingPercent = m_lineSpacing;
    request.width = width;
    request.wrap = wrap;
    request.alwaysPlain = alwaysPlain;
    request.mayContinue = mayContinue;
    ComposedText composed = composeText(request);
    if (!composed.problem.isEmpty())
        Q_EMIT textProblem(composed.problem);
    return composed;
}

void Surface::addItem(std::shared_ptr<const PageItem> item)
{
    DocumentUnderConstruction &building = openDocument();
    building.document->addItem(building.currentPage, std::move(item));
}

DocumentUnderConstruction &Surface::openDocument()
{
    if (!m_building)
        startDocument();
    return *m_building;
}

void Surface::startDocument()
{
    m_building = std::make_unique<DocumentUnderConstruction>();
    m_building->currentPage = m_building->document->addPage(pageGeometryNow());
    m_currentX = MarginLeft();
    m_currentY = MarginTop();
}

void Surface::startPage()
{
    DocumentUnderConstruction &building = openDocument();
    building.currentPage = building.document->addPage(pageGeometryNow());
    m_currentY = MarginTop();
}

void Surface::endDocument()
{
    if (!m_building)
        return;
    addFooters(*m_building->document);
    m_shown = std::move(m_building->document);
    m_building.reset();
    Q_EMIT documentShown();
}

void Surface::addFooters(SurfaceDocument &document)
{
    if (m_footerText.isEmpty())
        return;
    for (int page = 0; page < document.pageCount(); ++page) {
        const PageGeometry &geometry = document.pageGeometry(page);
        QString text = m_footerText;
        text.replace(QStringLiteral("%d"), QString::number(page + 1));
        const ComposedText composed = compose(text, geometry.printableWidth(), true, false);
        const QPointF topLeft(geometry.margins.left(), footerTop(geometry, composed.height));
        document.addItem(
            page, std::make_shared<TextItem>(composed.document, topLeft, 0, composed.height));
    }
}

// The footer sits in the bottom margin, a little below the printable area; a
// footer taller than the margin is moved up so that it stays on the paper.
double Surface::footerTop(const PageGeometry &geometry, double footerHeight)
{
    constexpr double gap = 60;
    const double belowPrintable = geometry.printableBottom() + gap;
    const double lowestOnPaper = geometry.size.height() - gap - footerHeight;
    return qMin(belowPrintable, lowestOnPaper);
}

} // namespace virelai
