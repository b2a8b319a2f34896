#include "NumberFormat.h"

#include <cmath>

namespace virelai {

namespace {

struct Decimals
{
    int least = 0;
    int most = 0;
};

Decimals decimalsOf(const QString &format)
{
    Decimals decimals;
    const qsizetype point = format.indexOf(u'.');
    if (point < 0)
        return decimals;
    for (QChar c : QStringView(format).mid(point + 1)) {
        if (c == u'0')
            ++decimals.least;
        if (c == u'0' || c == u'#')
            ++decimals.most;
    }
    return decimals;
}

} // namespace

QString formatNumber(double value, const QString &format)
{
    if (!std::isfinite(value))
        return QString();
    const Decimals decimals = decimalsOf(format);
    // Basic's Format rounds a half away from zero.
    const double scale = std::pow(10.0, decimals.most);
    const double rounded = std::copysign(std::floor(std::fabs(value) * scale + 0.5), value) / scale;
    QString text = QString::number(rounded, 'f', decimals.most);
    if (decimals.most > decimals.least) {
        const qsizetype point = text.indexOf(u'.');
        qsizetype end = text.size();
        while (end > point + 1 + decimals.least && text[end - 1] == u'0')
            --end;
        if (end == point + 1)
            --end; // no decimal left: no point either
        text.truncate(end);
    }
    if (text.startsWith(u'-')
        && text.count(u'0') + 1 + (text.contains(u'.') ? 1 : 0) == text.size())
        text.remove(0, 1); // -0,0 is shown as 0,0
    text.replace(u'.', u',');
    return text;
}

} // namespace virelai
