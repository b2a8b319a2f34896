#include "app/window/WindowLayout.h"

#include <QTest>

using namespace virelai;

namespace {

QRectF rect(const ControlGeometry &g)
{
    return {g.Left, g.Top, g.Width, g.Height};
}

} // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resizeLaysOutEveryPane_data();
    void resizeLaysOutEveryPane();
    void dropsMoveOnlyThePreviewsLeftEdge();
    void pixelsShareEdgesAndTwipsStayExact();
};

void WindowLayoutTest::resizeLaysOutEveryPane_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QRectF>("preview");
    QTest::addColumn<QRectF>("outline");
    QTest::addColumn<QRectF>("legend");
    QTest::addColumn<QRectF>("bar");

    // clang-format off
    QTest::newRow("minimised 0 x 0") << 0.f << 0.f << QRectF(0, 0, 1, 0) << QRectF(0, 0, 2565, 1) << QRectF(0, 1, 2535, 825) << QRectF(0, 0, 90, 1);
    QTest::newRow("height 825") << 5000.f << 825.f << QRectF(0, 0, 5000, 825) << QRectF(0, 0, 2565, 1) << QRectF(0, 1, 2535, 825) << QRectF(0, 0, 90, 825);
    QTest::newRow("size at creation") << 9600.f << 7395.f << QRectF(0, 0, 9600, 7395) << QRectF(0, 0, 2565, 6570) << QRectF(0, 6570, 2535, 825) << QRectF(0, 0, 90, 7395);
    // clang-format on
}

void WindowLayoutTest::resizeLaysOutEveryPane()
{
    QFETCH(float, width);
    QFETCH(float, height);
    Form1Layout form;
    redim_ATX(form, {width, height});
    QTEST(rect(form.VSPrinter1), "preview");
    QTEST(rect(form.Outline1), "outline");
    QTEST(rect(form.Text1), "legend");
    QTEST(rect(form.Command1), "bar");
}

// The drag-and-drop sequence: a drop on the preview at its own X, then on the
// outline pane, one past the right edge, then a resize that puts the edge back
// at the bar.
void WindowLayoutTest::dropsMoveOnlyThePreviewsLeftEdge()
{
    const ClientArea client {9600, 7395};
    Form1Layout form;
    redim_ATX(form, client);
    VSPrinter1_DragDrop(form, client, 3000, 200);
    QCOMPARE(rect(form.VSPrinter1), QRectF(3000, 0, 6600, 7395));
    Outline1_DragDrop(form, client, 1000, 50);
    QCOMPARE(rect(form.VSPrinter1), QRectF(1000, 0, 8600, 7395));
    VSPrinter1_DragDrop(form, client, 500, 0); // the preview's own X: 1000 + 500
    QCOMPARE(rect(form.VSPrinter1), QRectF(1500, 0, 8100, 7395));
    QCOMPARE(rect(form.Command1), QRectF(0, 0, 90, 7395));
    Outline1_DragDrop(form, client, 12000, 0); // past the right edge
    QCOMPARE(rect(form.VSPrinter1), QRectF(12000, 0, 1, 7395));
    redim_ATX(form, client);
    QCOMPARE(rect(form.VSPrinter1), QRectF(0, 0, 9600, 7395));
}

void WindowLayoutTest::pixelsShareEdgesAndTwipsStayExact()
{
    // At 96 dpi one pixel is 15 twips: 2625 twips end where 2625 begins.
    const QRect outline = pixelRect({0, 0, 2625, 100}, 96, 96);
    const QRect preview = pixelRect({2625, 0, 6975, 100}, 96, 96);
    QCOMPARE(outline.right() + 1, preview.left());
    QCOMPARE(preview.left() + preview.width(), 640);
    // At 120 dpi 2625 twips are 218.75 pixels: the twips are kept, not the pixels.
    const ClientArea client = clientAreaFromPixels(800, 600, 120, 120);
    QCOMPARE(client.ScaleWidth, 9600.f);
    Form1Layout form;
    for (int i = 0; i < 50; ++i)
        VSPrinter1_DragDrop(form, client, 0, 0);
    QCOMPARE(form.VSPrinter1.Left, 2625.f);
}

QTEST_APPLESS_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
