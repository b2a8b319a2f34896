#include "TrimBlancs.h"

namespace virelai {

QString TrimBlancs(const QString &s)
{
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1) == u' ')
        --end;
    qsizetype start = 0;
    while (start < end && s.at(start) == u' ')
        ++start;
    return s.mid(start, end - start);
}

} // namespace virelai
