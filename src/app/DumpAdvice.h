#pragma once

#include "app/ProgramOptions.h"
#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace virelai {

// Why --dump-advice describes nothing: the request or the data file is refused.
struct DumpRefusal
{
    QString message; // in French
};

// Decodes the request, runs the advice selection without building anything and
// describes the result (request fields, advice texts, builder name) as one
// compact JSON line for stdout; or why it cannot.
Result<QByteArray, DumpRefusal> dumpAdvice(const ProgramOptions &options);

} // namespace virelai
