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
    void plainTextKeepsBlanks_data();
    void plainTextKeepsBlanks();
    void lineSpacingAppliesToBoth_data();
    void lineSpacingAppliesToBoth();
};

namespace {

TextRequest boldUnderlinedRed(const QString &text)
{
    TextRequest request;
    request.text = text;
    request.plainStyle.pointSize = 7;
    request.plainStyle.bold = true;
    request.plainStyle.underline = true;
    request.plainStyle.color = 192;
    request.width = 6000;
    return request;
}

QTextCharFormat firstCharFormat(const QTextDocument &document)
{
    const QTextBlock block = document.begin();
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid() && !it.fragment().text().trimmed().isEmpty())
            return it.fragment().charFormat();
    return {};
}

} // namespace

void TestSurfaceText::startingStyle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alwaysPlain");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<QColor>("color");
    // clang-format off
    QTest::newRow("plain text takes the surface style") << QStringLiteral("Proposition") << false << true << true << 7.0 << QColor(192, 0, 0);
    QTest::newRow("rtf group starts from rtf defaults") << QStringLiteral("{Lire chaque jour}") << false << false << false << 12.0 << QColor(Qt::black);
    QTest::newRow("paragraph text never reads rtf") << QStringLiteral("{\\b0 Trim}") << true << true << true << 7.0 << QColor(192, 0, 0);
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
    TextRequest request = boldUnderlinedRed(text);
    request.alwaysPlain = alwaysPlain;
    const ComposedText composed = composeText(request);
    const QTextCharFormat format = firstCharFormat(*composed.pieces.front());
    QCOMPARE(format.font().bold(), bold);
    QCOMPARE(format.font().underline(), underline);
    QCOMPARE(format.font().pointSizeF(), pointSize);
    const QColor actual = format.hasProperty(QTextFormat::ForegroundBrush)
        ? format.foreground().color()
        : QColor(Qt::black);
    QCOMPARE(actual, color);
    if (alwaysPlain)
        QCOMPARE(composed.pieces.front()->toPlainText(), text);
}

void TestSurfaceText::plainTextKeepsBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("pupil columns") << QStringLiteral("Alice\t\tx  x\r\nBob\t \tx") << QStringLiteral("Alice\t\tx  x\nBob\t \tx");
    QTest::newRow("trailing break") << QStringLiteral("a\r") << QStringLiteral("a\n");
    // clang-format on
}

void TestSurfaceText::plainTextKeepsBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TextRequest request = boldUnderlinedRed(text);
    request.alwaysPlain = true;
    QCOMPARE(composeText(request).pieces.front()->toPlainText(), expected);
}

void TestSurfaceText::lineSpacingAppliesToBoth_data()
{
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("plain") << QStringLiteral("une\rdeux");
    QTest::newRow("rtf") << QStringLiteral("{une\\par deux}");
    // clang-format on
}

void TestSurfaceText::lineSpacingAppliesToBoth()
{
    QFETCH(QString, text);
    TextRequest request = boldUnderlinedRed(text);
    request.lineSpacingPercent = 150;
    const ComposedText composed = composeText(request);
    for (QTextBlock block = composed.pieces.front()->begin(); block.isValid();
         block = block.next()) {
        QCOMPARE(block.blockFormat().lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(block.blockFormat().lineHeight(), 150.0);
    }
}

QTEST_MAIN(TestSurfaceText)
#include "tst_surfacetext.moc"
