#include "lookup/drawing_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace lumbrell {
namespace {

constexpr qsizetype InfoHeaderEnd = 14 + 40;
constexpr quint32 BiRle8 = 1;
constexpr qint64 MaxDrawingBytes = 16 * 1024 * 1024; // a drawing is a few kilobytes

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Walks the RLE8 stream as a reader must: every pixel inside its row and the
// picture, ending on the end-of-bitmap code before the data ends.
bool rle8Whole(const QByteArray& bytes, qsizetype at, qint64 width, qint64 height)
{
    const auto byteAt = [&](qsizetype i) { return uchar(bytes[i]); };
    qint64 x = 0, row = 0;
    while (at + 1 < bytes.size()) {
        const int first = byteAt(at), second = byteAt(at + 1);
        at += 2;
        if (first > 0) { // a run of one index
            x += first;
        } else if (second == 0) { // end of line
            x = 0;
            ++row;
        } else if (second == 1) { // end of bitmap
            return row <= height;
        } else if (second == 2) { // delta
            if (at + 1 >= bytes.size())
                return false;
            x += byteAt(at);
            row += byteAt(at + 1);
            at += 2;
        } else { // absolute run, padded to 16 bits
            x += second;
            at += second + (second % 2);
            if (at > bytes.size())
                return false;
        }
        if (x > width || row > height || (row == height && x > 0))
            return false;
    }
    return false; // no end-of-bitmap code
}

} // namespace

bool rle8StreamIsWhole(const QByteArray& bytes)
{
    if (bytes.size() < InfoHeaderEnd || !bytes.startsWith("BM") || read32(bytes, 30) != BiRle8)
        return true;
    const qint64 width = qint32(read32(bytes, 18)), height = qint32(read32(bytes, 22));
    const quint32 offset = read32(bytes, 10);
    if (width <= 0 || height <= 0 || offset < InfoHeaderEnd || offset >= quint32(bytes.size()))
        return false;
    return rle8Whole(bytes, qsizetype(offset), width, height);
}

QImage readDrawingFile(const QString& path)
{
    // Only a plain file is read: a pipe in its place would hold the window up.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxDrawingBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!rle8StreamIsWhole(bytes))
        return {};
    QImage image;
    if (!image.loadFromData(bytes, "BMP"))
        return {};
    return image;
}

} // namespace lumbrell
