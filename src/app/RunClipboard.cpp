#include "RunClipboard.h"

#include "app/FileClipboard.h"

namespace virelai {

RunClipboard clipboardFromOptions(const ProgramOptions &options,
                                  std::unique_ptr<ClipboardSource> withoutFile)
{
    if (!options.dataFile)
        return {std::move(withoutFile), {}};
    auto fromFile = FileClipboard::load(*options.dataFile);
    if (!fromFile)
        return {nullptr, fromFile.failure().message};
    return {std::make_unique<FileClipboard>(std::move(fromFile).value()), {}};
}

} // namespace virelai
