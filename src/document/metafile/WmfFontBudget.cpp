#include "document/metafile/WmfFontBudget.h"

namespace virelai {

WmfFontBudget::WmfFontBudget(int maxFonts)
    : m_maxFonts(maxFonts)
{ }

QFont WmfFontBudget::admit(const QFont &wanted)
{
    const QString key = wanted.key();
    if (m_keys.contains(key))
        return wanted;
    if (m_keys.size() >= m_maxFonts && m_first)
        return *m_first;
    m_keys.insert(key);
    if (!m_first)
        m_first = wanted;
    return wanted;
}

} // namespace virelai
