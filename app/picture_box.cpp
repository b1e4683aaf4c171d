#include "app/picture_box.h"

#include <QPainter>

namespace lumbrell {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    erase();
}

void PictureBox::erase()
{
    surface_ = picture_.isNull() ? QImage() : picture_.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // A picture made at another scale than the screen's (a 2× drawing at
    // 150 %) is resampled smoothly rather than by repeating pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!surface_.isNull())
        painter.drawImage(0, 0, surface_);
}

} // namespace lumbrell
