#include "ClipboardCharts.h"

namespace virelai {

MajDataGraphResult ClipboardCharts::MajDataGraph()
{
    const ChartRequest chartRequest {request.TypeDoc, request.Param3, request.Param4,
                                     request.Param5};
    return virelai::MajDataGraph(clipboard.text(), chartRequest, TChart1, directory, writer);
}

} // namespace virelai
