#pragma once
#include <QPolygonF>
#include <vector>

namespace lumbrell::data {

// How far the centre lines of some strokes are from those of a reference
// drawing with as many strokes, stroke by stroke, once both are scaled to
// their own bounding boxes: 0 for the same shape, about 0.1 for the same
// component written in another place, 0.3 and more for strokes that only
// share their classes.
double shapeDistance(const std::vector<QPolygonF>& strokes, const std::vector<QPolygonF>& reference);

// How close the nearer end of one centre line comes to another line, in the
// drawing's units: small for a stroke that ends on the other, large for one
// that crosses it or starts from it.
double endGap(const QPolygonF& from, const QPolygonF& to);

// How close two centre lines come anywhere along them, in the drawing's
// units: 0 where they cross or meet.
double lineGap(const QPolygonF& a, const QPolygonF& b);

}
