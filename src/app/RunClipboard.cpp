#include "RunClipboard.h"

#include "app/FileClipboard.h"

namespace virelai {

RunClipboard clipboardFromOptions(const ProgramOptions &options,
                                  std::unique_ptr<ClipboardSource> withoutFile)
{
    if (!options.dataFile)
        return {std::move(withoutFile), {}};
    QString refusal;
    auto fromFile = FileClipboard::load(*options.dataFile, refusal);
    if (!fromFile)
        return {nullptr, refusal};
    return {std::make_unique<FileClipboard>(std::move(*fromFile)), {}};
}

} // namespace virelai
