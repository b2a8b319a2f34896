#include "../surface/SurfaceTestSupport.h"
#include "document/preview/DocumentPrinting.h"
#include "document/preview/PageSetup.h"
#include "document/preview/PreviewLayout.h"
#include "document/preview/PreviewWidget.h"
#include "document/preview/PrintProgressWindow.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

// The preview window's parts: page layout for each zoom, printing with its
// progress window, page set-up.
class TestPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zoomLayout_data();
    void zoomLayout();
    void zoomChoicesInContextMenu();
    void widgetFollowsShownDocument();
    void printing_data();
    void printing();
    void progressWindowTexts();
    void abandonCancels();
    void pageSetup_data();
    void pageSetup();
};

namespace {

const QSizeF A4Twips(11906, 16838);

// A progress that gives up once the given page is about to be printed.
class ScriptedProgress : public PrintProgress
{
public:
    explicit ScriptedProgress(int cancelAtPage)
        : m_cancelAtPage(cancelAtPage)
    { }
    void start(const QString &document, const QString &printer, int pages) override
    {
        started = QStringList {document, printer, QString::number(pages)};
    }
    void showPage(int page) override
    {
        shown << page;
        m_cancelled = page == m_cancelAtPage;
    }
    bool cancelled() const override { return m_cancelled; }
    void finish() override { finished = true; }

    QStringList started;
    QList<int> shown;
    bool finished = false;

private:
    int m_cancelAtPage;
    bool m_cancelled = false;
};

// Each page holds one box as high as the printable area.
void buildPages(Surface &surface, int pages)
{
    surface.setFooterText(QStringLiteral("{\\qc -%d-}"));
    surface.setDocAction(Surface::NewDocument);
    const double width = surface.PageWidth() - surface.MarginLeft() - surface.MarginRight();
    const double height = surface.PageHeight() - surface.MarginTop() - surface.MarginBottom();
    for (int page = 1; page <= pages; ++page)
        surface.TextBox(QStringLiteral("{Page imprim\\'e9e}"), surface.MarginLeft(),
                        surface.MarginTop(), width, height, true, false, false);
    surface.setDocAction(Surface::EndDocument);
}

} // namespace

void TestPreview::zoomLayout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSizeF>("viewport");
    QTest::addColumn<int>("pagesOnFirstRow");
    QTest::newRow("whole page") << int(ZoomMode::PageEntiere) << QSizeF(800, 600) << 1;
    QTest::newRow("page width") << int(ZoomMode::LargeurPage) << QSizeF(800, 600) << 1;
    QTest::newRow("two pages") << int(ZoomMode::DeuxPages) << QSizeF(800, 600) << 2;
    QTest::newRow("thumbnails") << int(ZoomMode::Vignettes) << QSizeF(1000, 600) << 3;
}

void TestPreview::zoomLayout()
{
    QFETCH(int, mode);
    QFETCH(QSizeF, viewport);
    QFETCH(int, pagesOnFirstRow);
    const std::vector<QSizeF> pages(6, A4Twips);
    const PreviewLayout layout = layOutPreview(ZoomMode(mode), viewport, pages);
    QCOMPARE(layout.pageRects.size(), pages.size());
    int onFirstRow = 0;
    for (const QRectF &rect : layout.pageRects) {
        onFirstRow += qFuzzyCompare(rect.top(), layout.pageRects.front().top()) ? 1 : 0;
        QVERIFY(qAbs(rect.width() / rect.height() - A4Twips.width() / A4Twips.height()) < 1e-6);
    }
    if (ZoomMode(mode) == ZoomMode::Vignettes)
        QVERIFY(onFirstRow >= pagesOnFirstRow);
    else
        QCOMPARE(onFirstRow, pagesOnFirstRow);
    pagesOnFirstRow = onFirstRow;
    const QRectF first = layout.pageRects.front();
    const QRectF row = layout.pageRects.front().united(layout.pageRects[pagesOnFirstRow - 1]);
    QVERIFY(row.left() >= 0 && row.right() <= viewport.width());
    if (ZoomMode(mode) == ZoomMode::LargeurPage)
        QVERIFY(first.width() > viewport.width() - 30);
    else if (ZoomMode(mode) != ZoomMode::Vignettes)
        QVERIFY(first.bottom() <= viewport.height());
}

