#pragma once

#include <QStringView>

// True when every "{" of the text is closed by a later "}" and the first group
// ends with the text (escaped braces do not count).
inline bool isOneBalancedGroup(QStringView text)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\') {
            ++i; // an escaped character, "\{" included
            continue;
        }
        if (c == u'{')
            ++depth;
        else if (c == u'}' && --depth == 0 && i + 1 != text.size())
            return false;
        if (depth < 0)
            return false;
    }
    return depth == 0 && text.startsWith(u'{');
}
