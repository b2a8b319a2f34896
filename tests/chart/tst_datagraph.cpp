#include "chart/data/DataGraph.h"

#include <QLocale>
#include <QTest>

using namespace virelai;

namespace {

const SerieBlock &serieOf(const DataGraph &data, int chart, int serie)
{
    return data.charts.at(std::size_t(chart)).series.at(std::size_t(serie));
}

} // namespace

class TestDataGraph : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void counts_data();
    void counts();
    void firstSeriesFields_data();
    void firstSeriesFields();
    void secondChartReusesCountsAndSlots();
    void lineBreakBetweenBlocksShiftsFields();
    void missingItemsComeFromLaterBlocks();
    void moreChartsThanBlocksKeepsFields();
    void coloursRoundHalfToEven_data();
    void coloursRoundHalfToEven();
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
    QTest::newRow("empty clipboard") << QString() << 0 << 0 << 0;
    QTest::newRow("no vertical bar") << QStringLiteral("liste d'élèves\tNote") << 0 << 0 << 0;
    QTest::newRow("no opening brace") << QStringLiteral("0|2|") << 0 << 2 << 0;
    QTest::newRow("blanks around counts") << QStringLiteral(" 1 |\t2 | 3 {T}") << 1 << 2 << 3;
    QTest::newRow("zero charts") << QStringLiteral("0|0|0{") << 0 << 0 << 0;
    QTest::newRow("plus sign") << QStringLiteral("+1|1|1{T}") << 1 << 1 << 1;
}

void TestDataGraph::counts()
{
    QFETCH(int, nbGraph);
    QFETCH(int, nbSerie);
    QFETCH(int, nbPoint);
    QFETCH(QString, text);
    const DataGraphReading reading = readDataGraph(text);
    QVERIFY2(reading, reading ? "" : qPrintable(refusalText(reading.failure())));
    QCOMPARE(reading.value().nbGraph, nbGraph);
    QCOMPARE(reading.value().nbSerie, nbSerie);
    QCOMPARE(reading.value().nbPoint, nbPoint);
    QCOMPARE(int(reading.value().charts.size()), int(reading.value().nbGraph));
}

void TestDataGraph::firstSeriesFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("secondLabel");
    QTest::newRow("the format's example")
        << QStringLiteral("1|1|2{T}{S}{1.5,3}{255,0,0}{A,B}") << "T"
        << "S" << 1.5f << 3.0f << 255u << "A"
        << "B";
    QTest::newRow("point whatever the locale")
        << QStringLiteral("1|1|2{T}{S}{12.5,0.25}{0,255,0}{A,B}") << "T"
        << "S" << 12.5f << 0.25f << 65280u << "A"
        << "B";
    QTest::newRow("words read 0, units ignored")
        << QStringLiteral("1|1|2{T}{S}{abc, 7 kg}{0,0,255}{A,B}") << "T"
        << "S" << 0.0f << 7.0f << 16711680u << "A"
        << "B";
    QTest::newRow("blanks inside a number are ignored")
        << QStringLiteral("1|1|2{T}{S}{1 2,3\t.5}{1,2,3}{A,B}") << "T"
        << "S" << 12.0f << 3.5f << 197121u << "A"
        << "B";
    QTest::newRow("texts kept exactly")
        << QStringLiteral("1|1|2{ Élèves  }{ Classe œ }{1,2}{0,0,0}{ CE1 ,}") << " Élèves  "
        << " Classe œ " << 1.0f << 2.0f << 0u << " CE1 "
        << "";
    QTest::newRow("comma decimal stops the number")
        << QStringLiteral("1|1|2{T}{S}{2,5,3}{0,0,0}{A,B}") << "T"
        << "S" << 2.0f << 5.0f << 0u << "A"
        << "B";
}

void TestDataGraph::firstSeriesFields()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(uint, colour);
    QFETCH(QString, firstLabel);
    QFETCH(QString, secondLabel);
    QFETCH(QString, text);
    const DataGraphReading reading = readDataGraph(text);
    QVERIFY2(reading, reading ? "" : qPrintable(refusalText(reading.failure())));
    const SerieBlock &serie = serieOf(reading.value(), 0, 0);
    QCOMPARE(reading.value().charts[0].titreGraph, title);
    QCOMPARE(serie.nomSerie, name);
    QCOMPARE(serie.values.at(0), first);
    QCOMPARE(serie.values.at(1), second);
    QCOMPARE(serie.couleur, colour);
    QCOMPARE(serie.labels.at(0), firstLabel);
    QCOMPARE(serie.labels.at(1), secondLabel);
}

