#pragma once
#include "tools/pictures/stroke_extraction.h"
#include "tools/pictures/stroke_outlines.h"

#include <QString>
#include <vector>

namespace lumbrell::data {

// The strokes cut from a glyph in the writing order of a stroke-order
// source's classes (one digit 1..5 per stroke), each centre line running the
// way a stroke of its class is written, in the form the outline package gives.
struct OrderedStrokes {
    StrokeOutlines strokes;
    double cost = 0; // how badly the strokes' shapes read as their classes (0: all as expected)
};

// Orders the strokes: parts that stand apart left and right, or above and
// below, are written one after the other where the classes allow; within a
// part the strokes are assigned to the classes by how they read and where they
// start (top-left first). False when the counts differ.
bool orderStrokes(const std::vector<ExtractedStroke>& strokes, const QString& classes, OrderedStrokes& out);

// The centre line turned to run as a stroke of the class is written: a 横 or
// 提 from the left, a turning stroke from its top-left end, any other from the top.
QPolygonF writtenAs(const QPolygonF& centreLine, char strokeClass);

// The cheapest assignment of rows to columns of a square cost matrix:
// result[row] = column.
std::vector<int> cheapestAssignment(const std::vector<std::vector<double>>& cost);

}
