#include "ClipboardCharts.h"

namespace virelai {

MajDataGraphResult ClipboardCharts::MajDataGraph()
{
    const ChartRequest chartRequest {request.TypeDoc, request.Param3, request.Param4,
                                     request.Param5};
    lastWritten.clear(); // a run that stops half-way leaves no picture counted
    MajDataGraphResult result
        = virelai::MajDataGraph(clipboard.text(), chartRequest, TChart1, directory, writer);
    lastWritten = result.writtenCharts;
    return result;
}

} // namespace virelai
