// The category labels of the class-profile sample chart, whose names are wider
// than their slots: read back from the metafile's text records and from the PDF
// of a page that places the picture, no two labels on a line overlap, and each
// label is there whole or not at all, the first always.
#include "WmfRecords.h"
#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/files/AtomicFileWriter.h"
#include "chart/metafile/ChartMetafile.h"
#include "document/builders/PagePrimitives.h"
#include "document/metafile/MetafilePicture.h"
#include "document/rtf/RtfReader.h"
#include "document/surface/Surface.h"
#include "document/surface/Twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

namespace {

const QStringList Labels {"Lecture globale", "Chronologie", "Personnages", "Inférences", "Lexique"};

class DiscardingWriter : public FileWriter
{
public:
    std::optional<WriteFailure> writeWhole(const QString &, const QByteArray &) override
    {
        return std::nullopt;
    }
};

QByteArray profileMetafile()
{
    const QString data = QStringLiteral("1|2|5{Profil de la classe : textes narratifs}{Classe}"
                                        "{14.5,11,16,9.5,12}{0,102,204}{%1}{National}"
                                        "{13.8,12.4,15.1,11.2,12.9}{204,0,0}{%1}")
                             .arg(Labels.join(u','));
    TChart chart;
    DiscardingWriter writer;
    MajDataGraph(data, {2, "20", {}, {}}, chart, QStringLiteral("/x/"), writer);
    return chartMetafile(chart).value_or(QByteArray());
}

// A piece of text on the chart: its line (baseline or top) and its extent across.
struct Piece
{
    QString text;
    double line;
    double left;
    double right;
};

// Whole words of the labels, as a label's lines hold them.
bool isLabelPart(const QString &text)
{
    return std::any_of(Labels.begin(), Labels.end(), [&](const QString &label) {
        return label == text || label.startsWith(text + u' ') || label.endsWith(u' ' + text);
    });
}

QString overlapping(const QList<Piece> &pieces, double sameLine)
{
    for (qsizetype i = 0; i < pieces.size(); ++i)
        for (qsizetype j = i + 1; j < pieces.size(); ++j)
            if (qAbs(pieces[i].line - pieces[j].line) < sameLine && pieces[i].left < pieces[j].right
                && pieces[j].left < pieces[i].right)
                return pieces[i].text + QStringLiteral(" / ") + pieces[j].text;
    return {};
}

// Each label whole or absent, the first present.
QString wholeOrAbsent(const QList<Piece> &pieces)
{
    QString words;
    for (const Piece &piece : pieces)
        words += piece.text + u' ';
    for (const QString &label : Labels) {
        const QStringList parts = label.split(u' ');
        const qsizetype found = std::count_if(
            parts.begin(), parts.end(), [&](const QString &w) { return words.contains(w + u' '); });
        if (found != 0 && found != parts.size())
            return label + QStringLiteral(" is cut");
        if (label == Labels.front() && found == 0)
            return QStringLiteral("the first label is missing");
    }
    return {};
}

} // namespace

class TestChartLabels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void labelsApartInTheMetafile();
    void labelsApartOnThePage();
};

void TestChartLabels::labelsApartInTheMetafile()
{
    QString error;
    const QList<wmftest::Record> records = wmftest::records(profileMetafile(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // Ten units per pixel of the chart; labels in bold Arial of 13 pixels.
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(130);
    const QFontMetricsF metrics(font);
    QList<Piece> pieces;
    for (const wmftest::Record &record : records) {
        if (record.function != wmftest::TextOut)
            continue;
        const int length = record.word(0);
        const QString text = decodeWindows1252(record.parameters.mid(2, length));
        const int after = 1 + (length + 1) / 2;
        if (!isLabelPart(text))
            continue;
        const double x = record.signedWord(after + 1);
        pieces.push_back(
            {text, double(record.signedWord(after)), x, x + metrics.horizontalAdvance(text)});
    }
    QVERIFY(pieces.size() >= 2);
    QCOMPARE(overlapping(pieces, metrics.height() / 2), QString());
    QCOMPARE(wholeOrAbsent(pieces), QString());
}

void TestChartLabels::labelsApartOnThePage()
{
    const auto picture = metafilePictureFromBytes(profileMetafile());
    QVERIFY(picture);
    Surface surface;
    surface.setDocAction(Surface::NewDocument);
    PlaceImage(surface, 0, 28, 32, 23, 1, {}, [&](const QString &) { return picture; });
    surface.setDocAction(Surface::EndDocument);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profil.pdf"));
    QVERIFY(surface.writePdf(path));
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Piece> pieces;
    for (const auto &match : word.globalMatch(QString::fromUtf8(process.readAllStandardOutput())))
        if (isLabelPart(match.captured(4)))
            pieces.push_back({match.captured(4), match.captured(2).toDouble(),
                              match.captured(1).toDouble(), match.captured(3).toDouble()});
    QVERIFY(pieces.size() >= 2);
    QCOMPARE(overlapping(pieces, 2.0), QString());
    QCOMPARE(wholeOrAbsent(pieces), QString());
}

QTEST_MAIN(TestChartLabels)
#include "tst_chartlabels.moc"
