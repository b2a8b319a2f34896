#include "StandardError.h"

#include <cstdio>

namespace virelai {

void printError(const QString &message)
{
    std::fputs(qPrintable(message + u'\n'), stderr);
}

} // namespace virelai
