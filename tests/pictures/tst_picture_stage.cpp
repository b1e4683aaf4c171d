// The picture stage on a small source set it builds itself.
#include "outline_fixtures.h"
#include "tools/pictures/font_drawing.h"
#include "tools/pictures/glyph_renderer.h"
#include "tools/pictures/picture_stage.h"
#include "tools/pictures/shape_match.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTransform>
#include <QTest>

using namespace lumbrell::data;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

CharEntry entry(const char* ch, const char* code, const char* classes)
{
    CharEntry e;
    e.ch = QString::fromUtf8(ch);
    e.fullCode = QString::fromLatin1(code);
    e.strokeClasses = QString::fromLatin1(classes);
    return e;
}

// The pixels of a fill-point field, each inside the drawing.
QList<QPoint> pointsOf(const QByteArray& info)
{
    QList<QPoint> points;
    for (qsizetype i = 0; i + 8 <= info.size(); i += 8)
        points << QPoint(info.mid(i, 4).trimmed().toInt() / 15, info.mid(i + 4, 4).trimmed().toInt() / 15);
    return points;
}

// The built-in root table with the given roots drawn as listed, so a split
// can be judged against its roots' own drawings; the others have none.
struct DrawnRoot {
    QString glyph;
    std::vector<QPolygonF> strokes;
};

bool loadRootsDrawnAs(RootTable& roots, const std::vector<DrawnRoot>& drawnRoots, QString* error)
{
    if (!roots.loadBuiltIn(error))
        return false;
    roots.attachShapes([&](const QString& glyph) {
        for (const DrawnRoot& root : drawnRoots)
            if (root.glyph == glyph)
                return root.strokes;
        return std::vector<QPolygonF>{};
    });
    return true;
}

} // namespace

