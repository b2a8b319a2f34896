#pragma once

#include "common/ClipboardSource.h"

namespace virelai {

// The system clipboard's plain text, read anew at every use.
class SystemClipboard : public ClipboardSource
{
public:
    QString text() const override;
};

} // namespace virelai
