#pragma once

#include <QRgb>
#include <optional>

namespace lumbrell {

class PictureBox;

// One area fill on a box's drawing surface at (x, y) in twips. Without a border
// colour it fills the connected area that has the colour found at the point;
// with one, the area up to that colour. A point outside the box fills nothing.
// The box's fill style and colour are the same afterwards as before.
void FillArea(PictureBox& box, int x, int y, QRgb fillColor, std::optional<QRgb> borderColor = std::nullopt);

} // namespace lumbrell
