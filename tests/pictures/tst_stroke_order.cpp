// Reading stroke classes off centre lines, and finding strokes the drawing
// writes in another order than the stroke-order source.
#include "tools/pictures/stroke_order.h"

#include <QTest>
#include <set>

using namespace lumbrell::data;

namespace {

// hanzi-writer-data's points (y up) in the top-down square.
QPolygonF line(std::initializer_list<QPointF> dataPoints)
{
    QPolygonF l;
    for (const QPointF& p : dataPoints)
        l << QPointF(p.x(), 900 - p.y());
    return l;
}

// 冉 as hanzi-writer-data draws it: 丨, 𠃌, then the short 一 before the
// middle 丨, then the long 一.
const std::vector<QPolygonF> Ran{
    line({{270, 613}, {301, 580}, {310, 541}, {308, 336}, {296, 186}, {280, 109}, {279, 38}}),
    line({{332, 596}, {357, 582}, {660, 646}, {694, 634}, {718, 607}, {725, 186}, {724, 90}, {716, 46}, {703, 20},
          {693, 21}, {646, 34}, {562, 71}}),
    line({{392, 447}, {449, 444}, {564, 474}, {612, 477}}),
    line({{459, 803}, {510, 758}, {497, 346}, {480, 328}}),
    line({{83, 267}, {146, 250}, {326, 281}, {826, 342}, {871, 340}, {941, 317}}),
};

} // namespace

class TestStrokeOrder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classOfLine_data()
    {
        QTest::addColumn<QPolygonF>("centreLine");
        QTest::addColumn<char>("strokeClass");
        QTest::newRow("横") << QPolygonF{{100, 500}, {900, 480}} << '1';
        QTest::newRow("提") << QPolygonF{{100, 600}, {400, 450}} << '1';
        QTest::newRow("竖") << QPolygonF{{500, 100}, {505, 900}} << '2';
        QTest::newRow("竖钩") << QPolygonF{{500, 100}, {505, 800}, {440, 760}} << '2';
        QTest::newRow("撇") << QPolygonF{{600, 100}, {560, 400}, {300, 700}} << '3';
        QTest::newRow("捺") << QPolygonF{{300, 200}, {800, 700}} << '4';
        QTest::newRow("点") << QPolygonF{{500, 100}, {540, 150}} << '4';
        QTest::newRow("横折") << QPolygonF{{200, 200}, {800, 200}, {790, 800}} << '5';
        QTest::newRow("横钩") << QPolygonF{{200, 300}, {800, 300}, {740, 380}} << '5';
        QTest::newRow("a point") << QPolygonF{{500, 500}} << '4';
    }

    void classOfLine()
    {
        QFETCH(QPolygonF, centreLine);
        QFETCH(char, strokeClass);
        QCOMPARE(strokeClassOfLine(centreLine), strokeClass);
    }

    void drawingOrder_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<std::vector<QPolygonF>>("lines");
        QTest::addColumn<std::vector<int>>("inDrawing");
        QTest::newRow("冉: the drawing's third stroke is the source's fourth")
            << "25211" << Ran << std::vector<int>{0, 1, 3, 2, 4};
        QTest::newRow("same order") << "25121" << Ran << std::vector<int>{0, 1, 2, 3, 4};
        QTest::newRow("counts differ") << "2521" << Ran << std::vector<int>{0, 1, 2, 3};
        QTest::newRow("malformed classes") << "25x11" << Ran << std::vector<int>{0, 1, 2, 3, 4};
    }

    void drawingOrder()
    {
        QFETCH(QString, classes);
        QFETCH(std::vector<QPolygonF>, lines);
        QFETCH(std::vector<int>, inDrawing);
        QCOMPARE(strokesInDrawing(classes, lines), inDrawing);
    }

    void missingStroke_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QString>("completed");
        QTest::newRow("the third stroke missing") << "2521" << "25121";
        QTest::newRow("as many strokes") << "25121" << "";
        QTest::newRow("two missing") << "252" << "";
        QTest::newRow("malformed classes") << "25x1" << "";
    }

    void missingStroke()
    {
        QFETCH(QString, classes);
        QFETCH(QString, completed);
        const std::vector<QString> completions = classesWithMissingStroke(classes, Ran, 3);
        QCOMPARE(completions.empty() ? QString() : completions.front(), completed);
        QVERIFY(completions.size() <= 3);
    }

    // The likeliest completion first (冉 with its short 一 put back), each
    // candidate once.
    void completionsRanked()
    {
        const std::vector<QString> completions = classesWithMissingStroke(QStringLiteral("2521"), Ran, 30);
        QCOMPARE(completions.front(), QStringLiteral("25121"));
        QCOMPARE(std::set<QString>(completions.begin(), completions.end()).size(), completions.size());
        QVERIFY(completions.size() > 3);
    }

    // A source with a stroke the drawing lacks: dropping the surplus one
    // reads best; counts that differ otherwise give nothing.
    void extraStroke_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QString>("best");
        QTest::newRow("a surplus 丶 in the middle") << "251421" << "25121";
        QTest::newRow("a surplus 丨 first") << "225121" << "25121";
        QTest::newRow("as many strokes") << "25121" << "";
        QTest::newRow("two more") << "2512111" << "";
        QTest::newRow("malformed classes") << "25x121" << "";
    }

    void extraStroke()
    {
        QFETCH(QString, classes);
        QFETCH(QString, best);
        const std::vector<QString> dropped = classesWithoutExtraStroke(classes, Ran, 5);
        QCOMPARE(dropped.empty() ? QString() : dropped.front(), best);
    }

    // One variant per stroke whose class differs from its drawing's reading.
    void readOtherwise()
    {
        QCOMPARE(classesReadOtherwise(QStringLiteral("25211"), Ran),
                 (std::vector<QString>{QStringLiteral("25111"), QStringLiteral("25221")}));
        QVERIFY(classesReadOtherwise(QStringLiteral("25121"), Ran).empty());
        QVERIFY(classesReadOtherwise(QStringLiteral("2512"), Ran).empty());
    }
};

QTEST_GUILESS_MAIN(TestStrokeOrder)
#include "tst_stroke_order.moc"
