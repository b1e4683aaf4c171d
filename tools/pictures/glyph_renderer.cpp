#include "tools/pictures/glyph_renderer.h"

#include "formats/drawing_scale.h"
#include "tools/pictures/fill_point_writer.h"

#include <QPainter>
#include <functional>
#include <algorithm>
#include <deque>

namespace lumbrell::data {
namespace {

// The pixel grid of one drawing: the 1x box or a multiple of it.
struct Grid {
    int width;
    int height;
    int scale;
    int count() const { return width * height; }
};
constexpr uchar Ground = 0;  // palette index of the white ground
constexpr int GreyBase = 0x78; // greys 0x78 … 0x87: one tone to the eye

// One bit per code position whose strokes cover a pixel, and a bit for any stroke at all.
constexpr uchar Inked = 0x10;

std::vector<uchar> strokeCoverage(const QPainterPath& outline, const Grid& g)
{
    QImage canvas(g.width, g.height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setTransform(glyphToDrawing(g.scale));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(outline);
    }
    std::vector<uchar> covered(size_t(g.count()));
    for (int y = 0; y < g.height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < g.width; ++x)
            covered[size_t(y * g.width + x)] = qRed(line[x]) < 128;
    }
    return covered;
}

QImage indexedImage(const std::vector<uchar>& signature, const Grid& g)
{
    QImage image(g.width, g.height, QImage::Format_Indexed8);
    QList<QRgb> palette{qRgb(255, 255, 255)};
    for (int s = 0; s < 16; ++s)
        palette << qRgb(GreyBase + s, GreyBase + s, GreyBase + s);
    image.setColorTable(palette);
    for (int y = 0; y < g.height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < g.width; ++x) {
            const uchar s = signature[size_t(y * g.width + x)];
            line[x] = (s & Inked) ? uchar(1 + (s & 0x0F)) : Ground;
        }
    }
    return image;
}

struct Area {
    uchar signature;
    int size = 0;
    QPoint deepest;
};

// The 4-connected areas of equal signature, with the pixel of each that lies
// farthest (in 4-steps) from the area's edge.
// A pixel fit to seed its area: by default any. With a twin, one whose twin
// pixel (lookup/drawing_scale.h) lies in the same cover there too.
using SeedFit = std::function<bool(int pixel)>;

std::vector<Area> areasOf(const std::vector<uchar>& signature, const Grid& g, const SeedFit& fits)
{
    const int width = g.width, height = g.height, pixelCount = g.count();
    std::vector<int> label(size_t(pixelCount), -1);
    std::vector<Area> areas;
    std::vector<int> depth(size_t(pixelCount), 0);
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int start = 0; start < pixelCount; ++start) {
        if (!(signature[size_t(start)] & Inked) || label[size_t(start)] >= 0)
            continue;
        const int id = int(areas.size());
        Area area{signature[size_t(start)], 0, {}};
        std::vector<int> members{start};
        label[size_t(start)] = id;
        for (size_t i = 0; i < members.size(); ++i) {
            const int x = members[i] % width, y = members[i] / width;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                    continue;
                const int q = ny * width + nx;
                if (label[size_t(q)] < 0 && signature[size_t(q)] == area.signature) {
                    label[size_t(q)] = id;
                    members.push_back(q);
                }
            }
        }
        // Peel the area from its edge inwards; the last pixel peeled is the deepest.
        std::deque<int> queue;
        for (int p : members) {
            const int x = p % width, y = p / width;
            bool edge = false;
            for (int d = 0; d < 4 && !edge; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                edge = nx < 0 || ny < 0 || nx >= width || ny >= height
                    || label[size_t(ny * width + nx)] != id;
            }
            depth[size_t(p)] = edge ? 1 : 0;
            if (edge)
                queue.push_back(p);
        }
        int deepest = members.front(), deepestFit = -1;
        while (!queue.empty()) {
            const int p = queue.front();
            queue.pop_front();
            if (depth[size_t(p)] > depth[size_t(deepest)])
                deepest = p;
            if (fits(p) && (deepestFit < 0 || depth[size_t(p)] > depth[size_t(deepestFit)]))
                deepestFit = p;
            const int x = p % width, y = p / width;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                    continue;
                const int q = ny * width + nx;
                if (label[size_t(q)] == id && depth[size_t(q)] == 0) {
                    depth[size_t(q)] = depth[size_t(p)] + 1;
                    queue.push_back(q);
                }
            }
        }
        if (deepestFit >= 0)
            deepest = deepestFit;
        area.size = int(members.size());
        area.deepest = QPoint(deepest % width, deepest / width);
        areas.push_back(area);
    }
    return areas;
}

QImage positionMask(const std::vector<uchar>& signature, int position, const Grid& g)
{
    QImage mask(g.width, g.height, QImage::Format_Grayscale8);
    for (int y = 0; y < g.height; ++y) {
        uchar* line = mask.scanLine(y);
        for (int x = 0; x < g.width; ++x)
            line[x] = (signature[size_t(y * g.width + x)] >> position) & 1 ? 255 : 0;
    }
    return mask;
}

} // namespace

QTransform glyphToDrawing(int scale)
{
    // 1024 units onto 106 pixels, centred in the 112 × 113 box; all of it times scale.
    const double unit = scale * 106.0 / 1024.0;
    return QTransform(unit, 0, 0, unit, scale * (DrawingWidth - 106) / 2.0, scale * (DrawingHeight - 106) / 2.0);
}

CharacterDrawing drawCharacter(const StrokeOutlines& strokes, const PositionStrokes& positions, int scale,
                               const CharacterDrawing* twin)
{
    const Grid g{DrawingWidth * scale, DrawingHeight * scale, scale};
    const int pixelCount = g.count();
    std::vector<uchar> signature(size_t(pixelCount), 0);
    for (int i = 0; i < int(strokes.outlines.size()); ++i) {
        uchar bits = Inked;
        for (int k = 0; k < 4; ++k)
            if (std::find(positions[size_t(k)].begin(), positions[size_t(k)].end(), i) != positions[size_t(k)].end())
                bits |= uchar(1 << k);
        const std::vector<uchar> covered = strokeCoverage(strokes.outlines[size_t(i)], g);
        for (int p = 0; p < pixelCount; ++p)
            if (covered[size_t(p)])
                signature[size_t(p)] |= bits;
    }

    CharacterDrawing drawing;
    drawing.image = indexedImage(signature, g);
    drawing.signature = signature;
    // The twin's seeds are the 1x drawing's, scaled (lookup/drawing_scale.h).
    const SeedFit fits = [&](int p) {
        if (!twin)
            return true;
        const QPoint q = lumbrell::drawingPixel(p % g.width * TwipsPerPixel, p / g.width * TwipsPerPixel, lumbrell::DoubleDrawingScale);
        const QSize size = twin->image.size();
        return QRect(QPoint(), size).contains(q) && twin->signature[size_t(q.y() * size.width() + q.x())] == signature[size_t(p)];
    };
    std::vector<Area> areas = scale == 1 ? areasOf(signature, g, fits) : std::vector<Area>();
    std::stable_sort(areas.begin(), areas.end(), [](const Area& a, const Area& b) { return a.size > b.size; });
    for (int k = 0; k < 4; ++k) {
        drawing.componentPixels[size_t(k)] = positionMask(signature, k, g);
        if (positions[size_t(k)].empty())
            continue;
        for (const Area& area : areas)
            if ((area.signature >> k) & 1 && drawing.seeds[size_t(k)].size() < MaxSeedsPerPosition)
                drawing.seeds[size_t(k)].push_back(area.deepest);
    }
    return drawing;
}

}
