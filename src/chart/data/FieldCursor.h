#pragma once

#include <QString>

#include <array>
#include <optional>

namespace virelai {

// The one reading position of the chart data text. A field runs from the position
// to its delimiter; a missing delimiter leaves the position where it is.
class FieldCursor
{
public:
    explicit FieldCursor(const QString &text);

    // The field ending at the next delimiter, or nothing when the delimiter is
    // missing. The position moves past the delimiter, and one character more
    // after a closing brace.
    std::optional<QStringView> next(QChar delimiter);

private:
    qsizetype find(QChar delimiter);

    const QString &text;
    qsizetype position = 0;
    // Once a delimiter is missing from some position on, it is missing from every
    // later one: remembering this keeps a hostile text from costing a full search
    // for each of its thousands of fields.
    std::array<qsizetype, 3> lastFound {-1, -1, -1};
    std::array<bool, 3> absent {};
};

} // namespace virelai
