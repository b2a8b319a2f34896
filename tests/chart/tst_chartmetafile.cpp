#include "WmfRecords.h"
#include "chart/TChart.h"
#include "chart/metafile/ChartMetafile.h"

#include <QTest>

#include <map>

using namespace virelai;
using namespace wmftest;

namespace {

TChart sampleChart(const QString &title, const QString &label)
{
    TChart chart;
    chart.Title = title;
    chart.series[0].Title = QStringLiteral("Classe");
    chart.series[0].SeriesColor = 0x0000FF;
    chart.series[0].Marks.Visible = false;
    chart.series[0].points = {{2.0, label, 0x808080}, {3.5, QStringLiteral("B"), 0x808080}};
    ChartSeries national;
    national.Title = QStringLiteral("Moyenne nationale");
    national.BarWidthPercent = 25;
    national.Marks.fontColor = 0x800000;
    national.points = {{2.5, label, 0x00FF00}, {1.25, QStringLiteral("B"), 0x00FF00}};
    chart.series.push_back(national);
    return chart;
}

QList<Record> recordsOf(const QByteArray &file)
{
    QString error;
    const QList<Record> found = records(file, &error);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return found;
}

} // namespace

class TestChartMetafile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void placeableHeader();
    void metafileHeader();
    void mappingAndTextMode();
    void objectsAreCreatedSelectedThenDeleted();
    void fontsAskForCharacterHeightInAnsi();
    void textIsWindows1252_data();
    void textIsWindows1252();
    void chartTextsAreAllWritten();

private:
    QByteArray file;
};

void TestChartMetafile::initTestCase()
{
    file = chartMetafile(sampleChart(QStringLiteral("Élèves"), QStringLiteral("A")))
               .value_or(QByteArray());
    QVERIFY(file.size() > PlaceableSize + HeaderSize);
}

void TestChartMetafile::placeableHeader()
{
    QCOMPARE(dwordAt(file, 0), 0x9AC6CDD7u);
    QCOMPARE(wordAt(file, 4), 0); // handle
    QCOMPARE(qint16(wordAt(file, 6)), 0);
    QCOMPARE(qint16(wordAt(file, 8)), 0);
    QCOMPARE(qint16(wordAt(file, 10)), 4100); // 410 pixels, ten units each
    QCOMPARE(qint16(wordAt(file, 12)), 3050);
    QCOMPARE(wordAt(file, 14), 960); // units per inch: the picture is 410 x 305 at 96 dpi
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= wordAt(file, 2 * i);
    QCOMPARE(wordAt(file, 20), checksum);
}

void TestChartMetafile::metafileHeader()
{
    const qsizetype h = PlaceableSize;
    QCOMPARE(wordAt(file, h), 1); // in a file
    QCOMPARE(wordAt(file, h + 2), 9); // header words
    QCOMPARE(wordAt(file, h + 4), 0x0300);
    QCOMPARE(qsizetype(dwordAt(file, h + 6)) * 2, file.size() - PlaceableSize);
    const QList<Record> all = recordsOf(file);
    QVERIFY(!all.isEmpty());
    quint32 largest = 0;
    for (const Record &record : all)
        largest = std::max(largest, quint32(record.parameters.size() / 2 + 3));
    QCOMPARE(dwordAt(file, h + 12), largest);
}

void TestChartMetafile::mappingAndTextMode()
{
    const QList<Record> all = recordsOf(file);
    QVERIFY(all.size() > 5);
    QCOMPARE(all[0].function, SetMapMode);
    QCOMPARE(all[0].word(0), 8); // anisotropic
    QCOMPARE(all[1].function, SetWindowOrg);
    QCOMPARE(all[1].signedWord(0), 0);
    QCOMPARE(all[1].signedWord(1), 0);
    QCOMPARE(all[2].function, SetWindowExt);
    QCOMPARE(all[2].signedWord(0), 3050); // y first
    QCOMPARE(all[2].signedWord(1), 4100);
    QCOMPARE(all[3].function, SetBkMode);
    QCOMPARE(all[3].word(0), 1); // transparent
    QCOMPARE(all[4].function, SetTextAlign);
    QCOMPARE(all[4].word(0), 0x18); // baseline
}

