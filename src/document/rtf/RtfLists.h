#pragma once

#include "RtfGroupState.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace virelai {

// Number formats of \levelnfc; \pn's words give the same.
struct NumberFormat
{
    static constexpr int Decimal = 0;
    static constexpr int UpperRoman = 1;
    static constexpr int LowerRoman = 2;
    static constexpr int UpperLetter = 3;
    static constexpr int LowerLetter = 4;
    static constexpr int LeadingZero = 22;
    static constexpr int Bullet = 23;
    static constexpr int None = 255;
};

// What follows a list number before the paragraph's text (\levelfollow).
enum class NumberFollow { Tab, Space, Nothing };

// One level of a list (\listlevel), or the numbering of an old-style \pn paragraph.
struct ListLevel
{
    int format = NumberFormat::Decimal;
    int startAt = 1;
    NumberFollow follow = NumberFollow::Tab;
    int font = -1; // the number's own font; -1: the paragraph's
    // \leveltext without its length: code units 0 to 8 stand for the number of that level.
    QString text;
};

// The lists of a text (\listtable, \listoverridetable) and their running
// numbers: a paragraph with \lsN \ilvlM takes the next number of its level,
// and the levels below it start again.
class RtfListTable
{
public:
    // \listtable, in order: a list, then its levels, then its \listid.
    void beginList();
    void beginLevel();
    ListLevel *currentLevel();
    void setListId(int id);
    // \listoverride: \lsN uses the list \listid.
    void setOverrideListId(int id) { m_pendingOverrideList = id; }
    void setOverrideNumber(int ls);

    // The level a paragraph's \lsN \ilvlM uses, or none.
    const ListLevel *level(int ls, int levelIndex) const;
    // The paragraph's number text, counting it, as "1.", "a)", "•".
    QString nextNumber(int ls, int levelIndex);

private:
    static constexpr int LevelCount = 9;
    struct List
    {
        int id = 0;
        std::array<ListLevel, LevelCount> levels;
        int levelsRead = 0;
        std::array<int, LevelCount> counters {};
        std::array<bool, LevelCount> started {};
    };
    List *listFor(int ls);
    const List *listFor(int ls) const;

    std::vector<List> m_lists;
    QHash<int, int> m_overrides; // \ls -> \listid
    int m_pendingOverrideList = 0;
};

// The number of a paragraph numbered in the old way (\pn): \pntxtb, the number
// in the level's format, \pntxta; none for a bullet.
// Consecutive numbered paragraphs count on; any other paragraph starts again.
class LegacyNumbering
{
public:
    QString nextNumber(const LegacyNumberProps &numbering);
    void paragraphWithoutNumber() { m_started = false; }

private:
    int m_counter = 0;
    bool m_started = false;
};

// A number in one of the formats of \levelnfc.
QString formatNumber(int number, int format);

// \leveltext as read: its first code unit counts the ones that follow.
QString levelTextFromRaw(QStringView raw);

} // namespace virelai
