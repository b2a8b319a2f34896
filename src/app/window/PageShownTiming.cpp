#include "PageShownTiming.h"

#include "app/preview/PreviewWidget.h"
#include "document/surface/Surface.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace virelai {

namespace {

// Started while the program is loaded: the fallback when the system does not
// tell when the process started.
const QElapsedTimer loadTimer = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
}();

// The process's start, in milliseconds after boot, from /proc/self/stat.
std::optional<qint64> processStartAfterBoot()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which ends with the last ')': the start
    // time is the 20th of them (field 22 of the whole line), in clock ticks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int StartTimeField = 19;
    bool ok = false;
    const qint64 ticks
        = fields.size() > StartTimeField ? fields[StartTimeField].toLongLong(&ok) : 0;
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (!ok || ticksPerSecond <= 0)
        return std::nullopt;
    return ticks * 1000 / ticksPerSecond;
}

std::optional<qint64> nowAfterBoot()
{
    timespec now {};
    if (::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

qint64 PageShownTiming::millisecondsSinceProcessStart()
{
    const auto start = processStartAfterBoot();
    const auto now = nowAfterBoot();
    if (start && now && *now >= *start)
        return *now - *start;
    return loadTimer.elapsed();
}

void PageShownTiming::installIfRequested(Surface &surface, PreviewWidget &preview)
{
    if (qEnvironmentVariableIsEmpty("VIRELAI_TIMING"))
        return;
    preview.viewport()->installEventFilter(new PageShownTiming(surface, preview));
}

PageShownTiming::PageShownTiming(Surface &surface, PreviewWidget &preview)
    : QObject(&preview)
    , surface(surface)
{
    connect(&surface, &Surface::documentShown, this, [this] { documentShown = true; });
}

bool PageShownTiming::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && documentShown && surface.pageCount() > 0) {
        std::printf("virelai-timing page-shown-ms=%lld\n",
                    static_cast<long long>(millisecondsSinceProcessStart()));
        std::fflush(stdout);
        watched->removeEventFilter(this);
        deleteLater();
    }
    return false;
}

} // namespace virelai
