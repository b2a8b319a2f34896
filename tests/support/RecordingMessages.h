#pragma once

#include "document/builders/BuildContext.h"

#include <QStringList>

namespace virelai::testing {

// Keeps the messages a build tells the teacher.
class RecordingMessages : public TeacherMessages
{
public:
    QStringList prompts;
    QStringList titles;
    void MsgBox(const QString &Prompt, const QString &Title) override
    {
        prompts << Prompt;
        titles << Title;
    }
};

} // namespace virelai::testing
