// LibreOffice as an outside reader of the chart pictures. Skipped when soffice is
// not installed (it is slow to install, so CI may leave it out).
#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/files/AtomicFileWriter.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

class TestChartLibreOffice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeOneChartsOpenWithTheirAccents();
};

void TestChartLibreOffice::typeOneChartsOpenWithTheirAccents()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed");
    QTemporaryDir directory;
    const QString dir = directory.path() + u'/';
    TChart chart;
    AtomicFileWriter writer;
    const QString data
        = QStringLiteral("3|2|2{Élèves œuvre €}{Classe}{2.5,3.5}{0,0,255}{Compréhension,Lexique}"
                         "{Moyenne nationale}{3,2}{255,0,0}{Compréhension,Lexique}"
                         "{B}{Classe}{1,2}{0,0,255}{a,b}{N}{2,1}{255,0,0}{a,b}"
                         "{C}{Classe}{1,2}{0,0,255}{a,b}{N}{2,1}{255,0,0}{a,b}");
    QCOMPARE(MajDataGraph(data, {1, "", "", ""}, chart, dir, writer).writtenPictures.keys(),
             (QList<int> {1, 2, 3}));

    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(soffice,
                  {"--headless", "-env:UserInstallation=file://" + dir + "profile", "--convert-to",
                   "svg", "--outdir", dir, dir + "mychart1.wmf"});
    QVERIFY(process.waitForFinished(240000));
    QFile svg(dir + "mychart1.svg");
    QVERIFY2(svg.open(QIODevice::ReadOnly), "LibreOffice could not convert the picture");
    const QString drawing = QString::fromUtf8(svg.readAll());
    QVERIFY(drawing.contains(QStringLiteral("Élèves œuvre €")));
    QVERIFY(drawing.contains(QStringLiteral("Compréhension")));
    QVERIFY(drawing.contains(QStringLiteral("Moyenne nationale")));
    QVERIFY(drawing.contains(QStringLiteral("fill=\"rgb(0,0,255)\""))); // class bars
    QVERIFY(drawing.contains(QStringLiteral("fill=\"rgb(255,255,128)\""))); // left wall
}

QTEST_MAIN(TestChartLibreOffice)
#include "tst_chartlibreoffice.moc"
