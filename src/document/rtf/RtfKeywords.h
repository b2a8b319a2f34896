#pragma once

#include <QStringView>

namespace virelai::rtf {

// The control words the reader acts on; every other word is ignored.
enum class Keyword {
    Unknown,
    // document
    AnsiCodePage,
    DefaultFont,
    FontTable,
    ColorTable,
    SkippedDestination, // a destination whose text is never shown (info, stylesheet, pict...)
    // tables
    FontCharset,
    Red,
    Green,
    Blue,
    // characters
    Font,
    FontSize,
    ColorForeground,
    Bold,
    Italic,
    Hidden,
    Underline,
    UnderlineNone,
    Plain,
    Unicode,
    UnicodeSkip,
    // paragraphs
    ParagraphDefaults,
    Paragraph,
    PageBreak,
    LineBreak,
    Tab,
    AlignCenter,
    AlignLeft,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    SpaceBeforeAuto,
    SpaceAfterAuto,
    ContextualSpacing,
    PageBreakBefore,
    ParagraphStyle,
    LineSpacing,
    LineSpacingMultiple,
    TabStop,
    // lists
    ListTable,
    ListOverrideTable,
    List,
    ListLevel,
    ListId,
    ListOverride,
    ListOverrideNumber, // \ls
    ListLevelNumber, // \ilvl
    LevelFormat,
    LevelStartAt,
    LevelFollow,
    LevelText,
    ListText,
    // old-style numbering
    LegacyNumber,
    LegacyLevelBody,
    LegacyLevelBullet,
    LegacyLevel,
    LegacyDecimal,
    LegacyUpperRoman,
    LegacyLowerRoman,
    LegacyUpperLetter,
    LegacyLowerLetter,
    LegacyStart,
    LegacyFont,
    LegacyTextBefore,
    LegacyTextAfter,
    LegacyText,
    // single characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    NonBreakingSpaceWord,
};

Keyword lookupKeyword(QStringView name);

} // namespace virelai::rtf
