#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace virelai {

struct FontEntry
{
    QString name;
    int charset = 0;
};

// \fonttbl: entries are read from "\fN ... name;" whether or not each sits in its own group.
class RtfFontTable
{
public:
    void setNumber(int number) { m_pending.number = number; }
    void setCharset(int charset) { m_pending.entry.charset = charset; }
    void addText(QStringView text);
    // The end of an entry's group completes an entry that lacks its ";".
    void endGroup();
    const FontEntry *find(int number) const;
    // Bumped whenever an entry is added, so cached formats know to refresh.
    int generation() const { return m_generation; }

private:
    struct Pending
    {
        int number = 0;
        FontEntry entry;
    };
    void commit();

    QHash<int, FontEntry> m_entries;
    Pending m_pending;
    int m_generation = 0;
};

// \colortbl: one entry per ";"; an entry without components is the automatic colour.
class RtfColorTable
{
public:
    void setRed(int value);
    void setGreen(int value);
    void setBlue(int value);
    void addText(QStringView text);
    // Invalid for the automatic colour and for indexes the table does not hold.
    QColor color(int index) const;
    // Shading (\clshdng, \chshdng): the foreground (black by default) mixed
    // into the background (white by default), in hundredths of a percent.
    QColor shading(int backgroundIndex, int foregroundIndex, int hundredths) const;
    int generation() const { return int(m_colors.size()); }

private:
    void commit();

    QList<QColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_hasComponent = false;
};

} // namespace virelai
