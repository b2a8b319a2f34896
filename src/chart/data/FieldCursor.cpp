#include "FieldCursor.h"

namespace virelai {

namespace {

int delimiterSlot(QChar delimiter)
{
    if (delimiter == u'}')
        return 0;
    if (delimiter == u',')
        return 1;
    return 2; // "|" and "{" each appear only among the counts
}

} // namespace

FieldCursor::FieldCursor(const QString &text)
    : text(text)
{ }

qsizetype FieldCursor::find(QChar delimiter)
{
    const int slot = delimiterSlot(delimiter);
    if (slot == 2)
        return text.indexOf(delimiter, position);
    if (absent[slot])
        return -1;
    if (lastFound[slot] >= position)
        return lastFound[slot];
    lastFound[slot] = text.indexOf(delimiter, position);
    absent[slot] = lastFound[slot] < 0;
    return lastFound[slot];
}

std::optional<QStringView> FieldCursor::next(QChar delimiter)
{
    const qsizetype found = find(delimiter);
    if (found < 0)
        return std::nullopt;
    const QStringView field = QStringView(text).mid(position, found - position);
    position = found + (delimiter == u'}' ? 2 : 1);
    return field;
}

} // namespace virelai