// Replays the object table: the lowest free slot for each new object, selection by
// kind, and no object deleted while it is still selected.
void TestChartMetafile::objectsAreCreatedSelectedThenDeleted()
{
    const QList<Record> all = recordsOf(file);
    std::map<quint16, quint16> kindOfSlot;
    std::map<quint16, quint16> selectedOfKind;
    int created = 0;
    for (const Record &record : all) {
        const quint16 f = record.function;
        if (f == CreatePenIndirect || f == CreateBrushIndirect || f == CreateFontIndirect) {
            quint16 slot = 0;
            while (kindOfSlot.count(slot))
                ++slot;
            kindOfSlot[slot] = f;
            ++created;
        } else if (f == SelectObject) {
            QVERIFY2(kindOfSlot.count(record.word(0)), "selects a slot that holds nothing");
            selectedOfKind[kindOfSlot[record.word(0)]] = record.word(0);
        } else if (f == DeleteObject) {
            const quint16 slot = record.word(0);
            QVERIFY2(kindOfSlot.count(slot), "deletes a slot that holds nothing");
            QVERIFY2(selectedOfKind[kindOfSlot[slot]] != slot, "deletes a selected object");
            kindOfSlot.erase(slot);
        }
    }
    QVERIFY(created >= 3);
    quint16 slots = 0;
    for (const auto &entry : kindOfSlot)
        slots = std::max<quint16>(slots, entry.first + 1);
    QVERIFY(wordAt(file, PlaceableSize + 10) >= slots); // objects in the header
}

void TestChartMetafile::fontsAskForCharacterHeightInAnsi()
{
    int fonts = 0;
    for (const Record &record : recordsOf(file)) {
        if (record.function != CreateFontIndirect)
            continue;
        ++fonts;
        QVERIFY(record.signedWord(0) < 0);
        QCOMPARE(quint8(record.parameters.at(13)), quint8(0)); // ANSI_CHARSET
        QCOMPARE(record.parameters.mid(18, 5), QByteArray("Arial"));
    }
    QVERIFY(fonts >= 3); // title, axis, legend and marks
}

void TestChartMetafile::textIsWindows1252_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("titleBytes");
    QTest::addColumn<QByteArray>("labelBytes");
    QTest::newRow("accents") << "Élèves"
                             << "Déc." << QByteArray("\xC9l\xE8ves")
                             << QByteArray("D\xE9"
                                           "c.");
    QTest::newRow("oe and euro beyond Latin-1")
        << "Cœur"
        << "5 €" << QByteArray("C\x9Cur") << QByteArray("5 \x80");
    QTest::newRow("not in the code page") << "Ω"
                                          << "A" << QByteArray("?") << QByteArray("A");
}

void TestChartMetafile::textIsWindows1252()
{
    QFETCH(QByteArray, titleBytes);
    QFETCH(QByteArray, labelBytes);
    QFETCH(QString, title);
    QFETCH(QString, label);
    const QList<QByteArray> found
        = texts(recordsOf(chartMetafile(sampleChart(title, label)).value_or(QByteArray())));
    QVERIFY2(found.contains(titleBytes), found.join('|').constData());
    QVERIFY(found.contains(labelBytes));
}

void TestChartMetafile::chartTextsAreAllWritten()
{
    const QList<QByteArray> found = texts(recordsOf(file));
    // Axis 0..4 by 1 with one decimal, legend, marks of the second series only.
    for (const char *expected : {"0,0", "1,0", "2,0", "3,0", "4,0", "Classe", "2,5", "1,25", "B"})
        QVERIFY2(found.contains(QByteArray(expected)), expected);
    QVERIFY(found.contains(QByteArray("Moyenne")) || found.contains("Moyenne nationale"));
    QVERIFY(!found.contains(QByteArray("3,5"))); // Series0 shows no marks
}

QTEST_MAIN(TestChartMetafile)
#include "tst_chartmetafile.moc"
