#include "chart/data/DataGraph.h"

#include <QLocale>
#include <QTest>

using namespace virelai;

namespace {

const SerieBlock &serieOf(const DataGraph &data, int chart, int serie)
{
    return data.charts.at(std::size_t(chart)).series.at(std::size_t(serie));
}

std::optional<DataGraph> accepted(const QString &text)
{
    const DataGraphReading reading = readDataGraph(text);
    if (!reading)
        qWarning("%s", qPrintable(refusalText(reading.failure())));
    return reading ? std::optional(reading.value()) : std::nullopt;
}

} // namespace

class TestDataGraph : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A French desktop writes "1,5": the reading must not follow it.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void counts_data();
    void counts();
    void seriesFields_data();
    void seriesFields();
    void colours_data();
    void colours();
    void refusedTexts_data();
    void refusedTexts();
    void acceptedHostileTexts_data();
    void acceptedHostileTexts();
};

void TestDataGraph::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("nbGraph");
    QTest::addColumn<int>("nbSerie");
    QTest::addColumn<int>("nbPoint");
    // clang-format off
    QTest::newRow("empty clipboard") << "" << 0 << 0 << 0;
    QTest::newRow("no vertical bar") << "liste d'élèves\tNote" << 0 << 0 << 0;
    QTest::newRow("no opening brace") << "0|2|" << 0 << 2 << 0;
    QTest::newRow("blanks around counts") << " 1 |\t2 | 3 {T}" << 1 << 2 << 3;
    QTest::newRow("plus sign") << "+1|1|1{T}" << 1 << 1 << 1;
    // clang-format on
}

void TestDataGraph::counts()
{
    QFETCH(QString, text);
    const auto data = accepted(text);
    QVERIFY(data);
    QTEST(int(data->nbGraph), "nbGraph");
    QTEST(int(data->nbSerie), "nbSerie");
    QTEST(int(data->nbPoint), "nbPoint");
    QCOMPARE(int(data->charts.size()), int(data->nbGraph));
}

// One series of one chart, all its fields. Later charts reuse the counts and the
// slots; only one character is skipped after "}", and a block short of items takes
// them from the blocks after it, so that every later field moves.
void TestDataGraph::seriesFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("chart");
    QTest::addColumn<int>("serie");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QStringList>("labels");
    const QString twoByTwo = "2|2|2{C1}{S1}{1,2}{1,0,0}{a,b}{S2}{3,4}{2,0,0}{c,d}{C2}{S3}{5,6}{3,0,"
                             "0}{e,f}{S4}{7,8}{4,0,0}{g,h}";
    // clang-format off
    QTest::newRow("the format's example") << "1|1|2{T}{S}{1.5,3}{255,0,0}{A,B}" << 0 << 0 << "T" << "S" << QList<float> {1.5f, 3} << 255u << QStringList {"A", "B"};
    QTest::newRow("texts kept exactly") << "1|1|2{ Élèves  }{ Classe œ }{1,2}{0,0,0}{ CE1 ,}" << 0 << 0 << " Élèves  " << " Classe œ " << QList<float> {1, 2} << 0u << QStringList {" CE1 ", ""};
    QTest::newRow("comma decimal splits the number") << "1|1|2{T}{S}{2,5,3}{0,0,0}{A,B}" << 0 << 0 << "T" << "S" << QList<float> {2, 5} << 0u << QStringList {"A", "B"};
    QTest::newRow("first chart, second series") << twoByTwo << 0 << 1 << "C1" << "S2" << QList<float> {3, 4} << 2u << QStringList {"c", "d"};
    QTest::newRow("second chart, second series") << twoByTwo << 1 << 1 << "C2" << "S4" << QList<float> {7, 8} << 4u << QStringList {"g", "h"};
    QTest::newRow("more charts than blocks: the fields stay") << "3|1|2{T}{S}{1,2}{10,20,30}{A,B}" << 2 << 0 << "T" << "S" << QList<float> {1, 2} << 0x1E140Au << QStringList {"A", "B"};
    QTest::newRow("line break between blocks starts the name") << "1|1|1{T}\r\n{S}{4}{0,0,0}{A}" << 0 << 0 << "T" << "\n{S" << QList<float> {4} << 0u << QStringList {"A"};
    QTest::newRow("values one short: labels read as colour") << "1|1|3{T}{S}{1,2}{9,8,7}{A,B,C}" << 0 << 0 << "T" << "S" << QList<float> {1, 2, 8} << 0u << QStringList {"", "", ""};
    // clang-format on
}

void TestDataGraph::seriesFields()
{
    QFETCH(QString, text);
    QFETCH(int, chart);
    QFETCH(int, serie);
    const auto data = accepted(text);
    QVERIFY(data && int(data->charts.size()) > chart);
    const SerieBlock &block = serieOf(*data, chart, serie);
    QTEST(data->charts[std::size_t(chart)].titreGraph, "title");
    QTEST(block.nomSerie, "name");
    QTEST(QList<float>(block.values.begin(), block.values.end()), "values");
    QTEST(block.couleur, "colour");
    QTEST(QStringList(block.labels.begin(), block.labels.end()), "labels");
}