void TestDataGraph::secondChartReusesCountsAndSlots()
{
    const QString text = QStringLiteral("2|2|2{C1}{S1}{1,2}{1,0,0}{a,b}{S2}{3,4}{2,0,0}{c,d}"
                                        "{C2}{S3}{5,6}{3,0,0}{e,f}{S4}{7,8}{4,0,0}{g,h}");
    const DataGraphReading reading = readDataGraph(text);
    QVERIFY(reading);
    QCOMPARE(reading.value().charts.size(), std::size_t(2));
    QCOMPARE(reading.value().charts[1].titreGraph, QStringLiteral("C2"));
    const SerieBlock &last = serieOf(reading.value(), 1, 1);
    QCOMPARE(last.nomSerie, QStringLiteral("S4"));
    QCOMPARE(last.values, (std::vector<float> {7.0f, 8.0f}));
    QCOMPARE(last.labels, (std::vector<QString> {"g", "h"}));
    QCOMPARE(serieOf(reading.value(), 1, 0).couleur, 3u);
    QCOMPARE(serieOf(reading.value(), 0, 1).values, (std::vector<float> {3.0f, 4.0f}));
}

void TestDataGraph::lineBreakBetweenBlocksShiftsFields()
{
    // Only one character is skipped after "}": the line feed starts the series name.
    const DataGraphReading reading = readDataGraph(QStringLiteral("1|1|1{T}\r\n{S}{4}{0,0,0}{A}"));
    QVERIFY(reading);
    QCOMPARE(serieOf(reading.value(), 0, 0).nomSerie, QStringLiteral("\n{S"));
    QCOMPARE(serieOf(reading.value(), 0, 0).values.at(0), 4.0f);
}

void TestDataGraph::missingItemsComeFromLaterBlocks()
{
    // The values block has one item too few: the search for the second value's comma
    // runs into the colour block, and every later field is shifted.
    const DataGraphReading reading
        = readDataGraph(QStringLiteral("1|1|3{T}{S}{1,2}{9,8,7}{A,B,C}"));
    QVERIFY(reading);
    const SerieBlock &serie = serieOf(reading.value(), 0, 0);
    QCOMPARE(serie.values, (std::vector<float> {1.0f, 2.0f, 8.0f}));
    QCOMPARE(serie.couleur, 0u); // the labels A, B, C read as components
    QCOMPARE(serie.labels, (std::vector<QString> {"", "", ""}));
}

void TestDataGraph::moreChartsThanBlocksKeepsFields()
{
    const DataGraphReading reading
        = readDataGraph(QStringLiteral("3|1|2{T}{S}{1,2}{10,20,30}{A,B}"));
    QVERIFY(reading);
    QCOMPARE(reading.value().charts.size(), std::size_t(3));
    for (int k = 1; k < 3; ++k) {
        QCOMPARE(reading.value().charts[std::size_t(k)].titreGraph, QStringLiteral("T"));
        QCOMPARE(serieOf(reading.value(), k, 0).nomSerie, QStringLiteral("S"));
        QCOMPARE(serieOf(reading.value(), k, 0).values, (std::vector<float> {1.0f, 2.0f}));
        QCOMPARE(serieOf(reading.value(), k, 0).couleur, quint32(10 + 256 * 20 + 65536 * 30));
        QCOMPARE(serieOf(reading.value(), k, 0).labels, (std::vector<QString> {"A", "B"}));
    }
}

void TestDataGraph::coloursRoundHalfToEven_data()
{
    QTest::addColumn<QString>("components");
    QTest::addColumn<uint>("colour");
    QTest::newRow("halves go to even") << "0.5,1.5,2.5" << uint(0 + 256 * 2 + 65536 * 2);
    QTest::newRow("above half rounds up") << "127.6,0,0" << 128u;
    QTest::newRow("255.4 stays in range") << "255.4,0,0" << 255u;
    QTest::newRow("minus 0.4 is 0") << "-0.4,0,0" << 0u;
    QTest::newRow("light yellow") << "255,255,128" << 0x80FFFFu;
}

void TestDataGraph::coloursRoundHalfToEven()
{
    QFETCH(uint, colour);
    QFETCH(QString, components);
    const DataGraphReading reading
        = readDataGraph(QStringLiteral("1|1|1{T}{S}{1}{%1}{A}").arg(components));
    QVERIFY2(reading, reading ? "" : qPrintable(refusalText(reading.failure())));
    QCOMPARE(serieOf(reading.value(), 0, 0).couleur, colour);
}

