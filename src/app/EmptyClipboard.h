#pragma once

#include "app/ClipboardSource.h"

namespace virelai {

// A clipboard holding no text: the headless modes without --data.
class EmptyClipboard : public ClipboardSource
{
public:
    QString text() const override { return {}; }
};

} // namespace virelai
