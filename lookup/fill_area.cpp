#include "lookup/fill_area.h"

#include "lookup/flood_fill.h"
#include "lookup/picture_box.h"
#include "lookup/units.h"

namespace lumbrell {

void FillArea(PictureBox& box, int x, int y, QRgb fillColor, std::optional<QRgb> borderColor)
{
    const QPoint seed(twipsToPixels(x), twipsToPixels(y));

    const auto savedStyle = box.fillStyle;
    const QRgb savedColor = box.fillColor;
    box.fillStyle = PictureBox::FillStyle::Solid;
    box.fillColor = fillColor;

    QImage& surface = box.surface();
    if (!surface.isNull()) {
        const int painted = borderColor ? floodFillBorder(surface, seed, *borderColor, box.fillColor)
                                        : floodFillSurface(surface, seed, box.fillColor);
        if (painted > 0)
            box.surfaceChanged();
    }

    box.fillStyle = savedStyle;
    box.fillColor = savedColor;
}

} // namespace lumbrell