void TestPreview::zoomChoicesInContextMenu()
{
    Surface surface;
    PreviewWidget preview(surface);
    QStringList captions;
    for (QAction *action : preview.zoomActions())
        captions << action->text();
    QCOMPARE(captions,
             (QStringList {QStringLiteral("&Page entière"), QStringLiteral("&Largeur de page"),
                           QStringLiteral("&Deux pages"), QStringLiteral("&Vignettes")}));
    preview.zoomActions().at(2)->trigger();
    QCOMPARE(preview.zoomMode(), ZoomMode::DeuxPages);
    QVERIFY(preview.zoomActions().at(2)->isChecked());
}

void TestPreview::widgetFollowsShownDocument()
{
    Surface surface;
    PreviewWidget preview(surface);
    preview.resize(600, 800);
    QVERIFY(preview.visiblePageRects().empty());
    buildPages(surface, 2);
    QCOMPARE(preview.visiblePageRects().size(), size_t(2));
    // An unfinished build changes nothing on screen.
    surface.setDocAction(Surface::NewDocument);
    QCOMPARE(preview.visiblePageRects().size(), size_t(2));
}

void TestPreview::printing_data()
{
    QTest::addColumn<int>("cancelAtPage");
    QTest::addColumn<int>("expectedPrinted");
    QTest::newRow("whole document") << 0 << 3;
    QTest::newRow("abandon before page 2") << 2 << 1;
    QTest::newRow("abandon at once") << 1 << 0;
}

void TestPreview::printing()
{
    QFETCH(int, cancelAtPage);
    QFETCH(int, expectedPrinted);
    QTemporaryDir dir;
    Surface surface;
    buildPages(surface, 3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("imprime.pdf")));
    ScriptedProgress progress(cancelAtPage);
    const PrintOutcome outcome
        = printDocument(*surface.shownDocument(), printer, progress, QStringLiteral("Moyenne"));
    QCOMPARE(outcome.pagesPrinted, expectedPrinted);
    QCOMPARE(outcome.cancelled, cancelAtPage > 0);
    QCOMPARE(progress.started,
             (QStringList {QStringLiteral("Moyenne"), QStringLiteral("imprime.pdf"), "3"}));
    QVERIFY(progress.finished);
    if (cancelAtPage == 0) {
        const QString text = pdfText(printer.outputFileName());
        QVERIFY2(text.contains(QStringLiteral("-1-")) && text.contains(QStringLiteral("-3-")),
                 qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("Page imprimée")), 3);
    }
}

void TestPreview::progressWindowTexts()
{
    PrintProgressWindow window;
    window.start(QStringLiteral("Moyenne de la classe"), QStringLiteral("Bureau"), 3);
    window.showPage(2);
    QCOMPARE(window.windowTitle(), QStringLiteral("Impression en cours..."));
    QCOMPARE(window.documentLine(), QStringLiteral("de Moyenne de la classe sur Bureau"));
    QCOMPARE(window.pageLine(), QStringLiteral("Page 2 de 3"));
    QCOMPARE(window.abandonButton()->text(), QStringLiteral("Abandon"));
    window.finish();
}

void TestPreview::abandonCancels()
{
    PrintProgressWindow window;
    window.start(QStringLiteral("Doc"), QStringLiteral("Imprimante"), 2);
    QVERIFY(!window.cancelled());
    QTest::mouseClick(window.abandonButton(), Qt::LeftButton);
    QVERIFY(window.cancelled());
    // Escape is the same as Abandon, not a silent close.
    PrintProgressWindow other;
    other.start(QStringLiteral("Doc"), QStringLiteral("Imprimante"), 2);
    QTest::keyClick(&other, Qt::Key_Escape);
    QVERIFY(other.cancelled());
}

void TestPreview::pageSetup_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

void TestPreview::pageSetup()
{
    QFETCH(bool, accept);
    Surface surface;
    const double a4Width = surface.PageWidth();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto answer = [accept](QPrinter &dialogPrinter, QWidget *) {
        dialogPrinter.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                                QMarginsF(20, 10, 20, 10),
                                                QPageLayout::Millimeter));
        return accept;
    };
    QCOMPARE(PageSetupDialog(surface, printer, nullptr, answer), accept);
    surface.setDocAction(Surface::NewDocument);
    if (!accept) {
        QCOMPARE(surface.PageWidth(), a4Width);
        return;
    }
    QCOMPARE(surface.PageOrientation(), int(Surface::Landscape));
    QVERIFY(qAbs(surface.MarginLeft() - 20 / 25.4 * 1440) < 1);
    // A builder's own orientation still wins; the paper stays A5.
    surface.setPageOrientation(Surface::Portrait);
    QVERIFY(qAbs(surface.PageWidth() - 148 / 25.4 * 1440) < 2);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