class TestPictureStage : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    SourceSet sources;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        sources.hanziWriterDir = dir.filePath(QStringLiteral("outlines"));
        QVERIFY(QDir().mkpath(sources.hanziWriterDir));
        writeFile(sources.hanziWriterDir + QStringLiteral("/八.json"), EightJson);
        writeFile(sources.hanziWriterDir + QStringLiteral("/中.json"), MiddleJson);
    }

    void drawsRecordsAndReports()
    {
        // 八 is a component, 中 two components and a letter; the third code
        // no split explains (its letter names 一, 中 ends in 丨).
        sources.chars = {entry("八", "wty", "34"), entry("中", "khk", "2512")};
        SourceSet withBadCode = sources;
        withBadCode.chars.push_back(entry("中", "khg", "2512"));
        const QString out = dir.filePath(QStringLiteral("out"));
        std::vector<std::array<QByteArray, 4>> info;
        QStringList report;
        QString error;
        QVERIFY2(runPictureStage(withBadCode, out, info, report, &error), qPrintable(error));

        const QImage middle(out + QStringLiteral("/bmp/中.bmp"));
        QCOMPARE(middle.size(), QSize(DrawingWidth, DrawingHeight));
        QVERIFY(QFile::exists(out + QStringLiteral("/bmp/八.bmp")));

        QCOMPARE(info.size(), size_t(3));
        QCOMPARE(info[1][2], QByteArray("0"));
        QVERIFY(info[1][3].isEmpty());
        QVERIFY(info[0][3].isEmpty());
        QVERIFY(info[2][0].isEmpty() && info[2][2].isEmpty()); // not decomposed: no marking
        for (int k : {0, 1}) {
            QVERIFY(!pointsOf(info[1][size_t(k)]).isEmpty());
            for (const QPoint& p : pointsOf(info[1][size_t(k)]))
                QVERIFY(middle.pixel(p) != qRgb(255, 255, 255)); // every seed on the drawing
        }
        for (const auto& fields : info)
            for (const QByteArray& f : fields)
                QVERIFY(f.size() <= 72 && f.size() % 8 != 4);

        QFile tsv(out + QStringLiteral("/decomposition.tsv"));
        QVERIFY(tsv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(tsv.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("八\twty\t1,2\t1\t2"));
        QCOMPARE(lines.value(1), QStringLiteral("中\tkhk\t1,2,3\t4\tid"));
        QCOMPARE(lines.value(2), QStringLiteral("中\tkhg\t\t\t"));

        const QString all = report.join(u'\n');
        QVERIFY2(all.contains(QStringLiteral("coverage 2 of 3 characters")), qPrintable(all));
        QVERIFY(all.contains(QStringLiteral("中 khg 2512")));
        QVERIFY(all.contains(QStringLiteral("marking fidelity")));
        QVERIFY(all.contains(QStringLiteral("stage time")));
    }

    void drawingsCutFromFontsShipOnlyWhenSound()
    {
        // None has a stroke outline: each is cut out of the Kai font. 十
        // splits as its code says; no split of 口 fits "kgh" in any font,
        // so its drawing is taken back and the report gives the Kai
        // drawing's reason. The Kai 俥 fails the checks (its roots do not look like themselves):
        // it is cut again from the next font, whose drawing is sound. 燚
        // oooo repeats 火's key and is no key name: marking the whole
        // character in every box would be wrong. The Kai 毑's cut walks a
        // ring round each counter of 毋 and fills it: 毑 is cut from UMing.
        CharEntry cross = entry("十", "fgh", "12"), mouth = entry("口", "kgh", "251"), car = entry("俥", "wlh", "321251112"),
                  fire = entry("燚", "oooo", "4334433443344334"), filled = entry("毑", "xbn", "55441525");
        filled.otherStrokeClasses = QStringLiteral("55414525");
        cross.set = mouth.set = car.set = fire.set = filled.set = CharSet::Addition;
        sources.chars = {cross, mouth, car, fire, filled};
        const QString out = dir.filePath(QStringLiteral("out4"));
        std::vector<std::array<QByteArray, 4>> info;
        QStringList report;
        QString error;
        QVERIFY2(runPictureStage(sources, out, info, report, &error), qPrintable(error));

        QVERIFY(QFile::exists(out + QStringLiteral("/bmp/十.bmp")));
        QVERIFY(!pointsOf(info[0][0]).isEmpty());
        QVERIFY(!QFile::exists(out + QStringLiteral("/bmp/口.bmp")));
        QVERIFY(!QFile::exists(out + QStringLiteral("/bmp/口@2x.bmp")));
        for (const QByteArray& field : info[1])
            QVERIFY(field.isEmpty()); // glyph and empty boxes, as without a drawing
        QVERIFY(!QFile::exists(out + QStringLiteral("/bmp/燚.bmp")));
        QVERIFY(QFile::exists(out + QStringLiteral("/bmp/毑.bmp")));
        QVERIFY(QFile::exists(out + QStringLiteral("/bmp/俥.bmp")));
        QVERIFY(!pointsOf(info[2][1]).isEmpty());

        QFile tsv(out + QStringLiteral("/decomposition.tsv"));
        QVERIFY(tsv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(tsv.readAll()), QStringLiteral("十\tfgh\t1,2\t1\t2\n俥\twlh\t1,2\t3,4,5,6,7,8,9\tid\n毑\txbn\t1,2,3,4,5\t6,7,8\tid\n"));
        QFile fonts(out + QStringLiteral("/font-drawings.tsv"));
        QVERIFY(fonts.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(fonts.readAll()),
                 QStringLiteral("十\tAR PL UKai\n口\t-\tthe decomposition does not split the drawing\n俥\tAR PL UMing\n"
                                "燚\t-\tthe split takes the whole character for a key name it is not\n"
                                "毑\tAR PL UMing\n"));
        const QString all = report.join(u'\n');
        QVERIFY2(all.contains(QStringLiteral("3 of the 5 characters without stroke outlines drawn with strokes cut from "
                                             "a font (AR PL UKai 1, AR PL UMing 2, Noto Serif CJK SC 0)")),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("  the decomposition does not split the drawing: 1")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("  the split takes the whole character for a key name it is not: 1")),
                 qPrintable(all));
    }

    void aSingleStrokeCutFromALargerRootDoesNotShip_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QList<QList<int>>>("positions"); // strokes from 1, in code order
        QTest::addColumn<QList<QList<int>>>("knownPieces"); // of an outlined character it ends or begins in
        QTest::addColumn<bool>("fragment");
        // The Kai 傃 marked 乚 alone at its third position, leaving 幺's other
        // two strokes to an uncoded 厶: its classes fit 幺 there.
        QTest::newRow("傃 乚 of 幺") << QStringLiteral("傃") << QStringLiteral("wgxi") << QStringLiteral("321121554234")
                                   << QList<QList<int>>{{1, 2}, {3, 4, 5, 6}, {7}, {10, 11, 12}} << QList<QList<int>>{}
                                   << true;
        QTest::newRow("傃 幺 whole") << QStringLiteral("傃") << QStringLiteral("wgxi") << QStringLiteral("321121554234")
                                   << QList<QList<int>>{{1, 2}, {3, 4, 5, 6}, {7, 8, 9}, {10, 11, 12}}
                                   << QList<QList<int>>{} << false;
        // 丨 is the whole of 旧's first root: no larger one begins there.
        QTest::newRow("旧 丨 alone") << QStringLiteral("旧") << QStringLiteral("hjg") << QStringLiteral("22511")
                                   << QList<QList<int>>{{1}, {2, 3, 4, 5}, {}} << QList<QList<int>>{} << false;
        // 悲 hdhn takes 非's second 丨 alone, where 上's classes fit: with no
        // outlined character to go by, the single stroke is doubted; drawn
        // like 非, which 悲 begins in, it is 非's own piece.
        const QList<QList<int>> sadness{{1}, {2, 3, 4}, {5}, {9, 10, 11, 12}};
        QTest::newRow("悲 丨 alone") << QStringLiteral("悲") << QStringLiteral("hdhn") << QStringLiteral("211121114544")
                                   << sadness << QList<QList<int>>{} << true;
        QTest::newRow("悲 丨 as 非 splits") << QStringLiteral("悲") << QStringLiteral("hdhn")
                                          << QStringLiteral("211121114544") << sadness
                                          << QList<QList<int>>{{1}, {2, 3, 4}, {5}, {6, 7, 8}} << false;
        // A piece of the known character elsewhere vouches for no other stroke.
        QTest::newRow("悲 another piece known") << QStringLiteral("悲") << QStringLiteral("hdhn")
                                              << QStringLiteral("211121114544") << sadness
                                              << QList<QList<int>>{{1}, {2, 3, 4}} << true;
    }

    void aSingleStrokeCutFromALargerRootDoesNotShip()
    {
        QFETCH(QString, character);
        QFETCH(QString, code);
        QFETCH(QString, classes);
        QFETCH(QList<QList<int>>, positions);
        QFETCH(QList<QList<int>>, knownPieces);
        QFETCH(bool, fragment);
        RootTable roots;
        QString error;
        QVERIFY2(roots.loadBuiltIn(&error), qPrintable(error));
        Decomposition drawn;
        drawn.kind = DecompositionKind::Roots;
        for (qsizetype k = 0; k < positions.size(); ++k) {
            CodePosition& p = drawn.positions[size_t(k)];
            p.kind = positions[k].isEmpty() ? PositionKind::Identification : PositionKind::Component;
            for (int stroke : positions[k])
                p.strokes.push_back(stroke - 1);
        }
        const CharEntry ch = entry(character.toUtf8().constData(), code.toLatin1().constData(), classes.toLatin1().constData());
        std::vector<std::vector<int>> pieces;
        for (const QList<int>& piece : knownPieces) {
            pieces.emplace_back();
            for (int stroke : piece)
                pieces.back().push_back(stroke - 1);
        }
        QCOMPARE(fragmentOfLargerRoot(roots, ch, drawn, pieces), fragment);
    }

    void aRootTakingAStrokeOfAnotherPartDoesNotShip_data()
    {
        QTest::addColumn<QList<int>>("cut"); // 回's strokes as drawn, in the order they were cut
        QTest::addColumn<bool>("rootsDrawn"); // 囗 and 口 have drawings of their own to go by
        QTest::addColumn<bool>("doubted");
        QTest::newRow("回 as drawn") << QList<int>{0, 1, 2, 3, 4, 5} << true << false;
        // The inner 口's 一 cut last: 囗 closes on it and 口 on 囗's bottom;
        // each would look like itself with the other's 一, which lies within it.
        QTest::newRow("回's two 一 exchanged") << QList<int>{0, 1, 2, 3, 5, 4} << true << true;
        QTest::newRow("no drawings to go by") << QList<int>{0, 1, 2, 3, 5, 4} << false << false;
    }

    void aRootTakingAStrokeOfAnotherPartDoesNotShip()
    {
        QFETCH(QList<int>, cut);
        QFETCH(bool, rootsDrawn);
        QFETCH(bool, doubted);
        // 回 lkd: 囗 (丨 乛 and the bottom 一 written last) round 口 (丨 乛 一).
        const std::vector<QPolygonF> drawn{
            QPolygonF{QPointF(200, 150), QPointF(200, 880)},
            QPolygonF{QPointF(200, 150), QPointF(820, 150), QPointF(820, 880)},
            QPolygonF{QPointF(400, 380), QPointF(400, 640)},
            QPolygonF{QPointF(400, 380), QPointF(620, 380), QPointF(620, 640)},
            QPolygonF{QPointF(400, 630), QPointF(620, 630)},
            QPolygonF{QPointF(200, 870), QPointF(820, 870)},
        };
        std::vector<DrawnRoot> drawnRoots;
        if (rootsDrawn)
            drawnRoots = {{QStringLiteral("囗"), {drawn[0], drawn[1], drawn[5]}},
                          {QStringLiteral("口"), {drawn.begin() + 2, drawn.begin() + 5}}};
        RootTable roots;
        QString error;
        QVERIFY2(loadRootsDrawnAs(roots, drawnRoots, &error), qPrintable(error));
        const CharEntry ch = entry("回", "lkd", "252511");
        StrokeOutlines strokes;
        for (int k : cut)
            strokes.medians.push_back(drawn[size_t(k)]);
        Decomposition split;
        split.kind = DecompositionKind::Roots;
        split.positions[0] = {PositionKind::Component, {0, 1, 5}, QStringLiteral("囗")};
        split.positions[1] = {PositionKind::Component, {2, 3, 4}, QStringLiteral("口")};
        split.positions[2] = {PositionKind::Identification, {}, {}};
        QCOMPARE(rootNearerWithAnotherStroke(roots, ch, ch.strokeClasses, split, strokes), doubted);
    }

    void aRootHoldingItsOwnStrokesInAnotherOrderShips_data()
    {
        QTest::addColumn<QList<int>>("cut"); // 安's strokes as drawn, in the order they were cut
        QTest::addColumn<bool>("rootsDrawn"); // 宀 and 女 have drawings of their own to go by
        QTest::addColumn<bool>("marksItsRoots");
        // As drawn every root looks like itself: nothing was put in another order.
        QTest::newRow("安 as drawn") << QList<int>{0, 1, 2, 3, 4, 5} << true << false;
        // 宀's 乛 cut before its left dot: 宀 looks like itself with the two
        // in each other's places, and its position marks the same strokes.
        QTest::newRow("宀's 乛 before its dot") << QList<int>{0, 2, 1, 3, 4, 5} << true << true;
        // 女's first stroke taken into 宀: no order of its strokes mends 宀.
        QTest::newRow("a stroke of 女 in 宀") << QList<int>{0, 1, 3, 2, 4, 5} << true << false;
        QTest::newRow("no drawings to go by") << QList<int>{0, 2, 1, 3, 4, 5} << false << false;
    }

    void aRootHoldingItsOwnStrokesInAnotherOrderShips()
    {
        QFETCH(QList<int>, cut);
        QFETCH(bool, rootsDrawn);
        QFETCH(bool, marksItsRoots);
        // 安 pvf: 宀 (丶, the left 丶, 乛) over 女 (𡿨, 丿, 一).
        const std::vector<QPolygonF> drawn{
            QPolygonF{QPointF(500, 100), QPointF(540, 200)},
            QPolygonF{QPointF(260, 240), QPointF(235, 420)},
            QPolygonF{QPointF(300, 300), QPointF(720, 230), QPointF(690, 360)},
            QPolygonF{QPointF(460, 400), QPointF(350, 700), QPointF(720, 820)},
            QPolygonF{QPointF(620, 450), QPointF(300, 900)},
            QPolygonF{QPointF(200, 640), QPointF(820, 610)},
        };
        std::vector<DrawnRoot> drawnRoots;
        if (rootsDrawn)
            drawnRoots = {{QStringLiteral("宀"), {drawn.begin(), drawn.begin() + 3}},
                          {QStringLiteral("女"), {drawn.begin() + 3, drawn.end()}}};
        RootTable roots;
        QString error;
        QVERIFY2(loadRootsDrawnAs(roots, drawnRoots, &error), qPrintable(error));
        const CharEntry ch = entry("安", "pvf", "445531");
        StrokeOutlines strokes;
        for (int k : cut)
            strokes.medians.push_back(writtenAs(drawn[size_t(k)], char(ch.strokeClasses[k].unicode())));
        Decomposition split;
        split.kind = DecompositionKind::Roots;
        split.classesOnly = true;
        split.positions[0] = {PositionKind::Component, {0, 1, 2}, QStringLiteral("宀")};
        split.positions[1] = {PositionKind::Component, {3, 4, 5}, QStringLiteral("女")};
        split.positions[2] = {PositionKind::Identification, {}, {}};
        QCOMPARE(rootsLikeThemselvesInAnotherOrder(roots, ch, ch.strokeClasses, split, strokes), marksItsRoots);
    }

    void aRootsStrokesOfOneClassCutOutOfOrderAreReordered_data()
    {
        QTest::addColumn<QList<int>>("cut");      // the drawn 火's strokes in the order they were cut
        QTest::addColumn<QList<int>>("expected"); // and in the order they are given back
        QTest::addColumn<bool>("reordered");
        // Cut top first, the long 丿 (it starts higher) came before the short
        // one: with the two swapped the strokes look like 火.
        QTest::newRow("火's two 丿 swapped") << QList<int>{0, 2, 1, 3} << QList<int>{0, 1, 2, 3} << true;
        QTest::newRow("火 as drawn") << QList<int>{0, 1, 2, 3} << QList<int>{0, 1, 2, 3} << false;
        // A 丶 in a 丿's place reads as another class: no order among
        // strokes of one class mends that, and nothing moves.
        QTest::newRow("丶 and 丿 swapped") << QList<int>{1, 0, 2, 3} << QList<int>{1, 0, 2, 3} << false;
    }

    void aRootsStrokesOfOneClassCutOutOfOrderAreReordered()
    {
        QFETCH(QList<int>, cut);
        QFETCH(QList<int>, expected);
        QFETCH(bool, reordered);
        // 火 as its own drawing gives it: 丶, the short 丿, the long 丿, 乀.
        const std::vector<QPolygonF> fire{
            QPolygonF{QPointF(300, 380), QPointF(360, 480)},
            QPolygonF{QPointF(700, 330), QPointF(620, 470)},
            QPolygonF{QPointF(512, 150), QPointF(500, 500), QPointF(250, 900)},
            QPolygonF{QPointF(512, 550), QPointF(800, 900)},
        };
        RootTable roots;
        QString error;
        QVERIFY2(loadRootsDrawnAs(roots, {{QStringLiteral("火"), fire}}, &error), qPrintable(error));
        // 疢 uoi: 疒 (strokes 1-5, no drawing of its own here), then 火
        // drawn smaller at the lower right.
        const QString classes = QStringLiteral("413414334");
        StrokeOutlines strokes;
        for (int k = 0; k < 5; ++k)
            strokes.medians.push_back(QPolygonF{QPointF(100 + 40 * k, 100), QPointF(100 + 40 * k, 900)});
        const QTransform lowerRight = QTransform::fromTranslate(450, 400).scale(0.5, 0.55);
        for (int k : cut)
            strokes.medians.push_back(lowerRight.map(fire[size_t(k)]));
        for (const QPolygonF& median : strokes.medians) {
            QPainterPath outline;
            outline.addRect(median.boundingRect().adjusted(-10, -10, 10, 10));
            strokes.outlines.push_back(outline);
        }
        Decomposition split;
        split.kind = DecompositionKind::Roots;
        split.classesOnly = true;
        split.positions[0] = {PositionKind::Component, {0, 1, 2, 3, 4}, QStringLiteral("疒")};
        split.positions[1] = {PositionKind::Component, {5, 6, 7, 8}, QStringLiteral("火")};
        split.positions[2] = {PositionKind::Identification, {}, {}};
        const std::vector<QPolygonF> cutFire(strokes.medians.begin() + 5, strokes.medians.end());
        // Only 火 as drawn looks like itself in the order it was cut.
        const bool asDrawn = cut == QList<int>{0, 1, 2, 3};
        QCOMPARE(shapeDistance(cutFire, fire) <= RootShapeLimit, asDrawn);

        const StrokeOutlines before = strokes;
        QCOMPARE(reorderedAsRoots(roots, QStringLiteral("uoi"), classes, split, strokes), reordered);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(strokes.medians[size_t(k)], before.medians[size_t(k)]);
        for (qsizetype k = 0; k < expected.size(); ++k) {
            QCOMPARE(strokes.medians[size_t(5 + k)], lowerRight.map(fire[size_t(expected[k])]));
            // The outline moves with its centre line.
            const size_t from = size_t(5 + cut.indexOf(expected[k]));
            QCOMPARE(strokes.outlines[size_t(5 + k)], before.outlines[from]);
        }
    }

    void twoStrokesOfOneClassCutIntoEachOthersRootsAreExchanged_data()
    {
        QTest::addColumn<QList<int>>("cut");      // 冮's strokes as drawn, in the order they were cut
        QTest::addColumn<QList<int>>("expected"); // and in the order they are given back
        QTest::addColumn<bool>("exchanged");
        // 冫's 提 and 工's top 一, both of class 1, cut into each other's places.
        QTest::newRow("提 and 一") << QList<int>{0, 2, 1, 3, 4} << QList<int>{0, 1, 2, 3, 4} << true;
        // 冫's 丶 and 工's top 一 would mend the split only in each other's
        // classes: the exchange is not made.
        QTest::newRow("丶 and 一") << QList<int>{2, 1, 0, 3, 4} << QList<int>{2, 1, 0, 3, 4} << false;
    }

    void twoStrokesOfOneClassCutIntoEachOthersRootsAreExchanged()
    {
        QFETCH(QList<int>, cut);
        QFETCH(QList<int>, expected);
        QFETCH(bool, exchanged);
        // 冮 uag: 冫 (丶 提) beside 工 (一 丨 一), as drawn.
        const std::vector<QPolygonF> drawn{
            QPolygonF{QPointF(150, 300), QPointF(230, 380)},
            QPolygonF{QPointF(130, 700), QPointF(260, 560)},
            QPolygonF{QPointF(380, 250), QPointF(880, 250)},
            QPolygonF{QPointF(630, 250), QPointF(630, 800)},
            QPolygonF{QPointF(330, 800), QPointF(930, 800)},
        };
        RootTable roots;
        QString error;
        QVERIFY2(loadRootsDrawnAs(roots,
                                  {{QStringLiteral("冫"), {drawn.begin(), drawn.begin() + 2}},
                                   {QStringLiteral("工"), {drawn.begin() + 2, drawn.end()}}},
                                  &error),
                 qPrintable(error));
        const CharEntry ch = entry("冮", "uag", "41121");
        StrokeOutlines strokes;
        for (int k : cut) {
            strokes.medians.push_back(drawn[size_t(k)]);
            QPainterPath outline;
            outline.addRect(drawn[size_t(k)].boundingRect().adjusted(-10, -10, 10, 10));
            strokes.outlines.push_back(outline);
        }
        const Decomposition split = decompose(roots, ch.ch, ch.fullCode, ch.strokeClasses, &strokes.medians);
        QVERIFY(split.kind == DecompositionKind::Roots && split.classesOnly); // the cut order splits on classes alone

        const StrokeOutlines before = strokes;
        // The build takes the exchange, but a drawing that needed it does not ship.
        ExceptionTable exceptions;
        QVERIFY2(exceptions.loadBuiltIn(&error), qPrintable(error));
        const FontDrawingTrial trial = tryFontDrawing(roots, exceptions, ch, strokes, QStringLiteral("AR PL UKai"));
        QCOMPARE(trial.repair, exchanged ? FontRepair::Exchanged : FontRepair::None);
        QCOMPARE(trial.withheld, QString::fromUtf8(exchanged ? FontDrawingFailure::Exchanged : FontDrawingFailure::RootsUnlike));
        QCOMPARE(exchangedAcrossRoots(roots, ch, ch.strokeClasses, split, strokes), exchanged);
        for (qsizetype k = 0; k < expected.size(); ++k) {
            QCOMPARE(strokes.medians[size_t(k)], drawn[size_t(expected[k])]);
            QCOMPARE(strokes.outlines[size_t(k)], before.outlines[size_t(cut.indexOf(expected[k]))]);
        }
        if (exchanged) {
            const Decomposition again = decompose(roots, ch.ch, ch.fullCode, ch.strokeClasses, &strokes.medians);
            QVERIFY(again.kind == DecompositionKind::Roots && !again.classesOnly);
            QCOMPARE(again.positions[0].strokes, (std::vector<int>{0, 1}));
            QCOMPARE(again.positions[1].strokes, (std::vector<int>{2, 3, 4}));
        }
    }

    void missingOutlinesNameTheFile()
    {
        sources.chars = {entry("口", "kkkk", "251")};
        std::vector<std::array<QByteArray, 4>> info;
        QStringList report;
        QString error;
        QVERIFY(!runPictureStage(sources, dir.filePath(QStringLiteral("out2")), info, report, &error));
        QVERIFY2(error.contains(QStringLiteral("口.json")), qPrintable(error));
    }

    void damagedOutlinesNameTheFile()
    {
        writeFile(sources.hanziWriterDir + QStringLiteral("/口.json"), "{\"strokes\": [\"M 0 0 L");
        sources.chars = {entry("口", "kkkk", "251")};
        std::vector<std::array<QByteArray, 4>> info;
        QStringList report;
        QString error;
        QVERIFY(!runPictureStage(sources, dir.filePath(QStringLiteral("out3")), info, report, &error));
        QVERIFY2(error.contains(QStringLiteral("口.json")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPictureStage)
#include "tst_picture_stage.moc"
