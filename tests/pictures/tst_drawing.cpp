// Stroke outlines, the character drawings with their seeds, and the fill-point text.
#include "outline_fixtures.h"
#include "lookup/flood_fill.h"
#include "tools/pictures/fill_points.h"
#include "tools/pictures/glyph_renderer.h"
#include "tools/pictures/marking_fidelity.h"
#include "tools/pictures/stroke_outlines.h"

#include <QTest>
#include <set>

using namespace lumbrell::data;

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
