#include "RtfLists.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

namespace {

// Code units 0 to 8 of \leveltext stand for the numbers of levels 1 to 9.
constexpr char16_t LastPlaceholder = 8;

QString roman(int number)
{
    static const std::pair<int, const char *> Values[]
        = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
           {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    for (const auto &[value, letters] : Values) {
        for (; number >= value; number -= value)
            text += QLatin1String(letters);
    }
    return text;
}

// a ... z, then aa ... zz, as word processors count on.
QString letters(int number)
{
    const int repeat = (number - 1) / 26 + 1;
    return QString(repeat, QChar(u'a' + (number - 1) % 26));
}

} // namespace

QString formatNumber(int number, int format)
{
    const bool inRomanRange = number > 0 && number < 4000;
    switch (format) {
    case NumberFormat::UpperRoman:
        return inRomanRange ? roman(number).toUpper() : QString::number(number);
    case NumberFormat::LowerRoman:
        return inRomanRange ? roman(number) : QString::number(number);
    case NumberFormat::UpperLetter:
        return number > 0 ? letters(number).toUpper() : QString::number(number);
    case NumberFormat::LowerLetter:
        return number > 0 ? letters(number) : QString::number(number);
    case NumberFormat::LeadingZero:
        return number >= 0 && number < 10 ? QStringLiteral("0") + QString::number(number)
                                          : QString::number(number);
    case NumberFormat::Bullet:
    case NumberFormat::None:
        return {};
    case NumberFormat::Decimal:
    default:
        return QString::number(number);
    }
}

QString levelTextFromRaw(QStringView raw)
{
    if (raw.isEmpty())
        return {};
    const qsizetype length = std::min<qsizetype>(raw.front().unicode(), raw.size() - 1);
    return raw.sliced(1, length).toString();
}

void RtfListTable::beginList()
{
    if (m_lists.size() < std::size_t(MaxLists))
        m_lists.emplace_back();
}

void RtfListTable::beginLevel()
{
    if (!m_lists.empty())
        ++m_lists.back().levelsRead;
}

ListLevel *RtfListTable::currentLevel()
{
    if (m_lists.empty())
        return nullptr;
    List &list = m_lists.back();
    if (list.levelsRead < 1 || list.levelsRead > LevelCount)
        return nullptr;
    return &list.levels[std::size_t(list.levelsRead - 1)];
}

void RtfListTable::setListId(int id)
{
    if (!m_lists.empty())
        m_lists.back().id = id;
}

void RtfListTable::setOverrideNumber(int ls)
{
    if (m_overrides.size() < MaxLists || m_overrides.contains(ls))
        m_overrides.insert(ls, m_pendingOverrideList);
}

RtfListTable::List *RtfListTable::listFor(int ls)
{
    return const_cast<List *>(std::as_const(*this).listFor(ls));
}

const RtfListTable::List *RtfListTable::listFor(int ls) const
{
    const auto found = m_overrides.constFind(ls);
    if (found == m_overrides.cend())
        return nullptr;
    const auto list = std::find_if(m_lists.begin(), m_lists.end(),
                                   [id = found.value()](const List &l) { return l.id == id; });
    return list == m_lists.end() ? nullptr : &*list;
}

const ListLevel *RtfListTable::level(int ls, int levelIndex) const
{
    const List *list = listFor(ls);
    if (!list || levelIndex < 0 || levelIndex >= LevelCount)
        return nullptr;
    return &list->levels[std::size_t(levelIndex)];
}

QString RtfListTable::nextNumber(int ls, int levelIndex)
{
    List *list = listFor(ls);
    if (!list || levelIndex < 0 || levelIndex >= LevelCount)
        return {};
    const auto index = std::size_t(levelIndex);
    const ListLevel &level = list->levels[index];
    list->counters[index] = list->started[index] ? list->counters[index] + 1 : level.startAt;
    list->started[index] = true;
    for (std::size_t below = index + 1; below < std::size_t(LevelCount); ++below)
        list->started[below] = false;
    QString number;
    for (const QChar c : level.text) {
        if (c.unicode() > LastPlaceholder) {
            number += c;
            continue;
        }
        const std::size_t of = c.unicode();
        const int value = list->started[of] ? list->counters[of] : list->levels[of].startAt;
        number += formatNumber(value, list->levels[of].format);
    }
    return number;
}

QString LegacyNumbering::nextNumber(const LegacyNumberProps &numbering)
{
    m_counter = m_started ? m_counter + 1 : numbering.startAt;
    m_started = true;
    return numbering.textBefore + formatNumber(m_counter, numbering.format) + numbering.textAfter;
}

} // namespace virelai
