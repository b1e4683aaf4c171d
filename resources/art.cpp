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

// The picture `stem`.bmp, or its 2× drawing "`stem`@2x.bmp" for a
// high-density screen.
QImage loadForScreen(const QString& stem, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QImage doubled = load(stem + QStringLiteral("@2x.bmp"));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2);
            return doubled;
        }
    }
    return load(stem + QStringLiteral(".bmp"));
}

} // namespace

QImage background(qreal devicePixelRatio) { return loadForScreen(QStringLiteral("background"), devicePixelRatio); }

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

QImage notFoundNotice(qreal devicePixelRatio)
{
    return loadForScreen(QStringLiteral("notfound"), devicePixelRatio);
}

QImage identificationDiagram(int index, qreal devicePixelRatio)
{
    if (index < 0 || index > 15)
        return {};
    return loadForScreen(QStringLiteral("id%1").arg(index, 2, 10, QLatin1Char('0')), devicePixelRatio);
}

QImage aboutBanner(qreal devicePixelRatio) { return loadForScreen(QStringLiteral("banner"), devicePixelRatio); }

} // namespace lumbrell::art
