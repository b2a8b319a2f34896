#include "FormBench.h"
#include "app/printing/PrintingMessages.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace virelai;
using namespace virelai::testing;

namespace {

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

QPageLayout pageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation turned,
                       const QMarginsF &margins)
{
    QPageLayout chosen(QPageSize(paper), turned, {}, QPageLayout::Millimeter);
    chosen.setMode(QPageLayout::FullPageMode);
    chosen.setMargins(margins);
    return chosen;
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
    const auto a4 = [](const QMarginsF &margins) {
        return pageLayout(QPageSize::A4, QPageLayout::Portrait, margins);
    };
    const QPageLayout a5 = pageLayout(QPageSize::A5, QPageLayout::Landscape, {20, 15, 10, 25});
    const QStringList refused {marginsTooWideMessage()};
    // clang-format off
    QTest::newRow("accepted, the builder's orientation kept") << a5 << true << QStringList();
    QTest::newRow("cancelled") << QPageLayout() << false << QStringList();
    QTest::newRow("less than 5 cm wide") << a4({85, 10, 85, 10}) << false << refused;
    QTest::newRow("less than 5 cm high once the page is turned") << a4({10, 85, 10, 85}) << false << refused;
    QTest::newRow("5 cm exactly is enough") << a4({80, 10, 80, 10}) << true << QStringList();
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
    if (!applied) {
        QCOMPARE(page.size, before->pageGeometry(0).size);
        QCOMPARE(page.margins, before->pageGeometry(0).margins);
        return;
    }
    const QSizeF paper = answer.pageSize().size(QPageSize::Millimeter);
    const QSizeF portrait(mmToTwips(qMin(paper.width(), paper.height())),
                          mmToTwips(qMax(paper.width(), paper.height())));
    QCOMPARE(page.size.toSize(), portrait.toSize());
    QCOMPARE(qRound(page.margins.left()), qRound(mmToTwips(answer.margins().left())));
    const PrinterSetup &printing = *form->findChild<PrinterSetup *>();
    QCOMPARE(printing.printer().pageLayout().pageSize().id(), answer.pageSize().id());
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

// Printing says how to print into a file; the printer set-up says so before the
// real printer dialog, which opens and closes without hanging and stores the
// printer: its accept button reads OK, not Print.
void MenuCommandsTest::withoutPrinterTheCommandsSaySo()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this computer");
    RecordingMessages *messages = nullptr;
    const auto form = startedForm(MoyenneCas2, {}, &messages);
    form->show();
    command(*form, "imprime")->trigger();
    QCOMPARE(messages->prompts, QStringList {nothingToPrintMessage()});

    QStringList rejected;
    QTimer rejecter;
    connect(&rejecter, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        // Its class, the text of its accept button and the messages told before it.
        const auto *buttons = dialog->findChild<QDialogButtonBox *>();
        rejected << QStringLiteral("%1 %2 after %3 messages")
                        .arg(QString::fromLatin1(dialog->metaObject()->className()),
                             buttons ? buttons->button(QDialogButtonBox::Ok)->text() : QString())
                        .arg(messages->prompts.size());
        dialog->reject();
    });
    rejecter.start(20);
    command(*form, "config")->trigger();
    QCOMPARE(rejected, QStringList {"QPrintDialog OK after 2 messages"});
    QCOMPARE(messages->prompts.last(), noPrinterInstalledMessage());
    QCOMPARE(messages->titles, (QStringList {"Impression", "Impression"}));
}

QTEST_MAIN(MenuCommandsTest)
#include "tst_menucommands.moc"
