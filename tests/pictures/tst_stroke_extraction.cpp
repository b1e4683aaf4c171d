// Strokes cut out of AR PL UKai glyphs, checked by hand against the glyphs:
// a cross, a hook, strokes that touch without crossing, a dot that meets a
// stroke, a stroke that starts from a crossing, a stroke that ends on a box's
// corner, strokes that leave from forks under a crossing, and a glyph only a
// cut with straighter bridges gives whole.
#include "tools/pictures/font_glyphs.h"
#include "tools/pictures/stroke_extraction.h"
#include "tools/pictures/stroke_matching.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QTest>

using namespace lumbrell::data;

Q_DECLARE_METATYPE(QList<QLineF>)

namespace {

// How far (units of the 1024 square) a stroke's end may lie from where it was checked by hand.
constexpr double EndTolerance = 30.0;

// The share of the glyph's pixels that a drawing covers.
double coverOf(const QPainterPath& glyph, const std::vector<QPainterPath>& strokes)
{
    QImage a(256, 256, QImage::Format_Grayscale8), b(256, 256, QImage::Format_Grayscale8);
    a.fill(0);
    b.fill(0);
    QPainter pa(&a), pb(&b);
    pa.scale(0.25, 0.25);
    pb.scale(0.25, 0.25);
    pa.fillPath(glyph, Qt::white);
    for (const QPainterPath& s : strokes)
        pb.fillPath(s, Qt::white);
    pa.end();
    pb.end();
    int inGlyph = 0, covered = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (a.pixelColor(x, y).value() > 127) {
                ++inGlyph;
                covered += b.pixelColor(x, y).value() > 127;
            }
    return inGlyph ? double(covered) / inGlyph : 0.0;
}

} // namespace

