#include "tools/art/pictures.h"

#include <QPainter>

namespace lumbrell::art_tool {

QImage drawNotFoundNotice(int scale)
{
    const QRect area(0, 0, 386, 33);
    QImage image = scaledCanvas(area.size(), scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setFont(songFont(22));
    painter.setPen(QColor(128, 64, 0));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("暂无此汉字的编码和拆分图！"));
    return image;
}

} // namespace lumbrell::art_tool
