#pragma once

#include <QDateTime>

namespace virelai {

// Where a build reads the date and time of its footer: the system clock in the
// window, a fixed moment for reproducible PDFs and in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime moment)
        : moment(std::move(moment))
    { }
    QDateTime now() const override { return moment; }

private:
    QDateTime moment;
};

} // namespace virelai
