#include "tools/art/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace lumbrell::art_tool {
namespace {

const QColor Field(214, 214, 214);
const QColor PanelEdge(160, 160, 160);

void drawPanel(QPainter& painter, const QRect& area)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(path, Qt::white);
    painter.setPen(QPen(PanelEdge, 1));
    painter.drawPath(path);
}

} // namespace

QImage drawBackground(int scale)
{
    QImage image = scaledCanvas(QSize(614, 339), scale);
    image.fill(Field);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint shade along the bottom of each panel lifts it off the field.
    painter.fillRect(QRect(12, 40, 116, 290), Field.darker(108));
    painter.fillRect(QRect(139, 40, 469, 290), Field.darker(108));
    drawPanel(painter, QRect(QPoint(10, 38), QPoint(125, 327)));
    drawPanel(painter, QRect(QPoint(137, 38), QPoint(605, 327)));
    return image;
}

} // namespace lumbrell::art_tool
