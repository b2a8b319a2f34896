#include "Form1.h"

#include "app/StartupInfo.h"
#include "app/menus/WindowCommands.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/window/WindowMessages.h"
#include "document/builders/DocumentSession.h"
#include "document/preview/PreviewWidget.h"
#include "document/surface/Surface.h"
#include "document/surface/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace virelai {

Form1::Form1(std::unique_ptr<ClipboardSource> clipboard, QWidget *parent)
    : QMainWindow(parent)
    , clipboard(std::move(clipboard))
    , messages(std::make_unique<WindowMessages>(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Aide en ligne"));
    createControls();
    installWindowCommands(*this, *messages);
    setInitialInnerSize();
    applyLayout();
}

Form1::~Form1() = default;

std::optional<RequestError> Form1::Form_Load(const QString &commandLine)
{
    request.chemin = cheminFromDirectory(QCoreApplication::applicationDirPath());
    request.NumVersion = programNumVersion();
    setWindowTitle(windowCaption(request.NumVersion));
    redim_ATX();
    if (auto error = decodeCommandLine(commandLine, request))
        return error;
    navigation->retenirOrigine();
    session = std::make_unique<DocumentSession>(request, *clipboard, *VSPrinter1, *this, *messages,
                                                clock);
    InitAppli();
    repaintWindow();
    return std::nullopt;
}

void Form1::InitAppli()
{
    if (session)
        session->InitAppli(pointer);
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
