#include "tools/pictures/glyph_renderer.h"

#include <QPainter>
#include <algorithm>
#include <deque>

namespace lumbrell::data {
namespace {

constexpr int PixelCount = DrawingWidth * DrawingHeight;
constexpr uchar Ground = 0;  // palette index of the white ground
constexpr int GreyBase = 0x78; // greys 0x78 … 0x87: one tone to the eye

// One bit per code position whose strokes cover a pixel, and a bit for any stroke at all.
constexpr uchar Inked = 0x10;

std::vector<uchar> strokeCoverage(const QPainterPath& outline)
{
    QImage canvas(DrawingWidth, DrawingHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setTransform(glyphToDrawing());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(outline);
    }
    std::vector<uchar> covered(PixelCount);
    for (int y = 0; y < DrawingHeight; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < DrawingWidth; ++x)
            covered[size_t(y * DrawingWidth + x)] = qRed(line[x]) < 128;
    }
    return covered;
}

QImage indexedImage(const std::vector<uchar>& signature)
{
    QImage image(DrawingWidth, DrawingHeight, QImage::Format_Indexed8);
    QList<QRgb> palette{qRgb(255, 255, 255)};
    for (int s = 0; s < 16; ++s)
        palette << qRgb(GreyBase + s, GreyBase + s, GreyBase + s);
    image.setColorTable(palette);
    for (int y = 0; y < DrawingHeight; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < DrawingWidth; ++x) {
            const uchar s = signature[size_t(y * DrawingWidth + x)];
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
std::vector<Area> areasOf(const std::vector<uchar>& signature)
{
    std::vector<int> label(PixelCount, -1);
    std::vector<Area> areas;
    std::vector<int> depth(PixelCount, 0);
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int start = 0; start < PixelCount; ++start) {
        if (!(signature[size_t(start)] & Inked) || label[size_t(start)] >= 0)
            continue;
        const int id = int(areas.size());
        Area area{signature[size_t(start)], 0, {}};
        std::vector<int> members{start};
        label[size_t(start)] = id;
        for (size_t i = 0; i < members.size(); ++i) {
            const int x = members[i] % DrawingWidth, y = members[i] / DrawingWidth;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || ny < 0 || nx >= DrawingWidth || ny >= DrawingHeight)
                    continue;
                const int q = ny * DrawingWidth + nx;
                if (label[size_t(q)] < 0 && signature[size_t(q)] == area.signature) {
                    label[size_t(q)] = id;
                    members.push_back(q);
                }
            }
        }
        // Peel the area from its edge inwards; the last pixel peeled is the deepest.
        std::deque<int> queue;
        for (int p : members) {
            const int x = p % DrawingWidth, y = p / DrawingWidth;
            bool edge = false;
            for (int d = 0; d < 4 && !edge; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                edge = nx < 0 || ny < 0 || nx >= DrawingWidth || ny >= DrawingHeight
                    || label[size_t(ny * DrawingWidth + nx)] != id;
            }
            depth[size_t(p)] = edge ? 1 : 0;
            if (edge)
                queue.push_back(p);
        }
        int deepest = members.front();
        while (!queue.empty()) {
            const int p = queue.front();
            queue.pop_front();
            if (depth[size_t(p)] > depth[size_t(deepest)])
                deepest = p;
            const int x = p % DrawingWidth, y = p / DrawingWidth;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || ny < 0 || nx >= DrawingWidth || ny >= DrawingHeight)
                    continue;
                const int q = ny * DrawingWidth + nx;
                if (label[size_t(q)] == id && depth[size_t(q)] == 0) {
                    depth[size_t(q)] = depth[size_t(p)] + 1;
                    queue.push_back(q);
                }
            }
        }
        area.size = int(members.size());
        area.deepest = QPoint(deepest % DrawingWidth, deepest / DrawingWidth);
        areas.push_back(area);
    }
    return areas;
}

QImage positionMask(const std::vector<uchar>& signature, int position)
{
    QImage mask(DrawingWidth, DrawingHeight, QImage::Format_Grayscale8);
    for (int y = 0; y < DrawingHeight; ++y) {
        uchar* line = mask.scanLine(y);
        for (int x = 0; x < DrawingWidth; ++x)
            line[x] = (signature[size_t(y * DrawingWidth + x)] >> position) & 1 ? 255 : 0;
    }
    return mask;
}

} // namespace

QTransform glyphToDrawing()
{
    // 1024 units onto 106 pixels, centred in the 112 × 113 box.
    constexpr double scale = 106.0 / 1024.0;
    return QTransform(scale, 0, 0, scale, (DrawingWidth - 106) / 2.0, (DrawingHeight - 106) / 2.0);
}

CharacterDrawing drawCharacter(const StrokeOutlines& strokes, const PositionStrokes& positions)
{
    std::vector<uchar> signature(PixelCount, 0);
    for (int i = 0; i < int(strokes.outlines.size()); ++i) {
        uchar bits = Inked;
        for (int k = 0; k < 4; ++k)
            if (std::find(positions[size_t(k)].begin(), positions[size_t(k)].end(), i) != positions[size_t(k)].end())
                bits |= uchar(1 << k);
        const std::vector<uchar> covered = strokeCoverage(strokes.outlines[size_t(i)]);
        for (int p = 0; p < PixelCount; ++p)
            if (covered[size_t(p)])
                signature[size_t(p)] |= bits;
    }

    CharacterDrawing drawing;
    drawing.image = indexedImage(signature);
    std::vector<Area> areas = areasOf(signature);
    std::stable_sort(areas.begin(), areas.end(), [](const Area& a, const Area& b) { return a.size > b.size; });
    for (int k = 0; k < 4; ++k) {
        drawing.componentPixels[size_t(k)] = positionMask(signature, k);
        if (positions[size_t(k)].empty())
            continue;
        for (const Area& area : areas)
            if ((area.signature >> k) & 1 && drawing.seeds[size_t(k)].size() < MaxSeedsPerPosition)
                drawing.seeds[size_t(k)].push_back(area.deepest);
    }
    return drawing;
}

}
