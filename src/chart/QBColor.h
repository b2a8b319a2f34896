#pragma once

#include <QtGlobal>

namespace virelai {

// The sixteen standard colours of the Basic QBColor function, as 0x00BBGGRR
// (red in the low byte). Indexes outside 0..15 give black.
quint32 QBColor(int index);

} // namespace virelai
