#pragma once

#include "app/FileClipboard.h"
#include "app/ProgramOptions.h"
#include "common/ClipboardSource.h"
#include "common/Result.h"

#include <memory>

namespace virelai {

// The clipboard a run reads, or why the data file gives it none.
using RunClipboard = Result<std::unique_ptr<ClipboardSource>, DataFileRefusal>;

// The file given with --data when there is one, else withoutFile (the system's
// clipboard for the window, an empty one for the runs without a window).
RunClipboard clipboardFromOptions(const ProgramOptions &options,
                                  std::unique_ptr<ClipboardSource> withoutFile);

} // namespace virelai
