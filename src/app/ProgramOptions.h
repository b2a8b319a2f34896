#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace virelai {

// What the command line asks for besides the request itself.
struct ProgramOptions
{
    bool dumpAdvice = false;
    std::optional<QString> pdfFile;
    std::optional<QString> dataFile;
    QString request; // the argument text S; empty when none was given
};

// An option that cannot be understood, in French.
struct OptionsError
{
    QString message;
};

// Options are recognised only as leading arguments; "--" ends them, and the
// first other argument starts the request even when it begins with "-" (negative
// types are real requests). The request arguments are joined by one space.
// `arguments` excludes the program's own name.
Result<ProgramOptions, OptionsError> parseProgramOptions(const QStringList &arguments);

} // namespace virelai
