#include "FormBench.h"
#include "app/menus/Form1Menus.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/printing/PrinterSetup.h"
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

const MenuTree &menus(const Form1 &form)
{
    return form.menus->menus();
}

// The window after start-up, with the printer's messages recorded instead of
// shown: without a printer the printer dialog is preceded by one.
std::unique_ptr<Form1> startedQuietForm(const QString &request, RecordingMessages &messages)
{
    auto form = startedForm(request);
    form->printing->messages = &messages;
    return form;
}

// The printer dialog answered as a teacher choosing to print into a PDF file.
PrinterDialogAsker choosePdfFile(const QString &path)
{
    return [path](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
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
    const auto form = startedForm(MoyenneCas2);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    CloseCounter counter;
    form->installEventFilter(&counter);
    RecordingMessages messages;
    form->printing->messages = &messages;
    QTimer::singleShot(0, menus(*form).Quitter, &QAction::trigger);
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
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

// After case button Cas 4, the page set-up shows the case-4 advice, with the
// date and time of the new build.
void MenuCommandsTest::pageSetUpBuildsAgainWhateverTheAnswer()
{
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const auto form = startedForm(MoyenneCas2);
    const QString case4 = suggestionShown(*startedForm(MoyenneCas4));
    QVERIFY(shownText(*form->VSPrinter1, dir.path()).contains("09-03-2026 à 08:30"));
    form->navigation->Image2_Click(3);
    footerMoment = LaterMoment;
    const auto before = form->VSPrinter1->shownDocument();
    int asked = 0;
    form->printing->askPageSetup = [&](const QPageLayout &current, const QPrinter &,
                                       QWidget *) -> std::optional<QPageLayout> {
        ++asked;
        return accepted ? std::optional(current) : std::nullopt;
    };
    menus(*form).ConfMiseEnPage->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(form->VSPrinter1->shownDocument() != before);
    QCOMPARE(suggestionShown(*form), case4);
    const QString text = shownText(*form->VSPrinter1, dir.path());
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
               std::make_unique<FooterClock>());
    form.Form_Load(MoyenneCas2);
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
    contents = QStringLiteral("Un texte copié dans un autre programme");
    form.printing->askPageSetup = [](const QPageLayout &, const QPrinter &, QWidget *) {
        return std::optional<QPageLayout>();
    };
    menus(form).ConfMiseEnPage->trigger();
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
    form.navigation->Image2_Click(3);
    QCOMPARE(form.documentSession()->chartsOfLastBuild().keys(), (QList<int> {1, 2, 3}));
}

void MenuCommandsTest::pageSetUpRefusesMarginsThatLeaveNoRoom()
{
    RecordingMessages messages;
    const auto form = startedQuietForm(MoyenneCas2, messages);
    const PageGeometry before = form->VSPrinter1->shownDocument()->pageGeometry(0);
    // 200 mm left and right on A4: not one letter would fit on a line.
    form->printing->askPageSetup = [](const QPageLayout &, const QPrinter &, QWidget *) {
        QPageLayout chosen(QPageSize(QPageSize::A4), QPageLayout::Portrait, {},
                           QPageLayout::Millimeter);
        chosen.setMode(QPageLayout::FullPageMode);
        chosen.setMargins(QMarginsF(200, 10, 200, 10));
        return std::optional(chosen);
    };
    menus(*form).ConfMiseEnPage->trigger();
    QCOMPARE(messages.prompts, QStringList {messageMargesTropGrandes()});
    const PageGeometry after = form->VSPrinter1->shownDocument()->pageGeometry(0);
    QCOMPARE(after.size, before.size);
    QCOMPARE(after.margins, before.margins);
}

void MenuCommandsTest::pageSetUpKeepsTheBuildersOrientation()
{
    const auto form = startedForm(MoyenneCas2);
    const QMarginsF margins(20, 15, 10, 25);
    form->printing->askPageSetup = [&](const QPageLayout &, const QPrinter &, QWidget *) {
        return std::optional(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, margins,
                                         QPageLayout::Millimeter));
    };
    menus(*form).ConfMiseEnPage->trigger();
    const PageGeometry page = form->VSPrinter1->shownDocument()->pageGeometry(0);
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
    const auto form = startedQuietForm(MoyenneCas2, messages);
    const auto shown = form->VSPrinter1->shownDocument();
    form->printing->askPrinter = choosePdfFile(path);
    menus(*form).config->trigger();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(form->VSPrinter1->shownDocument(), shown);
    menus(*form).imprime->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(!messages.prompts.contains(messageRienAImprimer()));
    QCOMPARE(form->VSPrinter1->shownDocument(), shown);
}

void MenuCommandsTest::printingTwiceGivesTheSameFooter()
{
    QTemporaryDir dir;
    RecordingMessages messages;
    const auto form = startedQuietForm(MoyenneCas2, messages);
    footerMoment = LaterMoment;
    QStringList printed;
    for (const QString &name : {QStringLiteral("first.pdf"), QStringLiteral("second.pdf")}) {
        form->printing->askPrinter = choosePdfFile(dir.filePath(name));
        menus(*form).config->trigger();
        menus(*form).imprime->trigger();
        printed << pdfText(dir.filePath(name));
    }
    QVERIFY(printed[0].contains("09-03-2026 à 08:30"));
    QVERIFY(printed[0].contains("Proposition"));
    QCOMPARE(printed[1], printed[0]);
}

void MenuCommandsTest::withoutPrinterTheCommandsSaySo()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this computer");
    const auto form = startedForm(MoyenneCas2);
    QStringList events;
    RecordingMessages messages;
    form->printing->messages = &messages;
    menus(*form).imprime->trigger();
    QCOMPARE(messages.prompts, QStringList {messageRienAImprimer()});

    form->printing->askPrinter = [&](QPrinter &, QWidget *) {
        events << QStringLiteral("dialog after %1 message(s)").arg(messages.prompts.size());
        return false;
    };
    menus(*form).config->trigger();
    QCOMPARE(events, QStringList {"dialog after 2 message(s)"});
    QCOMPARE(messages.prompts.last(), messageAucuneImprimanteInstallee());
    QCOMPARE(messages.titles, (QStringList {"Impression", "Impression"}));
}

QTEST_MAIN(MenuCommandsTest)
#include "tst_menucommands.moc"
