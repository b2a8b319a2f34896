// The window's commands: its printer, its outline navigation and its menu bar,
// each given only the controls and the state it acts on.
#include "Form1.h"

#include "app/menus/Form1Menus.h"
#include "app/navigation/OutlineNavigation.h"
#include "document/builders/DocumentSession.h"

#include <QAction>
#include <QMenuBar>

namespace virelai {

void Form1::createCommands(PrintDialogs dialogs)
{
    printing = new PrinterSetup(*VSPrinter1, this, *messages, std::move(dialogs));
    navigation = new OutlineNavigation({Outline1, Image2, Text1}, requestState, *VSPrinter1,
                                       *messages, this);
    menus = new Form1Menus(*menuBar(), *printing, this);
    connect(navigation, &OutlineNavigation::captionChosen, this, &QWidget::setWindowTitle);
    connect(navigation, &OutlineNavigation::adviceToCompose, this, &Form1::composeAdviceAgain);
    connect(menus, &Form1Menus::documentToBuild, this, &Form1::buildDocument);
    connect(menus->menus().Menuconseil, &QAction::triggered, navigation,
            &OutlineNavigation::Menuconseil_Click);
}

void Form1::composeAdviceAgain()
{
    // No request decoded yet: there are no texts to compose from.
    if (!session)
        return;
    session->composeAdviceAgain();
    repaintWindow();
}

} // namespace virelai
