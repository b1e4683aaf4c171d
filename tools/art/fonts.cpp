#include "tools/art/pictures.h"

#include <QImage>
#include <QStringList>

namespace lumbrell::art_tool {

QFont songFont(int pixelSize, bool bold)
{
    QFont font;
    // Song (Ming) style faces first; any serif face that covers Chinese after them.
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Pictures of one bit look cleanest without smoothing.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage scaledCanvas(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage toOneBit(const QImage& image)
{
    QImage mono(image.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mono.setPixel(x, y, qGray(image.pixel(x, y)) < 128 ? 0 : 1);
    return mono;
}

} // namespace lumbrell::art_tool
