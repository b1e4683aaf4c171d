#pragma once
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace lumbrell::data {

// The strokes of one character as hanzi-writer-data draws them, in writing
// order, in a top-down 1024-unit square (the data's y axis points up; a point
// (x, y) lands at (x, 900 - y)).
struct StrokeOutlines {
    std::vector<QPainterPath> outlines; // one closed outline per stroke
    std::vector<QPolygonF> medians;     // the centre line of each stroke
};

// Reads <dir>/<ch>.json. False with *error naming the file when it is missing
// or not the expected JSON.
bool loadStrokeOutlines(const QString& dir, const QString& ch, StrokeOutlines& out, QString* error);

// Parses the JSON text of one character; the same checks as loadStrokeOutlines.
bool parseStrokeOutlines(const QByteArray& json, StrokeOutlines& out, QString* error);

// An SVG path of M, L, Q, C and Z commands with absolute coordinates, flipped
// into the top-down square. False on any other command or a short argument list.
bool parseSvgPath(const QString& text, QPainterPath& path);

}
