#include "DocumentSession.h"

#include "advice/InitAppli.h"
#include "chart/files/PicturesDirectory.h"
#include "document/builders/OuvreFicPages.h"
#include "document/metafile/MetafilePicture.h"

namespace virelai {

DocumentSession::DocumentSession(const RequestState &request, const ClipboardSource &clipboard,
                                 Surface &VSPrinter1, DocumentWindow &window,
                                 TeacherMessages &messages, const Clock &clock)
    : request(request)
    , clipboard(clipboard)
    , VSPrinter1(VSPrinter1)
    , clock(clock)
    , folder(picturesFolder(request.chemin))
    , charts(clipboard, request, TChart1, folder)
    , builders(BuildContext {VSPrinter1, request, adviceTexts, clipboard, window, charts, messages,
                             clock, folder.path, metafilePictureFromBytes, readHelpFileBytes})
{ }

void DocumentSession::buildDocument(BusyPointer &pointer)
{
    virelai::InitAppli(request, adviceTexts, clipboard, builders, pointer);
}

void DocumentSession::composeAdviceAgain()
{
    recomposeAdvice(VSPrinter1,
                    StoredAdvice {adviceTexts, request.TypeDoc, request.NumVersion, folder.path,
                                  chartsOfLastBuild(), metafilePictureFromBytes, clock});
}

} // namespace virelai
