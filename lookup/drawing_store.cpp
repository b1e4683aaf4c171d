#include "lookup/drawing_store.h"

#include "formats/drawing_scale.h"
#include "lookup/drawing_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace lumbrell {
namespace {

// The size of a BMP file from its header, invalid when it is not one.
QSize bmpSize(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path, "BMP");
    return reader.size();
}

} // namespace

CharacterDrawing DrawingStore::drawingOf(const QString& character, qreal devicePixelRatio) const
{
    CharacterDrawing drawing;
    const QString singlePath = folder_ + u'/' + drawingFileName(character);
    const QString doublePath = folder_ + u'/' + doubleDrawingFileName(character);

    if (devicePixelRatio > 1 && QFileInfo::exists(doublePath)) {
        const QSize single = bmpSize(singlePath);
        QImage image = single.isValid() ? readDrawingFile(doublePath) : QImage();
        if (!image.isNull() && image.size() == single * DoubleDrawingScale) {
            image.setDevicePixelRatio(DoubleDrawingScale);
            drawing.image = image;
            return drawing;
        }
        // A 1× file that cannot be read is said below; the 2× file is only
        // blamed when its partner is sound.
        if (single.isValid())
            drawing.unusable.append(doublePath);
    }
    drawing.image = readDrawingFile(singlePath);
    if (drawing.image.isNull())
        drawing.unusable.append(singlePath);
    return drawing;
}

} // namespace lumbrell
