#include "app/position_pictures.h"

#include "app/fill_area.h"
#include "app/picture_box.h"
#include "formats/twips.h"

#include <QPainter>

namespace lumbrell {
namespace {

// A box is 1680 × 1695 twips.
const QSize BoxSize(twipsToPixels(1680), twipsToPixels(1695));

} // namespace

QImage characterPicture(const QString& character, const QFont& font, qreal devicePixelRatio)
{
    QImage picture(BoxSize * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont large = font;
    large.setPixelSize(BoxSize.height() * 3 / 4);
    painter.setFont(large);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), BoxSize), Qt::AlignCenter, character);
    return picture;
}

void showPosition(PictureBox& box, const PositionPlan& position, const PositionPictures& pictures)
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
