#include "tests/support/fixture_data.h"

#include "formats/fill_point_format.h"
#include "formats/record_layout.h"
#include "store/gbk.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace lumbrell::testing {
namespace {

QByteArray field(const QString& text, record::Field f)
{
    const int width = f.width;
    QByteArray bytes = toGbk(text).value_or(QByteArray()).left(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

} // namespace

QByteArray recordBytes(const FixtureRecord& r)
{
    return field(r.hanzi, record::Hanzi) + field(r.code1, record::Code[0]) + field(r.code2, record::Code[1])
           + field(r.code3, record::Code[2]) + field(r.info1, record::Info[0]) + field(r.info2, record::Info[1])
           + field(r.info3, record::Info[2]) + field(r.info4, record::Info[3]);
}

QString points(std::initializer_list<std::pair<int, int>> xy)
{
    QString text;
    for (const auto& [x, y] : xy)
        text += QStringLiteral("%1%2").arg(x, fillpoints::CoordinateWidth).arg(y, fillpoints::CoordinateWidth);
    return text;
}

FixtureFolder::FixtureFolder()
{
    QDir(dir_.path()).mkpath(QStringLiteral("bmp"));
}

void FixtureFolder::writeRecords(const std::vector<FixtureRecord>& records)
{
    QByteArray bytes;
    for (const auto& record : records)
        bytes += recordBytes(record);
    writeBytes(bytes);
}

void FixtureFolder::writeBytes(const QByteArray& bytes)
{
    QFile file(dataFile());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

void FixtureFolder::writeDrawing(const QString& character, const QImage& image)
{
    image.save(dir_.path() + QStringLiteral("/bmp/") + character + QStringLiteral(".bmp"), "BMP");
}

std::vector<FixtureRecord> everyGbkHanziRecord(const QString& seeds)
{
    std::vector<FixtureRecord> records;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[2] = {char(lead), char(trail)};
            const QString hanzi = fromGbkLenient(QByteArray(bytes, 2));
            if (hanzi.size() == 1 && hanzi[0].unicode() >= 0x4E00 && hanzi[0].unicode() <= 0x9FFF)
                records.push_back({hanzi, QStringLiteral("mtdh"), QStringLiteral("mtd"), QStringLiteral("mtdh"),
                                   seeds, seeds, seeds, seeds});
        }
    return records;
}

QImage twoBlockDrawing()
{
    QImage image(112, 113, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(10, 10, 31, 91, QColor(128, 128, 128));
    painter.fillRect(60, 10, 41, 91, QColor(160, 160, 160));
    return image;
}

} // namespace lumbrell::testing
