#pragma once

#include <QLoggingCategory>

namespace virelai {

// The program's one logging category: what it tells on stderr besides the
// messages of its runs.
Q_DECLARE_LOGGING_CATEGORY(lcVirelai)

} // namespace virelai
