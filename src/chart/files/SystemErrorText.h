#pragma once

#include <QString>

namespace virelai {

// The cause behind a system error number, in French, for the teacher's messages
// (the C library's own texts follow the desktop's language, often English).
QString systemErrorText(int errorNumber);

} // namespace virelai
