#pragma once

#include "lookup/lookup_plan.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <array>

namespace lumbrell {

class PictureBox;

// The pictures a plan's positions are drawn from.
struct PlanPictures {
    QImage drawing;                       // the character's drawing; null when it could not be read
    QImage character;                     // the character alone, for a record without a drawing
    const std::array<QImage, 16>* diagrams = nullptr; // the identification diagrams
};

// The drawing of a character, bmp/<character>.bmp in the program's folder;
// a null image when it is missing or not a readable picture.
QImage loadDrawing(const QString& programFolder, const QString& character);

// The character written large and unmarked in the given font, centred on a
// white picture of the boxes' size: what a box shows for a character that has
// no drawing.
QImage characterPicture(const QString& character, const QFont& font);

// Shows one position of a plan in its box: the drawing with the component
// filled at its seeds, a diagram, the character alone, or nothing.
void showPosition(PictureBox& box, const PositionPlan& position, const PlanPictures& pictures);

} // namespace lumbrell
