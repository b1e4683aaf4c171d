// Damaged drawings and fill points: the codes always show, a drawing that
// cannot be used is named, and a seed point off the drawing paints nothing.
#include "tests/hardening/hardened_window.h"
#ifdef LUMBRELL_HAVE_RLE8_WRITER
#include "tools/pictures/rle8_bmp.h"
#endif

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <sys/stat.h>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

const QString Feng = u"峰"_s;
const QString FengCode = u"mtdh"_s;

// Pixels of the two grey blocks of the fixture drawing.
const QPoint LeftBlock(20, 40);
const QPoint RightBlock(80, 40);

QByteArray imageBytes(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The 54-byte header of a 24-bit BMP of the given size, with no pixels after it.
QByteArray bmpHeaderOnly(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(24), bytes.data() + 28);
    return bytes;
}

QImage blockDrawingOfSize(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QImage blocks = twoBlockDrawing();
    for (int y = 0; y < std::min(height, blocks.height()); ++y)
        for (int x = 0; x < std::min(width, blocks.width()); ++x)
            image.setPixel(x, y, blocks.pixel(x, y));
    return image;
}

} // namespace

class BadPicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void damagedDrawing_data();
    void damagedDrawing();
    void drawingThatIsAPipe();
    void badFillPoints_data();
    void badFillPoints();
};

void BadPicturesTest::damagedDrawing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<int>("usable");       // 1 shown, 0 refused, -1 up to the image reader
    QTest::addColumn<bool>("marked");      // the first component's seed blackens the left block

    const QByteArray good = imageBytes(twoBlockDrawing(), "BMP");
    QTest::newRow("missing") << QByteArray() << 0 << false;
    QTest::newRow("zero bytes") << QByteArray("") << 0 << false;
    QTest::newRow("text") << QByteArray("not a picture\n") << 0 << false;
    QTest::newRow("a PNG under the BMP name") << imageBytes(twoBlockDrawing(), "PNG") << 0 << false;
    QTest::newRow("header only, 60000 x 60000") << bmpHeaderOnly(60000, 60000) << 0 << false;
    QTest::newRow("header only, negative width") << bmpHeaderOnly(-112, 113) << -1 << false;
    QTest::newRow("too small: the seed falls outside") << imageBytes(blockDrawingOfSize(10, 10), "BMP") << 1
                                                        << false;
    QTest::newRow("too large") << imageBytes(blockDrawingOfSize(1500, 900), "BMP") << 1 << true;
    QTest::newRow("8-bit indexed")
        << imageBytes(twoBlockDrawing().convertToFormat(QImage::Format_Indexed8), "BMP") << 1 << true;
#ifdef LUMBRELL_HAVE_RLE8_WRITER
    // The data build writes RLE8 drawings; a damaged stream is refused whole.
    const QImage indexed = twoBlockDrawing().convertToFormat(QImage::Format_Indexed8);
    const QByteArray rle8 = lumbrell::data::encodeRle8Bmp(indexed);
    const qsizetype pixels = qFromLittleEndian<quint32>(rle8.constData() + 10);
    QByteArray overlong = rle8;
    overlong[pixels] = char(0xFF); // the first run reaches past its row
    QTest::newRow("RLE8") << rle8 << 1 << true;
    QTest::newRow("RLE8, stream cut") << rle8.first(pixels + (rle8.size() - pixels) / 2) << 0 << false;
    QTest::newRow("RLE8, run past the row") << overlong << 0 << false;
    QTest::newRow("RLE8, no end of bitmap") << rle8.chopped(2) << 0 << false;
#endif
    // A cut file may still give a picture; either way the window must say so or show it.
    QTest::newRow("cut after 100 bytes") << good.first(100) << -1 << false;
    QTest::newRow("cut in the pixels") << good.first(good.size() / 2) << -1 << false;
}

