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

} // namespace

Result<QByteArray, DumpRefusal> dumpAdvice(const ProgramOptions &options)
{
    const RunClipboard run = clipboardFromOptions(options, std::make_unique<TextClipboard>());
    if (!run)
        return DumpRefusal {run.failure().message};
    const auto decoded = decodeCommandLine(options.request, RequestState());
    if (!decoded)
        return DumpRefusal {decoded.failure().message};
    const RequestState &request = decoded.value();
    AdviceTexts texts;
    DispatchRecorder recorder;
    NoPointer pointer;
    InitAppli(request, texts, *run.value(), recorder, pointer);
    return describe(request, texts, recorder.builder());
}

} // namespace virelai
