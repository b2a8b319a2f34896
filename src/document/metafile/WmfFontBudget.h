#pragma once

#include <QFont>
#include <QSet>
#include <QString>

#include <optional>

namespace virelai {

// Qt keeps a font engine, with its glyph cache, for every distinct font it is
// asked for; a picture that asks for a new font with every text record would
// make it keep thousands. Once a picture has used its share of distinct fonts,
// text in yet another one is drawn in the first font it used.
class WmfFontBudget
{
public:
    explicit WmfFontBudget(int maxFonts);
    QFont admit(const QFont &wanted);

private:
    int m_maxFonts;
    QSet<QString> m_keys;
    std::optional<QFont> m_first;
};

} // namespace virelai
