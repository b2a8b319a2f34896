#pragma once

#include "RtfGroupState.h"
#include "RtfKeywords.h"
#include "RtfLexer.h"

#include <QChar>
#include <optional>

namespace virelai {

// Each returns false (or nothing) when the word is not of its kind. Numbers
// are clamped to the reader's limits here.

// Character formatting, \plain and \uc, applied to the group's state.
bool applyCharacterWord(Keyword keyword, const RtfToken &token, const CharProps &defaults,
                        GroupState &state);
// Paragraph formatting (\pard, alignment, indents, spacing, tab stops); not \par.
bool applyParagraphWord(Keyword keyword, int param, ParaProps &para);
// The character a word stands for: \tab, \line, \emdash...
std::optional<QChar> specialCharacter(Keyword keyword);

} // namespace virelai
