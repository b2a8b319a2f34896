#pragma once

#include "chart/MajDataGraph.h"
#include "document/builders/ChartPageLayout.h"

namespace virelai {

struct BuildContext;

// Steps that several pages share, each as the pages write it.

// The heading block, then the reading help (always, or only when not empty).
enum class Explication { Toujours, SiNonVide };
void ecrireTitre(BuildContext &context, Explication explication);

// "Proposition" at the current position, bold and underlined in dark red; the
// text colour is put back, bold and underline stay on.
void ecrireProposition(BuildContext &context);

// Chart picture n as this build drew and wrote it, or the notice in its place
// (counted in context.chartNoticesShown) when this build did not write it.
void placerGraphique(BuildContext &context, const ChartPlacement &place,
                     const ChartPictures &writtenPictures);

// The footer with the date and time of this moment, the end of the document
// (it is shown now), and the repaint of the window.
void terminerDocument(BuildContext &context);

} // namespace virelai
