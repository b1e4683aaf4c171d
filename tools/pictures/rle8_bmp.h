#pragma once
#include <QByteArray>
#include <QImage>

namespace lumbrell::data {

// An 8-bit indexed image as a BMP file with RLE8 compression (bottom-up rows,
// the palette the image has). Qt's BMP writer writes only uncompressed files;
// the drawings are about five times smaller this way and read back unchanged.
// An image that is not Format_Indexed8 gives an empty array.
QByteArray encodeRle8Bmp(const QImage& image);

}
