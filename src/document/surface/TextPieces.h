#pragma once

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

// Qt's text layout counts in fixed point and overflows well before its type
// does: past about 2^23 layout units (some 5 800 inches at one unit per twip)
// a document's layout never ends. A text is therefore laid out in pieces whose
// height cannot reach half that, whatever its fonts and spacing: the bound
// counts every paragraph, empty or not, as one line with its spacing, and every
// character as if it stood on a line of its own, at its own size.
inline constexpr double MaxPieceHeight = 4.0e6;

// Splits a document that is not laid out yet into pieces each within
// MaxPieceHeight, at paragraph ends where it can, inside a paragraph where one
// alone is too tall. A document within the bound comes back as it is.
// makeEmpty gives a new document set up like the original. Each piece that
// another follows is handed to wantsMore (when given), which may lay it out:
// on false, the pieces after it are never made and their text is left out.
std::vector<std::shared_ptr<QTextDocument>>
splitIntoPieces(const std::shared_ptr<QTextDocument> &document,
                const std::function<std::shared_ptr<QTextDocument>()> &makeEmpty,
                const std::function<bool(QTextDocument &)> &wantsMore = {});

} // namespace virelai
