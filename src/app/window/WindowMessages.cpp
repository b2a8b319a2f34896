#include "WindowMessages.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace virelai {

void WindowMessages::MsgBox(const QString &Prompt, const QString &Title)
{
    // The busy pointer would hide that the box waits for the teacher.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Critical, Title, Prompt, QMessageBox::Ok, parent);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace virelai
