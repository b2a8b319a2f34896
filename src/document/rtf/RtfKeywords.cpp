#include "RtfKeywords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace virelai::rtf {

namespace {

struct KeywordName
{
    std::u16string_view name;
    Keyword keyword;
};

using enum Keyword;

constexpr auto Keywords = std::to_array<KeywordName>({
    {u"ansicpg", AnsiCodePage},
    {u"author", SkippedDestination},
    {u"b", Bold},
    {u"blue", Blue},
    {u"brdrcf", BorderColor},
    {u"brdrdash", BorderDashed},
    {u"brdrdashd", BorderDashed},
    {u"brdrdashdd", BorderDashed},
    {u"brdrdashsm", BorderDashed},
    {u"brdrdb", BorderDouble},
    {u"brdrdot", BorderDotted},
    {u"brdrhair", BorderHairline},
    {u"brdrnil", BorderNone},
    {u"brdrnone", BorderNone},
    {u"brdrs", BorderSingle},
    {u"brdrtbl", BorderNone},
    {u"brdrth", BorderThick},
    {u"brdrtriple", BorderDouble},
    {u"brdrw", BorderWidth},
    {u"bullet", Bullet},
    {u"caps", AllCapitals},
    {u"cb", CharBackground},
    {u"cell", Cell},
    {u"cellx", CellRight},
    {u"cf", ColorForeground},
    {u"chcbpat", CharShadingBackground},
    {u"chcfpat", CharShadingForeground},
    {u"chshdng", CharShading},
    {u"clbrdrb", CellBorderBottom},
    {u"clbrdrl", CellBorderLeft},
    {u"clbrdrr", CellBorderRight},
    {u"clbrdrt", CellBorderTop},
    {u"clcbpat", CellBackground},
    {u"clcfpat", CellForeground},
    {u"clmgf", CellMergeFirst},
    {u"clmrg", CellMergeContinued},
    {u"clpadb", CellPaddingBottom},
    {u"clpadl", CellPaddingLeft},
    {u"clpadr", CellPaddingRight},
    {u"clpadt", CellPaddingTop},
    {u"clshdng", CellShading},
    {u"clvertalb", CellAlignBottom},
    {u"clvertalc", CellAlignCenter},
    {u"clvertalt", CellAlignTop},
    {u"clvmgf", CellVerticalMergeFirst},
    {u"clvmrg", CellVerticalMergeContinued},
    {u"colortbl", ColorTable},
    {u"comment", SkippedDestination},
    {u"contextualspace", ContextualSpacing},
    {u"deff", DefaultFont},
    {u"dibitmap", PictureOther},
    {u"doccomm", SkippedDestination},
    {u"emdash", EmDash},
    {u"emfblip", PictureOther},
    {u"emspace", NonBreakingSpaceWord},
    {u"endash", EnDash},
    {u"enspace", NonBreakingSpaceWord},
    {u"expnd", ExpandQuarterPoints},
    {u"expndtw", ExpandTwips},
    {u"f", Font},
    {u"fcharset", FontCharset},
    {u"fi", FirstLineIndent},
    {u"fldinst", SkippedDestination},
    {u"fonttbl", FontTable},
    {u"footer", SkippedDestination},
    {u"footerf", SkippedDestination},
    {u"footerl", SkippedDestination},
    {u"footerr", SkippedDestination},
    {u"footnote", SkippedDestination},
    {u"fs", FontSize},
    {u"green", Green},
    {u"header", SkippedDestination},
    {u"headerf", SkippedDestination},
    {u"headerl", SkippedDestination},
    {u"headerr", SkippedDestination},
    {u"highlight", Highlight},
    {u"i", Italic},
    {u"ilvl", ListLevelNumber},
    {u"info", SkippedDestination},
    {u"intbl", InTable},
    {u"jpegblip", PictureJpeg},
    {u"keywords", SkippedDestination},
    {u"ldblquote", LeftDoubleQuote},
    {u"levelfollow", LevelFollow},
    {u"levelnfc", LevelFormat},
    {u"levelnumbers", SkippedDestination},
    {u"levelstartat", LevelStartAt},
    {u"leveltext", LevelText},
    {u"li", LeftIndent},
    {u"line", LineBreak},
    {u"list", List},
    {u"listid", ListId},
    {u"listlevel", ListLevel},
    {u"listname", SkippedDestination},
    {u"listoverride", ListOverride},
    {u"listoverridetable", ListOverrideTable},
    {u"listtable", ListTable},
    {u"listtext", ListText},
    {u"lquote", LeftQuote},
    {u"ls", ListOverrideNumber},
    {u"macpict", PictureOther},
    {u"nestcell", NestedCell},
    {u"nestrow", NestedRow},
    {u"nonesttables", SkippedDestination},
    {u"nonshppict", SkippedDestination},
    {u"nosupersub", NoSuperSub},
    {u"object", SkippedDestination},
    {u"operator", SkippedDestination},
    {u"page", PageBreak},
    {u"pagebb", PageBreakBefore},
    {u"par", Paragraph},
    {u"pard", ParagraphDefaults},
    {u"pich", PictureHeight},
    {u"pichgoal", PictureGoalHeight},
    {u"picscalex", PictureScaleX},
    {u"picscaley", PictureScaleY},
    {u"pict", Picture},
    {u"picw", PictureWidth},
    {u"picwgoal", PictureGoalWidth},
    {u"plain", Plain},
    {u"pmmetafile", PictureOther},
    {u"pn", LegacyNumber},
    {u"pndec", LegacyDecimal},
    {u"pnf", LegacyFont},
    {u"pngblip", PicturePng},
    {u"pnlcltr", LegacyLowerLetter},
    {u"pnlcrm", LegacyLowerRoman},
    {u"pnlvl", LegacyLevel},
    {u"pnlvlblt", LegacyLevelBullet},
    {u"pnlvlbody", LegacyLevelBody},
    {u"pnstart", LegacyStart},
    {u"pntext", LegacyText},
    {u"pntxta", LegacyTextAfter},
    {u"pntxtb", LegacyTextBefore},
    {u"pnucltr", LegacyUpperLetter},
    {u"pnucrm", LegacyUpperRoman},
    {u"qc", AlignCenter},
    {u"qj", AlignJustify},
    {u"ql", AlignLeft},
    {u"qr", AlignRight},
    {u"rdblquote", RightDoubleQuote},
    {u"red", Red},
    {u"ri", RightIndent},
    {u"row", Row},
    {u"rquote", RightQuote},
    {u"s", ParagraphStyle},
    {u"sa", SpaceAfter},
    {u"saauto", SpaceAfterAuto},
    {u"sb", SpaceBefore},
    {u"sbauto", SpaceBeforeAuto},
    {u"scaps", SmallCapitals},
    {u"sect", Paragraph},
    {u"shppict", ShapePicture},
    {u"sl", LineSpacing},
    {u"slmult", LineSpacingMultiple},
    {u"strike", Strike},
    {u"striked", Strike},
    {u"stylesheet", SkippedDestination},
    {u"sub", Subscript},
    {u"subject", SkippedDestination},
    {u"super", Superscript},
    {u"tab", Tab},
    {u"title", SkippedDestination},
    {u"trbrdrb", RowBorderBottom},
    {u"trbrdrh", RowBorderHorizontal},
    {u"trbrdrl", RowBorderLeft},
    {u"trbrdrr", RowBorderRight},
    {u"trbrdrt", RowBorderTop},
    {u"trbrdrv", RowBorderVertical},
    {u"trgaph", RowGap},
    {u"trleft", RowLeft},
    {u"trowd", RowDefaults},
    {u"trpaddb", RowPaddingBottom},
    {u"trpaddl", RowPaddingLeft},
    {u"trpaddr", RowPaddingRight},
    {u"trpaddt", RowPaddingTop},
    {u"trqc", RowAlignCenter},
    {u"trql", RowAlignLeft},
    {u"trqr", RowAlignRight},
    {u"tx", TabStop},
    {u"u", Unicode},
    {u"uc", UnicodeSkip},
    {u"ul", Underline},
    {u"uld", Underline},
    {u"uldash", Underline},
    {u"uldb", Underline},
    {u"ulnone", UnderlineNone},
    {u"ulth", Underline},
    {u"ulw", Underline},
    {u"ulwave", Underline},
    {u"v", Hidden},
    {u"wbitmap", PictureOther},
    {u"wmetafile", PictureMetafile},
});

bool nameLess(const KeywordName &a, const KeywordName &b)
{
    return a.name < b.name;
}

const std::array<KeywordName, Keywords.size()> &sortedKeywords()
{
    static const auto sorted = [] {
        auto copy = Keywords;
        std::sort(copy.begin(), copy.end(), nameLess);
        return copy;
    }();
    return sorted;
}

} // namespace

Keyword lookupKeyword(QStringView name)
{
    const std::u16string_view key(name.utf16(), size_t(name.size()));
    const auto &table = sortedKeywords();
    const auto found
        = std::lower_bound(table.begin(), table.end(), KeywordName {key, Unknown}, nameLess);
    return (found != table.end() && found->name == key) ? found->keyword : Unknown;
}

} // namespace virelai::rtf
