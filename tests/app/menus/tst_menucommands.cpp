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
#include <QTimer>

using namespace virelai;
using namespace virelai::testing;

namespace {

const QString MoyenneCas2 = QStringLiteral("1,2,textes narratifs,textes documentaires,");
const QString MoyenneCas4 = QStringLiteral("1,4,textes narratifs,textes documentaires,");
const QDateTime LaterMoment(QDate(2026, 3, 9), QTime(10, 45));

// A clipboard whose text the test changes between builds.
class ChangingClipboard : public ClipboardSource
{
public:
    explicit ChangingClipboard(QString *contents)
        : contents(contents)
    { }
    QString text() const override { return *contents; }

private:
    QString *contents;
};

class CloseCounter : public QObject
{
public:
    int closes = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        closes += event->type() == QEvent::Close ? 1 : 0;
        return false;
    }
};

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

// The page set-up dialog answered with `chosen`.
PageSetupAsker choosePageLayout(const QPageLayout &chosen)
{
    return [chosen](const QPageLayout &, const QPrinter &, QWidget *) {
        return std::optional(chosen);
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
    void returnToTheHostEndsAtOnce();
    void pageSetUpBuildsAgainWhateverTheAnswer_data();
    void pageSetUpBuildsAgainWhateverTheAnswer();
    void rebuildsKeepTheFiguresOfTheStart();
    void pageSetUpRefusesMarginsThatLeaveNoRoom();
    void pageSetUpKeepsTheBuildersOrientation();
    void printerChoiceNeitherPrintsNorBuilds();
    void printingTwiceGivesTheSameFooter();
    void withoutPrinterTheCommandsSaySo();
};

void MenuCommandsTest::returnToTheHostEndsAtOnce()
{
    RecordingMessages messages;
    const auto form = startedForm(MoyenneCas2, {}, &messages);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    CloseCounter counter;
    form->installEventFilter(&counter);
    QTimer::singleShot(0, command(*form, "Quitter"), &QAction::trigger);
    // Only a safety net should the loop not end.
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safetyNet.start(30000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(counter.closes, 0);
    QVERIFY(form->isVisible());
    QVERIFY(messages.prompts.isEmpty());
}

void MenuCommandsTest::pageSetUpBuildsAgainWhateverTheAnswer_data()
{
    QTest::addColumn<bool>("accepted");
    // clang-format off
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
    // clang-format on
}

// After case button Cas 4, the page set-up shows the case-4 advice, with the
// date and time of the new build.
void MenuCommandsTest::pageSetUpBuildsAgainWhateverTheAnswer()
{
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    int asked = 0;
    PrintDialogs dialogs;
    dialogs.askPageSetup = [&](const QPageLayout &current, const QPrinter &,
                               QWidget *) -> std::optional<QPageLayout> {
        ++asked;
        return accepted ? std::optional(current) : std::nullopt;
    };
    const auto form = startedForm(MoyenneCas2, dialogs);
    const QString case4 = suggestionShown(*startedForm(MoyenneCas4));
    QVERIFY(shownText(surfaceOf(*form), dir.path()).contains("09-03-2026 à 08:30"));
    navigationOf(*form).Image2_Click(3);
    footerMoment = LaterMoment;
    const auto before = surfaceOf(*form).shownDocument();
    command(*form, "ConfMiseEnPage")->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(surfaceOf(*form).shownDocument() != before);
    QCOMPARE(suggestionShown(*form), case4);
    const QString text = shownText(surfaceOf(*form), dir.path());
    QVERIFY(text.contains("09-03-2026 à 10:45"));
    QVERIFY(!text.contains("08:30"));
}

// The host starts a copy of the program for each request: what the teacher
// copies afterwards in another program is not this request's data.
void MenuCommandsTest::rebuildsKeepTheFiguresOfTheStart()
{
    QString contents = sampleText(QStringLiteral("type1.txt"));
    footerMoment = StartMoment;
    Form1 form(std::make_unique<ChangingClipboard>(&contents), nullptr,
               std::make_unique<FooterClock>(), PrintDialogs {{}, cancelPageSetup});
    form.Form_Load(MoyenneCas2);
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
    contents = QStringLiteral("Un texte copié dans un autre programme");
    command(form, "ConfMiseEnPage")->trigger();
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
    navigationOf(form).Image2_Click(3);
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
}

void MenuCommandsTest::pageSetUpRefusesMarginsThatLeaveNoRoom()
{
    // 200 mm left and right on A4: not one letter would fit on a line.
    QPageLayout chosen(QPageSize(QPageSize::A4), QPageLayout::Portrait, {},
                       QPageLayout::Millimeter);
    chosen.setMode(QPageLayout::FullPageMode);
    chosen.setMargins(QMarginsF(200, 10, 200, 10));
    RecordingMessages messages;
    const auto form = startedForm(MoyenneCas2, {{}, choosePageLayout(chosen)}, &messages);
    const PageGeometry before = surfaceOf(*form).shownDocument()->pageGeometry(0);
    command(*form, "ConfMiseEnPage")->trigger();
    QCOMPARE(messages.prompts, QStringList {marginsTooWideMessage()});
    const PageGeometry after = surfaceOf(*form).shownDocument()->pageGeometry(0);
    QCOMPARE(after.size, before.size);
    QCOMPARE(after.margins, before.margins);
}

void MenuCommandsTest::pageSetUpKeepsTheBuildersOrientation()
{
    const QMarginsF margins(20, 15, 10, 25);
    const auto form = startedForm(
        MoyenneCas2,
        {{},
         choosePageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, margins,
                                      QPageLayout::Millimeter))});
    command(*form, "ConfMiseEnPage")->trigger();
    const PageGeometry page = surfaceOf(*form).shownDocument()->pageGeometry(0);
    QCOMPARE(qRound(page.size.width()), qRound(mmToTwips(148)));
    QCOMPARE(qRound(page.size.height()), qRound(mmToTwips(210)));
    QCOMPARE(qRound(page.margins.left()), qRound(mmToTwips(20)));
    QCOMPARE(qRound(page.margins.bottom()), qRound(mmToTwips(25)));
}

