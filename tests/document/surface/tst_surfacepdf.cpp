#include "SurfaceTestSupport.h"
#include "document/builders/PagePrimitives.h"
#include "document/surface/Surface.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

// Pages composed the way the document builders do, written to PDF and read
// back with pdftotext.
class TestSurfacePdf : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void builderLikePageReadsRight_data();
    void builderLikePageReadsRight();
    void footerOnEveryPage();
    void emptySurfaceWritesNothing();

private:
    QTemporaryDir m_dir;
};

namespace {

const QString Heading = QStringLiteral(
    "{\\colortbl ;\\red0\\green0\\blue255;}{\\cf1\\fs36\\b\\qc {\\fs40 Moyenne de la "
    "classe\\par\\cf0\\fs36 Suggestions P\\'e9dagogiques}\\par\\par }");
const QString Explication = QStringLiteral(
    "{\\b0 Le graphique compare les r\\'e9sultats de la classe aux r\\'e9sultats nationaux.}");
const QString Suggestion = QStringLiteral(
    "{\\rtf1\\ansi {\\b Lire chaque jour} un texte court et en parler ensemble.\\par}");
const QString Rappel = QStringLiteral("{\\i Rappel : relire la consigne avant de commencer.}");
const QString Footer = QStringLiteral(
    "{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions p\\'e9dagogiques du : 05-12-2026 \\'e0 09:05 "
    "\\par\\fs12\\i Document r\\'e9alis\\'e9 par le logiciel 'Virelai' V2.1.0 contact}");

// A chart stand-in that writes its own caption, so the PDF shows where it is.
class CaptionPicture : public PagePicture
{
public:
    explicit CaptionPicture(QString caption)
        : m_caption(std::move(caption))
    { }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.setPen(Qt::black);
        painter.drawRect(target);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qMax(1, int(target.height() / 8)));
        painter.setFont(font);
        painter.drawText(target, Qt::AlignCenter, m_caption);
    }

private:
    QString m_caption;
};

void composeClassAveragePage(Surface &surface, const QString &rappel)
{
    const PictureLoader charts = [](const QString &path) {
        return std::make_shared<CaptionPicture>(
            QStringLiteral("Graphique ") + path.mid(path.indexOf(QStringLiteral("mychart"))));
    };
    surface.setPageOrientation(Surface::Portrait);
    surface.setDocAction(Surface::NewDocument);
    surface.setRichText(Heading);
    surface.setRichText(Explication);
    surface.setLineSpacing(150);
    PlaceCurseur(surface, 0, 50);
    surface.setFontBold(true);
    surface.setFontUnderline(true);
    const quint32 colour = surface.TextColor();
    surface.setTextColor(192);
    surface.setParagraphText(QStringLiteral("Proposition"));
    surface.setTextColor(colour);
    PlaceCurseur(surface, 0, 55);
    CadreBlanc(surface, 100, 0, Suggestion);
    surface.setLineSpacing(100);
    PlaceCurseur(surface, 0, 77);
    if (!rappel.isEmpty())
        CadreGris(surface, 100, 0, rappel);
    for (int n = 1; n <= 3; ++n)
        PlaceImage(surface, 33 * (n - 1), 20, 32, 23, n, QStringLiteral("/virelai/"), charts);
    surface.setFooterText(Footer);
    surface.setDocAction(Surface::EndDocument);
}

// Positions of the texts, in reading order; -1 when missing.
QList<qsizetype> positionsOf(const QString &text, const QStringList &parts)
{
    QList<qsizetype> positions;
    for (const QString &part : parts)
        positions << text.indexOf(part);
    return positions;
}

} // namespace

void TestSurfacePdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestSurfacePdf::builderLikePageReadsRight_data()
{
    QTest::addColumn<QString>("rappel");
    QTest::addColumn<QStringList>("expectedInOrder");
    const QStringList common {QStringLiteral("Moyenne de la classe"),
                              QStringLiteral("Suggestions Pédagogiques"),
                              QStringLiteral("compare les résultats de la classe"),
                              QStringLiteral("Graphique mychart1.wmf"),
                              QStringLiteral("Proposition"),
                              QStringLiteral("Lire chaque jour un texte court")};
    QTest::newRow("with reminder") << Rappel
                                   << common
            + QStringList {QStringLiteral("Rappel : relire la consigne"), QStringLiteral("-1-"),
                           QStringLiteral("Suggestions pédagogiques du : 05-12-2026 à 09:05"),
                           QStringLiteral("Document réalisé par le logiciel 'Virelai' V2.1.0")};
    QTest::newRow("without reminder") << QString() << common + QStringList {QStringLiteral("-1-")};
}

void TestSurfacePdf::builderLikePageReadsRight()
{
    QFETCH(QString, rappel);
    QFETCH(QStringList, expectedInOrder);
    Surface surface;
    composeClassAveragePage(surface, rappel);
    QCOMPARE(surface.pageCount(), 1);
    const QString path = m_dir.filePath(QStringLiteral("moyenne.pdf"));
    QVERIFY(surface.writePdf(path));
    const QString text = pdfText(path);
    const QList<qsizetype> positions = positionsOf(text, expectedInOrder);
    for (qsizetype i = 0; i < positions.size(); ++i) {
        QVERIFY2(positions[i] >= 0, qPrintable(expectedInOrder[i] + QStringLiteral("\n") + text));
        if (i > 0)
            QVERIFY2(positions[i] > positions[i - 1], qPrintable(expectedInOrder[i]));
    }
    QVERIFY(text.contains(QStringLiteral("Graphique mychart3.wmf")));
    QCOMPARE(text.contains(QStringLiteral("Rappel")), !rappel.isEmpty());
}

void TestSurfacePdf::footerOnEveryPage()
{
    Surface surface;
    surface.setDocAction(Surface::NewDocument);
    QString help = QStringLiteral("{\\rtf1\\ansi ");
    for (int i = 1; i <= 130; ++i)
        help += QStringLiteral("Ligne %1 du fichier d'aide.\\par ").arg(i);
    surface.setRichText(help + QLatin1Char('}'));
    surface.setFooterText(Footer);
    surface.setDocAction(Surface::EndDocument);
    QCOMPARE(surface.pageCount(), 3);
    const QString path = m_dir.filePath(QStringLiteral("aide.pdf"));
    QVERIFY(surface.writePdf(path));
    for (int page = 1; page <= 3; ++page) {
        const QString text = pdfText(path, page);
        QVERIFY2(text.contains(QStringLiteral("-%1-").arg(page)), qPrintable(text));
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("-\\d-"))), 1);
        QVERIFY(text.contains(QStringLiteral("Suggestions pédagogiques du")));
    }
    // Every line is printed once, none lost at a page break.
    const QString all = pdfText(path);
    for (int i = 1; i <= 130; ++i)
        QCOMPARE(all.count(QStringLiteral("Ligne %1 du").arg(i)), 1);
}

void TestSurfacePdf::emptySurfaceWritesNothing()
{
    Surface surface;
    QVERIFY(!surface.writePdf(m_dir.filePath(QStringLiteral("vide.pdf"))));
}

QTEST_MAIN(TestSurfacePdf)
#include "tst_surfacepdf.moc"
