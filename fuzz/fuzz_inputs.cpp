#include "fuzz/fuzz_inputs.h"

#include "lookup/flood_fill.h"
#include "lookup/point_list.h"
#include "lookup/units.h"
#include "store/find_record.h"
#include "store/gbk.h"
#include "store/rounding.h"
#include "tables/characters.h"
#include "tables/find_next.h"
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

// One data file per process, written for every input and removed after it, so
// no run leaves it behind in the temporary folder.
const QString& scratchDataFile()
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/lumbrell-fuzz-%1.dat").arg(QCoreApplication::applicationPid());
    return path;
}

} // namespace

void recordFileInput(QByteArrayView bytes)
{
    const QString query = fromGbk(bytes.first(std::min<qsizetype>(2, bytes.size())).toByteArray());
    {
        QFile file(scratchDataFile());
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file opens");
        if (bytes.size() > 2)
            file.write(bytes.data() + 2, bytes.size() - 2);
    }
    RecordFile records;
    QString error;
    require(records.open(scratchDataFile(), &error), "a plain file opens");

    const long long searched = std::min<long long>(roundHalfEven(records.recordCount()), RecordFile::MaxRecords);
    const FindResult result = findRecord(records, query);
    const auto key = charKey(query);
    require(result.readAny == (key.has_value() && searched > 0), "the search reads when there is a key and records");
    if (result.readAny)
        require(result.recNo >= 1 && result.recNo <= searched, "the record number lies among the searched");
    // Bisection: a few reads per halving, however the records are ordered.
    const int halvings = searched > 0 ? std::bit_width(static_cast<unsigned long long>(searched)) : 0;
    require(records.readCount() <= 3 * (halvings + 2) + 1, "the search makes a bounded number of reads");
    // The record last read is not always the one found: the found one is read again.
    if (result.found)
        require(charKeyOfBytes(records.read(result.recNo).hanziBytes) == key, "the record found has the query's key");

    for (int n = 0; n <= searched + 1; ++n) {
        const CharRecord rec = records.read(n);
        if (n >= 1 && n <= searched)
            require(rec.hanziBytes.size() == 2, "every searched record has its two key bytes");
        else if (n < 1)
            require(rec.hanziBytes.isEmpty(), "a number below 1 reads as empty");
    }
    records.close();
    QFile::remove(scratchDataFile());
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
    const std::int32_t start = static_cast<signed char>(bytes[1]);
    const qsizetype keyBytes = std::min<qsizetype>(uchar(bytes[2]) % 16, bytes.size() - 3);
    const bool units = mode & 2;
    const QString key = textOf(bytes.sliced(3, keyBytes), units);
    const QString table = textOf(bytes.sliced(3 + keyBytes), units);
    const bool following = mode & 1;

    std::int32_t position = start;
    const qsizetype characters = characterCount(table);
    for (qsizetype step = 0;; ++step) {
        require(step <= characters + 1, "a run ends within the table");
        const std::int32_t before = position;
        const std::optional<QString> hit = following ? findNextFollowing(table, key, position)
                                                     : findNextPreceding(table, key, position);
        if (!hit) {
            require(position == 0, "a miss starts the next run at the beginning");
            break;
        }
        require(position > before && position > 0, "a hit moves the run on");
        require(characterCount(*hit) <= (following ? 6 : 1), "a hit is as long as its field");
        require(table.contains(*hit), "a hit is part of the table");
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
