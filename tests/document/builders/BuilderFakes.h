#pragma once

#include "advice/InitAppli.h"
#include "common/TextClipboard.h"
#include "document/builders/BuildContext.h"
#include "document/builders/Clock.h"
#include "document/builders/PageBuilders.h"
#include "document/surface/Surface.h"
#include "support/PagePictures.h"
#include "support/RecordingMessages.h"

#include <QFile>
#include <QPainter>
#include <QStringList>

#include <functional>
#include <map>
#include <stdexcept>

namespace virelai::testing {

class CountingWindow : public DocumentWindow
{
public:
    int layouts = 0;
    int repaints = 0;
    void MajFenetre() override { ++layouts; }
    void repaintWindow() override { ++repaints; }
};

// Says which charts were written, or fails the way it is told to.
class FakeCharts : public ChartRefresher
{
public:
    MajDataGraphResult result;
    bool throwing = false;
    int calls = 0;
    MajDataGraphResult MajDataGraph() override
    {
        ++calls;
        if (throwing)
            throw std::runtime_error("disque plein");
        return result;
    }
};

// Everything a build reads, with test doubles, and the surface it builds on.
struct BuildBench
{
    RequestState request;
    AdviceTexts texts;
    TextClipboard clipboard;
    CountingWindow window;
    FakeCharts charts;
    RecordingMessages messages;
    FixedClock clock {QDateTime(QDate(2026, 12, 5), QTime(9, 5))};
    Surface VSPrinter1;
    QList<QByteArray> playedPictures;
    std::map<QString, QByteArray> helpFiles;
    QStringList helpPathsAsked;

    BuildBench()
    {
        request.chemin = QStringLiteral("/programme/");
        request.NumVersion = QStringLiteral("2.1.0");
        texts.Titre = QStringLiteral("\\fs40 Titre\\par\\cf0\\fs36 Suggestions Pédagogiques");
        texts.Explication = QStringLiteral("{Explication}");
        texts.Suggestion = QStringLiteral("{Suggestion}");
        texts.Rappel = QStringLiteral("{Rappel}");
        charts.result.writtenPictures = {{1, "un"}, {2, "deux"}, {3, "trois"}};
    }

    // The page the request asks for, built as the program builds it.
    void answerRequest()
    {
        PageBuilders builders(context());
        NoPointer pointer;
        InitAppli(request, texts, clipboard, builders, pointer);
    }

    BuildContext context()
    {
        return {VSPrinter1,
                request,
                texts,
                clipboard,
                window,
                charts,
                messages,
                clock,
                QStringLiteral("/images/"),
                [this](const QByteArray &bytes) -> std::shared_ptr<const PagePicture> {
                    playedPictures << bytes;
                    return std::make_shared<GreenPicture>();
                },
                [this](const QString &path) -> std::optional<QByteArray> {
                    helpPathsAsked << path;
                    const auto file = helpFiles.find(path);
                    if (file == helpFiles.end())
                        return std::nullopt;
                    return file->second;
                }};
    }
};

// The host data of the samples folder for a document type.
inline QString sample(int type)
{
    QFile file(QStringLiteral(VIRELAI_SAMPLES_DIR "/type%1.txt").arg(type));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace virelai::testing