// Components are rounded half to even, then must lie in 0..255.
void TestDataGraph::colours_data()
{
    QTest::addColumn<QString>("components");
    QTest::addColumn<uint>("colour");
    // clang-format off
    QTest::newRow("red, green and blue in their bytes") << "1,2,3" << 0x030201u;
    QTest::newRow("halves go to even") << "0.5,1.5,2.5" << 0x020200u;
    QTest::newRow("above half rounds up") << "127.6,0,0" << 128u;
    QTest::newRow("255.4 stays in range") << "255.4,0,0" << 255u;
    QTest::newRow("minus 0.4 is 0") << "-0.4,0,0" << 0u;
    // clang-format on
}

void TestDataGraph::colours()
{
    QFETCH(QString, components);
    const auto data = accepted(QStringLiteral("1|1|1{T}{S}{1}{%1}{A}").arg(components));
    QVERIFY(data && !data->charts.empty());
    QTEST(serieOf(*data, 0, 0).couleur, "colour");
}

void TestDataGraph::refusedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messagePart");
    const QString block = QStringLiteral("{T}{S}{1}{0,0,0}{A}");
    // clang-format off
    QTest::newRow("51 slots") << "1|3|17{" << "50 valeurs";
    QTest::newRow("51 points") << "1|1|51{" << "50 valeurs";
    QTest::newRow("series times points overflows") << "1|30000|30000{" << "50 valeurs";
    QTest::newRow("65 charts") << "65|1|1{" << "64 graphiques";
    QTest::newRow("32766 characters") << QString(32766, u'|') << "32 766";
    QTest::newRow("count 2.5") << "2.5|1|1{" + block << "nombre entier";
    QTest::newRow("empty count") << "|1|1{" + block << "nombre entier";
    QTest::newRow("negative chart count") << "-1|1|1{" + block << "nombre entier";
    QTest::newRow("count beyond 32 bits") << "0|99999999999|1{" << "nombre entier";
    QTest::newRow("no series") << "1|0|1{" + block << "aucune série";
    QTest::newRow("negative points") << "1|1|-3{" + block << "aucune série";
    QTest::newRow("missing point count") << "1|1|1" << "aucune série";
    QTest::newRow("colour 256") << "1|1|1{T}{S}{1}{256,0,0}{A}" << "0 à 255";
    QTest::newRow("colour -1") << "1|1|1{T}{S}{1}{0,-1,0}{A}" << "0 à 255";
    QTest::newRow("colour 255.5 rounds to 256") << "1|1|1{T}{S}{1}{0,0,255.5}{A}" << "0 à 255";
    QTest::newRow("colour overflowing to infinity") << "1|1|1{T}{S}{1}{1e999,0,0}{A}" << "0 à 255";
    QTest::newRow("bad colour in the last chart") << "2|1|1{T}{S}{1}{1,2,3}{A}{T}{S}{1}{1,2,300}{A}" << "0 à 255";
    // clang-format on
}

void TestDataGraph::refusedTexts()
{
    QFETCH(QString, messagePart);
    QFETCH(QString, text);
    const DataGraphReading reading = readDataGraph(text);
    QVERIFY(!reading);
    const QString refusal = refusalText(reading.failure());
    QVERIFY2(refusal.contains(messagePart), qPrintable(refusal));
    QVERIFY(refusal.startsWith(QStringLiteral("Données des graphiques refusées")));
}

void TestDataGraph::acceptedHostileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("charts");
    QTest::addColumn<float>("firstValue");
    const QString nul(QChar(0));
    const float infinity = std::numeric_limits<float>::infinity();
    // clang-format off
    QTest::newRow("exactly 50 slots") << "1|5|10{" << 1 << 0.0f;
    QTest::newRow("exactly 64 charts") << "64|1|1{T}{S}{3}{0,0,0}{A}" << 64 << 3.0f;
    QTest::newRow("32765 characters") << "1|1|1{T}{S}{2}{0,0,0}{" + QString(32765 - 23, u'a') + u'}' << 1 << 2.0f;
    QTest::newRow("value beyond float") << "1|1|1{T}{S}{-1e300}{0,0,0}{A}" << 1 << -infinity;
    QTest::newRow("10^4 commas in a block") << "1|1|2{T}{S}{" + QString(10000, u',') + "}" << 1 << 0.0f;
    QTest::newRow("only closing braces") << "64|5|10{" + QString(30000, u'}') << 64 << 0.0f;
    QTest::newRow("NUL characters") << "1|1|1{T" + nul + "}{S}{5" + nul + "}{0,0,0}{" + nul + "}" << 1 << 5.0f;
    // clang-format on
}

void TestDataGraph::acceptedHostileTexts()
{
    QFETCH(QString, text);
    const auto data = accepted(text);
    QVERIFY(data);
    QTEST(int(data->charts.size()), "charts");
    QVERIFY(!data->charts.empty());
    QTEST(serieOf(*data, 0, 0).values.at(0), "firstValue");
}

QTEST_APPLESS_MAIN(TestDataGraph)
#include "tst_datagraph.moc"
