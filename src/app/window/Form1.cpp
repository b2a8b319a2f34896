#include "Form1.h"

#include "app/ClipboardLimit.h"
#include "app/StartupInfo.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/preview/PreviewWidget.h"
#include "app/window/StartPlacement.h"
#include "app/window/WindowMessages.h"
#include "common/TextClipboard.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"
#include "document/surface/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

namespace virelai {

Form1::Form1(std::unique_ptr<ClipboardSource> clipboard,
             std::unique_ptr<TeacherMessages> messageSink, std::unique_ptr<Clock> footerClock,
             PrintDialogs dialogs, QWidget *parent)
    : QMainWindow(parent)
    , clipboard(std::move(clipboard))
    , messages(messageSink ? std::move(messageSink) : std::make_unique<WindowMessages>(this))
    , clock(footerClock ? std::move(footerClock) : std::make_unique<SystemClock>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Aide en ligne"));
    createControls();
    // Once the page that lacks the text is on screen, so the teacher sees it.
    connect(VSPrinter1, &Surface::textCut, this, [this](const QString &message) {
        messages->inform(message, QStringLiteral("Texte incomplet"));
    });
    createCommands(std::move(dialogs));
    setInitialInnerSize();
    applyLayout();
}

Form1::~Form1() = default;

std::optional<RequestError> Form1::Form_Load(const QString &commandLine)
{
    requestState.chemin = cheminFromDirectory(QCoreApplication::applicationDirPath());
    requestState.NumVersion = programNumVersion();
    setWindowTitle(windowCaption(requestState.NumVersion));
    redim_ATX();
    auto decoded = decodeCommandLine(commandLine, requestState);
    if (!decoded)
        return decoded.failure();
    requestState = std::move(decoded).value();
    navigation->rememberOrigin();
    // A refused text is read as an empty clipboard.
    const auto withinLimit = clipboardTextWithinLimit(clipboard->text());
    if (!withinLimit)
        messages->inform(withinLimit.failure().message, QStringLiteral("Presse-papiers"));
    clipboard = std::make_unique<TextClipboard>(withinLimit ? withinLimit.value() : QString());
    session = std::make_unique<DocumentSession>(requestState, *clipboard, *VSPrinter1, *this,
                                                *messages, *clock);
    buildDocument();
    repaintWindow();
    return std::nullopt;
}

void Form1::showOnScreen()
{
    VSPrinter1Preview->setZoomMode(ZoomMode::PageWidth);
    // The window manager frames the window only once it is shown: a title bar
    // is reckoned with.
    const QMargins frame(0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this), 0, 0);
    // The preview spans the whole width of the window.
    const int wantedWidth = VSPrinter1Preview->widthForRealSize();
    setGeometry(startGeometry(screen()->availableGeometry(), wantedWidth, frame));
    show();
}

void Form1::buildDocument()
{
    if (session)
        session->buildDocument(pointer);
}

ClientArea Form1::clientArea() const
{
    if (isMinimized())
        return {};
    const QWidget *inner = centralWidget();
    return clientAreaFromPixels(inner->width(), inner->height(), inner->logicalDpiX(),
                                inner->logicalDpiY());
}

void Form1::redim_ATX()
{
    virelai::redim_ATX(geometry, clientArea());
    applyLayout();
}

void Form1::MajFenetre()
{
    virelai::MajFenetre(geometry, clientArea());
    applyLayout();
}

void Form1::SplitFen(float X, float Y)
{
    virelai::SplitFen(geometry, clientArea(), X, Y);
    applyLayout();
}

void Form1::Form_Resize()
{
    redim_ATX();
}

void Form1::repaintWindow()
{
    update();
    VSPrinter1Preview->viewport()->update();
}

QRect Form1::toPixels(const ControlGeometry &control) const
{
    const QWidget *inner = centralWidget();
    return pixelRect(control, inner->logicalDpiX(), inner->logicalDpiY());
}

QPointF Form1::toTwips(const QPoint &pixels) const
{
    const QWidget *inner = centralWidget();
    return {pixelsToTwips(pixels.x(), inner->logicalDpiX()),
            pixelsToTwips(pixels.y(), inner->logicalDpiY())};
}

void Form1::applyLayout()
{
    VSPrinter1Preview->setGeometry(toPixels(geometry.VSPrinter1));
    Outline1->setGeometry(toPixels(geometry.Outline1));
    Text1->setGeometry(toPixels(geometry.Text1));
    Command1->setGeometry(toPixels(geometry.Command1));
    keepFocusOffCoveredPanes();
}

// Keys typed into a pane the teacher cannot see would act unseen: Ctrl+A then
// Ctrl+C in the legend box would replace the host's figures on the clipboard.
void Form1::keepFocusOffCoveredPanes()
{
    const QRect preview = VSPrinter1Preview->geometry();
    for (const auto &[pane, policy] : focusWhenUncovered) {
        const bool covered = preview.contains(pane->geometry());
        pane->setFocusPolicy(covered ? Qt::NoFocus : policy);
        if (covered && pane->hasFocus())
            VSPrinter1Preview->setFocus();
    }
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    else if (watched == Command1)
        return splitterEvent(event);
    else if (watched == Outline1->viewport())
        return outlineDropEvent(event);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace virelai
