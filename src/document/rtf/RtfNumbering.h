#pragma once

#include "RtfGroupState.h"
#include "RtfKeywords.h"
#include "RtfLists.h"

#include <optional>

namespace virelai {

// Reads a text's lists and old-style numbering, and gives each numbered
// paragraph its number once, before its first text (a paragraph without text
// shows none): the number of its list
// (\ls, \ilvl), or its old-style number (\pn), or, for a list the text does
// not define, the {\listtext} written for readers without lists. A paragraph
// whose {\pntext} holds its number shows that text instead.
class RtfNumbering
{
public:
    struct Number
    {
        QString text; // with what follows it: a tab, a space or nothing
        int font = -1; // -1: the paragraph's
    };

    // A word inside \listtable or \listoverridetable.
    void applyListTableWord(Keyword keyword, int param);
    // A word inside {\pn}; the group's numbering is read whole before it
    // goes to its paragraph.
    void applyLegacyWord(Keyword keyword, int param);
    void beginLegacyNumber() { m_legacy = {}; }
    const LegacyNumberProps &legacyNumber() const { return m_legacy; }

    // Text of the destinations that hold numbers.
    void addText(Destination destination, QStringView text);
    // The end of a \leveltext group: its text goes to its level.
    void endLevelText();

    // \pntext: the paragraph's number is written as its text.
    void numberShownAsText() { m_numberDone = true; }
    std::optional<Number> takeNumber(const ParaProps &props);
    // Whether this paragraph's number was taken or written as text already.
    bool numberTaken() const { return m_numberDone; }
    void paragraphEnded(const ParaProps &props);

private:
    std::optional<Number> listNumber(const ParaProps &props);

    RtfListTable m_lists;
    LegacyNumbering m_legacyCounter;
    LegacyNumberProps m_legacy; // of the {\pn} group being read
    QString m_levelText;
    QString m_listText;
    bool m_numberDone = false;
    bool m_readingOverrides = false; // in \listoverride, \listid names the list used
};

} // namespace virelai
