#pragma once
#include "formats/fill_points.h"

#include <QByteArray>
#include <QPoint>
#include <vector>

namespace lumbrell::data {

using fillpoints::TwipsPerPixel;

// A record's fill-point field (formats/fill_points.h) for these pixels; the
// points past the field's capacity are left out.
QByteArray formatFillPoints(const std::vector<QPoint>& pixels);

}
