#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>

namespace lumbrell {

// A box that shows a picture on a white background and keeps what is drawn on
// it (the drawing surface) until it gets a new picture or is erased, so the
// marking survives when the window is covered and repainted.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum class FillStyle { Solid = 0, Transparent = 1 };

    explicit PictureBox(QWidget* parent = nullptr);

    // Giving a box a picture (or none, a null image) discards what was drawn.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }

    // Discards what was drawn and keeps the picture.
    void erase();

    // What the box shows: the picture with the drawing on it.
    QImage& surface() { return surface_; }
    const QImage& surface() const { return surface_; }
    void surfaceChanged() { update(); }

    FillStyle fillStyle = FillStyle::Transparent;
    QRgb fillColor = qRgb(0, 0, 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage surface_;
};

} // namespace lumbrell
