#include "DumpAdvice.h"

#include "advice/DispatchRecorder.h"
#include "advice/InitAppli.h"
#include "app/RequestDecoder.h"
#include "app/RunClipboard.h"
#include "common/TextClipboard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace virelai {

namespace {

QByteArray describe(const RequestState &request, const AdviceTexts &texts, const QString &builder)
{
    const QJsonObject object {
        {QStringLiteral("TypeDoc"), request.TypeDoc},
        {QStringLiteral("CasSelect"), request.CasSelect},
        {QStringLiteral("Param3"), request.Param3},
        {QStringLiteral("Param4"), request.Param4},
        {QStringLiteral("Param5"), request.Param5},
        {QStringLiteral("Param6"), request.Param6},
        {QStringLiteral("IndOrigine"), request.IndOrigine},
        {QStringLiteral("CasOrigine"), request.CasOrigine},
        {QStringLiteral("Titre"), texts.Titre},
        {QStringLiteral("Explication"), texts.Explication},
        {QStringLiteral("Suggestion"), texts.Suggestion},
        {QStringLiteral("Rappel"), texts.Rappel},
        {QStringLiteral("builder"), builder},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

DumpOutcome failure(const QString &message)
{
    return {2, {}, message};
}

} // namespace

DumpOutcome dumpAdvice(const ProgramOptions &options)
{
    const RunClipboard run = clipboardFromOptions(options, std::make_unique<TextClipboard>());
    if (!run.clipboard)
        return failure(run.refusal);
    const auto decoded = decodeCommandLine(options.request, RequestState());
    if (!decoded)
        return failure(decoded.failure().message);
    const RequestState &request = decoded.value();
    AdviceTexts texts;
    DispatchRecorder recorder;
    NoPointer pointer;
    InitAppli(request, texts, *run.clipboard, recorder, pointer);
    return {0, describe(request, texts, recorder.builder()), {}};
}

} // namespace virelai
