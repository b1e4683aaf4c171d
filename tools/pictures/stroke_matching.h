#pragma once
#include "tools/pictures/stroke_extraction.h"
#include "tools/pictures/stroke_outlines.h"

#include <QHash>
#include <QString>
#include <vector>

namespace lumbrell::data {

// Drawings whose strokes are known (the outline package's), by their stroke
// classes: a part of a cut glyph with the same classes and nearly the same
// shape is written as they are.
class StrokeTemplates {
public:
    // How many drawings are kept per string of classes.
    static constexpr int PerClasses = 12;

    void add(const QString& ch, const QString& classes, const std::vector<QPolygonF>& centreLines);

    struct Drawing {
        QString ch;
        std::vector<std::vector<QPointF>> lines; // centre lines sampled and scaled to the drawing's frame
    };
    const std::vector<Drawing>* withClasses(const QString& classes) const;

private:
    QHash<QString, std::vector<Drawing>> byClasses_;
};

// The strokes cut from a glyph in the writing order of a stroke-order
// source's classes (one digit 1..5 per stroke), each centre line running the
// way a stroke of its class is written, in the form the outline package gives.
struct OrderedStrokes {
    StrokeOutlines strokes;
    double cost = 0; // how badly the strokes' shapes read as their classes (0: all as expected)
};

// Orders the strokes: a part whose classes and shape are those of a known
// drawing (other than the character's own, `self`) is written as that one;
// parts that stand apart left and right, or above and below, are written one
// after the other where the classes allow, and where either of them is
// drawn as a known drawing of its classes however the other reads (獅's 犭
// before 師); within a part the strokes are
// assigned to the classes by how they read and where they start (top-left
// first). False when the counts differ.
bool orderStrokes(const std::vector<ExtractedStroke>& strokes, const QString& classes, OrderedStrokes& out,
                  const StrokeTemplates* templates = nullptr, const QString& self = QString());

// The centre line turned to run as a stroke of the class is written: a flat
// one from the left, a steep one or one falling to the right from the top; one
// rising to the right from the bottom as a 提, from the top as any other class.
QPolygonF writtenAs(const QPolygonF& centreLine, char strokeClass);

// The cheapest assignment of rows to columns of a square cost matrix:
// result[row] = column.
std::vector<int> cheapestAssignment(const std::vector<std::vector<double>>& cost);

}
