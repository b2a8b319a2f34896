#include "ClipboardCharts.h"

#include "chart/files/StaleTemporaryFiles.h"

namespace virelai {

namespace {

// Writes nothing, for the reason given: no folder can take the pictures.
class RefusingWriter : public FileWriter
{
public:
    explicit RefusingWriter(QString reason)
        : reason(std::move(reason))
    { }
    std::optional<WriteFailure> writeWhole(const QString &, const QByteArray &) override
    {
        return WriteFailure {reason};
    }

private:
    QString reason;
};

} // namespace

MajDataGraphResult ClipboardCharts::MajDataGraph()
{
    const ChartRequest chartRequest {request.TypeDoc, request.Param3, request.Param4,
                                     request.Param5};
    lastWritten.clear(); // a run that stops half-way leaves no picture counted
    const bool writable = !folder.unwritable;
    if (writable)
        removeStaleChartTemporaries(folder.path);
    RefusingWriter refusing(folder.unwritable.value_or(QString()));
    FileWriter &chosen = writable ? static_cast<FileWriter &>(writer) : refusing;
    MajDataGraphResult result
        = virelai::MajDataGraph(clipboard.text(), chartRequest, TChart1, folder.path, chosen);
    lastWritten = result.writtenPictures;
    return result;
}

} // namespace virelai
