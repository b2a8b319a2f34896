#include "WindowCommands.h"

#include "app/menus/Form1Menus.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/printing/PrinterSetup.h"
#include "app/window/Form1.h"

namespace virelai {

void installWindowCommands(Form1 &form, TeacherMessages &messages)
{
    form.printing = new PrinterSetup(*form.VSPrinter1, &form, messages);
    form.navigation = new OutlineNavigation(form, messages);
    form.menus = new Form1Menus(form, *form.printing, *form.navigation);
}

} // namespace virelai
