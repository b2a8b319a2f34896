#pragma once

#include "app/OverrideCursorPointer.h"
#include "app/RequestDecoder.h"
#include "app/printing/PrinterSetup.h"
#include "app/window/WindowLayout.h"
#include "common/ClipboardSource.h"
#include "common/RequestState.h"
#include "document/builders/BuildContext.h"
#include "document/builders/Clock.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace virelai {

class DocumentSession;
class Form1Menus;
class OutlineNavigation;
class PreviewWidget;
class PrinterSetup;
class Surface;

// The program's one window. The preview covers the whole inner area; the
// outline pane, the legend box and the case buttons lie under it. Positions are
// kept in twips (`geometry`) and turned into pixels only to place the widgets.
class Form1 : public QMainWindow, public DocumentWindow
{
    Q_OBJECT

public:
    // Messages go to modal boxes over the window, footers read the system
    // clock and printing asks through its dialogs, unless tests give their own.
    explicit Form1(std::unique_ptr<ClipboardSource> clipboard,
                   std::unique_ptr<TeacherMessages> messageSink = nullptr,
                   std::unique_ptr<Clock> footerClock = nullptr, PrintDialogs dialogs = {},
                   QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence: chemin, NumVersion, caption, layout, the request
    // decoded, its document built, the repaint. A request that the command-line
    // format cannot carry builds nothing and is returned. The clipboard's text
    // is read here once: every later build uses that text.
    std::optional<RequestError> Form_Load(const QString &commandLine);

    // Shows the window where its page can be read at once: centred on its
    // screen, nine tenths of its height, wide enough for the page at its real
    // size when the screen allows, in the page-width zoom.
    void showOnScreen();

    // Chooses the advice for the request state and builds its document.
    void buildDocument();

    void redim_ATX();
    void MajFenetre() override;
    void SplitFen(float X, float Y);
    void Form_Resize();
    void repaintWindow() override;

    void Command1_MouseDown(int Button);
    void Command1_MouseUp();
    void Outline1_DragDrop(float X, float Y);
    void VSPrinter1_DragDrop(float X, float Y);

    // The inner area in twips; 0 × 0 while minimised.
    ClientArea clientArea() const;
    const Form1Layout &layoutTwips() const { return geometry; }
    const RequestState &request() const { return requestState; }
    // Null until Form_Load has decoded a request.
    const DocumentSession *documentSession() const { return session.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createPictureControls(QWidget *inner);
    void createPanes(QWidget *inner);
    void createCommands(PrintDialogs dialogs);
    void setInitialInnerSize();
    void applyLayout();
    void keepFocusOffCoveredPanes();
    QRect toPixels(const ControlGeometry &control) const;
    QPointF toTwips(const QPoint &pixels) const;
    bool splitterEvent(QEvent *event);
    bool outlineDropEvent(QEvent *event);
    void dragSplitter();
    // ouvre_fic for a document type of 0 or more.
    void composeAdviceAgain();

    // Request state: module and window variables of the one window.
    RequestState requestState;
    // The screen-wide pointer, busy while a document is built.
    OverrideCursorPointer pointer;

    // Controls, top of the stacking order last.
    Surface *VSPrinter1 = nullptr; // the page model that builders compose on
    PreviewWidget *VSPrinter1Preview = nullptr; // where it is shown
    QTreeWidget *Outline1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QWidget *TChart1 = nullptr; // the chart pane, never shown
    std::array<QLabel *, 6> Image2 {};
    std::array<QPixmap, 6> ImageAct;
    std::array<QPixmap, 6> ImageInact;
    std::array<QLabel *, 2> Image1 {};

    // The printer, the outline navigation and the menu bar, children of the window.
    PrinterSetup *printing = nullptr;
    OutlineNavigation *navigation = nullptr;
    Form1Menus *menus = nullptr;

    // The host starts a new copy of the program for each request and leaves
    // that request's figures on the clipboard; the teacher may copy something
    // else in another program before a page set-up or a case button rebuilds
    // the page. So Form_Load puts the text it reads in place of the source,
    // and every build uses that text; a text past the clipboard's limit is
    // refused there, once.
    std::unique_ptr<ClipboardSource> clipboard;
    std::unique_ptr<TeacherMessages> messages;
    std::unique_ptr<Clock> clock; // where footers read the date and time
    // The panes under the preview and the focus they take when uncovered.
    std::vector<std::pair<QWidget *, Qt::FocusPolicy>> focusWhenUncovered;
    std::unique_ptr<DocumentSession> session;
    Form1Layout geometry;
};

} // namespace virelai
