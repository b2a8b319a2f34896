#pragma once

#include "advice/BusyPointer.h"

namespace virelai {

// The busy pointer as Qt's application-wide override cursor. Any value other
// than the hourglass gives the default pointer back.
class OverrideCursorPointer : public BusyPointer
{
public:
    OverrideCursorPointer() = default;
    ~OverrideCursorPointer() override;
    OverrideCursorPointer(const OverrideCursorPointer &) = delete;
    OverrideCursorPointer &operator=(const OverrideCursorPointer &) = delete;

    void setMousePointer(int MousePointer) override;

private:
    bool overriding = false;
};

} // namespace virelai
