#include "tools/pictures/rle8_bmp.h"

#include <QtEndian>

namespace lumbrell::data {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr quint32 BiRle8 = 1;
constexpr int MaxRun = 255;
constexpr int MinAbsolute = 3; // absolute mode takes 3 to 255 pixels; shorter stretches go as runs

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// Length of the run of equal pixels starting at x (at most MaxRun).
int runLength(const uchar* row, int width, int x)
{
    int n = 1;
    while (x + n < width && n < MaxRun && row[x + n] == row[x])
        ++n;
    return n;
}

void encodeRow(const uchar* row, int width, QByteArray& out)
{
    int x = 0;
    while (x < width) {
        const int run = runLength(row, width, x);
        if (run >= 2) {
            out.append(char(run)).append(char(row[x]));
            x += run;
            continue;
        }
        // Literal stretch: up to the next run of two or more.
        int end = x + 1;
        while (end < width && end - x < MaxRun && runLength(row, width, end) < 2)
            ++end;
        const int count = end - x;
        if (count < MinAbsolute) {
            for (; x < end; ++x)
                out.append(char(1)).append(char(row[x]));
            continue;
        }
        out.append(char(0)).append(char(count));
        out.append(reinterpret_cast<const char*>(row + x), count);
        if (count % 2)
            out.append(char(0)); // absolute runs end on a 16-bit boundary
        x = end;
    }
}

} // namespace

QByteArray encodeRle8Bmp(const QImage& image)
{
    if (image.format() != QImage::Format_Indexed8 || image.isNull())
        return {};
    const int width = image.width(), height = image.height();
    QByteArray pixels;
    for (int y = height - 1; y >= 0; --y) {
        encodeRow(image.constScanLine(y), width, pixels);
        pixels.append(char(0)).append(char(y == 0 ? 1 : 0)); // end of line, end of bitmap after the top row
    }
    const QList<QRgb> palette = image.colorTable();
    const quint32 offset = FileHeaderSize + InfoHeaderSize + quint32(palette.size()) * 4;

    QByteArray out;
    out.reserve(int(offset) + pixels.size());
    out.append("BM", 2);
    put32(out, offset + quint32(pixels.size()));
    put32(out, 0);
    put32(out, offset);
    put32(out, InfoHeaderSize);
    put32(out, quint32(width));
    put32(out, quint32(height)); // positive: bottom-up, as RLE8 requires
    put16(out, 1);
    put16(out, 8);
    put32(out, BiRle8);
    put32(out, quint32(pixels.size()));
    put32(out, 3780); // 96 dpi in pixels per metre
    put32(out, 3780);
    put32(out, quint32(palette.size()));
    put32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    out += pixels;
    return out;
}

}
