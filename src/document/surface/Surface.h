#pragma once

#include "document/surface/PageMap.h"
#include "document/surface/PagePicture.h"
#include "document/surface/TextComposer.h"

#include <QObject>
#include <QPageLayout>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QImage;
class QPainter;

namespace virelai {

class DocumentFurniture;
class SurfaceDocument;
struct ComposedText;
struct DocumentUnderConstruction;
struct PageGeometry;
struct PendingBlock;

// The page on which every document is composed, shown and printed (the model
// behind VSPrinter1). Builders ask for texts, boxes and pictures at positions in
// twips; each is laid out at once, and all are placed together when the
// document is complete (DocAction 6), by the rules of BlockPlacement: a block
// keeps its position unless a block above it in its column is in the way, and
// what runs past the bottom of a page continues on the next one. The document
// is built aside and replaces the shown one only when it is complete, so a
// build that stops half-way leaves the previous page on screen. Styles and page
// settings survive from one document to the next.
class Surface : public QObject
{
    Q_OBJECT

public:
    // Values of DocAction; NoDocAction until the first.
    enum DocumentAction { NoDocAction = 0, NewDocument = 3, EndDocument = 6, PrintDocument = 9 };
    // Values of PageOrientation.
    enum Orientation { Portrait = 0, Landscape = 1 };
    // Values of PenStyle, the outline of boxes: PenTransparent draws none.
    enum OutlineStyle { PenSolid = 0, PenDash, PenDot, PenDashDot, PenDashDotDot, PenTransparent };
    // How TextBox treats its text: Wrap breaks lines at the box width;
    // MeasureOnly places nothing, only computes; Shaded draws the fill and the
    // outline.
    enum class TextBoxOption { Wrap = 0x1, MeasureOnly = 0x2, Shaded = 0x4 };
    Q_DECLARE_FLAGS(TextBoxOptions, TextBoxOption)

    // Handed the shown document on DocAction 9; installed by the window, which
    // owns the printer and the progress window.
    using PrintHandler = std::function<void(std::shared_ptr<const SurfaceDocument>)>;

    explicit Surface(QObject *parent = nullptr);
    ~Surface() override;

    DocumentAction DocAction() const { return m_lastDocAction; }
    void setDocAction(DocumentAction action);

    Orientation PageOrientation() const;
    void setPageOrientation(Orientation orientation);
    // Page size and margins in twips, from the page set-up and the orientation.
    double PageWidth() const;
    double PageHeight() const;
    double MarginLeft() const;
    double MarginRight() const;
    double MarginTop() const;
    double MarginBottom() const;

    // The page set-up: paper, orientation and margins for documents started
    // afterwards. PageOrientation changes only its orientation.
    QPageLayout pageLayout() const { return m_pageLayout; }
    void setPageLayout(const QPageLayout &layout);

    double CurrentX() const { return m_currentX; }
    void setCurrentX(double x) { m_currentX = x; }
    double CurrentY() const { return m_currentY; }
    void setCurrentY(double y) { m_currentY = y; }

    // Picture rectangle; a read gives what was written.
    double X1() const { return m_x1; }
    void setX1(double x) { m_x1 = x; }
    double Y1() const { return m_y1; }
    void setY1(double y) { m_y1 = y; }
    double X2() const { return m_x2; }
    void setX2(double x) { m_x2 = x; }
    double Y2() const { return m_y2; }
    void setY2(double y) { m_y2 = y; }
    // Draws the picture at once, stretched into (X1, Y1)-(X2, Y2). A null
    // picture draws nothing.
    void setPicture(std::shared_ptr<const PagePicture> picture);

