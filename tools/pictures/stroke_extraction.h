#pragma once
#include <QPainterPath>
#include <QPolygonF>
#include <vector>

namespace lumbrell::data {

// One stroke cut out of a glyph: its closed outline and its centre line from
// one end to the other (which end starts it is for the stroke order to say).
struct ExtractedStroke {
    QPolygonF outline;
    QPolygonF centreLine;
};

// Where the glyph's outline turns sharply into the glyph: a place where two
// strokes meet, or a bend on the inside of a turning stroke.
struct OutlineCorner {
    QPointF at;
    QPointF in;  // unit direction the outline arrives in
    QPointF out; // unit direction it leaves in
};

// A cut across the glyph between two corners: the edge of one stroke carried
// on through the stroke it meets or crosses.
struct Bridge {
    int from = 0; // corner indices
    int to = 0;
    // Where the cut line runs on past `to` (a corner that lies on a longer
    // cut, as the fork under a crossing in 大 lies on the 一's lower edge):
    // the bridge that carries it on from there, or -1.
    int carriedOnBy = -1;
};

struct GlyphCut {
    std::vector<OutlineCorner> corners;
    std::vector<Bridge> bridges;
    std::vector<ExtractedStroke> strokes; // in no particular order
    bool closed = true;                   // every walk along outline and bridges came back to its start
};

// How readily the cut takes a turn of the outline for a corner, and how far a
// bridge may stray from the edges it carries on (degrees).
struct CutSettings {
    double cornerTurn = 20.0;
    double bridgeSlack = 60.0;
    bool throughCorners = true; // a bridge that runs close past a third corner is carried on through it
    bool onToForks = false;     // a cut line runs on past its end to a fork no bridge reaches
};

// Cuts a glyph (top-down 1024-unit square, winding fill) into strokes: finds
// the outline's sharp inward corners, pairs them into bridges where the
// outline of one stroke carries on across another, and walks outline and
// bridges into one closed outline per stroke. Where a walk is left open, the
// corners are paired again with one of its bridges put in another's place.
GlyphCut cutIntoStrokes(const QPainterPath& glyph, const CutSettings& settings = {});

// The cut with the first of a few settings (the usual first, then readier
// and less ready to see corners, bridges held straighter, corners seen only
// where the outline turns hard, mixes of these, and last the usual without
// bridges carried on through corners) that closes and gives one of the wanted
// numbers of strokes, each setting first as it is, then, after all of them,
// with its open walks mended, and last with cut lines run on to forks no
// bridge reaches; the usual cut where none does.
GlyphCut cutIntoCount(const QPainterPath& glyph, const std::vector<size_t>& counts);

}
