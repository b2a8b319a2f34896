#include "MemoryWriter.h"
#include "WmfRecords.h"
#include "chart/MajDataGraph.h"
#include "chart/QBColor.h"
#include "chart/TChart.h"
#include "chart/files/AtomicFileWriter.h"
#include "chart/files/PicturesDirectory.h"
#include "support/FullDiskWriter.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

namespace {

const QString OneSeries = QStringLiteral("1|1|4{Titre}{Classe}{1,2,3,4}{255,0,0}{A,B,C,D}");
const QString TwoSeries = QStringLiteral("1|2|2{Titre}{Classe}{1,2}{255,0,0}{A,B}"
                                         "{Nationale}{3,4}{0,0,255}{A,B}");
const QString ThreeSeries = QStringLiteral("1|3|1{T}{S1}{1}{255,0,0}{A}{S2}{2}{0,255,0}{A}"
                                           "{S3}{3}{0,0,255}{A}");

QString chartsOfOneSeries(int count)
{
    QString text = QStringLiteral("%1|1|1{").arg(count);
    for (int k = 1; k <= count; ++k)
        text += QStringLiteral("Graphique %1}{S}{%1}{0,0,0}{A}{").arg(k);
    return text;
}

QList<QByteArray> textsOf(const QByteArray &file)
{
    QString error;
    return virelai::testing::texts(virelai::testing::records(file, &error));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMajDataGraph : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seriesSettings_data();
    void seriesSettings();
    void axisByType_data();
    void axisByType();
    void type10AxesFollowTheirCharts();
    void laterChartsRemoveExtraSeries();
    void typeOneWritesThreeFiles();
    void nothingWritten_data();
    void nothingWritten();
    void fullDiskKeepsPreviousPicture();
    void directoryInPlaceOfAPictureStopsOnlyThatChart();
    void picturesFolderChoice_data();
    void picturesFolderChoice();
};

void TestMajDataGraph::seriesSettings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<bool>>("marks");
    QTest::addColumn<QList<uint>>("pointColours");
    QTest::addColumn<QList<uint>>("seriesColours");
    const uint grey = QBColor(8);
    // clang-format off
    QTest::newRow("one series, grey bars") << OneSeries << 1 << QList<int> {95} << QList<bool> {false} << QList<uint> {grey} << QList<uint> {255};
    QTest::newRow("one series, type 10") << OneSeries << 10 << QList<int> {80} << QList<bool> {false} << QList<uint> {grey} << QList<uint> {255};
    QTest::newRow("two series, own colours") << TwoSeries << 1 << QList<int> {95, 25} << QList<bool> {false, true} << QList<uint> {255, 0xFF0000} << QList<uint> {255, 0xFF0000};
    QTest::newRow("two series, type 10") << TwoSeries << 10 << QList<int> {80, 40} << QList<bool> {false, true} << QList<uint> {255, 0xFF0000} << QList<uint> {255, 0xFF0000};
    QTest::newRow("three series, all grey") << ThreeSeries << 3 << QList<int> {95, 25, 95} << QList<bool> {false, true, false} << QList<uint> {grey, grey, grey} << QList<uint> {255, 0xFF00, 0xFF0000};
    // clang-format on
}

void TestMajDataGraph::seriesSettings()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QList<int>, widths);
    QFETCH(QList<bool>, marks);
    QFETCH(QList<uint>, pointColours);
    QFETCH(QList<uint>, seriesColours);
    TChart chart;
    MemoryWriter writer;
    const auto result = MajDataGraph(text, {qint16(type), "8", "", ""}, chart,
                                     QStringLiteral("/nowhere/"), writer);
    QVERIFY2(!result.failure, qPrintable(failureText(*result.failure)));
    QCOMPARE(int(chart.series.size()), widths.size());
    for (int m = 0; m < widths.size(); ++m) {
        const ChartSeries &series = chart.series[std::size_t(m)];
        QCOMPARE(series.BarWidthPercent, widths[m]);
        QCOMPARE(series.Marks.Visible, marks[m]);
        QCOMPARE(series.SeriesColor, seriesColours[m]);
        QCOMPARE(series.OffsetPercent, m == 0 ? -20 : 0);
        for (const ChartPoint &point : series.points)
            QCOMPARE(point.color, pointColours[m]);
    }
    if (chart.series.size() > 1) {
        QCOMPARE(chart.series[1].Marks.fontPointSize, 12);
        QCOMPARE(chart.series[1].Marks.fontColor, QBColor(1));
    }
}

