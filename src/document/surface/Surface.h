#pragma once

#include "document/surface/PagePicture.h"

#include <QObject>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QImage;
class QPainter;
class QTextDocument;

namespace virelai {

class SurfaceDocument;
struct ComposedText;
struct DocumentUnderConstruction;
struct PageGeometry;
class PageItem;

// The page on which every document is composed, shown and printed (the model
// behind VSPrinter1). Builders place texts, boxes and pictures at absolute
// positions in twips; nothing reflows, and a later item covers an earlier one.
// A new document is built aside (DocAction 3) and replaces the shown one only
// when it is complete (DocAction 6), so a build that stops half-way leaves the
// previous page on screen. Styles and page settings survive from one document
// to the next.
class Surface : public QObject
{
    Q_OBJECT

public:
    // Values of DocAction.
    static constexpr int NewDocument = 3;
    static constexpr int EndDocument = 6;
    static constexpr int PrintDocument = 9;
    // Values of PageOrientation.
    static constexpr int Portrait = 0;
    static constexpr int Landscape = 1;
    // PenStyle 5 draws no outline.
    static constexpr int PenTransparent = 5;

    // Handed the shown document on DocAction 9; installed by the window, which
    // owns the printer and the progress window.
    using PrintHandler = std::function<void(std::shared_ptr<const SurfaceDocument>)>;

    explicit Surface(QObject *parent = nullptr);
    ~Surface() override;

    int DocAction() const { return m_lastDocAction; }
    void setDocAction(int action);

    int PageOrientation() const;
    void setPageOrientation(int orientation);
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
    int PenStyle() const { return m_penStyle; }
    void setPenStyle(int style) { m_penStyle = style; }
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

    // RTF (or plain text) at the current position, wrapped to the printable
    // width, continued on new pages; the position ends below it.
    void setRichText(const QString &text);
    // Always plain text, one paragraph at the current position.
    void setParagraphText(const QString &text);
    // RTF with "%d" replaced by the page number, printed on every page.
    QString FooterText() const { return m_footerText; }
    void setFooterText(const QString &text) { m_footerText = text; }

    // A box at (left, top) of the given size: text (plain or RTF) wrapped inside
    // the IndentLeft inset, filled with the brush and outlined with the pen
    // unless PenStyle is 5. Height 0 grows the box to fit its text; a fixed
    // height clips it. wrap: break lines at the box width; measureOnly: place
    // nothing, only compute; shaded: draw the fill and the outline. Returns the
    // height of the box in twips.
    double TextBox(const QString &text, double left, double top, double width, double height,
                   bool wrap, bool measureOnly, bool shaded);

    // The document on screen (never null: empty before the first one).
    std::shared_ptr<const SurfaceDocument> shownDocument() const { return m_shown; }
    int pageCount() const;
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
    // A text could not be read whole; what could be read is on the page.
    void textProblem(const QString &problem);

private:
    PageGeometry pageGeometryNow() const;
    ComposedText compose(const QString &text, double width, bool wrap, bool alwaysPlain,
                         bool mayContinue = false);
    void placeAcrossPages(const std::shared_ptr<QTextDocument> &document, double left,
                          const PageGeometry &geometry);
    void addItem(std::shared_ptr<const PageItem> item);
    DocumentUnderConstruction &openDocument();
    void startDocument();
    void startPage();
    void endDocument();
    void addFooters(SurfaceDocument &document);
    static double footerTop(const PageGeometry &geometry, double footerHeight);

    QPageLayout m_pageLayout;
    int m_lastDocAction = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    quint32 m_brushColor = 0xFFFFFF;
    int m_penStyle = 0;
    double m_indentLeft = 0;
    double m_spaceAfter = 0;
    int m_lineSpacing = 100;
    quint32 m_textColor = 0;
    bool m_fontBold = false;
    bool m_fontUnderline = false;
    double m_fontSize = 10;
    QString m_fontName = QStringLiteral("Arial");
    QString m_footerText;
    std::unique_ptr<DocumentUnderConstruction> m_building;
    std::shared_ptr<const SurfaceDocument> m_shown;
    PrintHandler m_printHandler;
};

} // namespace virelai
