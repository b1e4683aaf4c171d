#pragma once

#include "store/char_record.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <array>

namespace lumbrell {

// What one picture box shows for a found character.
enum class PositionPicture {
    Empty,         // the code has no such position, or nothing is known to show
    Drawing,       // the character's drawing with the component filled at the seed points
    Diagram,       // the diagram of the identification letter
    CharacterOnly, // no drawing exists for the character: the character itself, unmarked
};

struct PositionPlan {
    PositionPicture picture = PositionPicture::Empty;
    QList<QPoint> seeds; // Drawing: fill seeds in twips, in record order
    int diagram = -1;    // Diagram: index of the identification diagram (0 … 15)
};

// Everything a lookup shows for one record, computed without a window: the
// code line and, for each of the four code positions, its picture.
struct LookupPlan {
    QString character; // the record's character
    QString codeLine;
    std::array<PositionPlan, 4> positions;
    // The record has fill points, so its drawing must exist: one that cannot
    // be read is a fault of the installed data. Without fill points the
    // character may simply have no drawing.
    bool drawingExpected = false;

    // Whether some position shows the character's drawing (bmp/<character>.bmp).
    bool needsDrawing() const;
    // The same lookup for a character that has no drawing: the character
    // alone in the first box, the other boxes empty.
    LookupPlan withoutDrawing() const;
};

// The plan for a record (formats/fill_point_format.h). Positions the code does
// not have show nothing; a position whose fill-point field is the
// identification marker shows the identification diagram of its letter of
// Code1, and ends the marking there; one left unmarked shows the drawing
// with nothing filled.
LookupPlan planLookup(const CharRecord& record);

} // namespace lumbrell
