#include "DocumentSession.h"

#include "advice/InitAppli.h"
#include "chart/files/PicturesDirectory.h"
#include "document/metafile/MetafilePicture.h"

namespace virelai {

DocumentSession::DocumentSession(const RequestState &request, const ClipboardSource &clipboard,
                                 Surface &VSPrinter1, DocumentWindow &window,
                                 TeacherMessages &messages, const Clock &clock)
    : request(request)
    , clipboard(clipboard)
    , directory(virelai::picturesDirectory(request.chemin))
    , charts(clipboard, request, TChart1, directory)
    , builders(BuildContext {VSPrinter1, request, adviceTexts, clipboard, window, charts, messages,
                             clock, directory, loadMetafilePicture, readHelpFileBytes})
{ }

void DocumentSession::InitAppli(BusyPointer &pointer)
{
    virelai::InitAppli(request, adviceTexts, clipboard, builders, pointer);
}

} // namespace virelai
