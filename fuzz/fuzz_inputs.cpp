#include "fuzz/fuzz_inputs.h"

#include "formats/twips.h"
#include "lookup/flood_fill.h"
#include "lookup/point_list.h"
#include "store/find_record.h"
#include "store/gbk.h"
#include "store/rounding.h"
#include "tables/characters.h"
#include "tables/table_search.h"
#include "tools/tablereader/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <zstd.h>

namespace lumbrell::fuzz {
namespace {

void require(bool rule, const char* what)
{
    if (rule)
        return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

// Text from the fuzzer's bytes: UTF-16 units when `units` is set (so lone
// surrogates reach the code), else UTF-8.
QString textOf(QByteArrayView bytes, bool units)
{
    if (!units)
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8)));
    return text;
}

} // namespace

void recordFileInput(QByteArrayView bytes)
{
    const QString query = fromGbkLenient(bytes.first(std::min<qsizetype>(2, bytes.size())).toByteArray());
    const RecordFile records =
        RecordFile::fromBytes(bytes.size() > 2 ? bytes.sliced(2).toByteArray() : QByteArray());

    const long long searched = roundHalfEven(static_cast<double>(std::max<qsizetype>(bytes.size() - 2, 0)) / 302);
    require(records.count() == std::min<long long>(searched, RecordFile::MaxRecords), "the count is held to 16 bits");
    const std::optional<int> found = findRecord(records, query);
    if (found) {
        require(*found >= 1 && *found <= records.count(), "the record number lies among the searched");
        require(charKeyOfBytes(records.record(*found).hanziBytes) == charKey(query), "the record found has the query's key");
    }
    for (int n = 0; n <= records.count() + 1; ++n) {
        const CharRecord rec = records.record(n);
        if (n >= 1 && n <= records.count())
            require(rec.hanziBytes.size() == 2, "every searched record has its two key bytes");
        else
            require(rec.hanziBytes.isEmpty(), "a number outside the records reads as empty");
    }
}

void pointListInput(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const QString info = textOf(bytes.sliced(1), uchar(bytes[0]) & 1);
    const QList<QPoint> points = parsePointList(info);

    qsizetype length = info.size();
    while (length > 0 && info[length - 1] == u' ')
        --length;
    require(points.size() == roundHalfEven(static_cast<double>(length) / 8.0), "one point per eight characters");
    const int number = readNumber(info);
    require(number >= -32768 && number <= 32767, "a number is held to 16 bits");

    QImage image(40, 41, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(10, 10, qRgb(128, 128, 128));
    const qsizetype area = qsizetype(image.width()) * image.height();
    for (const QPoint& point : points.first(std::min<qsizetype>(points.size(), 32))) {
        require(point.x() >= -32768 && point.x() <= 32767 && point.y() >= -32768 && point.y() <= 32767,
                 "coordinates are held to 16 bits");
        const QPoint seed(twipsToPixels(point.x()), twipsToPixels(point.y()));
        const int surface = floodFillSurface(image, seed, qRgb(0, 0, 0));
        const int border = floodFillBorder(image, seed, qRgb(0, 0, 0), qRgb(255, 255, 255));
        require(surface >= 0 && surface <= area && border >= 0 && border <= area, "a fill stays in the picture");
        if (!image.rect().contains(seed))
            require(surface == 0 && border == 0, "a seed off the picture paints nothing");
    }
}

void tableSearchInput(QByteArrayView bytes)
{
    if (bytes.size() < 3)
        return;
    const uchar mode = uchar(bytes[0]);
    const qsizetype keyBytes = std::min<qsizetype>(uchar(bytes[2]) % 16, bytes.size() - 3);
    const bool units = mode & 2;
    const QString key = textOf(bytes.sliced(3, keyBytes), units);
    const QString table = textOf(bytes.sliced(3 + keyBytes), units);

    const QStringList characters = charactersBefore(table, key);
    require(characters.size() <= characterCount(table), "a search ends within the table");
    for (const QString& character : characters) {
        require(characterCount(character) <= 1, "a hit is one character");
        require(table.contains(character), "a hit is part of the table");
    }
    if (const std::optional<QString> field = lastFieldAfter(table, key)) {
        require(characterCount(*field) <= 6, "a field is at most six characters");
        require(table.contains(*field), "a field is part of the table");
    }
}

void tableFileInput(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    QByteArray file;
    if (uchar(bytes[0]) & 1) {
        // The table header, then the body compressed.
        file = QByteArray("\x00\x0f\xca\xbe\x00\x00\x00\x02", 8);
        const QByteArrayView body = bytes.sliced(1);
        QByteArray packed(qsizetype(ZSTD_compressBound(size_t(body.size()))), '\0');
        const size_t size = ZSTD_compress(packed.data(), size_t(packed.size()), body.data(), size_t(body.size()), 1);
        require(!ZSTD_isError(size), "the body compresses");
        file.append(packed.first(qsizetype(size)));
    } else {
        file = bytes.sliced(1).toByteArray();
    }
    QString error;
    const auto entries = tablereader::parseTable(file, &error);
    if (!entries) {
        require(!error.isEmpty(), "a refused table says why");
        return;
    }
    for (const tablereader::TableEntry& entry : *entries)
        require(!entry.code.isEmpty() && !entry.word.isEmpty() && !entry.code.contains('\x01'),
                "an entry has a code and a word");
}

} // namespace lumbrell::fuzz
