#pragma once

#include <QString>

namespace virelai {

// Where the host's figures come from: the system clipboard in the window, a
// file in the headless modes, a fixed text in tests. The window reads it once,
// at start-up, and builds every page from that text.
class ClipboardSource
{
public:
    virtual ~ClipboardSource() = default;
    // The clipboard's plain text; empty when it holds none.
    virtual QString text() const = 0;
};

} // namespace virelai
