#pragma once

#include "advice/InitAppli.h"
#include "common/TextClipboard.h"
#include "document/builders/BuildContext.h"
#include "document/builders/Clock.h"
#include "document/builders/PageBuilders.h"
#include "document/surface/PrintableArea.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "support/PagePictures.h"
#include "support/RecordingMessages.h"
#include "support/Samples.h"

#include <QFile>
#include <QMetaType>
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

// A request of the host and the clipboard it comes with, named for messages.
struct Request
{
    QString label;
    RequestState state;
    QString clipboard;
};

inline Request request(qint16 type, qint16 cas, QString p3, QString p4, QString clipboard = {},
                       QString p6 = {})
{
    Request r;
    r.state.TypeDoc = type;
    r.state.CasSelect = cas;
    r.state.Param3 = std::move(p3);
    r.state.Param4 = std::move(p4);
    r.state.Param5 = QStringLiteral("Résultats de Léa");
    r.state.Param6 = std::move(p6);
    r.state.NumVersion = QStringLiteral("2.1.0");
    r.clipboard = std::move(clipboard);
    r.label = QStringLiteral("type %1, case %2, «%3», «%4», %5 lines, «%6»")
                  .arg(type)
                  .arg(cas)
                  .arg(r.state.Param3.left(20), r.state.Param4.left(20))
                  .arg(r.clipboard.count(u'\n'))
                  .arg(r.state.Param6.left(20));
    return r;
}

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
    void answer(const Request &r)
    {
        request = r.state;
        clipboard = TextClipboard(r.clipboard);
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

// A list of pupils as the host copies it, every other one with a second cross.
inline QString classList(int pupils)
{
    QString list;
    for (int i = 1; i <= pupils; ++i)
        list += QStringLiteral("X  %1  X    ÉLÈVE%2 Prénom\r\n")
                    .arg(i % 2 ? QStringLiteral("X") : QStringLiteral(" "))
                    .arg(i);
    return list;
}

// Where a page asks for a block, in percent of the printable area; a height of
// 0 is not checked.
struct AskedPosition
{
    BlockRole role;
    int number;
    double x;
    double y;
    double height = 0;
};

inline QString placement(const AskedPosition &block, double x, double y, double height)
{
    const auto tenths = [](double twips) {
        return qRound(twips * 10) / 10.0;
    };
    return QStringLiteral("block %1 %2 at (%3, %4), %5 high")
        .arg(int(block.role))
        .arg(block.number)
        .arg(tenths(x))
        .arg(tenths(y))
        .arg(block.height > 0 ? tenths(height) : 0);
}

// Where the blocks of the first page stand, and where they were asked for.
inline std::pair<QStringList, QStringList> placements(const SurfaceDocument &document,
                                                      const QList<AskedPosition> &positions)
{
    const PageGeometry &page = document.pageGeometry(0);
    const PrintableArea area
        = PrintableArea::fromPage(page.size.width(), page.size.height(), page.margins.left(),
                                  page.margins.right(), page.margins.top(), page.margins.bottom());
    const PageMap &map = document.pageMap();
    QStringList actual, asked;
    for (const AskedPosition &position : positions) {
        const auto block = std::find_if(map.begin(), map.end(), [&](const MappedBlock &b) {
            return b.role == position.role && b.number == position.number && b.page == 0;
        });
        const QRectF rect = block == map.end() ? QRectF() : block->rect;
        actual << placement(position, rect.left(), rect.top(), rect.height());
        asked << placement(position, area.xAt(position.x), area.yAt(position.y),
                           area.heightOf(position.height));
    }
    return {actual, asked};
}

} // namespace virelai::testing

Q_DECLARE_METATYPE(virelai::testing::Request)
Q_DECLARE_METATYPE(QList<virelai::testing::AskedPosition>)
