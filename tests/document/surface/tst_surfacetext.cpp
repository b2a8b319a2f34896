#include "document/surface/TextComposer.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace virelai;

// How texts become laid-out documents: which are RTF, which style each kind
// starts from, and what plain text keeps.
class TestSurfaceText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startingStyle_data();
    void startingStyle();
};

namespace {

QTextCharFormat firstCharFormat(const QTextDocument &document)
{
    const QTextBlock block = document.begin();
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid() && !it.fragment().text().trimmed().isEmpty())
            return it.fragment().charFormat();
    return {};
}

} // namespace

// The surface's style is bold, underlined, red, 7 points, at a line spacing of
// 150 %; paragraph text keeps its blanks, with one break per line end.
void TestSurfaceText::startingStyle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alwaysPlain");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("plainText"); // of paragraph text
    // clang-format off
    QTest::newRow("plain text takes the surface style") << QStringLiteral("Proposition\rsuite") << false << true << true << 7.0 << QColor(192, 0, 0) << QString();
    QTest::newRow("rtf group starts from rtf defaults") << QStringLiteral("{Lire chaque jour\\par suite}") << false << false << false << 12.0 << QColor(Qt::black) << QString();
    QTest::newRow("paragraph text never reads rtf") << QStringLiteral("{\\b0 Trim}\t\tx  x\r\nBob\t \tx") << true << true << true << 7.0 << QColor(192, 0, 0) << QStringLiteral("{\\b0 Trim}\t\tx  x\nBob\t \tx");
    QTest::newRow("trailing break") << QStringLiteral("a\r") << true << true << true << 7.0 << QColor(192, 0, 0) << QStringLiteral("a\n");
    // clang-format on
}

void TestSurfaceText::startingStyle()
{
    QFETCH(QString, text);
    QFETCH(bool, alwaysPlain);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(double, pointSize);
    QFETCH(QColor, color);
    QFETCH(QString, plainText);
    TextRequest request;
    request.text = text;
    request.alwaysPlain = alwaysPlain;
    request.plainStyle.pointSize = 7;
    request.plainStyle.bold = true;
    request.plainStyle.underline = true;
    request.plainStyle.color = 192;
    request.width = 6000;
    request.lineSpacingPercent = 150;
    const ComposedText composed = composeText(request);
    const QTextDocument &document = *composed.pieces.front();
    const QTextCharFormat format = firstCharFormat(document);
    QCOMPARE(format.font().bold(), bold);
    QCOMPARE(format.font().underline(), underline);
    QCOMPARE(format.font().pointSizeF(), pointSize);
    const QColor actual = format.hasProperty(QTextFormat::ForegroundBrush)
        ? format.foreground().color()
        : QColor(Qt::black);
    QCOMPARE(actual, color);
    if (alwaysPlain)
        QCOMPARE(document.toPlainText(), plainText);
    QVERIFY(document.blockCount() > 1);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(block.blockFormat().lineHeight(), 150.0);
    }
}

QTEST_MAIN(TestSurfaceText)
#include "tst_surfacetext.moc"
