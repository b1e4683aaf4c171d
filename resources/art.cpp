#include "resources/art.h"

#include <QBitmap>
#include <QPixmap>
#include <QString>

namespace lumbrell::art {
namespace {

QImage load(const QString& name)
{
    return QImage(QStringLiteral(":/art/") + name);
}

} // namespace

QImage background() { return load(QStringLiteral("background.bmp")); }

QIcon windowIcon()
{
    // A BMP has no alpha: the colour of the top-left pixel is the transparent one.
    QImage icon = load(QStringLiteral("icon.bmp")).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull())
        return {};
    const QRgb ground = icon.pixel(0, 0);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) == ground)
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(icon));
}

QCursor handCursor()
{
    const QImage shape = load(QStringLiteral("hand.bmp"));
    const QImage mask = load(QStringLiteral("hand-mask.bmp"));
    if (shape.isNull() || mask.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), 5, 0);
}

QImage notFoundNotice() { return load(QStringLiteral("notfound.bmp")); }

QImage identificationDiagram(int index)
{
    if (index < 0 || index > 15)
        return {};
    return load(QStringLiteral("id%1.bmp").arg(index, 2, 10, QLatin1Char('0')));
}

QImage aboutBanner() { return load(QStringLiteral("banner.bmp")); }

} // namespace lumbrell::art
