// Stroke outlines, the character drawings with their seeds, and the fill-point text.
#include "outline_fixtures.h"
#include "lookup/drawing_file.h"
#include "formats/drawing_scale.h"
#include "lookup/flood_fill.h"
#include "tools/pictures/fill_point_writer.h"
#include "tools/pictures/glyph_renderer.h"
#include "tools/pictures/marking_fidelity.h"
#include "tools/pictures/rle8_bmp.h"
#include "tools/pictures/stroke_outlines.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <set>

using namespace lumbrell::data;
using lumbrell::readDrawingFile;
using lumbrell::rle8StreamIsWhole;
using lumbrell::DoubleDrawingScale;

namespace {

QPainterPath box(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

StrokeOutlines strokesOf(const std::vector<QPainterPath>& outlines)
{
    StrokeOutlines s;
    s.outlines = outlines;
    s.medians.resize(outlines.size());
    return s;
}

// The drawing of a cross and a dot, each marked by a position of its own.
CharacterDrawing crossAndDot(int scale = 1)
{
    QPainterPath bar, pole, dot;
    bar.addRect(100, 350, 800, 100);
    pole.addRect(450, 0, 100, 800);
    dot.addRect(800, 700, 100, 100);
    StrokeOutlines strokes;
    strokes.outlines = {bar, pole, dot};
    strokes.medians.resize(3);
    return drawCharacter(strokes, {std::vector<int>{0}, {1}, {2}, {}}, scale);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

bool anyBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                return true;
    return false;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void svgPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QRectF>("bounds");
        QTest::newRow("lines, flipped") << "M 0 900 L 100 900 L 100 800 Z" << true << QRectF(0, 0, 100, 100);
        QTest::newRow("curves") << "M 0 0 Q 50 50 100 0 C 100 -50 0 -50 0 0 Z" << true << QRectF();
        QTest::newRow("negative numbers") << "M -10 -10 L 10 -10 L 10 10 Z" << true << QRectF(-10, 890, 20, 20);
        QTest::newRow("arc") << "M 0 0 A 1 1 0 0 1 2 2" << false << QRectF();
        QTest::newRow("short") << "M 0" << false << QRectF();
        QTest::newRow("not a number") << "M 0 x L 1 1" << false << QRectF();
        QTest::newRow("empty") << "" << false << QRectF();
    }

    void svgPaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, valid);
        QFETCH(QRectF, bounds);
        QPainterPath parsed;
        QCOMPARE(parseSvgPath(path, parsed), valid);
        if (valid && !bounds.isNull())
            QCOMPARE(parsed.boundingRect(), bounds);
    }

    void outlineFiles()
    {
        StrokeOutlines eight;
        QString error;
        QVERIFY2(parseStrokeOutlines(EightJson, eight, &error), qPrintable(error));
        QCOMPARE(eight.outlines.size(), size_t(2));
        QCOMPARE(eight.medians.size(), size_t(2));
        QCOMPARE(eight.medians[0].first(), QPointF(331, 900 - 470));

        QByteArray noMedians = EightJson;
        noMedians.replace("\"medians\"", "\"other\"");
        QVERIFY(!parseStrokeOutlines(noMedians, eight, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!parseStrokeOutlines("{\"strokes\": [", eight, &error));
        QVERIFY(!parseStrokeOutlines("[1, 2]", eight, &error));
    }

    void fillPointText_data()
    {
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("one point") << QList<QPoint>{{3, 4}} << QByteArray("  45  60");
        QTest::newRow("two points, far corner") << QList<QPoint>{{0, 0}, {111, 112}} << QByteArray("   0   016651680");
        QTest::newRow("none") << QList<QPoint>{} << QByteArray();
        QTest::newRow("ten points keep nine")
            << QList<QPoint>(10, QPoint(1, 2)) << QByteArray("  15  30").repeated(9);
    }

    void fillPointText()
    {
        QFETCH(QList<QPoint>, pixels);
        QFETCH(QByteArray, text);
        QCOMPARE(formatFillPoints(std::vector<QPoint>(pixels.begin(), pixels.end())), text);
    }

    // A cross and a dot: the crossing square belongs to both bars, so each bar
    // is three areas, and the fills at the seeds blacken each position's
    // strokes and nothing else.
    void drawingMarksEachPositionExactly()
    {
        const StrokeOutlines strokes = strokesOf({box(100, 350, 800, 100), box(450, 0, 100, 800), box(800, 700, 100, 100)});
        const CharacterDrawing d = drawCharacter(strokes, {std::vector<int>{0}, {1}, {2}, {}});
        QCOMPARE(d.image.format(), QImage::Format_Indexed8);
        QCOMPARE(d.image.size(), QSize(DrawingWidth, DrawingHeight));
        QVERIFY(!anyBlack(d.image));
        for (QPoint corner : {QPoint(0, 0), QPoint(111, 0), QPoint(0, 112), QPoint(111, 112)})
            QCOMPARE(d.image.pixel(corner), qRgb(255, 255, 255));
        QCOMPARE(d.seeds[0].size(), size_t(3));
        QCOMPARE(d.seeds[1].size(), size_t(3));
        QCOMPARE(d.seeds[2].size(), size_t(1));
        QVERIFY(d.seeds[3].empty());
        for (int k = 0; k < 3; ++k) {
            const MarkingScore s = measureMarking(d.image, d.seeds[size_t(k)], d.componentPixels[size_t(k)]);
            QVERIFY(s.componentPixels > 0);
            QCOMPARE(s.blackenedInside, s.componentPixels);
            QCOMPARE(s.blackened, s.componentPixels);
        }
    }

    // Without anti-aliasing the drawing holds white and the component greys only.
    void noSoftEdges()
    {
        StrokeOutlines eight;
        QString error;
        QVERIFY(parseStrokeOutlines(EightJson, eight, &error));
        const CharacterDrawing d = drawCharacter(eight, {std::vector<int>{0, 1}, {0}, {1}, {}});
        std::set<QRgb> colours;
        for (int y = 0; y < d.image.height(); ++y)
            for (int x = 0; x < d.image.width(); ++x)
                colours.insert(d.image.pixel(x, y));
        QVERIFY(colours.count(qRgb(255, 255, 255)));
        QCOMPARE(colours.size(), size_t(3)); // white, 丿 and ㇏ (they do not touch)
        for (int k = 0; k < 3; ++k)
            QVERIFY(measureMarking(d.image, d.seeds[size_t(k)], d.componentPixels[size_t(k)]).good());
    }

    // More than nine areas: the nine largest get a seed.
    void nineLargestAreas()
    {
        std::vector<QPainterPath> squares;
        for (int i = 0; i < 12; ++i)
            squares.push_back(box(20 + (i % 4) * 250, 20 + (i / 4) * 300, 40 + i * 12, 40 + i * 12));
        std::vector<int> all(12);
        for (int i = 0; i < 12; ++i)
            all[size_t(i)] = i;
        const CharacterDrawing d = drawCharacter(strokesOf(squares), {all, {}, {}, {}});
        QCOMPARE(d.seeds[0].size(), size_t(MaxSeedsPerPosition));
        QImage canvas = d.image.convertToFormat(QImage::Format_RGB32);
        for (const QPoint& seed : d.seeds[0])
            lumbrell::floodFillSurface(canvas, seed, qRgb(0, 0, 0));
        const QTransform t = glyphToDrawing();
        for (int i = 0; i < 12; ++i) {
            const QPoint centre = t.map(squares[size_t(i)].boundingRect().center()).toPoint();
            QCOMPARE((canvas.pixel(centre) & 0xFFFFFF) == 0, i >= 3); // the three smallest stay grey
        }
    }

    // The program's image loader reads the RLE8 file as the plain one: the same
    // pixels, and fills at the seeds mark the same components.
    void rle8DrawingReadsAndMarksLikeThePlainOne()
    {
        const CharacterDrawing d = crossAndDot();
        QTemporaryDir dir;
        const QByteArray rle8 = encodeRle8Bmp(d.image);
        QVERIFY(rle8StreamIsWhole(rle8));
        QVERIFY(d.image.save(dir.filePath("plain.bmp"), "BMP"));
        const QImage plain = readDrawingFile(dir.filePath("plain.bmp"));
        const QImage compressed = readDrawingFile(writeFile(dir, "rle8.bmp", rle8));
        QVERIFY(!compressed.isNull());
        QVERIFY(rle8.size() * 3 < QFileInfo(dir.filePath("plain.bmp")).size());
        QCOMPARE(compressed.size(), plain.size());
        QCOMPARE(compressed.convertToFormat(QImage::Format_RGB32), plain.convertToFormat(QImage::Format_RGB32));
        for (size_t k = 0; k < 3; ++k) {
            const MarkingScore fromPlain = measureMarking(plain, d.seeds[k], d.componentPixels[k]);
            const MarkingScore fromRle8 = measureMarking(compressed, d.seeds[k], d.componentPixels[k]);
            QVERIFY(fromRle8.good());
            QCOMPARE(fromRle8.blackened, fromPlain.blackened);
            QCOMPARE(fromRle8.blackenedInside, fromPlain.blackenedInside);
        }
    }

    void damagedRle8StreamIsUnusable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = encodeRle8Bmp(crossAndDot().image);
        const qsizetype pixels = qFromLittleEndian<quint32>(good.constData() + 10);
        QByteArray overlong = good;
        overlong[pixels] = char(0xFF); // the first run now reaches past the row
        overlong[pixels + 2] = char(0xFF);
        QByteArray absolute = good.first(pixels);
        absolute += QByteArray("\x00\xF0", 2) + QByteArray(8, '\x01'); // an absolute run the file cannot hold
        QTest::newRow("cut in the stream") << good.first(pixels + (good.size() - pixels) / 2);
        QTest::newRow("no end of bitmap") << good.chopped(2);
        QTest::newRow("runs past the row") << overlong;
        QTest::newRow("absolute run past the end") << absolute;
        QTest::newRow("rows past the picture") << good.chopped(2) + QByteArray(400, '\0') + QByteArray("\x00\x01", 2);
    }

    void damagedRle8StreamIsUnusable()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(!rle8StreamIsWhole(bytes));
        QVERIFY(readDrawingFile(writeFile(dir, "damaged.bmp", bytes)).isNull());
    }

    // The twin: exactly twice the size, drawn anew, and the 1x seeds scaled as
    // the program scales them mark each component there too.
    void twinMarksAtTheScaledSeeds()
    {
        const CharacterDrawing one = crossAndDot();
        const CharacterDrawing two = crossAndDot(DoubleDrawingScale);
        QCOMPARE(two.image.size(), QSize(DrawingWidth * 2, DrawingHeight * 2));
        QCOMPARE(two.image.format(), QImage::Format_Indexed8);
        QVERIFY(two.seeds[0].empty()); // filled at the 1x seeds
        for (size_t k = 0; k < 3; ++k) {
            std::vector<QPoint> seeds;
            for (const QPoint& p : one.seeds[k])
                seeds.push_back(lumbrell::drawingPixel(p.x() * TwipsPerPixel, p.y() * TwipsPerPixel, lumbrell::DoubleDrawingScale));
            QVERIFY(measureMarking(two.image, seeds, two.componentPixels[k]).good());
        }
        // Not an upscale: the pole's edges fall on odd pixels, which doubled pixels never do.
        QTemporaryDir dir;
        const QImage read = readDrawingFile(writeFile(dir, "twin.bmp", encodeRle8Bmp(two.image)));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), two.image.convertToFormat(QImage::Format_RGB32));
    }

    // A seed in the wrong place is caught by the measurement.
    void measurementSeesLeaks()
    {
        const StrokeOutlines strokes = strokesOf({box(100, 100, 300, 300)});
        const CharacterDrawing d = drawCharacter(strokes, {std::vector<int>{0}, {}, {}, {}});
        const MarkingScore ground = measureMarking(d.image, {QPoint(110, 110)}, d.componentPixels[0]);
        QCOMPARE(ground.blackenedInside, 0);
        QVERIFY(ground.outside() > 0.99);
        QVERIFY(!ground.good());
        const MarkingScore none = measureMarking(d.image, {}, d.componentPixels[0]);
        QCOMPARE(none.coverage(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
