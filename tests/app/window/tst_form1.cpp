#include "app/ClipboardLimit.h"
#include "app/FileClipboard.h"
#include "app/SystemClipboard.h"
#include "app/preview/PreviewWidget.h"
#include "app/window/Form1.h"
#include "app/window/WindowPictures.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/DocumentLimits.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/Twips.h"

#include "support/RecordingMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
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

QString sampleText(const QString &name)
{
    QFile file(QStringLiteral(VIRELAI_SAMPLES_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

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
QPushButton *Command1(const Form1 &form)
{
    return form.findChild<QPushButton *>(QStringLiteral("Command1"));
}

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

const Surface &VSPrinter1(const Form1 &form)
{
    return *form.findChild<Surface *>();
}

QWidget *control(const Form1 &form, const QString &name)
{
    return form.findChild<QWidget *>(name);
}

int toPixels(float twips, const QWidget &widget)
{
    return int(std::lround(twipsToPixels(twips, widget.logicalDpiY())));
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsAtCreation();
    void previewCoversThePanesBeneathIt();
    void startsWithTheInnerAreaOfTheOriginal();
    void startUpWithNothingRequestedBuildsNothing();
    void startUpBuildsTheRequestedPage();
    void resizeKeepsTheLegendAtTheBottom();
    void dropOnThePreviewUncoversTheOutline();
    void opensWhereThePageIsLegible();
    void keysNeverReachCoveredPanes();
    void clipboardPastTheLimitIsRefused_data();
    void clipboardPastTheLimitIsRefused();
    void textLeftOutIsToldOnce();
};

void Form1Test::controlsAtCreation()
{
    const auto form = newForm();
    QVERIFY(!Command1(*form)->isVisibleTo(form.get()));
    QVERIFY(!Command1(*form)->isEnabled());
    QVERIFY(!control(*form, "TChart1")->isVisibleTo(form.get()));
    QCOMPARE(Outline1(*form)->topLevelItemCount(), 0);
    QCOMPARE(Text1(*form)->toPlainText(),
             QStringLiteral("Elément d'origine affiché\nVirelai\nMoyenne de la classe\n"));
    QCOMPARE(Text1(*form)->palette().color(QPalette::Base), QColor(0, 0, 255));
    QCOMPARE(Text1(*form)->palette().color(QPalette::Text), QColor(192, 0, 0));
    for (int i = 0; i < 6; ++i) {
        const QImage active = casePicture(i + 1, true).toImage();
        const QImage inactive = casePicture(i + 1, false).toImage();
        const auto *button = form->findChild<QLabel *>(QStringLiteral("Image2_%1").arg(i));
        QCOMPARE(button->pixmap().toImage(), i == 2 ? active : inactive);
        QVERIFY(active != inactive);
    }
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->windowIcon().pixmap(32).toImage(), windowIcon().pixmap(32).toImage());
}

void Form1Test::previewCoversThePanesBeneathIt()
{
    const auto form = newForm();
    const QObjectList order = form->centralWidget()->children();
    const auto position = [&](QObject *control) {
        return order.indexOf(control);
    };
    QVERIFY(position(control(*form, "Image2_0")) < position(Outline1(*form)));
    QVERIFY(position(control(*form, "Image1_1")) < position(Outline1(*form)));
    QVERIFY(position(Outline1(*form)) < position(Text1(*form)));
    QVERIFY(position(Text1(*form)) < position(preview(*form)));
    QVERIFY(position(preview(*form)) < position(Command1(*form)));
    QVERIFY(position(Command1(*form)) < position(control(*form, "TChart1")));
}

void Form1Test::startsWithTheInnerAreaOfTheOriginal()
{
    const auto form = newForm();
    const ClientArea client = form->clientArea();
    const float onePixel = float(pixelsToTwips(1, form->centralWidget()->logicalDpiX()));
    QVERIFY(qAbs(client.ScaleWidth - 9600) < onePixel);
    QVERIFY(qAbs(client.ScaleHeight - 7395) < onePixel);
}

void Form1Test::startUpWithNothingRequestedBuildsNothing()
{
    const auto form = newForm();
    QVERIFY(!form->Form_Load(QStringLiteral("0,1,a,b,")));
    QCOMPARE(form->windowTitle(), QStringLiteral("Aide et Suggestions pédagogiques - V2.1.0"));
    QCOMPARE(VSPrinter1(*form).pageCount(), 0);
    QCOMPARE(preview(*form)->geometry(), form->centralWidget()->rect());
}

void Form1Test::startUpBuildsTheRequestedPage()
{
    const auto form = newForm(QStringLiteral("X  X     BERNARD Chloé\r\n"));
    QVERIFY(!form->Form_Load(QStringLiteral("6,0,Élèves lents,CE2,")));
    QCOMPARE(VSPrinter1(*form).pageCount(), 1);
    const PageGeometry page = VSPrinter1(*form).shownDocument()->pageGeometry(0);
    QVERIFY(page.size.width() > page.size.height());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(form->Form_Load(QStringLiteral("99999,0,a,b,")).has_value());
}

void Form1Test::resizeKeepsTheLegendAtTheBottom()
{
    const auto form = newForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->resize(form->width() + 100, form->height() + 120);
    QTRY_COMPARE(Text1(*form)->geometry().bottom() + 1, form->centralWidget()->height());
    QCOMPARE(Text1(*form)->height(), toPixels(825, *form));
    QCOMPARE(preview(*form)->size(), form->centralWidget()->size());
}

void Form1Test::dropOnThePreviewUncoversTheOutline()
{
    const auto form = newForm();
    form->redim_ATX();
    form->VSPrinter1_DragDrop(3000, 0);
    QCOMPARE(form->layoutTwips().VSPrinter1.Left, 3000.f);
    QCOMPARE(preview(*form)->x(), 200 * form->logicalDpiX() / 96);
    form->Outline1_DragDrop(1000, 0);
    QCOMPARE(form->layoutTwips().VSPrinter1.Left, 1000.f);
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

// The panes under the preview cannot be seen: keys must not reach them, or
// Ctrl+A, Ctrl+C there would put their text in place of the host's figures.
void Form1Test::keysNeverReachCoveredPanes()
{
    const QString figures = sampleText(QStringLiteral("type1.txt"));
    QGuiApplication::clipboard()->setText(figures);
    const QByteArray before = QGuiApplication::clipboard()->mimeData()->data("text/plain");
    const auto form = newForm(figures);
    QVERIFY(!form->Form_Load(MoyenneCas4));
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    for (const char *keys : {"Tab", "Ctrl+A", "Ctrl+C", "Shift+Tab", "Ctrl+A", "Ctrl+C", "Tab",
                             "Tab", "Ctrl+A", "Ctrl+C", "Shift+Tab", "Shift+Tab", "Ctrl+C"})
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QString::fromLatin1(keys)));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("text/plain"), before);
    QCOMPARE(QApplication::focusWidget(), preview(*form));
    // Uncovered, the outline pane takes the focus again.
    form->VSPrinter1_DragDrop(3000, 0);
    QCOMPARE(Outline1(*form)->focusPolicy(), Qt::StrongFocus);
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
    QCOMPARE(VSPrinter1(*form).pageCount(), MaxPages);
    QCOMPARE(messages->titles, QStringList {QStringLiteral("Texte incomplet")});
    QCOMPARE(messages->prompts,
             QStringList {QStringLiteral("Le document ne montre pas tout son texte : %1.")
                              .arg(causeTextPastLastPage())});
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
