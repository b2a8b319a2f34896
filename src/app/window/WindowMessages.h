#pragma once

#include "document/builders/BuildContext.h"

class QWidget;

namespace virelai {

// Messages to the teacher as modal boxes with one OK button over the window.
class WindowMessages : public TeacherMessages
{
public:
    explicit WindowMessages(QWidget *parent)
        : parent(parent)
    { }
    void MsgBox(const QString &Prompt, const QString &Title) override;

private:
    QWidget *parent;
};

} // namespace virelai
