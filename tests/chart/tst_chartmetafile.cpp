// The chart metafile as other programs read it: its headers, its object table
// and its texts, record by record.
#include "WmfRecords.h"
#include "chart/TChart.h"
#include "chart/metafile/ChartMetafile.h"

#include <QTest>

#include <map>

using namespace virelai;
using namespace virelai::testing;

namespace {

TChart sampleChart()
{
    TChart chart;
    chart.Title = QStringLiteral("Élèves œuvre €");
    chart.series[0].Title = QStringLiteral("Classe");
    chart.series[0].SeriesColor = 0x0000FF;
    chart.series[0].Marks.Visible = false;
    chart.series[0].points = {{2.0, "A", 0x808080}, {3.5, "B", 0x808080}};
    ChartSeries national;
    national.Title = QStringLiteral("Moyenne nationale");
    national.BarWidthPercent = 25;
    national.Marks.fontColor = 0x800000;
    national.points = {{2.5, "A", 0x00FF00}, {1.25, "B", 0x00FF00}};
    chart.series.push_back(national);
    return chart;
}

} // namespace

class TestChartMetafile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void headers();
    void objectsAreCreatedSelectedThenDeleted();
    void fontsAskForCharacterHeightInAnsi();
    void chartTextsAreAllWrittenInWindows1252();

private:
    QByteArray file;
    QList<Record> all;
};

void TestChartMetafile::initTestCase()
{
    file = chartMetafile(sampleChart()).value_or(QByteArray());
    QString error;
    all = records(file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestChartMetafile::headers()
{
    // Placeable header: key, bounds of 410 x 305 pixels at ten units each, units per
    // inch for 96 dpi, and the checksum of the words before it.
    QCOMPARE(dwordAt(file, 0), 0x9AC6CDD7u);
    QCOMPARE(QList<quint16>({wordAt(file, 6), wordAt(file, 8), wordAt(file, 10), wordAt(file, 12),
                             wordAt(file, 14)}),
             QList<quint16>({0, 0, 4100, 3050, 960}));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= wordAt(file, 2 * i);
    QCOMPARE(wordAt(file, 20), checksum);
    // Metafile header: in a file, 9 words, version 3; the file's size and its
    // largest record, in words.
    const qsizetype h = PlaceableSize;
    QCOMPARE(QList<quint16>({wordAt(file, h), wordAt(file, h + 2), wordAt(file, h + 4)}),
             QList<quint16>({1, 9, 0x0300}));
    QCOMPARE(qsizetype(dwordAt(file, h + 6)) * 2, file.size() - PlaceableSize);
    quint32 largest = 0;
    for (const Record &record : all)
        largest = std::max(largest, quint32(record.parameters.size() / 2 + 3));
    QCOMPARE(dwordAt(file, h + 12), largest);
}

// Replays the object table: the lowest free slot for each new object, selection by
// kind, and no object deleted while it is still selected.
void TestChartMetafile::objectsAreCreatedSelectedThenDeleted()
{
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
    for (const Record &record : all) {
        if (record.function != CreateFontIndirect)
            continue;
        ++fonts;
        QVERIFY(record.signedWord(0) < 0);
        QCOMPARE(quint8(record.parameters.at(13)), quint8(0)); // ANSI_CHARSET
        QCOMPARE(record.parameters.mid(18, 5), QByteArray("Arial"));
    }
    QVERIFY(fonts >= 3); // title, axis, legend and marks
}

void TestChartMetafile::chartTextsAreAllWrittenInWindows1252()
{
    const QList<QByteArray> found = texts(all);
    // Axis 0..4 by 1 with one decimal, legend, marks of the second series only.
    for (const char *expected :
         {"\xC9l\xE8ves \x9Cuvre \x80", "0,0", "1,0", "4,0", "Classe", "2,5", "1,25", "B"})
        QVERIFY2(found.contains(QByteArray(expected)), expected);
    QVERIFY(found.contains(QByteArray("Moyenne")) || found.contains("Moyenne nationale"));
    QVERIFY(!found.contains(QByteArray("3,5"))); // Series0 shows no marks
}

QTEST_MAIN(TestChartMetafile)
#include "tst_chartmetafile.moc"
