#pragma once

#include <QList>
#include <QPoint>
#include <QStringView>

namespace lumbrell {

// Reads a number the way a record's coordinates are read: leading spaces
// dropped, spaces between digits ignored, an optional leading sign and decimal
// fraction honoured, the value rounded (halves to even) and held to 16 bits.
// Text that does not begin with a number reads as 0.
int readNumber(QStringView text);

// The seed points of a fill-point field (formats/fill_point_format.h): after its
// trailing spaces, groups of x and y. The number of groups is the length
// divided by the width of a group, rounded halves to even, so a last group
// missing only the spaces of its y counts and a lone x may or may not.
// Characters past the end of the text read as missing.
QList<QPoint> parsePointList(QStringView info);

} // namespace lumbrell
