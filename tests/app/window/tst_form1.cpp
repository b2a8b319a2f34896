#include "../menus/FormBench.h"
#include "app/ClipboardLimit.h"
#include "app/SystemClipboard.h"
#include "app/preview/PreviewWidget.h"
#include "document/surface/DocumentLimits.h"
#include "document/surface/Twips.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace virelai;
using namespace virelai::testing;

namespace {

std::unique_ptr<Form1> newForm(const QString &clipboardText = {})
{
    return std::make_unique<Form1>(std::make_unique<FileClipboard>(clipboardText));
}

const QString MoyenneCas4 = QStringLiteral("1,4,textes narratifs,textes documentaires,");

// A window reading the system clipboard, with its messages recorded.
std::unique_ptr<Form1> formOnSystemClipboard(RecordingMessages *&messages)
{
    auto recording = std::make_unique<RecordingMessages>();
    messages = recording.get();
    return std::make_unique<Form1>(std::make_unique<SystemClipboard>(), std::move(recording));
}

// A pupil list of exactly `length` characters.
QString pupilList(qsizetype length)
{
    const QString line = QStringLiteral("X     X  BERNARD Chloé\r\n");
    return line.repeated(length / line.size() + 1).left(length);
}

// The window's controls, found by their names as the platform would.
QTreeWidget *Outline1(const Form1 &form)
{
    return form.findChild<QTreeWidget *>(QStringLiteral("Outline1"));
}

QPlainTextEdit *Text1(const Form1 &form)
{
    return form.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
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
    void previewCoversThePanesBeneathIt();
    void startUp_data();
    void startUp();
    void layoutFollowsResizesAndDrops();
    void opensWhereThePageIsLegible();
    void clipboardPastTheLimitIsRefused_data();
    void clipboardPastTheLimitIsRefused();
    void textLeftOutIsToldOnce();
};

// Created bottom first, each pane covering the ones before it.
void Form1Test::previewCoversThePanesBeneathIt()
{
    const auto form = newForm();
    const QObjectList order = form->centralWidget()->children();
    qsizetype previous = -1;
    for (const char *name :
         {"Image2_0", "Image1_1", "Outline1", "Text1", "VSPrinter1", "Command1", "TChart1"}) {
        const qsizetype at = order.indexOf(form->findChild<QWidget *>(name));
        QVERIFY2(at > previous, name);
        previous = at;
    }
}

void Form1Test::startUp_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("refused");
    // clang-format off
    QTest::newRow("nothing requested") << "0,1,a,b," << 0 << false;
    QTest::newRow("a pupil page") << "6,0,Élèves lents,CE2," << 1 << false;
    QTest::newRow("a type the format cannot carry") << "99999,0,a,b," << 0 << true;
    // clang-format on
}

// The busy pointer is given back whatever the request.
void Form1Test::startUp()
{
    QFETCH(QString, request);
    QFETCH(int, pages);
    const auto form = newForm(QStringLiteral("X  X     BERNARD Chloé\r\n"));
    QTEST(form->Form_Load(request).has_value(), "refused");
    QCOMPARE(surfaceOf(*form).pageCount(), pages);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(preview(*form)->geometry(), form->centralWidget()->rect());
}

// The legend stays at the bottom; a drop uncovers the outline pane, which takes
// the focus again, until a resize puts the preview back over it.
void Form1Test::layoutFollowsResizesAndDrops()
{
    const auto form = newForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->resize(form->width() + 100, form->height() + 120);
    QTRY_COMPARE(Text1(*form)->geometry().bottom() + 1, form->centralWidget()->height());
    QCOMPARE(Text1(*form)->height(), qRound(twipsToPixels(825, form->logicalDpiY())));
    QCOMPARE(preview(*form)->size(), form->centralWidget()->size());
    form->VSPrinter1_DragDrop(3000, 0);
    QCOMPARE(preview(*form)->x(), 200 * form->logicalDpiX() / 96);
    form->Outline1_DragDrop(1000, 0);
    QCOMPARE(form->layoutTwips().VSPrinter1.Left, 1000.f);
    QCOMPARE(Outline1(*form)->focusPolicy(), Qt::StrongFocus);
    form->Form_Resize();
    QCOMPARE(preview(*form)->x(), 0);
}

// On a 1280 × 1024 screen, as the test's platform is set up.
void Form1Test::opensWhereThePageIsLegible()
{
    const auto form = newForm(sampleText(QStringLiteral("type1.txt")));
    QVERIFY(!form->Form_Load(MoyenneCas4));
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

void Form1Test::clipboardPastTheLimitIsRefused_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<bool>("accepted");
    // clang-format off
    QTest::newRow("as long as a clipboard text may be") << LargestClipboardText << true;
    QTest::newRow("one character more") << LargestClipboardText + 1 << false;
    // clang-format on
}

// The system clipboard's text is read whole, then refused past the limit: the
// page is built as with an empty clipboard, and the teacher is told why.
void Form1Test::clipboardPastTheLimitIsRefused()
{
    QFETCH(qsizetype, length);
    QFETCH(bool, accepted);
    const QString list = pupilList(length);
    QGuiApplication::clipboard()->setText(list);
    RecordingMessages *messages = nullptr;
    const auto form = formOnSystemClipboard(messages);
    QVERIFY(!form->Form_Load(QStringLiteral("5,1,Élèves concernés (CE2 B),CE2,")));
    if (accepted) {
        QCOMPARE(messages->prompts, QStringList());
    } else {
        QCOMPARE(messages->titles, QStringList {QStringLiteral("Presse-papiers")});
        const QString told = messages->prompts.front();
        QVERIFY2(told.startsWith(QStringLiteral("Le texte du presse-papiers est refusé")),
                 qPrintable(told));
        QVERIFY(told.contains(groupedInFrench(length)));
        QVERIFY(told.contains(groupedInFrench(LargestClipboardText)));
    }
    const bool noPupil = form->documentSession()->texts().Suggestion.contains(
        QStringLiteral("Il n'y a pas d'élèves"));
    QCOMPARE(noPupil, !accepted);
}

// A class list longer than the pages a document may have: the page is shown
// with what fits, and one message says that the rest is not.
void Form1Test::textLeftOutIsToldOnce()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("{\\fs600 ")
                                          + QStringLiteral("a\\par ").repeated(MaxPages + 10)
                                          + QLatin1Char('}'));
    RecordingMessages *messages = nullptr;
    const auto form = formOnSystemClipboard(messages);
    QVERIFY(!form->Form_Load(QStringLiteral("7,1,Élèves concernés,textes narratifs,")));
    QCOMPARE(surfaceOf(*form).pageCount(), MaxPages);
    QCOMPARE(messages->titles, QStringList {QStringLiteral("Texte incomplet")});
    QCOMPARE(messages->prompts,
             QStringList {QStringLiteral("Le document ne montre pas tout son texte : %1.")
                              .arg(causeTextPastLastPage())});
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
