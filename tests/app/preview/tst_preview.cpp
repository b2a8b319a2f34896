#include "app/preview/DocumentPrinting.h"
#include "app/preview/PreviewLayout.h"
#include "app/preview/PreviewWidget.h"
#include "app/preview/PrintProgressWindow.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "support/PdfText.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace virelai;
using namespace virelai::testing;

// The preview window's parts: page layout for each zoom, printing with its
// progress window.
class TestPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zoomLayout_data();
    void zoomLayout();
    void zoomAsInViewers_data();
    void zoomAsInViewers();
    void thumbnailClickThenRebuild();
    void printing_data();
    void printing();
    void progressWindow();
};

namespace {

const QSizeF A4Twips(11906, 16838);

// A progress that gives up once page cancelAtPage is about to be printed.
struct ScriptedProgress : PrintProgress
{
    void start(const QString &document, const QString &printer, int pages) override
    {
        started = QStringList {document, printer, QString::number(pages)};
    }
    void showPage(int page) override { atCancelledPage = page == cancelAtPage; }
    bool cancelled() const override { return atCancelledPage; }
    void finish() override { finished = true; }

    int cancelAtPage = 0;
    bool atCancelledPage = false;
    QStringList started;
    bool finished = false;
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
                        surface.MarginTop(), width, height, Surface::TextBoxOption::Wrap);
    surface.setDocAction(Surface::EndDocument);
}

// The choices of the printer dialog, written as words: the pages first
// ("2-3", "1,3"), then "copies", "uncollated", "reverse".
void choosePages(QPrinter &printer, const QString &choice)
{
    const QStringList words = choice.split(' ', Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString(words.front()));
    }
    printer.setCopyCount(words.contains("copies") ? 2 : 1);
    printer.setCollateCopies(!words.contains("uncollated"));
    if (words.contains("reverse"))
        printer.setPageOrder(QPrinter::LastPageFirst);
}

// Where the page under a viewport point is, in fractions of that page.
QPointF pageFractionAt(const PreviewWidget &preview, const QPointF &point)
{
    for (const QRectF &rect : preview.visiblePageRects()) {
        if (rect.contains(point))
            return {(point.x() - rect.left()) / rect.width(),
                    (point.y() - rect.top()) / rect.height()};
    }
    return {-1, -1};
}

void sendWheel(QWidget *viewport, const QPoint &position, int angle, Qt::KeyboardModifiers keys)
{
    QWheelEvent wheel(position, viewport->mapToGlobal(position), QPoint(), QPoint(0, angle),
                      Qt::NoButton, keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

} // namespace

void TestPreview::zoomLayout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSizeF>("viewport");
    QTest::addColumn<int>("pagesOnFirstRow");
    // clang-format off
    QTest::newRow("whole page") << int(ZoomMode::WholePage) << QSizeF(800, 600) << 1;
    QTest::newRow("page width") << int(ZoomMode::PageWidth) << QSizeF(800, 600) << 1;
    QTest::newRow("two pages") << int(ZoomMode::TwoPages) << QSizeF(800, 600) << 2;
    QTest::newRow("thumbnails, five in 1000 pixels") << int(ZoomMode::Thumbnails) << QSizeF(1000, 600) << 5;
    // clang-format on
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
    QCOMPARE(onFirstRow, pagesOnFirstRow);
    const QRectF first = layout.pageRects.front();
    const QRectF row = first.united(layout.pageRects[onFirstRow - 1]);
    QVERIFY(row.left() >= 0 && row.right() <= viewport.width());
    if (ZoomMode(mode) == ZoomMode::PageWidth)
        QVERIFY(first.width() > viewport.width() - 30);
    else if (ZoomMode(mode) != ZoomMode::Thumbnails)
        QVERIFY(first.bottom() <= viewport.height());
}

void TestPreview::zoomAsInViewers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expectedPercent"); // 0: back to the page width
    // clang-format off
    QTest::newRow("Ctrl+plus") << "Ctrl++" << 33;
    QTest::newRow("Ctrl+plus four times") << "Ctrl++ Ctrl++ Ctrl++ Ctrl++" << 75;
    QTest::newRow("Ctrl+plus never past 400 %") << QString("Ctrl++ ").repeated(12).trimmed() << 400;
    QTest::newRow("Ctrl+wheel by halves of a notch") << "wheel+ctrl 60 60 60" << 33;
    QTest::newRow("wheel alone scrolls") << "wheel -120" << 25;
    QTest::newRow("Ctrl+0 returns to the page width") << "Ctrl++ Ctrl+0" << 0;
    // clang-format on
}

// The zoom changes by steps, keeping the page line under the pointer (the
// wheel) or at the view's centre (the keys) where it was.
void TestPreview::zoomAsInViewers()
{
    QFETCH(QString, action);
    QFETCH(int, expectedPercent);
    Surface surface;
    buildPages(surface, 2);
    PreviewWidget preview(surface);
    preview.resize(700, 500);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const double pageWidth = preview.zoomPercent();
    for (int step = 0; step < 12; ++step) // more steps than down to 25 %: it stays there
        QTest::keySequence(&preview, QKeySequence(QStringLiteral("Ctrl+-")));
    QCOMPARE(qRound(preview.zoomPercent()), 25);
    const QPoint pointer(300, 100);
    const bool wheel = action.startsWith("wheel");
    const QPointF anchor = wheel ? QPointF(pointer) : QRectF(preview.viewport()->rect()).center();
    const QPointF before = pageFractionAt(preview, anchor);
    QVERIFY(before.y() >= 0);
    const QStringList words = action.split(' ');
    if (wheel) {
        const auto keys = words[0] == "wheel+ctrl" ? Qt::ControlModifier : Qt::NoModifier;
        for (const QString &angle : words.mid(1))
            sendWheel(preview.viewport(), pointer, angle.toInt(), keys);
    } else {
        for (const QString &keys : words)
            QTest::keySequence(&preview, QKeySequence(keys));
    }
    if (expectedPercent == 0) {
        QCOMPARE(preview.zoomMode(), ZoomMode::PageWidth);
        QCOMPARE(preview.zoomPercent(), pageWidth);
        return;
    }
    QCOMPARE(qRound(preview.zoomPercent()), expectedPercent);
    if (words[0] == "wheel") {
        QVERIFY(preview.verticalScrollBar()->value() > 0);
        return;
    }
    const double pageHeight = preview.visiblePageRects().front().height();
    QVERIFY2(qAbs(pageFractionAt(preview, anchor).y() - before.y()) * pageHeight < 2,
             "the page line at the anchor moved");
}

