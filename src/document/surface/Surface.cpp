#include "Surface.h"

#include "DocumentFurniture.h"
#include "DocumentLimits.h"
#include "SurfaceDocument.h"
#include "SurfaceOutput.h"
#include "TextComposer.h"
#include "Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageSize>
#include <QRegularExpression>
#include <QTextDocument>

#include <utility>

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

void Surface::setDocAction(DocumentAction action)
{
    m_lastDocAction = action;
    if (action == NewDocument)
        startDocument();
    else if (action == EndDocument)
        endDocument();
    else if (action == PrintDocument && m_printHandler && m_shown->pageCount() > 0)
        m_printHandler(m_shown);
}

Surface::Orientation Surface::PageOrientation() const
{
    return m_pageLayout.orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void Surface::setPageOrientation(Orientation orientation)
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

void Surface::setBlockRole(BlockRole role, int number)
{
    m_nextRole = role;
    m_nextNumber = number;
}

void Surface::setPicture(std::shared_ptr<const PagePicture> picture)
{
    if (!picture)
        return;
    const QRectF rect = QRectF(QPointF(m_x1, m_y1), QPointF(m_x2, m_y2)).normalized();
    PendingBlock block;
    block.kind = PendingBlock::Kind::Picture;
    block.topLeft = rect.topLeft();
    block.width = rect.width();
    block.picture = std::move(picture);
    block.pictureHeight = rect.height();
    addBlock(std::move(block));
    // A picture does not move the position: nothing flows on from it.
    m_flowPoint.reset();
}

void Surface::setRichText(const QString &text)
{
    const PageGeometry geometry = pageGeometryNow();
    const bool insidePrintableWidth
        = m_currentX >= geometry.margins.left() && m_currentX < geometry.printableRight();
    const double left = insidePrintableWidth ? m_currentX : geometry.margins.left();
    addBlock(textBlock(text, left, geometry.printableRight() - left, false));
}

void Surface::setParagraphText(const QString &text, double width)
{
    if (width <= 0)
        width = pageGeometryNow().printableRight() - m_currentX;
    static const QRegularExpression leadingBreak(QStringLiteral("^(\\r\\n|\\r|\\n)"));
    const QString written = flowsOnHere() ? QString(text).remove(leadingBreak) : text;
    addBlock(textBlock(written, m_currentX, qMax(1.0, width), true));
}

double Surface::TextBox(const QString &text, double left, double top, double width, double height,
                        TextBoxOptions options)
{
    PendingBlock block;
    block.kind = PendingBlock::Kind::Box;
    block.topLeft = QPointF(left, top);
    block.width = width;
    block.indent = m_indentLeft;
    block.inset = verticalInset(m_indentLeft);
    block.leastHeight = height;
    block.brushColor = m_brushColor;
    block.penStyle = m_penStyle;
    block.shaded = options.testFlag(TextBoxOption::Shaded);
    block.request = textRequest(text, qMax(1.0, width - 2 * m_indentLeft),
                                options.testFlag(TextBoxOption::Wrap), false);
    block.text = compose(block.request);
    const double boxHeight = block.boxHeight();
    if (options.testFlag(TextBoxOption::MeasureOnly))
        return boxHeight;
    m_currentY = top;
    addBlock(std::move(block));
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

const PageMap &Surface::pageMap() const
{
    return m_shown->pageMap();
}

TextRequest Surface::textRequest(const QString &text, double width, bool wrap,
                                 bool alwaysPlain) const
{
    TextRequest request;
    request.text = text;
    request.plainStyle
        = {m_fontName, m_fontSize, m_fontBold, m_fontUnderline, m_textColor, m_spaceAfter};
    request.lineSpacingPercent = m_lineSpacing;
    request.width = width;
    // Past that height the text would run beyond the last page: a page holds
    // no more of it (a line taller than a page aside).
    request.heightLimit = MaxPages * pageGeometryNow().printableHeight();
    request.wrap = wrap;
    request.alwaysPlain = alwaysPlain;
    return request;
}

ComposedText Surface::compose(const TextRequest &request)
{
    ComposedText composed = composeText(request);
    for (const QString &cut : composed.cuts)
        noteCut(cut);
    return composed;
}

void Surface::noteCut(const QString &cause)
{
    if (!m_cuts.contains(cause))
        m_cuts.append(cause);
}

PendingBlock Surface::textBlock(const QString &text, double left, double width, bool alwaysPlain)
{
    PendingBlock block;
    block.topLeft = QPointF(left, m_currentY);
    block.width = width;
    block.request = textRequest(text, width, true, alwaysPlain);
    block.text = compose(block.request);
    return block;
}

// The position moves below the block as if it stood where it was asked for.
void Surface::addBlock(PendingBlock block)
{
    DocumentUnderConstruction &building = openDocument();
    block.flows = block.kind != PendingBlock::Kind::Picture && flowsOnHere();
    block.role = std::exchange(m_nextRole, BlockRole::Text);
    block.number = std::exchange(m_nextNumber, 0);
    if (block.kind == PendingBlock::Kind::Box)
        m_currentY += block.boxHeight();
    else if (block.kind == PendingBlock::Kind::Text)
        m_currentY += block.text.height;
    m_flowPoint = QPointF(m_currentX, m_currentY);
    building.blocks.push_back(std::move(block));
}

bool Surface::flowsOnHere() const
{
    return m_building && !m_building->blocks.empty() && m_flowPoint
        && *m_flowPoint == QPointF(m_currentX, m_currentY);
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
    m_building->geometry = pageGeometryNow();
    m_cuts.clear();
    m_currentX = MarginLeft();
    m_currentY = MarginTop();
    m_flowPoint.reset();
}

void Surface::endDocument()
{
    if (!m_building)
        return;
    const PageGeometry geometry = m_building->geometry;
    double lowestBottom = geometry.printableBottom();
    if (!m_footerText.isEmpty())
        lowestBottom = qMin(lowestBottom, footerTop(geometry, composeFooter(1, geometry).height));
    const std::unique_ptr<DocumentFurniture> furniture = furnitureOf(m_building->blocks, geometry);
    ComposedPages pages
        = composePages(std::move(m_building->blocks), geometry, lowestBottom, furniture.get());
    m_building.reset();
    if (pages.cut)
        noteCut(causeTextPastLastPage());
    addFooters(*pages.document);
    m_shown = std::move(pages.document);
    const QStringList cuts = std::exchange(m_cuts, {});
    Q_EMIT documentShown();
    if (!cuts.isEmpty())
        Q_EMIT textCut(QStringLiteral("Le document ne montre pas tout son texte : %1.")
                           .arg(cuts.join(QStringLiteral(" ; "))));
}

// The header and footer of the first help document that has any: a help page
// shows one document.
std::unique_ptr<DocumentFurniture> Surface::furnitureOf(const std::vector<PendingBlock> &blocks,
                                                        const PageGeometry &geometry) const
{
    for (const PendingBlock &block : blocks) {
        if (block.text.furniture && block.text.furniture->hasHeaderOrFooter())
            return std::make_unique<DocumentFurniture>(*block.text.furniture, geometry,
                                                       !m_footerText.isEmpty());
    }
    return nullptr;
}

ComposedText Surface::composeFooter(int page, const PageGeometry &geometry)
{
    QString text = m_footerText;
    text.replace(QStringLiteral("%d"), QString::number(page));
    return compose(textRequest(text, geometry.printableWidth(), true, false));
}

void Surface::addFooters(SurfaceDocument &document)
{
    if (m_footerText.isEmpty())
        return;
    for (int page = 0; page < document.pageCount(); ++page) {
        const PageGeometry &geometry = document.pageGeometry(page);
        const ComposedText composed = composeFooter(page + 1, geometry);
        const QRectF rect(geometry.margins.left(), footerTop(geometry, composed.height),
                          geometry.printableWidth(), composed.height);
        double offset = 0;
        for (const auto &piece : composed.pieces) {
            const double height = piece->documentLayout()->documentSize().height();
            document.addItem(
                page,
                std::make_shared<TextItem>(piece, rect.topLeft() + QPointF(0, offset), 0, height));
            offset += height;
        }
        document.addToMap({BlockRole::Footer, 0, page, rect});
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
