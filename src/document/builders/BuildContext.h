#pragma once

#include "chart/MajDataGraph.h"
#include "common/AdviceTexts.h"
#include "common/ClipboardSource.h"
#include "common/RequestState.h"
#include "document/builders/HelpFileReading.h"
#include "document/builders/PagePrimitives.h"

#include <QString>

namespace virelai {

class Clock;
class Surface;

// What a build asks of the window: lay the panes out again, repaint. Headless
// runs have no window and do nothing here.
class DocumentWindow
{
public:
    virtual ~DocumentWindow() = default;
    virtual void MajFenetre() = 0;
    virtual void repaintWindow() = 0;
};

// Redraws the charts from the clipboard and writes their picture files.
class ChartRefresher
{
public:
    virtual ~ChartRefresher() = default;
    virtual MajDataGraphResult MajDataGraph() = 0;
};

// One message to the teacher: a modal box in the window, stderr when headless.
// MsgBox tells a failure; inform tells what the teacher should know, where the
// window shows the information icon instead of the critical one.
class TeacherMessages
{
public:
    virtual ~TeacherMessages() = default;
    virtual void MsgBox(const QString &Prompt, const QString &Title) = 0;
    virtual void inform(const QString &Prompt, const QString &Title) { MsgBox(Prompt, Title); }
};

// Everything the builders read and use. The references outlive the builders.
struct BuildContext
{
    Surface &VSPrinter1;
    const RequestState &request;
    const AdviceTexts &texts;
    const ClipboardSource &clipboard;
    DocumentWindow &window;
    ChartRefresher &charts;
    TeacherMessages &messages;
    const Clock &clock;
    QString picturesDirectory; // where the chart pictures are written
    PicturePlayer playPicture; // plays the bytes of a chart picture this build wrote
    HelpFileReader readHelpFile;
    // Set by each build: the chart places where the notice stands instead of a chart.
    int chartNoticesShown = 0;
};

} // namespace virelai
