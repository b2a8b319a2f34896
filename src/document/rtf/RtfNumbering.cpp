#include "RtfNumbering.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

namespace {

constexpr int LastLevel = 8;

void appendBounded(QString &to, QStringView text)
{
    to.append(text.first(std::min<qsizetype>(text.size(), MaxNumberTextLength - to.size())));
}

NumberFollow followOf(int param)
{
    switch (param) {
    case 1:
        return NumberFollow::Space;
    case 2:
        return NumberFollow::Nothing;
    default:
        return NumberFollow::Tab;
    }
}

QString followText(NumberFollow follow)
{
    switch (follow) {
    case NumberFollow::Tab:
        return QStringLiteral("\t");
    case NumberFollow::Space:
        return QStringLiteral(" ");
    case NumberFollow::Nothing:
        break;
    }
    return {};
}

} // namespace

void RtfNumbering::applyListTableWord(Keyword keyword, int param)
{
    ListLevel *level = m_lists.currentLevel();
    switch (keyword) {
    case Keyword::List:
        m_lists.beginList();
        m_readingOverrides = false;
        break;
    case Keyword::ListLevel:
        m_lists.beginLevel();
        break;
    case Keyword::ListId:
        if (m_readingOverrides)
            m_lists.setOverrideListId(param);
        else
            m_lists.setListId(param);
        break;
    case Keyword::ListOverride:
        m_lists.setOverrideListId(0);
        m_readingOverrides = true;
        break;
    case Keyword::ListOverrideNumber:
        m_lists.setOverrideNumber(param);
        break;
    case Keyword::LevelFormat:
        if (level)
            level->format = param;
        break;
    case Keyword::LevelStartAt:
        if (level)
            level->startAt = param;
        break;
    case Keyword::LevelFollow:
        if (level)
            level->follow = followOf(param);
        break;
    case Keyword::Font:
        if (level)
            level->font = std::max(param, 0);
        break;
    default:
        break;
    }
}

void RtfNumbering::applyLegacyWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::LegacyLevelBody:
    case Keyword::LegacyLevel:
        m_legacy.numbered = true;
        break;
    case Keyword::LegacyLevelBullet:
        m_legacy.numbered = true;
        m_legacy.format = NumberFormat::Bullet;
        break;
    case Keyword::LegacyDecimal:
        m_legacy.format = NumberFormat::Decimal;
        break;
    case Keyword::LegacyUpperRoman:
        m_legacy.format = NumberFormat::UpperRoman;
        break;
    case Keyword::LegacyLowerRoman:
        m_legacy.format = NumberFormat::LowerRoman;
        break;
    case Keyword::LegacyUpperLetter:
        m_legacy.format = NumberFormat::UpperLetter;
        break;
    case Keyword::LegacyLowerLetter:
        m_legacy.format = NumberFormat::LowerLetter;
        break;
    case Keyword::LegacyStart:
        m_legacy.startAt = param;
        break;
    case Keyword::LegacyFont:
        m_legacy.font = std::max(param, 0);
        break;
    default:
        break;
    }
}

void RtfNumbering::addText(Destination destination, QStringView text)
{
    switch (destination) {
    case Destination::LevelText:
        appendBounded(m_levelText, text);
        break;
    case Destination::ListText:
        appendBounded(m_listText, text);
        break;
    case Destination::LegacyTextBefore:
        appendBounded(m_legacy.textBefore, text);
        break;
    case Destination::LegacyTextAfter:
        appendBounded(m_legacy.textAfter, text);
        break;
    default:
        break;
    }
}

void RtfNumbering::endLevelText()
{
    if (ListLevel *level = m_lists.currentLevel())
        level->text = levelTextFromRaw(m_levelText);
    m_levelText.clear();
}

std::optional<RtfNumbering::Number> RtfNumbering::takeNumber(const ParaProps &props)
{
    if (m_numberDone)
        return std::nullopt;
    m_numberDone = true;
    if (std::optional<Number> number = listNumber(props))
        return number;
    if (!m_listText.isEmpty())
        return Number {m_listText, -1};
    if (props.legacyNumber.numbered)
        return Number {m_legacyCounter.nextNumber(props.legacyNumber) + u'\t',
                       props.legacyNumber.font};
    return std::nullopt;
}

std::optional<RtfNumbering::Number> RtfNumbering::listNumber(const ParaProps &props)
{
    if (props.listOverride == 0)
        return std::nullopt;
    const int levelIndex = std::clamp(props.listLevel, 0, LastLevel);
    const ListLevel *level = m_lists.level(props.listOverride, levelIndex);
    if (!level)
        return std::nullopt;
    const QString text
        = m_lists.nextNumber(props.listOverride, levelIndex) + followText(level->follow);
    return Number {text, level->font};
}

void RtfNumbering::paragraphEnded(const ParaProps &props)
{
    if (!props.legacyNumber.numbered)
        m_legacyCounter.paragraphWithoutNumber();
    m_numberDone = false;
    m_listText.clear();
}

} // namespace virelai
