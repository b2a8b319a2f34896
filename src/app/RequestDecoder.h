#pragma once

#include "common/RequestState.h"

#include <QString>
#include <optional>

namespace virelai {

// Why a request cannot be carried by the command-line format, in French,
// naming the field.
struct RequestError
{
    QString message;
};

// Decodes the argument text S into TypeDoc, CasSelect and Param3 to Param6 (and,
// for an empty S, IndOrigine and CasOrigine), with the 16-bit 1-based positions
// of the host's format. A request the format cannot carry leaves state unchanged.
std::optional<RequestError> decodeCommandLine(const QString &S, RequestState &state);

} // namespace virelai
