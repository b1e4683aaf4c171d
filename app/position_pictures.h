#pragma once

#include "lookup/lookup_plan.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <array>

namespace lumbrell {

class PictureBox;

// The pictures a lookup's positions are drawn from.
struct PositionPictures {
    QImage drawing;                       // the character's drawing (1× or 2×); null when it could not be read
    QImage character;                     // the character alone, for a record without a drawing
    const std::array<QImage, 16>* diagrams = nullptr; // the identification diagrams
};

// The character written large and unmarked in the given font, centred on a
// white picture of the boxes' size made for the screen's device pixel ratio:
// what a box shows for a character that has no drawing.
QImage characterPicture(const QString& character, const QFont& font, qreal devicePixelRatio);

// Shows one position of a plan in its box: the drawing with the component
// filled at its seeds, a diagram, the character alone, or nothing.
void showPosition(PictureBox& box, const PositionPlan& position, const PositionPictures& pictures);

} // namespace lumbrell
