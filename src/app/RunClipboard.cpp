#include "RunClipboard.h"

namespace virelai {

RunClipboard clipboardFromOptions(const ProgramOptions &options,
                                  std::unique_ptr<ClipboardSource> withoutFile)
{
    if (!options.dataFile)
        return withoutFile;
    auto fromFile = FileClipboard::load(*options.dataFile);
    if (!fromFile)
        return fromFile.failure();
    return std::unique_ptr<ClipboardSource>(
        std::make_unique<FileClipboard>(std::move(fromFile).value()));
}

} // namespace virelai
