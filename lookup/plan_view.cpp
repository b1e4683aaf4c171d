#include "lookup/plan_view.h"

#include "lookup/fill_area.h"
#include "lookup/picture_box.h"
#include "lookup/units.h"

#include <QFileInfo>
#include <QPainter>

namespace lumbrell {
namespace {

// A box is 1680 × 1695 twips.
const QSize BoxSize(twipsToPixels(1680), twipsToPixels(1695));

} // namespace

QImage loadDrawing(const QString& programFolder, const QString& character)
{
    const QString path = programFolder + QStringLiteral("/bmp/") + character + QStringLiteral(".bmp");
    QImage image;
    // Only a plain file is read: a pipe in its place would hold the window up.
    if (!QFileInfo(path).isFile() || !image.load(path, "BMP"))
        return {};
    return image;
}

QImage characterPicture(const QString& character, const QFont& font)
{
    QImage picture(BoxSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont large = font;
    large.setPixelSize(BoxSize.height() * 3 / 4);
    painter.setFont(large);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect(), Qt::AlignCenter, character);
    return picture;
}

void showPosition(PictureBox& box, const PositionPlan& position, const PlanPictures& pictures)
{
    switch (position.picture) {
    case PositionPicture::Empty:
        box.setPicture(QImage());
        return;
    case PositionPicture::CharacterOnly:
        box.setPicture(pictures.character);
        return;
    case PositionPicture::Diagram:
        box.setPicture(pictures.diagrams ? pictures.diagrams->at(position.diagram) : QImage());
        return;
    case PositionPicture::Drawing:
        box.setPicture(pictures.drawing);
        for (const QPoint& seed : position.seeds)
            FillArea(box, seed.x(), seed.y(), qRgb(0, 0, 0));
        return;
    }
}

} // namespace lumbrell