class TestStrokeExtraction : public QObject {
    Q_OBJECT
    FontGlyphs kai;

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(kai.open({defaultDrawingFonts().front()}, &error),
                 qPrintable(error + QStringLiteral(" (Debian package fonts-arphic-ukai)")));
    }

    void cutsHandCheckedGlyphs_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QList<QLineF>>("strokes"); // each stroke from its start to its end, in writing order
        QTest::addColumn<bool>("usualCutFits");      // the usual settings alone give the strokes
        // 一 then 丨, crossing in the middle.
        QTest::newRow("十 cross") << QStringLiteral("十") << QStringLiteral("12")
                                  << QList<QLineF>{{93, 446, 939, 411}, {481, 46, 510, 942}} << true;
        // 扌 (一, 亅 with its hook, 提 crossing it), then 乚 whole, its hook
        // turning up at the right end.
        QTest::newRow("扎 hook") << QStringLiteral("扎") << QStringLiteral("1215")
                                 << QList<QLineF>{{134, 413, 474, 352}, {331, 98, 345, 940},
                                                  {42, 704, 481, 489}, {573, 125, 921, 576}} << true;
        // 丨, 𠃍 from the top-left corner round to its foot, 一 closing the
        // box: the strokes touch at the corners without crossing.
        QTest::newRow("口 touching") << QStringLiteral("口") << QStringLiteral("251")
                                     << QList<QLineF>{{244, 288, 349, 745}, {299, 313, 731, 637},
                                                      {362, 709, 759, 677}} << true;
        // 一, 丿 through it, ㇏ from where they cross, and the dot that meets 丿.
        QTest::newRow("太 dot") << QStringLiteral("太") << QStringLiteral("1344")
                                << QList<QLineF>{{218, 424, 822, 377}, {457, 63, 118, 873},
                                                 {492, 444, 978, 880}, {406, 712, 508, 844}} << true;
        // 丷, 一, 一, then 丿 through the lower 一 and ㇏ from the fork under
        // it: the fork lies on the 一's lower edge, so the cut runs on along
        // that edge through it and ㇏ ends there instead of running on into 丿
        // (the usual settings leave a walk open; readier corners close it).
        QTest::newRow("关 fork under a crossing")
            << QStringLiteral("关") << QStringLiteral("431134")
            << QList<QLineF>{{346, 154, 448, 256}, {742, 149, 554, 264}, {294, 358, 755, 320},
                             {166, 589, 896, 538}, {499, 397, 192, 858}, {525, 589, 909, 858}}
            << false;
        // 丿 down onto the box's top-left corner, 丨, 𠃍, 一, 一: 丿's edge,
        // carried on, first takes the inner corner of the box that 丨's edge
        // must reach, and a walk is left open; paired again without that
        // bridge, 丨 and 𠃍 part at the corner and 丿 ends on the box.
        QTest::newRow("白 stroke onto a box's corner")
            << QStringLiteral("白") << QStringLiteral("32511")
            << QList<QLineF>{{477, 79, 334, 360}, {206, 354, 290, 830}, {248, 368, 701, 875},
                             {286, 590, 635, 549}, {310, 783, 676, 739}}
            << true;
        // 木 (一, 丨, 丿, the dot), then 白: 丨's edges carry on down
        // through the crossing to the forks where 丿 and the dot leave it,
        // and the crossing has no corner there to pair with, so no setting
        // parts them until a cut line runs on past its end to the fork.
        QTest::newRow("柏 strokes leaving from forks under a crossing")
            << QStringLiteral("柏") << QStringLiteral("123432511")
            << QList<QLineF>{{92, 415, 437, 366}, {278, 67, 288, 917}, {257, 431, 60, 768},
                             {324, 547, 435, 605}, {494, 371, 549, 799}, {685, 114, 601, 386},
                             {541, 395, 799, 848}, {556, 587, 737, 565}, {563, 765, 762, 733}}
            << false;
        // 乙 round the left and under 田, its hook turning up at the right;
        // then 田 (丨, 𠃍, 一, 丨, 一). The usual settings leave the walk
        // unclosed, in seven pieces; bridges held straighter cut it whole.
        QTest::newRow("乪 straighter bridges")
            << QStringLiteral("乪") << QStringLiteral("525121")
            << QList<QLineF>{{110, 262, 860, 602}, {507, 207, 564, 616}, {544, 228, 793, 626},
                             {579, 383, 757, 376}, {672, 237, 642, 528}, {580, 577, 758, 531}}
            << false;
    }

    void cutsHandCheckedGlyphs()
    {
        QFETCH(QString, character);
        QFETCH(QString, classes);
        QFETCH(QList<QLineF>, strokes);
        QFETCH(bool, usualCutFits);
        QPainterPath glyph;
        QCOMPARE(kai.glyph(character.toUcs4().value(0), glyph), 0);
        const GlyphCut usual = cutIntoStrokes(glyph);
        QCOMPARE(usual.closed && usual.strokes.size() == size_t(strokes.size()), usualCutFits);
        const GlyphCut cut = cutIntoCount(glyph, {size_t(strokes.size())});
        QVERIFY(cut.closed);
        QCOMPARE(cut.strokes.size(), size_t(strokes.size()));
        OrderedStrokes ordered;
        QVERIFY(orderStrokes(cut.strokes, classes, ordered));
        for (qsizetype k = 0; k < strokes.size(); ++k) {
            const QPolygonF& line = ordered.strokes.medians[size_t(k)];
            const QString where = QStringLiteral("stroke %1 runs (%2, %3) to (%4, %5)")
                                      .arg(k + 1)
                                      .arg(line.first().x(), 0, 'f', 0)
                                      .arg(line.first().y(), 0, 'f', 0)
                                      .arg(line.last().x(), 0, 'f', 0)
                                      .arg(line.last().y(), 0, 'f', 0);
            QVERIFY2(QLineF(line.first(), strokes[k].p1()).length() <= EndTolerance, qPrintable(where));
            QVERIFY2(QLineF(line.last(), strokes[k].p2()).length() <= EndTolerance, qPrintable(where));
            QVERIFY2(ordered.strokes.outlines[size_t(k)].contains(line[line.size() / 2]), qPrintable(where));
        }
        // The strokes together cover the glyph: no piece of it is lost in the cut.
        QVERIFY(coverOf(glyph, ordered.strokes.outlines) >= 0.99);
    }

    void refusesOtherStrokeCounts()
    {
        QPainterPath glyph;
        QCOMPARE(kai.glyph(U'十', glyph), 0);
        OrderedStrokes ordered;
        QVERIFY(!orderStrokes(cutIntoStrokes(glyph).strokes, QStringLiteral("123"), ordered));
        QVERIFY(!orderStrokes(cutIntoStrokes(glyph).strokes, QStringLiteral("1"), ordered));
    }

    void lacksNoGlyphSilently()
    {
        QPainterPath glyph;
        QCOMPARE(kai.glyph(U'\U0010FFFD', glyph), -1);
        QVERIFY(cutIntoStrokes(glyph).strokes.empty());
    }

    void writesStrokesTheirClassesWay_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<char>("strokeClass");
        QTest::addColumn<QPointF>("start");
        QTest::newRow("横 from the left") << QLineF(900, 400, 100, 420) << '1' << QPointF(100, 420);
        QTest::newRow("竖 from the top") << QLineF(500, 900, 510, 100) << '2' << QPointF(510, 100);
        QTest::newRow("提 from the bottom") << QLineF(480, 480, 40, 700) << '1' << QPointF(40, 700);
        QTest::newRow("撇 from the top") << QLineF(120, 870, 460, 60) << '3' << QPointF(460, 60);
        QTest::newRow("捺 from the top-left") << QLineF(980, 880, 490, 440) << '4' << QPointF(490, 440);
    }

    void writesStrokesTheirClassesWay()
    {
        QFETCH(QLineF, line);
        QFETCH(char, strokeClass);
        QFETCH(QPointF, start);
        QCOMPARE(writtenAs(QPolygonF({line.p1(), line.p2()}), strokeClass).first(), start);
    }

    void writesTheHigherOfTwoStrokesOfOneClassFirst_data()
    {
        QTest::addColumn<QList<QPolygonF>>("cut"); // 毛's centre lines, in no particular order
        QTest::addColumn<QList<int>>("written");   // the cut strokes in the order written
        const QPolygonF fall{QPointF(720, 120), QPointF(380, 300)};
        const QPolygonF hook{QPointF(520, 160), QPointF(520, 840), QPointF(900, 840)};
        // The lower 一 reaches further left: taken top-left first, it comes
        // before the upper one.
        QTest::newRow("lower 一 reaching further left")
            << QList<QPolygonF>{fall, QPolygonF{QPointF(100, 560), QPointF(900, 560)},
                                QPolygonF{QPointF(450, 400), QPointF(750, 400)}, hook}
            << QList<int>{0, 2, 1, 3};
        // Taken top-left first, the 乚 stands between the two 一, and which
        // of them is written first is left to chance.
        QTest::newRow("乚 between them top-left first")
            << QList<QPolygonF>{fall, QPolygonF{QPointF(100, 560), QPointF(900, 560)},
                                QPolygonF{QPointF(100, 400), QPointF(750, 400)}, hook}
            << QList<int>{0, 2, 1, 3};
    }

    void writesTheHigherOfTwoStrokesOfOneClassFirst()
    {
        QFETCH(QList<QPolygonF>, cut);
        QFETCH(QList<int>, written);
        std::vector<ExtractedStroke> strokes;
        for (const QPolygonF& line : cut) {
            QPainterPath around;
            around.addRect(line.boundingRect().adjusted(-12, -12, 12, 12));
            strokes.push_back({around.toFillPolygon(), line});
        }
        OrderedStrokes ordered;
        QVERIFY(orderStrokes(strokes, QStringLiteral("3115"), ordered));
        for (qsizetype k = 0; k < written.size(); ++k)
            QCOMPARE(ordered.strokes.medians[size_t(k)].boundingRect(), cut[written[k]].boundingRect());
    }

    void writesAFirstPartDrawnAsAKnownDrawingFirst()
    {
        // 獅 qtth: 犭 (丿, its hook, the lower 丿 crossing it), then 師. Read
        // stroke by stroke, 師's strokes would rather take places of 犭's
        // classes, so no cut into left and right reads well enough, and
        // taken top-left first 師's first 丿, higher, comes before 犭's lower
        // one. A known 犭 drawn alike keeps 犭's three strokes first.
        QPainterPath glyph;
        QCOMPARE(kai.glyph(U'獅', glyph), 0);
        const QString classes = QStringLiteral("3533251511252");
        const GlyphCut cut = cutIntoCount(glyph, {size_t(classes.size())});
        QVERIFY(cut.closed);
        StrokeTemplates known;
        known.add(QStringLiteral("犭"), QStringLiteral("353"),
                  {QPolygonF{QPointF(305, 83), QPointF(327, 120), QPointF(219, 296), QPointF(103, 390)},
                   QPolygonF{QPointF(154, 138), QPointF(228, 222), QPointF(291, 417), QPointF(293, 689),
                             QPointF(266, 799), QPointF(246, 820), QPointF(163, 768)},
                   QPolygonF{QPointF(258, 384), QPointF(248, 456), QPointF(209, 519), QPointF(58, 690)}});
        OrderedStrokes ordered;
        QVERIFY(orderStrokes(cut.strokes, classes, ordered, &known));
        for (size_t k = 0; k < 3; ++k)
            QVERIFY2(ordered.strokes.medians[k].boundingRect().right() < 380,
                     qPrintable(QStringLiteral("stroke %1 lies right of 犭").arg(k + 1)));
        QVERIFY(ordered.strokes.medians[2].boundingRect().bottom() > 600); // the lower 丿 reaches down-left
    }

    void assignsAtTheLeastCost()
    {
        const std::vector<std::vector<double>> cost = {{4, 1, 3}, {2, 0, 5}, {3, 2, 2}};
        QCOMPARE(cheapestAssignment(cost), (std::vector<int>{1, 0, 2}));
    }
};

QTEST_GUILESS_MAIN(TestStrokeExtraction)
#include "tst_stroke_extraction.moc"
