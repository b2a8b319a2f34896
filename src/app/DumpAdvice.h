#pragma once

#include "app/ProgramOptions.h"

#include <QByteArray>
#include <QString>

namespace virelai {

// What --dump-advice prints and returns: one compact JSON line on stdout and
// exit status 0, or a French message for stderr and status 2.
struct DumpOutcome
{
    int exitStatus = 0;
    QByteArray standardOutput;
    QString errorMessage;
};

// Decodes the request, runs the advice selection without building anything and
// describes the result (request fields, advice texts, builder name) as JSON.
DumpOutcome dumpAdvice(const ProgramOptions &options);

} // namespace virelai
