#include "resources/art.h"

#include <QBitmap>
#include <QString>

namespace lumbrell::art {
namespace {

QImage load(const QString& name)
{
    return QImage(QStringLiteral(":/art/") + name);
}

} // namespace

QImage background() { return load(QStringLiteral("background.bmp")); }

QIcon windowIcon() { return QIcon(QPixmap::fromImage(load(QStringLiteral("icon.bmp")))); }

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
