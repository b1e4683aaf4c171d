#pragma once
#include <QByteArray>
#include <QPoint>
#include <vector>

namespace lumbrell::data {

constexpr int TwipsPerPixel = 15;

// A record's fill-point field: per pixel "xxxxyyyy", each coordinate in twips
// right-aligned in four characters, x first. Nine points at most (72 bytes).
QByteArray formatFillPoints(const std::vector<QPoint>& pixels);

}
