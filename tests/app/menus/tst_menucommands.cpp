#include "FormBench.h"
#include "app/printing/PrintingMessages.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/Twips.h"

#include <QAction>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

const QString MoyenneCas2 = QStringLiteral("1,2,textes narratifs,textes documentaires,");
const QDateTime LaterMoment(QDate(2026, 3, 9), QTime(10, 45));

// The printer dialog answered as a teacher choosing to print into the PDF file
// that *path names when the dialog opens.
PrinterDialogAsker choosePdfFile(const QString *path)
{
    return [path](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*path);
        return true;
    };
}

double mmToTwips(double mm)
{
    return mm / 25.4 * TwipsPerInch;
}

} // namespace

class MenuCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageSetUpBuildsAgainWhateverTheAnswer_data();
    void pageSetUpBuildsAgainWhateverTheAnswer();
    void printerChoiceThenPrintingTwiceGivesOneFooter();
    void withoutPrinterTheCommandsSaySo();
};

void MenuCommandsTest::pageSetUpBuildsAgainWhateverTheAnswer_data()
{
    QTest::addColumn<QPageLayout>("answer"); // not valid: cancelled
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QStringList>("told");
    const auto layout = [](QPageSize::PageSizeId paper, QPageLayout::Orientation turned,
                           const QMarginsF &margins) {
        QPageLayout chosen(QPageSize(paper), turned, {}, QPageLayout::Millimeter);
        chosen.setMode(QPageLayout::FullPageMode);
        chosen.setMargins(margins);
        return chosen;
    };
    const QPageLayout a5 = layout(QPageSize::A5, QPageLayout::Landscape, {20, 15, 10, 25});
    // 200 mm left and right on A4: not one letter would fit on a line.
    const QPageLayout noRoom = layout(QPageSize::A4, QPageLayout::Portrait, {200, 10, 200, 10});
    // clang-format off
    QTest::newRow("accepted, the builder's orientation kept") << a5 << true << QStringList();
    QTest::newRow("cancelled") << QPageLayout() << false << QStringList();
    QTest::newRow("margins that leave no room") << noRoom << false << QStringList {marginsTooWideMessage()};
    // clang-format on
}

// The page is built again, with the date and time of the new build.
void MenuCommandsTest::pageSetUpBuildsAgainWhateverTheAnswer()
{
    QFETCH(QPageLayout, answer);
    QFETCH(bool, applied);
    int asked = 0;
    const PageSetupAsker ask = [&](const QPageLayout &, const QPrinter &, QWidget *) {
        ++asked;
        return answer.isValid() ? std::optional(answer) : std::nullopt;
    };
    RecordingMessages *messages = nullptr;
    const auto form = startedForm(MoyenneCas2, {{}, ask}, &messages);
    QVERIFY(pdfText(surfaceOf(*form)).contains("09-03-2026 à 08:30"));
    footerMoment = LaterMoment;
    const auto before = surfaceOf(*form).shownDocument();
    command(*form, "ConfMiseEnPage")->trigger();
    QCOMPARE(asked, 1);
    QTEST(messages->prompts, "told");
    QVERIFY(surfaceOf(*form).shownDocument() != before);
    const QString text = pdfText(surfaceOf(*form));
    QVERIFY(text.contains("09-03-2026 à 10:45"));
    QVERIFY(!text.contains("08:30"));
    const PageGeometry page = surfaceOf(*form).shownDocument()->pageGeometry(0);
    const PageGeometry was = before->pageGeometry(0);
    const QSizeF portraitA5(mmToTwips(148), mmToTwips(210));
    QCOMPARE(page.size.toSize(), applied ? portraitA5.toSize() : was.size.toSize());
    QCOMPARE(qRound(page.margins.left()),
             applied ? qRound(mmToTwips(20)) : qRound(was.margins.left()));
}

// The printer dialog chooses only; printing the same page twice gives the same
// footer, that of the build.
void MenuCommandsTest::printerChoiceThenPrintingTwiceGivesOneFooter()
{
    QTemporaryDir dir;
    RecordingMessages *messages = nullptr;
    QString path;
    const auto form = startedForm(MoyenneCas2, {choosePdfFile(&path)}, &messages);
    const auto shown = surfaceOf(*form).shownDocument();
    footerMoment = LaterMoment;
    QStringList printed;
    for (const QString &name : {QStringLiteral("first.pdf"), QStringLiteral("second.pdf")}) {
        path = dir.filePath(name);
        command(*form, "config")->trigger();
        QVERIFY(!QFile::exists(path));
        command(*form, "imprime")->trigger();
        printed << pdfText(path);
    }
    QCOMPARE(surfaceOf(*form).shownDocument(), shown);
    QVERIFY(!messages->prompts.contains(nothingToPrintMessage()));
    QVERIFY(printed[0].contains("09-03-2026 à 08:30"));
    QVERIFY(printed[0].contains("Proposition"));
    QCOMPARE(printed[1], printed[0]);
}

void MenuCommandsTest::withoutPrinterTheCommandsSaySo()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this computer");
    QStringList events;
    RecordingMessages *messages = nullptr;
    const auto noPrinterChosen = [&](QPrinter &, QWidget *) {
        events << QStringLiteral("dialog after %1 message(s)").arg(messages->prompts.size());
        return false;
    };
    const auto form = startedForm(MoyenneCas2, {noPrinterChosen}, &messages);
    command(*form, "imprime")->trigger();
    QCOMPARE(messages->prompts, QStringList {nothingToPrintMessage()});

    command(*form, "config")->trigger();
    QCOMPARE(events, QStringList {"dialog after 2 message(s)"});
    QCOMPARE(messages->prompts.last(), noPrinterInstalledMessage());
    QCOMPARE(messages->titles, (QStringList {"Impression", "Impression"}));
}

QTEST_MAIN(MenuCommandsTest)
#include "tst_menucommands.moc"
