#pragma once

#include <utility>
#include <variant>

namespace virelai {

// What a reader gives back: the value it read, or why it could not. C++20 has
// no std::expected; this is the small part of it the program needs.
template<typename Value, typename Failure>
class Result
{
public:
    Result(Value value)
        : content(std::move(value))
    { }
    Result(Failure failure)
        : content(std::move(failure))
    { }

    bool hasValue() const { return std::holds_alternative<Value>(content); }
    explicit operator bool() const { return hasValue(); }

    const Value &value() const & { return std::get<Value>(content); }
    Value &&value() && { return std::get<Value>(std::move(content)); }
    const Failure &failure() const { return std::get<Failure>(content); }

private:
    std::variant<Value, Failure> content;
};

} // namespace virelai
