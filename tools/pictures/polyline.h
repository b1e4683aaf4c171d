#pragma once
#include <QPointF>
#include <QRectF>
#include <vector>

// Centre lines as the picture stage compares them: points spread evenly along
// a line, measured in a frame that a flat or thin group cannot blow up.
namespace lumbrell::data {

// count points at even steps of length along a chain of at least two points,
// from its first point to its last.
std::vector<QPointF> evenlyAlong(const std::vector<QPointF>& chain, int count);

// The frame a group of lines with this bounding box is compared in: the box,
// a flat or thin one widened to a quarter of its length, about its centre.
QRectF squaredFrame(const QRectF& box);

// A point in the frame's units (0..1 across it).
inline QPointF inFrame(QPointF p, const QRectF& frame)
{
    return {(p.x() - frame.left()) / frame.width(), (p.y() - frame.top()) / frame.height()};
}

}
