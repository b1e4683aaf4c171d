#pragma once
#include "formats/fill_point_format.h"

#include <QByteArray>
#include <QPoint>
#include <vector>

namespace lumbrell::data {

using fillpoints::TwipsPerPixel;

// A record's fill-point field (formats/fill_point_format.h) for these pixels; the
// points past the field's capacity are left out.
QByteArray formatFillPoints(const std::vector<QPoint>& pixels);

}
