#pragma once

namespace virelai {

// The screen-wide mouse pointer, set to the hourglass while a document is built.
class BusyPointer
{
public:
    static constexpr int Default = 0;
    static constexpr int Hourglass = 11;

    virtual ~BusyPointer() = default;
    virtual void setMousePointer(int MousePointer) = 0;
};

// The pointer of runs with nothing on the screen.
class NoPointer : public BusyPointer
{
public:
    void setMousePointer(int) override { }
};

} // namespace virelai