// A thumbnail opens its page; a new build keeps the zoom and the place, and
// the preview shows no unfinished build.
void TestPreview::thumbnailClickThenRebuild()
{
    Surface surface;
    buildPages(surface, 7);
    PreviewWidget preview(surface);
    preview.resize(700, 600);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.zoomActions().at(int(ZoomMode::Thumbnails))->trigger(); // the context menu's choice
    const QRectF fifth = preview.visiblePageRects().at(4);
    QVERIFY(preview.viewport()->rect().contains(fifth.center().toPoint()));
    QTest::mouseClick(preview.viewport(), Qt::LeftButton, {}, fifth.center().toPoint());
    QCOMPARE(preview.zoomMode(), ZoomMode::PageWidth);
    QVERIFY(preview.zoomActions().at(int(ZoomMode::PageWidth))->isChecked());
    QCOMPARE(preview.currentPage(), 4);
    QVERIFY(qAbs(preview.visiblePageRects().at(4).top() - PreviewGap) <= 1);

    preview.zoomBy(2, {});
    const double percent = preview.zoomPercent();
    const QRectF shown = preview.visiblePageRects().at(4);
    surface.setDocAction(Surface::NewDocument);
    QCOMPARE(preview.visiblePageRects().size(), size_t(7));
    buildPages(surface, 7);
    QCOMPARE(preview.zoomMode(), ZoomMode::Custom);
    QCOMPARE(preview.zoomPercent(), percent);
    QCOMPARE(preview.visiblePageRects().at(4), shown);
}

void TestPreview::printing_data()
{
    QTest::addColumn<QString>("choice"); // as made in the printer dialog
    QTest::addColumn<int>("cancelAtSheet");
    QTest::addColumn<QString>("footersPrinted"); // in order; for abandons, how many sheets
    // clang-format off
    QTest::newRow("whole document") << "" << 0 << "-1- -2- -3-";
    QTest::newRow("abandon before sheet 2") << "" << 2 << "1";
    QTest::newRow("pages 2 to 3") << "2-3" << 0 << "-2- -3-";
    QTest::newRow("a list of pages") << "1,3" << 0 << "-1- -3-";
    QTest::newRow("two copies, collated") << "1-2 copies" << 0 << "-1- -2- -1- -2-";
    QTest::newRow("two copies, uncollated, last page first") << "1-2 copies uncollated reverse" << 0 << "-2- -2- -1- -1-";
    QTest::newRow("pages beyond the document") << "5-6" << 0 << "";
    // clang-format on
}

void TestPreview::printing()
{
    QFETCH(QString, choice);
    QFETCH(int, cancelAtSheet);
    QFETCH(QString, footersPrinted);
    QTemporaryDir dir;
    Surface surface;
    buildPages(surface, 3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("imprime.pdf")));
    choosePages(printer, choice);
    ScriptedProgress progress;
    progress.cancelAtPage = cancelAtSheet;
    const PrintOutcome outcome
        = printDocument(*surface.shownDocument(), printer, progress, QStringLiteral("Moyenne"));
    QCOMPARE(outcome.end == PrintEnd::Cancelled, cancelAtSheet > 0);
    if (cancelAtSheet > 0) {
        QCOMPARE(outcome.pagesPrinted, footersPrinted.toInt());
        QVERIFY(progress.finished);
        return;
    }
    const QStringList footers = footersPrinted.split(' ', Qt::SkipEmptyParts);
    QCOMPARE(outcome.pagesPrinted, int(footers.size()));
    QCOMPARE(outcome.end == PrintEnd::NoPageChosen, footers.isEmpty());
    if (footers.isEmpty())
        return;
    QCOMPARE(progress.started,
             (QStringList {QStringLiteral("Moyenne"), QStringLiteral("imprime.pdf"),
                           QString::number(footers.size())}));
    QVERIFY(progress.finished);
    QStringList printed;
    const QString text = pdfText(printer.outputFileName());
    for (const QRegularExpressionMatch &footer :
         QRegularExpression(QStringLiteral("-\\d+-")).globalMatch(text))
        printed << footer.captured();
    QCOMPARE(printed, footers);
}

// Abandon and Escape both cancel: Escape is no silent close.
void TestPreview::progressWindow()
{
    for (const bool escape : {false, true}) {
        PrintProgressWindow window;
        window.start(QStringLiteral("Moyenne de la classe"), QStringLiteral("Bureau"), 3);
        window.showPage(2);
        QCOMPARE(window.documentLine(), QStringLiteral("de Moyenne de la classe sur Bureau"));
        QCOMPARE(window.pageLine(), QStringLiteral("Page 2 de 3"));
        QVERIFY(!window.cancelled());
        if (escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(window.abandonButton(), Qt::LeftButton);
        QVERIFY2(window.cancelled(), escape ? "Escape" : "Abandon");
    }
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
