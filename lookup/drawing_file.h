#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lumbrell {

// A character drawing under bmp/: an 8-bit BMP, plain or RLE8-compressed.
// Null when the path is no plain file, or the file is no BMP Qt can read, or
// its RLE8 stream is damaged (a run past the end of a row or of the picture,
// a stream cut short): such a drawing is unusable, never partly shown.
QImage readDrawingFile(const QString& path);

// True unless bytes are a BMP whose RLE8 pixel stream is damaged. Plain BMPs
// and other files pass: the image loader judges those.
bool rle8StreamIsWhole(const QByteArray& bytes);

} // namespace lumbrell
