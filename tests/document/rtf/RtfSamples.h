#pragma once

#include <QString>

// Texts of the advice catalogue and of the page builders, as the surface receives them.
namespace virelai::testing {

extern const QString Heading;
extern const QString ReminderA;
extern const QString CompleteCase3;
extern const QString SlowPupils;
extern const QString Type9Joined;

} // namespace virelai::testing
