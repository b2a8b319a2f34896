// Chart data from the clipboard: read it, and when it is accepted draw every chart
// into a metafile held in memory, as a document build would.
#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/data/DataGraph.h"
#include "chart/files/AtomicFileWriter.h"

#include <QGuiApplication>

#include <cstdlib>

namespace {

class DiscardingWriter : public virelai::FileWriter
{
public:
    std::optional<virelai::WriteFailure> writeWhole(const QString &,
                                                    const QByteArray &bytes) override
    {
        if (bytes.size() < 22)
            std::abort(); // a chart that reached the writer always has a whole metafile
        return std::nullopt;
    }
};

void checkReading(const virelai::DataGraphReading &reading)
{
    if (!reading)
        return;
    const virelai::DataGraph &data = reading.value();
    if (int(data.charts.size()) != data.nbGraph || data.nbGraph > virelai::MaxCharts)
        std::abort();
    if (data.nbGraph > 0 && data.nbSerie * data.nbPoint > virelai::DataGraphSlots)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkReading(virelai::readDataGraph(text));
    virelai::TChart chart;
    DiscardingWriter writer;
    virelai::MajDataGraph(text, {10, QStringLiteral("20"), QStringLiteral("8"), text.left(40)},
                          chart, QStringLiteral("/nowhere/"), writer);
    return 0;
}