    quint32 BrushColor() const { return m_brushColor; }
    void setBrushColor(quint32 color) { m_brushColor = color; }
    OutlineStyle PenStyle() const { return m_penStyle; }
    void setPenStyle(OutlineStyle style) { m_penStyle = style; }
    double IndentLeft() const { return m_indentLeft; }
    void setIndentLeft(double twips) { m_indentLeft = twips; }
    double SpaceAfter() const { return m_spaceAfter; }
    void setSpaceAfter(double twips) { m_spaceAfter = twips; }
    int LineSpacing() const { return m_lineSpacing; }
    void setLineSpacing(int percent) { m_lineSpacing = percent; }
    quint32 TextColor() const { return m_textColor; }
    void setTextColor(quint32 color) { m_textColor = color; }
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold) { m_fontBold = bold; }
    bool FontUnderline() const { return m_fontUnderline; }
    void setFontUnderline(bool underline) { m_fontUnderline = underline; }
    double FontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &family) { m_fontName = family; }

    // What the next block placed is, for the page map; it holds for that block only.
    void setBlockRole(BlockRole role, int number = 0);

    // The position ends below each text or box as if it stood where it was
    // asked for; a text placed there again flows on from the block before it.

    // RTF (or plain text) at the current position, wrapped to the printable
    // width, continued on new pages.
    void setRichText(const QString &text);
    // Always plain text, one paragraph at the current position, wrapped to width
    // (0: to the right edge of the printable area). Flowing on from a text, a
    // leading line break ends the line that text already ended: it adds no line.
    void setParagraphText(const QString &text, double width = 0);
    // RTF with "%d" replaced by the page number, printed on every page.
    QString FooterText() const { return m_footerText; }
    void setFooterText(const QString &text) { m_footerText = text; }

    // A box at (left, top) of the given size: text (plain or RTF) wrapped inside
    // the IndentLeft inset, filled with the brush and outlined with the pen
    // unless PenStyle is PenTransparent. The box grows to fit its text; a height
    // other than 0 is the least it takes. Returns the height of the box in twips.
    double TextBox(const QString &text, double left, double top, double width, double height,
                   TextBoxOptions options);

    // The document on screen (never null: empty before the first one).
    std::shared_ptr<const SurfaceDocument> shownDocument() const { return m_shown; }
    int pageCount() const;
    // Where the blocks of the shown document went.
    const PageMap &pageMap() const;
    // Draws page pageIndex (from 0) of the shown document into target, given in
    // the painter's coordinates (screen, printer, PDF writer, image).
    void renderPage(int pageIndex, QPainter &painter, const QRectF &target) const;
    // Vector PDF of the shown document, with selectable text.
    bool writePdf(const QString &path) const;
    QImage renderPageImage(int pageIndex, double dotsPerInch) const;
    bool writePng(const QString &path, int pageIndex, double dotsPerInch) const;

    void setPrintHandler(PrintHandler handler) { m_printHandler = std::move(handler); }

Q_SIGNALS:
    // A new document is on screen (DocAction 6).
    void documentShown();
    // Right after documentShown, once, when part of that document's text is not
    // on its pages (paragraphs past MaxParagraphs, text past MaxPages pages, a
    // text the RTF reader could not read to its end): one French sentence that
    // says what was left out.
    void textCut(const QString &message);

private:
    PageGeometry pageGeometryNow() const;
    TextRequest textRequest(const QString &text, double width, bool wrap, bool alwaysPlain) const;
    ComposedText compose(const TextRequest &request);
    void noteCut(const QString &cause);
    PendingBlock textBlock(const QString &text, double left, double width, bool alwaysPlain);
    void addBlock(PendingBlock block);
    bool flowsOnHere() const;
    DocumentUnderConstruction &openDocument();
    void startDocument();
    void endDocument();
    std::unique_ptr<DocumentFurniture> furnitureOf(const std::vector<PendingBlock> &blocks,
                                                   const PageGeometry &geometry) const;
    ComposedText composeFooter(int page, const PageGeometry &geometry);
    void addFooters(SurfaceDocument &document);
    static double footerTop(const PageGeometry &geometry, double footerHeight);

    QPageLayout m_pageLayout;
    DocumentAction m_lastDocAction = NoDocAction;
    double m_currentX = 0;
    double m_currentY = 0;
    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    quint32 m_brushColor = 0xFFFFFF;
    OutlineStyle m_penStyle = PenSolid;
    double m_indentLeft = 0;
    double m_spaceAfter = 0;
    int m_lineSpacing = 100;
    quint32 m_textColor = 0;
    bool m_fontBold = false;
    bool m_fontUnderline = false;
    double m_fontSize = 10;
    QString m_fontName = QStringLiteral("Arial");
    QString m_footerText;
    BlockRole m_nextRole = BlockRole::Text;
    int m_nextNumber = 0;
    // Where the last text or box left the position; a block asked for there flows.
    std::optional<QPointF> m_flowPoint;
    std::unique_ptr<DocumentUnderConstruction> m_building;
    // Why text of the document being built is not on its pages, each cause once.
    QStringList m_cuts;
    std::shared_ptr<const SurfaceDocument> m_shown;
    PrintHandler m_printHandler;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Surface::TextBoxOptions)

} // namespace virelai
