#pragma once

#include "common/ClipboardSource.h"

#include <utility>

namespace virelai {

// A clipboard holding a fixed text: empty for the headless modes without
// --data, the given text in tests and fuzzing.
class TextClipboard : public ClipboardSource
{
public:
    explicit TextClipboard(QString text = {})
        : contents(std::move(text))
    { }
    QString text() const override { return contents; }

private:
    QString contents;
};

} // namespace virelai
