#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace lumbrell {

// The stroke choosers' symbols stand for the stroke classes (formats/stroke_letters.h).

// A chooser's text as a stroke symbol: the text itself when it is exactly one
// of the five symbols, else " " (no stroke).
QString strokeSymbol(QStringView chooserText);

// The stroke key of a row of symbols: each symbol replaced by its digit, " " by
// "0"; any other character stays as it is.
QString strokeDigits(QStringView symbols);

// The stroke key of the five stroke choosers' texts, first stroke first.
QString strokeKeyOf(const std::array<QString, 5>& chooserTexts);

} // namespace lumbrell