void TestMajDataGraph::axisByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("param3");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("increment");
    QTest::addColumn<QString>("format");
    // clang-format off
    QTest::newRow("type 3, maximum 10") << 3 << "10" << 10.0 << 2.0 << "##0.0";
    QTest::newRow("type 2, empty Param3") << 2 << "" << 0.0 << 0.0 << "##0.0";
    QTest::newRow("type 4, maximum 16") << 4 << "16" << 16.0 << 4.0 << "##0.0";
    QTest::newRow("type 4, lenient maximum") << 4 << " 7.5 points" << 7.5 << 1.0 << "##0.0";
    QTest::newRow("type 1 keeps 4 by 1") << 1 << "10" << 4.0 << 1.0 << "##0";
    QTest::newRow("help type keeps 4 by 1") << 42 << "10" << 4.0 << 1.0 << "##0";
    // clang-format on
}

void TestMajDataGraph::axisByType()
{
    QFETCH(int, type);
    QFETCH(QString, param3);
    QFETCH(double, maximum);
    QFETCH(double, increment);
    QFETCH(QString, format);
    TChart chart;
    MemoryWriter writer;
    const ChartRequest request {qint16(type), param3, "", ""};
    QVERIFY(!MajDataGraph(OneSeries, request, chart, "/x/", writer).failure.has_value());
    QCOMPARE(chart.LeftAxis.Maximum, maximum);
    QCOMPARE(chart.LeftAxis.Increment, increment);
    QCOMPARE(chart.LeftAxis.AxisValuesFormat, format);
    QCOMPARE(writer.files.size(), std::size_t(1));
}

// Type 10: the first chart's axis from Param3, the second's from Param4, and any
// later chart, or later document, keeps the last one set.
void TestMajDataGraph::type10AxesFollowTheirCharts()
{
    TChart chart;
    MemoryWriter writer;
    const ChartRequest request {10, "20", "12", QStringLiteral("Légende des élèves")};
    const auto result = MajDataGraph(chartsOfOneSeries(3), request, chart, "/x/", writer);
    QCOMPARE(result.writtenPictures.keys(), (QList<int> {1, 2, 3}));
    const QList<QByteArray> first = textsOf(writer.files.at("mychart1.wmf"));
    for (const char *label : {"0", "5", "10", "15", "20", "L\xE9gende des \xE9l\xE8ves"})
        QVERIFY2(first.contains(QByteArray(label)), label);
    for (const char *file : {"mychart2.wmf", "mychart3.wmf"}) {
        const QList<QByteArray> later = textsOf(writer.files.at(file));
        QVERIFY(later.contains("9") && later.contains("12") && !later.contains("20"));
    }
    QVERIFY(!MajDataGraph(OneSeries, {1, "", "", ""}, chart, "/x/", writer).failure.has_value());
    QCOMPARE(chart.LeftAxis.Maximum, 12.0);
    QCOMPARE(chart.LeftAxis.Increment, 3.0);
    QCOMPARE(chart.Foot, request.Param5);
}

void TestMajDataGraph::laterChartsRemoveExtraSeries()
{
    TChart chart;
    MemoryWriter writer;
    QVERIFY(!MajDataGraph(ThreeSeries, {1, "", "", ""}, chart, "/x/", writer).failure.has_value());
    QVERIFY(!MajDataGraph(OneSeries, {1, "", "", ""}, chart, "/x/", writer).failure.has_value());
    QCOMPARE(chart.series.size(), std::size_t(1));
    QCOMPARE(chart.series[0].points.size(), std::size_t(4));
    QCOMPARE(chart.Title, QStringLiteral("Titre"));
}

void TestMajDataGraph::typeOneWritesThreeFiles()
{
    QTemporaryDir directory;
    AtomicFileWriter writer;
    TChart chart;
    const QString dir = directory.path() + u'/';
    const auto result = MajDataGraph(chartsOfOneSeries(3), {1, "", "", ""}, chart, dir, writer);
    QVERIFY2(!result.failure, qPrintable(failureText(*result.failure)));
    QCOMPARE(result.writtenPictures.keys(), (QList<int> {1, 2, 3}));
    for (int k = 1; k <= 3; ++k) {
        const QByteArray bytes = readAll(dir + QStringLiteral("mychart%1.wmf").arg(k));
        QCOMPARE(result.writtenPictures.value(k), bytes);
        QCOMPARE(virelai::testing::dwordAt(bytes, 0), 0x9AC6CDD7u);
        QVERIFY(textsOf(bytes).contains(QStringLiteral("Graphique %1").arg(k).toLatin1()));
    }
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 3); // no temporary file left behind
    const auto again = MajDataGraph(chartsOfOneSeries(3), {1, "", "", ""}, chart, dir, writer);
    QCOMPARE(again.writtenPictures, result.writtenPictures); // nothing of the moment in them
}

void TestMajDataGraph::nothingWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    // clang-format off
    QTest::newRow("refused data: the chart stays as it was") << "1|3|17{T}" << true;
    QTest::newRow("no charts in the clipboard") << "Dupont Marie" << false;
    // clang-format on
}

