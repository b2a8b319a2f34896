#pragma once

#include <QStringView>
#include <QTextCharFormat>

#include <functional>

namespace virelai {

// Word processors draw small capitals (\scaps) as capitals, those of the
// lowercase letters at four fifths of the text's size; Qt's own small
// capitals are seven tenths high. Calls write for each run of the text: the
// other characters as they are, in the text's format, and the lowercase
// letters as capitals in the smaller one.
void writeSmallCapitals(QStringView text, const QTextCharFormat &format,
                        const std::function<void(QStringView, const QTextCharFormat &)> &write);

} // namespace virelai
