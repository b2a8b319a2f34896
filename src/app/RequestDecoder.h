#pragma once

#include "common/RequestState.h"
#include "common/Result.h"

#include <QString>

namespace virelai {

// Why a request cannot be carried by the command-line format, in French,
// naming the field.
struct RequestError
{
    QString message;
};

// `state` with TypeDoc, CasSelect and Param3 to Param6 (and, for an empty S,
// IndOrigine and CasOrigine) decoded from the argument text S, with the 16-bit
// 1-based positions of the host's format; or why the format cannot carry S.
Result<RequestState, RequestError> decodeCommandLine(const QString &S, RequestState state);

} // namespace virelai