void BadPicturesTest::damagedDrawing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, usable);
    QFETCH(bool, marked);

    FixtureFolder folder;
    folder.writeRecords({sampleRecord(Feng, FengCode)});
    const QString drawing = folder.path() + u"/bmp/峰.bmp"_s;
    if (!bytes.isNull()) {
        QFile file(drawing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    HardenedWindow window(folder.path());
    QVERIFY(window.show());
    window.lookUp(Feng);

    QCOMPARE(window.codeLine(), sampleCodeLine(FengCode));
    QVERIFY(!window.notFoundShown());
    // Never silent: the drawing is shown, or its file is named.
    QCOMPARE(window.pictureShown(), window.messages.isEmpty());
    if (!window.pictureShown())
        QVERIFY2(window.messages.constFirst().contains(drawing), qPrintable(window.messages.join(u'\n')));
    if (usable < 0)
        return;
    QCOMPARE(window.pictureShown(), usable == 1);
    const QImage& surface = positionBox(*window.form, 0)->surface();
    if (usable == 1 && surface.rect().contains(LeftBlock))
        QCOMPARE(surface.pixel(LeftBlock) == qRgb(0, 0, 0), marked);
}

// Reading a pipe would wait for a writer that never comes.
void BadPicturesTest::drawingThatIsAPipe()
{
    FixtureFolder folder;
    folder.writeRecords({sampleRecord(Feng, FengCode)});
    const QString drawing = folder.path() + u"/bmp/峰.bmp"_s;
    QVERIFY(::mkfifo(QFile::encodeName(drawing).constData(), 0600) == 0);
    HardenedWindow window(folder.path());
    QVERIFY(window.show());
    window.lookUp(Feng);

    QCOMPARE(window.codeLine(), sampleCodeLine(FengCode));
    QVERIFY(!window.pictureShown());
    QCOMPARE(window.messages.size(), 1);
    QVERIFY(window.messages.constFirst().contains(drawing));
}

void BadPicturesTest::badFillPoints_data()
{
    QTest::addColumn<QString>("info1");
    QTest::addColumn<bool>("leftMarked");

    QTest::newRow("negative") << u"-300-600"_s << false;
    QTest::newRow("huge") << u"99999999"_s << false;
    QTest::newRow("nine huge points") << QString(72, u'9') << false;
    QTest::newRow("past the right edge") << u"1700 600"_s << false;
    QTest::newRow("past the bottom edge") << u" 3001700"_s << false;
    QTest::newRow("beyond 16 bits, both signs") << u"-99999999999"_s << false;
    QTest::newRow("a lone x") << u" 300"_s << false;
    QTest::newRow("outside, then inside") << u"-300-600 300 600"_s << true;
    QTest::newRow("decimal points") << u"300.600."_s << true;
    QTest::newRow("letters, then a point") << u"abcdefgh 300 600"_s << true;
    QTest::newRow("control characters") << QStringView(u"\t\x01\x02\x7f\r\n\x00x", 8).toString() << false;
    QTest::newRow("Hanzi") << u"峰峰峰峰峰峰峰峰"_s << false;
}

void BadPicturesTest::badFillPoints()
{
    QFETCH(QString, info1);
    QFETCH(bool, leftMarked);

    FixtureRecord record = sampleRecord(Feng, FengCode);
    record.info1 = info1;
    record.info2 = QString();
    FixtureFolder folder;
    folder.writeRecords({record});
    folder.writeDrawing(Feng, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());
    window.lookUp(Feng);

    QCOMPARE(window.codeLine(), sampleCodeLine(FengCode));
    QVERIFY(window.pictureShown());
    const QImage& surface = positionBox(*window.form, 0)->surface();
    QCOMPARE(surface.pixel(LeftBlock), leftMarked ? qRgb(0, 0, 0) : qRgb(128, 128, 128));
    QCOMPARE(surface.pixel(RightBlock), qRgb(160, 160, 160));
    QVERIFY(window.messages.isEmpty());
}

QTEST_MAIN(BadPicturesTest)
#include "tst_bad_pictures.moc"
