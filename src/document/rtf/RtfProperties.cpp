#include "RtfProperties.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

namespace {

int clampTwips(int twips)
{
    return std::clamp(twips, -MaxTwips, MaxTwips);
}

} // namespace

bool applyCharacterWord(Keyword keyword, const RtfToken &token, const CharProps &defaults,
                        GroupState &state)
{
    CharProps &chars = state.chars;
    const bool on = !token.hasParam || token.param != 0;
    switch (keyword) {
    case Keyword::Font:
        chars.font = std::max(token.param, 0);
        return true;
    case Keyword::FontSize:
        chars.halfPoints = token.hasParam ? std::clamp(token.param, MinHalfPoints, MaxHalfPoints)
                                          : defaults.halfPoints;
        return true;
    case Keyword::ColorForeground:
        chars.color = std::max(token.param, 0);
        return true;
    case Keyword::Bold:
        chars.bold = on;
        return true;
    case Keyword::Italic:
        chars.italic = on;
        return true;
    case Keyword::Hidden:
        chars.hidden = on;
        return true;
    case Keyword::Strike:
        chars.strike = on;
        return true;
    case Keyword::AllCapitals:
        chars.capitals = on ? CharProps::Capitals::All : CharProps::Capitals::None;
        return true;
    case Keyword::SmallCapitals:
        chars.capitals = on ? CharProps::Capitals::Small : CharProps::Capitals::None;
        return true;
    case Keyword::Superscript:
        chars.script = on ? CharProps::Script::Super : CharProps::Script::Normal;
        return true;
    case Keyword::Subscript:
        chars.script = on ? CharProps::Script::Sub : CharProps::Script::Normal;
        return true;
    case Keyword::NoSuperSub:
        chars.script = CharProps::Script::Normal;
        return true;
    case Keyword::Highlight:
        chars.highlight = std::max(token.param, 0);
        return true;
    case Keyword::CharBackground:
        chars.background = std::max(token.param, 0);
        return true;
    case Keyword::CharShadingBackground:
        chars.shadingBackground = std::max(token.param, 0);
        return true;
    case Keyword::CharShadingForeground:
        chars.shadingForeground = std::max(token.param, 0);
        return true;
    case Keyword::CharShading:
        chars.shading = std::clamp(token.param, 0, FullShading);
        return true;
    case Keyword::ExpandQuarterPoints:
        chars.spacing = std::clamp(token.param, -MaxLetterSpacing, MaxLetterSpacing) * 5;
        return true;
    case Keyword::ExpandTwips:
        chars.spacing = std::clamp(token.param, -MaxLetterSpacing, MaxLetterSpacing);
        return true;
    case Keyword::Underline:
        chars.underline = on;
        return true;
    case Keyword::UnderlineNone:
        chars.underline = false;
        return true;
    case Keyword::Plain:
        chars = defaults;
        return true;
    case Keyword::UnicodeSkip:
        state.unicodeSkip = std::clamp(token.param, 0, MaxUnicodeSkip);
        return true;
    default:
        return false;
    }
}

bool applyParagraphWord(Keyword keyword, int param, ParaProps &para)
{
    switch (keyword) {
    case Keyword::ParagraphDefaults:
        para = ParaProps {};
        return true;
    case Keyword::AlignLeft:
        para.alignment = Qt::AlignLeft;
        return true;
    case Keyword::AlignCenter:
        para.alignment = Qt::AlignHCenter;
        return true;
    case Keyword::AlignRight:
        para.alignment = Qt::AlignRight;
        return true;
    case Keyword::AlignJustify:
        para.alignment = Qt::AlignJustify;
        return true;
    case Keyword::LeftIndent:
        para.leftIndent = clampTwips(param);
        return true;
    case Keyword::RightIndent:
        para.rightIndent = clampTwips(param);
        return true;
    case Keyword::FirstLineIndent:
        para.firstLineIndent = clampTwips(param);
        return true;
    case Keyword::SpaceBefore:
        para.spaceBefore = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::SpaceAfter:
        para.spaceAfter = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::SpaceBeforeAuto:
        para.spaceBeforeAuto = param != 0;
        return true;
    case Keyword::SpaceAfterAuto:
        para.spaceAfterAuto = param != 0;
        return true;
    case Keyword::ContextualSpacing:
        para.contextualSpacing = true;
        return true;
    case Keyword::PageBreakBefore:
        para.pageBreakBefore = true;
        return true;
    case Keyword::ParagraphStyle:
        para.style = param;
        return true;
    case Keyword::InTable:
        para.inTable = true;
        return true;
    case Keyword::ListOverrideNumber:
        para.listOverride = param;
        return true;
    case Keyword::ListLevelNumber:
        para.listLevel = param;
        return true;
    case Keyword::LineSpacing:
        para.lineSpacing = clampTwips(param);
        return true;
    case Keyword::LineSpacingMultiple:
        para.lineSpacingMultiple = param != 0;
        return true;
    case Keyword::TabStop:
        para.nextTab.position = std::clamp(param, 0, MaxTwips);
        if (para.tabStops.size() < MaxTabStops)
            para.tabStops.append(para.nextTab);
        para.nextTab = {};
        return true;
    case Keyword::TabRight:
        para.nextTab.kind = TabStop::Kind::Right;
        return true;
    case Keyword::TabCenter:
        para.nextTab.kind = TabStop::Kind::Center;
        return true;
    case Keyword::TabDecimal:
        para.nextTab.kind = TabStop::Kind::Decimal;
        return true;
    case Keyword::TabLeaderDots:
        para.nextTab.leader = TabStop::Leader::Dots;
        return true;
    case Keyword::TabLeaderHyphens:
        para.nextTab.leader = TabStop::Leader::Hyphens;
        return true;
    case Keyword::TabLeaderUnderline:
        para.nextTab.leader = TabStop::Leader::Underline;
        return true;
    case Keyword::TabLeaderThickLine:
        para.nextTab.leader = TabStop::Leader::ThickLine;
        return true;
    case Keyword::TabLeaderEquals:
        para.nextTab.leader = TabStop::Leader::Equals;
        return true;
    default:
        return false;
    }
}

std::optional<QChar> specialCharacter(Keyword keyword)
{
    switch (keyword) {
    case Keyword::LineBreak:
        return QChar(QChar::LineSeparator);
    case Keyword::Tab:
        return QChar(u'\t');
    case Keyword::EmDash:
        return QChar(u'\u2014');
    case Keyword::EnDash:
        return QChar(u'\u2013');
    case Keyword::Bullet:
        return QChar(u'\u2022');
    case Keyword::LeftQuote:
        return QChar(u'\u2018');
    case Keyword::RightQuote:
        return QChar(u'\u2019');
    case Keyword::LeftDoubleQuote:
        return QChar(u'\u201C');
    case Keyword::RightDoubleQuote:
        return QChar(u'\u201D');
    case Keyword::NonBreakingSpaceWord:
        return QChar(QChar::Nbsp);
    default:
        return std::nullopt;
    }
}

} // namespace virelai
