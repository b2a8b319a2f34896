#include "RtfSmallCapitals.h"

#include <QString>

namespace virelai {

namespace {

constexpr double SmallCapitalShare = 0.8;

bool isReduced(QChar c)
{
    return c.isLower();
}

} // namespace

void writeSmallCapitals(QStringView text, const QTextCharFormat &format,
                        const std::function<void(QStringView, const QTextCharFormat &)> &write)
{
    QTextCharFormat reduced = format;
    reduced.setFontPointSize(format.fontPointSize() * SmallCapitalShare);
    qsizetype start = 0;
    while (start < text.size()) {
        const bool lower = isReduced(text[start]);
        qsizetype end = start + 1;
        while (end < text.size() && isReduced(text[end]) == lower)
            ++end;
        const QStringView run = text.sliced(start, end - start);
        if (lower)
            write(run.toString().toUpper(), reduced);
        else
            write(run, format);
        start = end;
    }
}

} // namespace virelai
