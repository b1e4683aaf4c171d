#include "tools/art/pictures.h"

#include <QPainter>

namespace lumbrell::art_tool {

QImage drawNotFoundNotice()
{
    QImage image(386, 33, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(songFont(22));
    painter.setPen(QColor(128, 64, 0));
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("暂无此汉字的编码和拆分图！"));
    return image;
}

} // namespace lumbrell::art_tool