void TestMajDataGraph::nothingWritten()
{
    QFETCH(QString, text);
    TChart chart;
    chart.Title = QStringLiteral("avant");
    MemoryWriter writer;
    const auto result = MajDataGraph(text, {1, "", "", ""}, chart, "/x/", writer);
    QTEST(result.failure.has_value(), "refused");
    QVERIFY(result.writtenPictures.isEmpty());
    QVERIFY(writer.files.empty());
    QCOMPARE(chart.Title, QStringLiteral("avant"));
}

void TestMajDataGraph::fullDiskKeepsPreviousPicture()
{
    QTemporaryDir directory;
    const QString dir = directory.path() + u'/';
    TChart chart;
    AtomicFileWriter goodDisk;
    QVERIFY(!MajDataGraph(chartsOfOneSeries(2), {1, "", "", ""}, chart, dir, goodDisk)
                 .failure.has_value());
    const QByteArray before = readAll(dir + "mychart1.wmf");

    testing::FullDiskWriter fullDisk(64);
    const auto result = MajDataGraph(chartsOfOneSeries(2), {1, "", "", ""}, chart, dir, fullDisk);
    // Both charts struck by one cause: one line naming both, the cause in French.
    QCOMPARE(failureText(result.failure.value_or(ChartFailure {})),
             QStringLiteral("Impossible d'écrire les graphiques %1mychart1.wmf, %1mychart2.wmf : "
                            "le disque est plein")
                 .arg(dir));
    QVERIFY(result.writtenPictures.isEmpty());
    QCOMPARE(readAll(dir + "mychart1.wmf"), before);
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 2);
}

void TestMajDataGraph::directoryInPlaceOfAPictureStopsOnlyThatChart()
{
    QTemporaryDir directory;
    const QString dir = directory.path() + u'/';
    TChart chart;
    AtomicFileWriter writer;
    QVERIFY(QDir(dir).mkpath("mychart1.wmf/inside"));
    const auto result = MajDataGraph(chartsOfOneSeries(3), {1, "", "", ""}, chart, dir, writer);
    QCOMPARE(result.writtenPictures.keys(), (QList<int> {2, 3}));
    QCOMPARE(failureText(result.failure.value_or(ChartFailure {})),
             QStringLiteral("Impossible d'écrire le graphique %1mychart1.wmf : un dossier porte ce "
                            "nom")
                 .arg(dir));
    QVERIFY(QFileInfo(dir + "mychart1.wmf/inside").isDir());
    QCOMPARE(QDir(dir).entryList(QDir::Files), (QStringList {"mychart2.wmf", "mychart3.wmf"}));
}

// In the paths, T stands for a fresh temporary folder holding "programme/" (a
// directory), "fichier" (a regular file) and "home/", the user's home.
void TestMajDataGraph::picturesFolderChoice_data()
{
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("xdgCacheHome");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("unwritable");
    const QString app = QCoreApplication::applicationName();
    const QString neither
        = "ni le dossier du programme T/fichier/ ni le dossier de cache T/fichier/cache/" + app
        + " ne peuvent être écrits";
    // clang-format off
    QTest::newRow("program directory writable") << "T/programme/" << "T/cache" << "T/programme/" << "";
    QTest::newRow("program directory missing: the cache") << "T/absent/" << "T/cache" << "T/cache/" + app + "/" << "";
    QTest::newRow("relative XDG_CACHE_HOME ignored") << "T/absent/" << "relatif" << "T/home/.cache/" + app + "/" << "";
    QTest::newRow("neither can be written") << "T/fichier/" << "T/fichier/cache" << "T/fichier/" << neither;
    // clang-format on
}

void TestMajDataGraph::picturesFolderChoice()
{
    QFETCH(QString, chemin);
    QFETCH(QString, xdgCacheHome);
    QFETCH(QString, folder);
    QFETCH(QString, unwritable);
    QTemporaryDir temporary;
    const QString t = temporary.path();
    QVERIFY(QDir(t).mkpath("programme") && QDir(t).mkpath("home") && QDir(t).mkpath("appel"));
    QFile file(t + "/fichier");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME");
    const QString caller = QDir::currentPath();
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        qputenv("XDG_CACHE_HOME", xdg);
        QDir::setCurrent(caller);
    });
    qputenv("HOME", QFile::encodeName(t + "/home"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(QString(xdgCacheHome).replace("T/", t + '/')));
    QDir::setCurrent(t + "/appel"); // the caller's working directory stays untouched

    const PicturesFolder chosen = picturesFolder(chemin.replace("T/", t + '/'));
    QCOMPARE(chosen.path, folder.replace("T/", t + '/'));
    QCOMPARE(chosen.unwritable.value_or(QString()), unwritable.replace("T/", t + '/'));
    QCOMPARE(chosen.unwritable.has_value(), !unwritable.isEmpty());
    QVERIFY(unwritable.isEmpty() == QFileInfo(chosen.path).isDir());
    QVERIFY(QDir(t + "/appel").isEmpty());
}

QTEST_MAIN(TestMajDataGraph)
#include "tst_majdatagraph.moc"
