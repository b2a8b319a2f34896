#include "common/ChartPictureFile.h"

#include <QTest>

using namespace virelai;

class TestChartPictureFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void names_data();
    void names();
};

void TestChartPictureFile::names_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Windows folder") << "C:\\Ecluse\\" << 1 << "C:\\Ecluse\\mychart1.wmf";
    QTest::newRow("two-digit number") << "/opt/virelai/" << 12 << "/opt/virelai/mychart12.wmf";
    QTest::newRow("separator put in") << "/opt/virelai" << 3 << "/opt/virelai/mychart3.wmf";
    QTest::newRow("no folder") << "" << 2 << "mychart2.wmf";
}

void TestChartPictureFile::names()
{
    QFETCH(QString, directory);
    QFETCH(int, n);
    QTEST(chartPictureFile(directory, n), "expected");
}

QTEST_APPLESS_MAIN(TestChartPictureFile)
#include "tst_chartpicturefile.moc"