void MenuCommandsTest::printerChoiceNeitherPrintsNorBuilds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    RecordingMessages messages;
    const auto form = startedForm(MoyenneCas2, {choosePdfFile(&path)}, &messages);
    const auto shown = surfaceOf(*form).shownDocument();
    command(*form, "config")->trigger();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(surfaceOf(*form).shownDocument(), shown);
    command(*form, "imprime")->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(!messages.prompts.contains(nothingToPrintMessage()));
    QCOMPARE(surfaceOf(*form).shownDocument(), shown);
}

void MenuCommandsTest::printingTwiceGivesTheSameFooter()
{
    QTemporaryDir dir;
    RecordingMessages messages;
    QString path;
    const auto form = startedForm(MoyenneCas2, {choosePdfFile(&path)}, &messages);
    footerMoment = LaterMoment;
    QStringList printed;
    for (const QString &name : {QStringLiteral("first.pdf"), QStringLiteral("second.pdf")}) {
        path = dir.filePath(name);
        command(*form, "config")->trigger();
        command(*form, "imprime")->trigger();
        printed << pdfText(path);
    }
    QVERIFY(printed[0].contains("09-03-2026 à 08:30"));
    QVERIFY(printed[0].contains("Proposition"));
    QCOMPARE(printed[1], printed[0]);
}

void MenuCommandsTest::withoutPrinterTheCommandsSaySo()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this computer");
    QStringList events;
    RecordingMessages messages;
    const auto noPrinterChosen = [&](QPrinter &, QWidget *) {
        events << QStringLiteral("dialog after %1 message(s)").arg(messages.prompts.size());
        return false;
    };
    const auto form = startedForm(MoyenneCas2, {noPrinterChosen}, &messages);
    command(*form, "imprime")->trigger();
    QCOMPARE(messages.prompts, QStringList {nothingToPrintMessage()});

    command(*form, "config")->trigger();
    QCOMPARE(events, QStringList {"dialog after 2 message(s)"});
    QCOMPARE(messages.prompts.last(), noPrinterInstalledMessage());
    QCOMPARE(messages.titles, (QStringList {"Impression", "Impression"}));
}

QTEST_MAIN(MenuCommandsTest)
#include "tst_menucommands.moc"
