// Each paragraph takes the properties in force at its "\par", however its text
// was written: in one piece, in many styles, or split by Qt at a paragraph
// separator inside the text.
#include "RtfTestDocument.h"

#include <QTest>

using namespace virelai;
using namespace virelai::test;

namespace {

// One block as the test sees it: its text, its alignment and whether its
// paragraph mark (the block's character format) is bold.
QString describe(const QTextBlock &block)
{
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    const QString align = alignment == Qt::AlignHCenter ? QStringLiteral("centre")
        : alignment == Qt::AlignRight                   ? QStringLiteral("right")
                                                        : QStringLiteral("left");
    const bool bold = block.charFormat().fontWeight() >= QFont::Bold;
    return block.text() + u'|' + align + (bold ? QStringLiteral("|bold") : QString());
}

QStringList describeBlocks(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << describe(block);
    return blocks;
}

// A paragraph whose style changes `count` times between italic and plain.
QString manyStyles(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("{\\i x}y");
    return text;
}

} // namespace

class TestRtfParagraphEnds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatsAtTheParagraphEnd_data();
    void formatsAtTheParagraphEnd();
    void manyStylesInOneParagraph_data();
    void manyStylesInOneParagraph();
};

void TestRtfParagraphEnds::formatsAtTheParagraphEnd_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("alignment set before the par")
        << "{\\rtf1 a\\qc\\par b\\par}" << QStringList {"a|centre", "b|centre", "|centre"};
    QTest::newRow("alignment reset after the par")
        << "{\\rtf1\\qc a\\par\\pard b\\par}" << QStringList {"a|centre", "b|left", "|left"};
    QTest::newRow("bold mark of a heading, plain body after it")
        << "{\\rtf1 {\\b Titre\\par}Corps\\par}"
        << QStringList {"Titre|left|bold", "Corps|left", "|left"};
    QTest::newRow("last paragraph keeps the mark of the par before, takes its text's alignment")
        << "{\\rtf1 {\\b a\\par}\\qr b}" << QStringList {"a|left|bold", "b|right|bold"};
    QTest::newRow("last paragraph without text keeps everything of the par before")
        << "{\\rtf1 {\\b\\qc a\\par}}" << QStringList {"a|centre|bold", "|centre|bold"};
    QTest::newRow("no par at all") << "{\\rtf1\\qc alone}" << QStringList {"alone|centre"};
    QTest::newRow("paragraph separator in the text splits the paragraph")
        << "{\\rtf1\\qc a\\u8233?b\\pard\\par c}" << QStringList {"a|centre", "b|left", "c|left"};
}

void TestRtfParagraphEnds::formatsAtTheParagraphEnd()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, expected);
    const ReadDocument read = readIntoDocument(rtf);
    QVERIFY(read.result.complete);
    QCOMPARE(describeBlocks(*read.document), expected);
}

void TestRtfParagraphEnds::manyStylesInOneParagraph_data()
{
    QTest::addColumn<int>("styleChanges");
    QTest::newRow("a few") << 3;
    QTest::newRow("a hundred") << 100;
    QTest::newRow("a thousand") << 1000;
}

// However many times the style changes, the text is whole and in order, and
// each paragraph gets the formats of its end; the last one, which no "\par"
// ends, keeps the bold mark of the one before.
void TestRtfParagraphEnds::manyStylesInOneParagraph()
{
    QFETCH(int, styleChanges);
    const QString styled = manyStyles(styleChanges);
    const ReadDocument read
        = readIntoDocument(QStringLiteral("{\\rtf1 a\\par ") + styled
                           + QStringLiteral("{\\b\\qc\\par}") + styled + QStringLiteral("}"));
    const QString text = QStringLiteral("xy").repeated(styleChanges);
    QCOMPARE(describeBlocks(*read.document),
             (QStringList {"a|left", text + "|centre|bold", text + "|left|bold"}));
    QVERIFY(formatOf(*read.document, QStringLiteral("x")).fontItalic());
    QVERIFY(!formatOf(*read.document, QStringLiteral("y")).fontItalic());
}

QTEST_MAIN(TestRtfParagraphEnds)
#include "tst_rtfparagraphends.moc"
