#pragma once

#include "document/builders/BuildContext.h"

#include <QMessageBox>

class QWidget;

namespace virelai {

// Messages to the teacher as modal boxes with one OK button over the window:
// failures with the critical icon, information with the information icon.
class WindowMessages : public TeacherMessages
{
public:
    explicit WindowMessages(QWidget *parent)
        : parent(parent)
    { }
    void MsgBox(const QString &Prompt, const QString &Title) override;
    void inform(const QString &Prompt, const QString &Title) override;

private:
    void show(QMessageBox::Icon icon, const QString &Prompt, const QString &Title);

    QWidget *parent;
};

} // namespace virelai
