#include "tools/art/pictures.h"

#include "formats/identification_letters.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace lumbrell::art_tool {
namespace {

enum class Stroke { Horizontal, Vertical, LeftFalling, RightFalling, Dot, Turning, LetterL };

// The figure of a diagram; its words are identification::DiagramCaptions.
struct Diagram {
    Stroke stroke;
    int count;
};

// In the order of identification::DiagramLetters: index = 3 × (stroke kind − 1) +
// (structure − 1); the last one is the extra rule.
const std::array<Diagram, identification::DiagramCount> Diagrams = {{
    {Stroke::Horizontal, 1},   {Stroke::Horizontal, 2},   {Stroke::Horizontal, 3},
    {Stroke::Vertical, 1},     {Stroke::Vertical, 2},     {Stroke::Vertical, 3},
    {Stroke::LeftFalling, 1},  {Stroke::LeftFalling, 2},  {Stroke::LeftFalling, 3},
    {Stroke::RightFalling, 1}, {Stroke::Dot, 2},          {Stroke::Dot, 3},
    {Stroke::Turning, 1},      {Stroke::Turning, 2},      {Stroke::Turning, 3},
    {Stroke::LetterL, 1},
}};

// One stroke of its kind, centred on the origin, about 30 pixels tall or wide.
QPainterPath strokePath(Stroke stroke)
{
    QPainterPath path;
    switch (stroke) {
    case Stroke::Horizontal:
        path.moveTo(-16, 0);
        path.lineTo(16, 0);
        break;
    case Stroke::Vertical:
        path.moveTo(0, -16);
        path.lineTo(0, 16);
        break;
    case Stroke::LeftFalling:
        path.moveTo(8, -16);
        path.quadTo(5, 6, -10, 15);
        break;
    case Stroke::RightFalling:
        path.moveTo(-10, -16);
        path.quadTo(-2, 8, 14, 13);
        break;
    case Stroke::Dot:
        path.moveTo(-4, -5);
        path.lineTo(4, 5);
        break;
    case Stroke::Turning: // the shape of 乙
        path.moveTo(-11, -15);
        path.lineTo(11, -15);
        path.lineTo(-9, 6);
        path.quadTo(-10, 13, -2, 13);
        path.lineTo(13, 13);
        path.lineTo(13, 7);
        break;
    case Stroke::LetterL:
        path.moveTo(-9, -17);
        path.lineTo(-9, 15);
        path.lineTo(12, 15);
        break;
    }
    return path;
}

// Where the strokes stand in the circle: lines of one direction are spaced
// across it, other strokes stand side by side, smaller the more there are.
struct Placement {
    QPointF offset;
    qreal scale;
};

Placement placement(Stroke stroke, int count, int i)
{
    const qreal step = 11;
    const qreal centred = (i - (count - 1) / 2.0) * step;
    if (stroke == Stroke::Horizontal)
        return {{0, centred}, 1};
    if (stroke == Stroke::Vertical)
        return {{centred, 0}, 1};
    const qreal scale = count == 1 ? 1.0 : count == 2 ? 0.7 : 0.5;
    const qreal spread = count == 2 ? 12 : 17;
    return {{(i - (count - 1) / 2.0) * spread, 0}, stroke == Stroke::Dot ? 1.0 : scale};
}

void drawCaption(QPainter& painter, const QRect& area, const QString& caption)
{
    const int pixelSize = caption.size() > 6 ? 12 : 15;
    painter.setFont(songFont(pixelSize));
    painter.drawText(area, Qt::AlignCenter, caption);
}

} // namespace

QImage drawIdentificationDiagram(int index, int scale)
{
    const Diagram& diagram = Diagrams.at(index);
    const int height = index == 13 ? 108 : 109;
    QImage image = scaledCanvas(QSize(108, height), scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    const identification::DiagramCaption& words = identification::DiagramCaptions[index];
    drawCaption(painter, QRect(0, 1, 108, 19), QString::fromUtf8(words.above));
    drawCaption(painter, QRect(0, height - 20, 108, 19), QString::fromUtf8(words.below));

    const QPointF centre(54, 55);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 32, 32);

    const QPainterPath shape = strokePath(diagram.stroke);
    for (int i = 0; i < diagram.count; ++i) {
        const Placement place = placement(diagram.stroke, diagram.count, i);
        painter.save();
        painter.translate(centre + place.offset);
        painter.scale(place.scale, place.scale);
        painter.setPen(QPen(Qt::black, 5 / place.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shape);
        painter.restore();
    }
    painter.end();
    return toOneBit(image);
}

} // namespace lumbrell::art_tool