void TestDataGraph::refusedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messagePart");
    const QString block = QStringLiteral("{T}{S}{1}{0,0,0}{A}");
    QTest::newRow("51 slots") << QStringLiteral("1|3|17{") << "50 valeurs";
    QTest::newRow("51 points") << QStringLiteral("1|1|51{") << "50 valeurs";
    QTest::newRow("series times points overflows")
        << QStringLiteral("1|30000|30000{") << "50 valeurs";
    QTest::newRow("1e5 charts") << QStringLiteral("100000|1|1{") << "64 graphiques";
    QTest::newRow("65 charts") << QStringLiteral("65|1|1{") << "64 graphiques";
    QTest::newRow("40000 characters")
        << QStringLiteral("1|1|1{") + QString(40000, u'x') << "32 766";
    QTest::newRow("32766 characters") << QString(32766, u'|') << "32 766";
    QTest::newRow("count 2.5") << QStringLiteral("2.5|1|1{") + block << "nombre entier";
    QTest::newRow("count abc") << QStringLiteral("abc|1|1{") + block << "nombre entier";
    QTest::newRow("empty count") << QStringLiteral("|1|1{") + block << "nombre entier";
    QTest::newRow("negative chart count") << QStringLiteral("-1|1|1{") + block << "nombre entier";
    QTest::newRow("count beyond 32 bits") << QStringLiteral("0|99999999999|1{") << "nombre entier";
    QTest::newRow("no series") << QStringLiteral("1|0|1{") + block << "aucune série";
    QTest::newRow("negative points") << QStringLiteral("1|1|-3{") + block << "aucune série";
    QTest::newRow("missing point count") << QStringLiteral("1|1|1") << "aucune série";
    QTest::newRow("colour 256") << QStringLiteral("1|1|1{T}{S}{1}{256,0,0}{A}") << "0 à 255";
    QTest::newRow("colour -1") << QStringLiteral("1|1|1{T}{S}{1}{0,-1,0}{A}") << "0 à 255";
    QTest::newRow("colour 255.5 rounds to 256")
        << QStringLiteral("1|1|1{T}{S}{1}{0,0,255.5}{A}") << "0 à 255";
    QTest::newRow("colour overflowing to infinity")
        << QStringLiteral("1|1|1{T}{S}{1}{1e999,0,0}{A}") << "0 à 255";
    QTest::newRow("bad colour in the last chart")
        << QStringLiteral("2|1|1{T}{S}{1}{1,2,3}{A}{T}{S}{1}{1,2,300}{A}") << "0 à 255";
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
    QTest::newRow("exactly 50 slots") << QStringLiteral("1|5|10{") << 1 << 0.0f;
    QTest::newRow("exactly 64 charts") << QStringLiteral("64|1|1{T}{S}{3}{0,0,0}{A}") << 64 << 3.0f;
    QTest::newRow("32765 characters")
        << QStringLiteral("1|1|1{T}{S}{2}{0,0,0}{") + QString(32765 - 23, u'a') + u'}' << 1 << 2.0f;
    QTest::newRow("value overflows to infinity") << QStringLiteral("1|1|1{T}{S}{1e999}{0,0,0}{A}")
                                                 << 1 << std::numeric_limits<float>::infinity();
    QTest::newRow("value beyond float") << QStringLiteral("1|1|1{T}{S}{-1e300}{0,0,0}{A}") << 1
                                        << -std::numeric_limits<float>::infinity();
    QTest::newRow("10^4 commas in a block")
        << QStringLiteral("1|1|2{T}{S}{") + QString(10000, u',') + QStringLiteral("}") << 1 << 0.0f;
    QTest::newRow("only closing braces")
        << QStringLiteral("64|5|10{") + QString(30000, u'}') << 64 << 0.0f;
    QTest::newRow("NUL characters")
        << QStringLiteral("1|1|1{T#}{S}{5#}{0,0,0}{#}").replace(u'#', QChar(0)) << 1 << 5.0f;
    QTest::newRow("hexadecimal is not read")
        << QStringLiteral("1|1|1{T}{S}{0x1F}{0,0,0}{A}") << 1 << 0.0f;
}

void TestDataGraph::acceptedHostileTexts()
{
    QFETCH(int, charts);
    QFETCH(float, firstValue);
    QFETCH(QString, text);
    const DataGraphReading reading = readDataGraph(text);
    QVERIFY2(reading, reading ? "" : qPrintable(refusalText(reading.failure())));
    QCOMPARE(int(reading.value().charts.size()), charts);
    QCOMPARE(serieOf(reading.value(), 0, 0).values.at(0), firstValue);
}

QTEST_APPLESS_MAIN(TestDataGraph)
#include "tst_datagraph.moc"
