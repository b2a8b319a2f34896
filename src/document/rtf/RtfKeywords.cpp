#include "RtfKeywords.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace virelai {

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
    {u"chftn", FootnoteNumber},
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
    {u"field", Field},
    {u"fldinst", FieldInstruction},
    {u"fldrslt", FieldResult},
    {u"fonttbl", FontTable},
    {u"footer", Footer},
    {u"footerf", FooterFirst},
    {u"footerl", SkippedDestination},
    {u"footerr", Footer},
    {u"footery", FooterDistance},
    {u"footnote", Footnote},
    {u"fs", FontSize},
    {u"green", Green},
    {u"header", Header},
    {u"headerf", HeaderFirst},
    {u"headerl", SkippedDestination},
    {u"headerr", Header},
    {u"headery", HeaderDistance},
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
    {u"sect", SectionBreak},
    {u"shppict", ShapePicture},
    {u"sl", LineSpacing},
    {u"slmult", LineSpacingMultiple},
    {u"strike", Strike},
    {u"striked", Strike},
    {u"stylesheet", StyleSheet},
    {u"sub", Subscript},
    {u"subject", SkippedDestination},
    {u"super", Superscript},
    {u"tab", Tab},
    {u"title", SkippedDestination},
    {u"titlepg", TitlePage},
    {u"tldot", TabLeaderDots},
    {u"tleq", TabLeaderEquals},
    {u"tlhyph", TabLeaderHyphens},
    {u"tlmdot", TabLeaderDots},
    {u"tlth", TabLeaderThickLine},
    {u"tlul", TabLeaderUnderline},
    {u"tqc", TabCenter},
    {u"tqdec", TabDecimal},
    {u"tqr", TabRight},
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
    {u"trrh", RowHeight},
    {u"sbkodd", SectionBreakPage},
    {u"sbkeven", SectionBreakPage},
    {u"sbkcol", SectionBreakPage},
    {u"sbkpage", SectionBreakPage},
    {u"sbknone", SectionBreakNone},
    {u"sectd", SectionDefaults},
    {u"sbasedon", StyleBasedOn},
    {u"ts", OtherStyle},
    {u"ds", OtherStyle},
    {u"cs", CharacterStyle},
    {u"shading", ParagraphShading},
    {u"cfpat", ParagraphForeground},
    {u"cbpat", ParagraphBackground},
    {u"brsp", BorderSpacing},
    {u"brdrt", ParagraphBorderTop},
    {u"brdrr", ParagraphBorderRight},
    {u"brdrl", ParagraphBorderLeft},
    {u"brdrb", ParagraphBorderBottom},
    {u"box", ParagraphBox},
});

// Control words come by the hundred thousand in a long help file: an
// open-addressed table, filled at compile time, finds each with one hash and
// usually one comparison, where a binary search took eight.
constexpr std::size_t HashSlots = 1024; // a power of two, over four times the words

constexpr std::size_t slotOf(std::u16string_view name)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char16_t c : name)
        hash = (hash ^ c) * 16777619u;
    return hash & (HashSlots - 1);
}

// Each slot holds one more than the index of its word in Keywords; 0 is free.
constexpr auto HashedKeywords = [] {
    std::array<std::uint16_t, HashSlots> slots {};
    for (std::size_t index = 0; index < Keywords.size(); ++index) {
        std::size_t slot = slotOf(Keywords[index].name);
        while (slots[slot] != 0)
            slot = (slot + 1) & (HashSlots - 1);
        slots[slot] = std::uint16_t(index + 1);
    }
    return slots;
}();

} // namespace

Keyword lookupKeyword(QStringView name)
{
    const std::u16string_view key(name.utf16(), size_t(name.size()));
    for (std::size_t slot = slotOf(key); HashedKeywords[slot] != 0;
         slot = (slot + 1) & (HashSlots - 1)) {
        const KeywordName &entry = Keywords[HashedKeywords[slot] - 1];
        if (entry.name == key)
            return entry.keyword;
    }
    return Unknown;
}

} // namespace virelai
