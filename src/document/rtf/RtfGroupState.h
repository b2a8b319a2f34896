#pragma once

#include "RtfBorder.h"

#include <QList>
#include <QString>
#include <Qt>
#include <array>

namespace virelai {

// Where the text of a group goes.
enum class Destination {
    Text,
    FontTable,
    ColorTable,
    ListTable, // \listtable, \listoverridetable
    LevelText, // a list level's \leveltext
    ListText, // {\listtext}: the number as written, shown only for a list the reader lacks
    LegacyNumber, // {\pn}: a paragraph's old-style numbering
    LegacyTextBefore, // {\pntxtb}
    LegacyTextAfter, // {\pntxta}
    Picture, // {\pict}: its words and hex data
    FieldInstruction, // {\*\fldinst}: which field it is
    StyleSheet, // {\stylesheet}: the words of each style
    Skipped
};

// Character properties, as RTF numbers; resolved against the tables when written.
struct CharProps
{
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0; // index in the colour table; 0 is the automatic colour
    bool hidden = false; // \v: read but never shown
    bool strike = false;
    enum class Capitals { None, All, Small } capitals = Capitals::None; // \caps, \scaps
    enum class Script { Normal, Super, Sub } script = Script::Normal;
    int highlight = 0; // \highlight: colour index; 0 none
    int background = 0; // \cb: colour index; 0 none
    int shadingBackground = -1; // \chcbpat: colour index; -1 none
    int shadingForeground = -1; // \chcfpat
    int shading = 0; // \chshdng: hundredths of a percent of the foreground
    int spacing = 0; // \expnd, \expndtw: twips added between letters
    int field = 0; // in a field's result whose text changes with the page: PageField
    bool operator==(const CharProps &) const = default;
};

// A paragraph's old-style numbering (\pn): \pnlvlbody, \pnlvlblt...
struct LegacyNumberProps
{
    bool numbered = false;
    int format = 0; // as \levelnfc
    int startAt = 1;
    int font = -1;
    QString textBefore;
    QString textAfter;
    bool operator==(const LegacyNumberProps &) const = default;
};

// A tab stop (\tx) with the words before it: \tqr, \tqc, \tqdec, leaders.
struct TabStop
{
    enum class Kind { Left, Right, Center, Decimal };
    enum class Leader { None, Dots, Hyphens, Underline, ThickLine, Equals };
    int position = 0; // twips from the left margin
    Kind kind = Kind::Left;
    Leader leader = Leader::None;
    bool operator==(const TabStop &) const = default;
};

// Paragraph properties; lengths in twips.
struct ParaProps
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool spaceBeforeAuto = false; // \sbauto1: the word processor's own spacing, not \sb
    bool spaceAfterAuto = false;
    bool contextualSpacing = false; // no spacing next to a paragraph of the same style
    bool pageBreakBefore = false;
    int style = 0; // \s: the paragraph style's number
    bool inTable = false; // \intbl: the paragraph is in a table's cell
    int listOverride = 0; // \ls: 0 none
    int listLevel = 0; // \ilvl
    int lineSpacing = 0; // \sl: 0 automatic, > 0 at least, < 0 exactly
    bool lineSpacingMultiple = false; // \slmult1: \sl counts 240ths of a single line
    TabStop nextTab; // the kind and leader \tx gives its stop
    std::array<Border, 4> borders; // by Side
    int shadingBackground = -1; // \cbpat: colour index; -1 none
    int shadingForeground = -1; // \cfpat
    int shading = 0; // \shading: hundredths of a percent of the foreground
    // Asked before every text: four plain tests, cheaper than the unrolled
    // loop std::any_of makes of them.
    bool bordered() const
    {
        return borders[0].drawn() || borders[1].drawn() || borders[2].drawn() || borders[3].drawn();
    }
    bool shaded() const { return shadingBackground >= 0 || shading > 0; }
    // Last, so that comparing stops at the plain numbers when they differ.
    QList<TabStop> tabStops;
    LegacyNumberProps legacyNumber;
    bool operator==(const ParaProps &) const = default;
};

// What a "{" saves and the matching "}" restores.
struct GroupState
{
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \uc: fallback characters after each \u
    // Renewed at every change to para: a group's end gives back other
    // paragraph properties only when its number differs from the enclosing group's.
    int paragraphRevision = 0;
};

} // namespace virelai
