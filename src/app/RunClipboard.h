#pragma once

#include "app/ProgramOptions.h"
#include "common/ClipboardSource.h"

#include <QString>
#include <memory>

namespace virelai {

// The clipboard a run reads, or why it has none.
struct RunClipboard
{
    std::unique_ptr<ClipboardSource> clipboard; // null when the data file was refused
    QString refusal; // in French
};

// The file given with --data when there is one, else withoutFile (the system's
// clipboard for the window, an empty one for the runs without a window).
RunClipboard clipboardFromOptions(const ProgramOptions &options,
                                  std::unique_ptr<ClipboardSource> withoutFile);

} // namespace virelai
