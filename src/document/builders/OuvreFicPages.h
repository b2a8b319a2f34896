#pragma once

#include "chart/MajDataGraph.h"
#include "common/AdviceTexts.h"
#include "document/builders/HelpFileReading.h"
#include "document/builders/PagePrimitives.h"

#include <QString>

namespace virelai {

class Clock;
class Surface;

// What the advice page is composed again from: the texts and chart pictures of
// the last build, and the clock its footer reads.
struct StoredAdvice
{
    const AdviceTexts &texts;
    qint16 TypeDoc = 0;
    QString NumVersion;
    QString picturesDirectory;
    ChartPictures writtenPictures; // the pictures the last build wrote, by chart number
    PicturePlayer playPicture;
    const Clock &clock;
};

// The heading block of the page composed again: bold, centred, default colour.
QString headingBlockWithoutColour(const QString &Titre);

// Composes the advice page again on VSPrinter1 and shows it. The layout, the
// charts and the orientation are left as the last build set them; a picture the
// last build did not write is replaced by the missing-chart frame.
void recomposeAdvice(Surface &VSPrinter1, const StoredAdvice &advice);

// Shows the stored RTF document at path, read in Windows-1252. Returns false,
// leaving the page shown before, when the file cannot be read.
bool showStoredDocument(Surface &VSPrinter1, const QString &path, const HelpFileReader &read);

} // namespace virelai
