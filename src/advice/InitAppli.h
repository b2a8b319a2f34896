#pragma once

#include "advice/BusyPointer.h"
#include "advice/DocumentBuilders.h"
#include "common/AdviceTexts.h"
#include "common/ClipboardSource.h"
#include "common/RequestState.h"

namespace virelai {

// Chooses Titre, Explication, Suggestion and Rappel for the request and calls the
// one builder of the document type, with the hourglass pointer while it runs
// (put back even when the builder throws). TypeDoc 0 does nothing at all. A text
// that a branch does not assign keeps its previous value.
void InitAppli(const RequestState &request, AdviceTexts &texts, const ClipboardSource &clipboard,
               DocumentBuilders &builders, BusyPointer &pointer);

} // namespace virelai
