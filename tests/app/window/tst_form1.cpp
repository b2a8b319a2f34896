#include "../menus/FormBench.h"
#include "app/ClipboardLimit.h"
#include "app/preview/PreviewWidget.h"
#include "document/surface/DocumentLimits.h"
#include "document/surface/Twips.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace virelai;
using namespace virelai::testing;

namespace {

const QString OnePupil = QStringLiteral("X  X     BERNARD Chloé\r\n");

// One pupil, then blanks up to `length` characters.
QString pupilPaddedTo(qsizetype length)
{
    return OnePupil + QString(length - OnePupil.size(), u' ');
}

// More lines than the pages a document may have.
QString pastTheLastPage()
{
    return QStringLiteral("{\\fs600 ") + QStringLiteral("a\\par ").repeated(MaxPages + 10)
        + QLatin1Char('}');
}

std::unique_ptr<Form1> newForm(const QString &clipboardText = {},
                               RecordingMessages **messages = nullptr)
{
    return benchForm(std::make_unique<FileClipboard>(clipboardText), {}, messages);
}

PreviewWidget *preview(const Form1 &form)
{
    return form.findChild<PreviewWidget *>();
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp_data();
    void startUp();
    void layoutFollowsResizesAndDrops();
    void opensWhereThePageIsLegible();
};

void Form1Test::startUp_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("shown"); // a text of the page
    QTest::addColumn<QStringList>("told"); // title: opening of the message
    const QString pupils = QStringLiteral("5,1,Élèves concernés (CE2 B),CE2,");
    const QString tooLong = QStringLiteral("Presse-papiers: Le texte du presse-papiers est refusé "
                                           ": ses %1 caractères dépassent les %2 caractères admis")
                                .arg(groupedInFrench(LargestClipboardText + 1),
                                     groupedInFrench(LargestClipboardText));
    const QString cut
        = QStringLiteral("Texte incomplet: Le document ne montre pas tout son texte : %1.")
              .arg(causeTextPastLastPage());
    // clang-format off
    QTest::newRow("nothing requested") << "0,1,a,b," << OnePupil << false << 0 << "" << QStringList();
    QTest::newRow("a pupil page") << "6,0,Élèves lents,CE2," << OnePupil << false << 1 << "" << QStringList();
    QTest::newRow("a type the format cannot carry") << "99999,0,a,b," << OnePupil << true << 0 << "" << QStringList();
    QTest::newRow("a clipboard as long as it may be") << pupils << pupilPaddedTo(LargestClipboardText) << false << 1 << "BERNARD Chloé" << QStringList();
    QTest::newRow("one character more: read as empty") << pupils << pupilPaddedTo(LargestClipboardText + 1) << false << 1 << "Il n'y a pas d'élèves" << QStringList {tooLong};
    QTest::newRow("a list past the last page: told once") << "7,1,Élèves concernés,textes narratifs," << pastTheLastPage() << false << MaxPages << "" << QStringList {cut};
    // clang-format on
}

// The busy pointer is given back whatever the request; the preview covers the
// panes created before it, the bar lies over the preview.
void Form1Test::startUp()
{
    QFETCH(QString, request);
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QFETCH(QStringList, told);
    RecordingMessages *messages = nullptr;
    const auto form = newForm(clipboard, &messages);
    QTEST(form->Form_Load(request).has_value(), "refused");
    QTEST(surfaceOf(*form).pageCount(), "pages");
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(preview(*form)->geometry(), form->centralWidget()->rect());
    const QObjectList order = form->centralWidget()->children();
    const auto at = [&](const char *name) {
        return order.indexOf(form->findChild<QWidget *>(name));
    };
    for (const char *beneath : {"Image2_0", "Image1_1", "Outline1", "Text1"})
        QVERIFY2(at(beneath) >= 0 && at(beneath) < at("VSPrinter1"), beneath);
    QVERIFY(at("Command1") > at("VSPrinter1")); // the bar is dragged over the page
    if (!shown.isEmpty())
        QVERIFY(pdfText(surfaceOf(*form)).contains(shown));
    QCOMPARE(messages->prompts.size(), told.size());
    for (qsizetype i = 0; i < told.size(); ++i) {
        const QString message = messages->titles[i] + ": " + messages->prompts[i];
        QVERIFY2(message.startsWith(told[i]), qPrintable(message));
    }
}

// The legend stays at the bottom; a drop uncovers the outline pane, which takes
// the focus again, until a resize puts the preview back over it.
void Form1Test::layoutFollowsResizesAndDrops()
{
    const auto form = newForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const auto *legend = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    form->resize(form->width() + 100, form->height() + 120);
    QTRY_COMPARE(legend->geometry().bottom() + 1, form->centralWidget()->height());
    QCOMPARE(legend->height(), qRound(twipsToPixels(825, form->logicalDpiY())));
    QCOMPARE(preview(*form)->size(), form->centralWidget()->size());
    form->VSPrinter1_DragDrop(3000, 0);
    QCOMPARE(preview(*form)->x(), 200 * form->logicalDpiX() / 96);
    form->Outline1_DragDrop(1000, 0);
    QCOMPARE(form->layoutTwips().VSPrinter1.Left, 1000.f);
    QCOMPARE(form->findChild<QTreeWidget *>(QStringLiteral("Outline1"))->focusPolicy(),
             Qt::StrongFocus);
    form->Form_Resize();
    QCOMPARE(preview(*form)->x(), 0);
}

// On a 1280 × 1024 screen, as the test's platform is set up.
void Form1Test::opensWhereThePageIsLegible()
{
    const auto form = startedForm(MoyenneCas4);
    form->showOnScreen();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QRect screen = form->screen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(1280, 1024));
    const QRect frame = form->frameGeometry();
    QVERIFY(screen.contains(frame));
    QVERIFY(qAbs(frame.height() - 0.9 * screen.height()) < 0.03 * screen.height());
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 20);
    QCOMPARE(preview(*form)->zoomMode(), ZoomMode::PageWidth);
    QVERIFY2(preview(*form)->pixelsPerPoint() >= 1.2,
             qPrintable(QString::number(preview(*form)->pixelsPerPoint())));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
