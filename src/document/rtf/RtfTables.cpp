#include "RtfTables.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

void RtfFontTable::addText(QStringView text)
{
    for (const QChar c : text) {
        if (c == u';') {
            commit();
            continue;
        }
        if (m_pending.entry.name.size() < MaxFontNameLength)
            m_pending.entry.name.append(c);
    }
}

void RtfFontTable::endGroup()
{
    if (!m_pending.entry.name.trimmed().isEmpty())
        commit();
}

void RtfFontTable::commit()
{
    const bool known = m_entries.contains(m_pending.number);
    if (known || m_entries.size() < MaxFontTableEntries) {
        m_pending.entry.name = m_pending.entry.name.trimmed();
        m_entries.insert(m_pending.number, m_pending.entry);
        ++m_generation;
    }
    m_pending = {};
}

const FontEntry *RtfFontTable::find(int number) const
{
    const auto found = m_entries.constFind(number);
    return found == m_entries.cend() ? nullptr : &found.value();
}

void RtfColorTable::setRed(int value)
{
    m_red = std::clamp(value, 0, 255);
    m_hasComponent = true;
}

void RtfColorTable::setGreen(int value)
{
    m_green = std::clamp(value, 0, 255);
    m_hasComponent = true;
}

void RtfColorTable::setBlue(int value)
{
    m_blue = std::clamp(value, 0, 255);
    m_hasComponent = true;
}

void RtfColorTable::addText(QStringView text)
{
    for (const QChar c : text) {
        if (c == u';')
            commit();
    }
}

void RtfColorTable::commit()
{
    if (m_colors.size() < MaxColorTableEntries)
        m_colors.append(m_hasComponent ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_hasComponent = false;
}

QColor RtfColorTable::color(int index) const
{
    if (index < 0 || index >= m_colors.size())
        return {};
    return m_colors.at(index);
}

QColor RtfColorTable::shading(int backgroundIndex, int foregroundIndex, int hundredths) const
{
    const QColor named = backgroundIndex >= 0 ? color(backgroundIndex) : QColor();
    const QColor background = named.isValid() ? named : QColor(Qt::white);
    if (hundredths <= 0)
        return background;
    const QColor front = foregroundIndex >= 0 ? color(foregroundIndex) : QColor();
    const QColor foreground = front.isValid() ? front : QColor(Qt::black);
    const int share = std::min(hundredths, FullShading);
    const auto mix = [share](int f, int b) {
        return (f * share + b * (FullShading - share)) / FullShading;
    };
    return QColor(mix(foreground.red(), background.red()),
                  mix(foreground.green(), background.green()),
                  mix(foreground.blue(), background.blue()));
}

} // namespace virelai
