#include "WindowMessages.h"

#include <QGuiApplication>

namespace virelai {

void WindowMessages::MsgBox(const QString &Prompt, const QString &Title)
{
    show(QMessageBox::Critical, Prompt, Title);
}

void WindowMessages::inform(const QString &Prompt, const QString &Title)
{
    show(QMessageBox::Information, Prompt, Title);
}

void WindowMessages::show(QMessageBox::Icon icon, const QString &Prompt, const QString &Title)
{
    // The busy pointer would hide that the box waits for the teacher.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(icon, Title, Prompt, QMessageBox::Ok, parent);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace virelai
