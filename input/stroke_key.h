#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace lumbrell {

// The stroke choosers' symbols stand for the stroke classes (formats/stroke_letters.h).

// A chooser's text as a stroke symbol: the text itself when it is exactly one
// of the five symbols, else " " (no stroke).
QString strokeSymbol(QStringView chooserText);

// The stroke key of a row of symbols: each symbol replaced by its digit, " " by
// "0"; any other character stays as it is.
QString strokeDigits(QStringView symbols);

// Which stroke table (0 … 4) holds the codes that start like the key: that of
// its first digit; none when the key starts with anything but 1 … 5.
std::optional<int> strokeTableOf(QStringView key);

} // namespace lumbrell
