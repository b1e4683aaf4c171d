#include "lookup/drawing_files.h"

#include "lookup/drawing_scale.h"

#include <QFileInfo>
#include <QImageReader>

namespace lumbrell {
namespace {

bool readPlainBmp(const QString& path, QImage* image)
{
    return QFileInfo(path).isFile() && image->load(path, "BMP") && !image->isNull();
}

// The size of a BMP file from its header, invalid when it is not one.
QSize bmpSize(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path, "BMP");
    return reader.size();
}

} // namespace

CharacterDrawing loadCharacterDrawing(const QString& bmpFolder, const QString& character, qreal devicePixelRatio)
{
    CharacterDrawing drawing;
    const QString singlePath = bmpFolder + u'/' + drawingFileName(character);
    const QString doublePath = bmpFolder + u'/' + doubleDrawingFileName(character);

    if (devicePixelRatio > 1 && QFileInfo::exists(doublePath)) {
        const QSize single = bmpSize(singlePath);
        QImage image;
        if (single.isValid() && readPlainBmp(doublePath, &image) && image.size() == single * DoubleDrawingScale) {
            image.setDevicePixelRatio(DoubleDrawingScale);
            drawing.image = image;
            return drawing;
        }
        // A 1× file that cannot be read is said below; the 2× file is only
        // blamed when its partner is sound.
        if (single.isValid())
            drawing.unusable.append(doublePath);
    }
    if (!readPlainBmp(singlePath, &drawing.image)) {
        drawing.image = QImage();
        drawing.unusable.append(singlePath);
    }
    return drawing;
}

} // namespace lumbrell
