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
    void resizeAndDrops_data();
    void resizeAndDrops();
    void pixelsShareEdgesAndTwipsStayExact();
};

void WindowLayoutTest::resizeAndDrops_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QString>("drops"); // after the resize, in order: "preview X", "outline X"
    QTest::addColumn<QRectF>("preview");
    QTest::addColumn<QRectF>("outline");
    QTest::addColumn<QRectF>("legend");
    QTest::addColumn<QRectF>("bar");
    const QRectF outline(0, 0, 2565, 6570);
    const QRectF legend(0, 6570, 2535, 825);
    const QRectF bar(0, 0, 90, 7395);
    // clang-format off
    QTest::newRow("minimised 0 x 0") << 0.f << 0.f << "" << QRectF(0, 0, 1, 0) << QRectF(0, 0, 2565, 1) << QRectF(0, 1, 2535, 825) << QRectF(0, 0, 90, 1);
    QTest::newRow("height 825") << 5000.f << 825.f << "" << QRectF(0, 0, 5000, 825) << QRectF(0, 0, 2565, 1) << QRectF(0, 1, 2535, 825) << QRectF(0, 0, 90, 825);
    QTest::newRow("size at creation") << 9600.f << 7395.f << "" << QRectF(0, 0, 9600, 7395) << outline << legend << bar;
    QTest::newRow("drop on the preview at its own X") << 9600.f << 7395.f << "preview 3000" << QRectF(3000, 0, 6600, 7395) << outline << legend << bar;
    QTest::newRow("then on the outline pane") << 9600.f << 7395.f << "preview 3000 outline 1000" << QRectF(1000, 0, 8600, 7395) << outline << legend << bar;
    QTest::newRow("own X of a moved preview") << 9600.f << 7395.f << "outline 1000 preview 500" << QRectF(1500, 0, 8100, 7395) << outline << legend << bar;
    QTest::newRow("past the right edge") << 9600.f << 7395.f << "outline 12000" << QRectF(12000, 0, 1, 7395) << outline << legend << bar;
    // clang-format on
}

void WindowLayoutTest::resizeAndDrops()
{
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QString, drops);
    const ClientArea client {width, height};
    Form1Layout form;
    redim_ATX(form, client);
    const QStringList words = drops.split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        const auto drop = words[i] == "outline" ? Outline1_DragDrop : VSPrinter1_DragDrop;
        drop(form, client, words[i + 1].toFloat(), 0);
    }
    QTEST(rect(form.VSPrinter1), "preview");
    QTEST(rect(form.Outline1), "outline");
    QTEST(rect(form.Text1), "legend");
    QTEST(rect(form.Command1), "bar");
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
