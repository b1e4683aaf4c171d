#include "lookup/flood_fill.h"

#include <vector>

namespace lumbrell {
namespace {

constexpr QRgb ColourMask = 0x00FFFFFF;

// Scan-line fill of the 4-connected region whose pixels satisfy inside(),
// painting each with fill. `visited` keeps the walk finite when painted pixels
// still satisfy inside() (a surface fill in the area's own colour).
template <typename Inside>
int scanlineFill(QImage& image, QPoint seed, QRgb fill, Inside inside)
{
    const int width = image.width();
    const int height = image.height();
    if (seed.x() < 0 || seed.y() < 0 || seed.x() >= width || seed.y() >= height)
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);

    // One detach, then raw rows: the fill touches every pixel of its area.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto pixel = [bits, stride](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(bits + y * stride)[x]; };
    std::vector<unsigned char> visited(static_cast<size_t>(width) * height, 0);
    auto fillable = [&](int x, int y) {
        return !visited[static_cast<size_t>(y) * width + x] && inside(pixel(x, y) & ColourMask);
    };
    if (!fillable(seed.x(), seed.y()))
        return 0;

    int painted = 0;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const int y = p.y();
        if (!fillable(p.x(), y))
            continue;
        int left = p.x();
        while (left > 0 && fillable(left - 1, y))
            --left;
        int right = p.x();
        while (right + 1 < width && fillable(right + 1, y))
            ++right;
        for (int x = left; x <= right; ++x) {
            visited[static_cast<size_t>(y) * width + x] = 1;
            pixel(x, y) = (pixel(x, y) & ~ColourMask) | (fill & ColourMask) | 0xFF000000;
            ++painted;
        }
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool f = fillable(x, ny);
                if (f && !inRun)
                    stack.emplace_back(x, ny);
                inRun = f;
            }
        }
    }
    return painted;
}

} // namespace

int floodFillSurface(QImage& image, QPoint seed, QRgb fill)
{
    if (seed.x() < 0 || seed.y() < 0 || seed.x() >= image.width() || seed.y() >= image.height())
        return 0;
    const QRgb target = image.pixel(seed) & ColourMask;
    return scanlineFill(image, seed, fill, [target](QRgb c) { return c == target; });
}

int floodFillBorder(QImage& image, QPoint seed, QRgb border, QRgb fill)
{
    const QRgb stop = border & ColourMask;
    return scanlineFill(image, seed, fill, [stop](QRgb c) { return c != stop; });
}

} // namespace lumbrell
