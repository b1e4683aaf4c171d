#include "app/fill_area.h"

#include "formats/drawing_scale.h"
#include "lookup/flood_fill.h"
#include "app/picture_box.h"

namespace lumbrell {

void FillArea(PictureBox& box, int x, int y, QRgb fillColor, std::optional<QRgb> borderColor)
{
    const auto savedStyle = box.fillStyle;
    const QRgb savedColor = box.fillColor;
    box.fillStyle = PictureBox::FillStyle::Solid;
    box.fillColor = fillColor;

    QImage& surface = box.surface();
    if (!surface.isNull()) {
        // A drawing made at 2× for a high-density screen is filled at its own pixels.
        const QPoint seed = drawingPixel(x, y, qRound(surface.devicePixelRatio()));
        const int painted = borderColor ? floodFillBorder(surface, seed, *borderColor, box.fillColor)
                                        : floodFillSurface(surface, seed, box.fillColor);
        if (painted > 0)
            box.surfaceChanged();
    }

    box.fillStyle = savedStyle;
    box.fillColor = savedColor;
}

} // namespace lumbrell
