#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

class QTextCursor;

namespace virelai {

// Defaults a text starts from: the surface's font family for texts that name no font,
// RTF's own 12 pt / not bold / not underlined / black, and the surface's line spacing.
struct RtfDefaults
{
    QString fontFamily = QStringLiteral("Arial");
    double fontPointSize = 12.0;
    int lineSpacingPercent = 100; // applied to every paragraph written (proportional height)
    double textWidth = 0; // twips the text is laid out in; 0 unknown: tab leaders not filled
};

struct RtfReadResult
{
    bool complete = true;
    QString problem; // why input was cut short
};

// True when the first non-blank characters (after an optional BOM) are "{".
bool isRtfText(QStringView text);

// Writes the RTF text at the cursor; never throws, never crashes, bounded time and memory.
RtfReadResult readRtf(QStringView rtf, QTextCursor &cursor, const RtfDefaults &defaults = {});

// Qt takes tab positions, tab stop distances, the space between paragraphs and
// fixed line heights in the screen's units and rescales them itself to a
// layout's paint device, unlike indents and font sizes: give them as twips
// times this, whatever device the document is laid out for.
double tabUnitsPerTwip();

// Help files and stored documents are Windows-1252 bytes.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace virelai
