// The window-free parts of the lookup: code line, seed points, units, flood fill.
#include "lookup/code_line.h"
#include "lookup/flood_fill.h"
#include "lookup/identification.h"
#include "lookup/point_list.h"
#include "formats/twips.h"

#include <QTest>

using namespace lumbrell;

class LookupLogicTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codeLine_data();
    void codeLine();
    void readNumber_data();
    void readNumber();
    void pointList_data();
    void pointList();
    void twipsRoundHalvesToEven();
    void identificationLetters();
    void surfaceFillStaysInsideItsColour();
    void borderFillStopsAtTheBorder();
    void fillOutsideOrOnFillColourPaintsNothingNew();
};

void LookupLogicTest::codeLine_data()
{
    QTest::addColumn<QString>("code3");
    QTest::addColumn<QString>("code2");
    QTest::addColumn<QString>("code1");
    QTest::addColumn<QString>("line");
    QTest::newRow("1 < 2 < 4") << "k   " << "kh  " << "khkx" << "k  kh  khkx";
    QTest::newRow("code2 shorter than code3") << "kb  " << "k   " << "kbsk" << "k  kb  kbsk";
    QTest::newRow("3 letters, no code2") << "khk " << "    " << "khk " << "khk";
    QTest::newRow("code2 shorter, code3 full") << "mtdh" << "mtd " << "mtdh" << "mtd  mtdh";
    QTest::newRow("empty code2 leaves no separator") << "lg  " << "    " << "lgyi" << "lg  lgyi";
    QTest::newRow("single stroke") << "g   " << "ggl " << "ggll" << "g  ggl  ggll";
    // Lengths that fit no form: the codes it has, shortest first, each once.
    QTest::newRow("three equal lengths") << "ab  " << "cd  " << "ef  " << "ab  cd  ef";
    QTest::newRow("code2 longer than code1") << "a   " << "abcd" << "abc " << "a  abc  abcd";
    QTest::newRow("nothing") << "" << "" << "" << "";
}

void LookupLogicTest::codeLine()
{
    QFETCH(QString, code3);
    QFETCH(QString, code2);
    QFETCH(QString, code1);
    QTEST(buildCodeLine(code3, code2, code1), "line");
}

void LookupLogicTest::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("right-aligned") << "  45" << 45;
    QTest::newRow("spaces between digits") << "1 5 " << 15;
    QTest::newRow("minus") << " -12" << -12;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "ab12" << 0;
    QTest::newRow("stops at a letter") << "12ab" << 12;
    QTest::newRow("fraction rounds half to even") << "12.5" << 12;
    QTest::newRow("fraction rounds up") << "13.5" << 14;
    QTest::newRow("held to 16 bits") << "99999999" << 32767;
    QTest::newRow("held to 16 bits, negative") << "-99999999" << -32768;
}

void LookupLogicTest::readNumber()
{
    QFETCH(QString, text);
    QTEST(lumbrell::readNumber(text), "value");
}

void LookupLogicTest::pointList_data()
{
    QTest::addColumn<QString>("info");
    QTest::addColumn<QList<QPoint>>("points");
    const QString spaces64(64, u' ');
    QTest::newRow("one group and spaces") << QStringLiteral("  45  60") + spaces64 << QList<QPoint>{{45, 60}};
    QTest::newRow("two groups in order") << QStringLiteral("  45  60 150 300") << QList<QPoint>{{45, 60}, {150, 300}};
    QTest::newRow("blank") << QString(72, u' ') << QList<QPoint>{};
    QTest::newRow("y missing its spaces (13)") << QStringLiteral("  45  60 150 3") << QList<QPoint>{{45, 60}, {150, 3}};
    QTest::newRow("9 chars: one") << QStringLiteral("  45  60 1") << QList<QPoint>{{45, 60}};
    QTest::newRow("12 chars: 1.5 is 2") << QStringLiteral("  45  60 150") << QList<QPoint>{{45, 60}, {150, 0}};
    QTest::newRow("20 chars: 2.5 is 2") << QStringLiteral("  45  60 150 300 600")
                                        << QList<QPoint>{{45, 60}, {150, 300}};
    QTest::newRow("28 chars: 3.5 is 4") << QStringLiteral("   1   2   3   4   5   6 700")
                                        << QList<QPoint>{{1, 2}, {3, 4}, {5, 6}, {700, 0}};
    QTest::newRow("4 chars: none") << QStringLiteral("  45") << QList<QPoint>{};
    QTest::newRow("identification") << QStringLiteral("0") << QList<QPoint>{};
    QTest::newRow("garbage reads as zero") << QStringLiteral("abcd-xyz") << QList<QPoint>{{0, 0}};
}

void LookupLogicTest::pointList()
{
    QFETCH(QString, info);
    QTEST(parsePointList(info), "points");
}

void LookupLogicTest::twipsRoundHalvesToEven()
{
    QCOMPARE(twipsToPixels(45), 3);
    QCOMPARE(twipsToPixels(60), 4);
    QCOMPARE(twipsToPixels(1680), 112);
    QCOMPARE(twipsToPixels(22), 1);  // 1.47
    QCOMPARE(twipsToPixels(23), 2);  // 1.53
    QCOMPARE(twipsToPixels(-22), -1);
}

void LookupLogicTest::identificationLetters()
{
    const QString order = QStringLiteral("gfdhjktreyuinbvl");
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(identificationIndex(order[i]), i);
    QCOMPARE(identificationIndex(u'G'), -1);
    QCOMPARE(identificationIndex(u' '), -1);
    QCOMPARE(identificationIndex(u'a'), -1);
}

namespace {

// Two grey areas touching each other and a white background around them.
QImage twoAreas()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 18; ++x)
            image.setPixel(x, y, x < 10 ? qRgb(128, 128, 128) : qRgb(129, 129, 129));
    return image;
}

} // namespace

void LookupLogicTest::surfaceFillStaysInsideItsColour()
{
    QImage image = twoAreas();
    QCOMPARE(floodFillSurface(image, {3, 3}, qRgb(0, 0, 0)), 8 * 6);
    QCOMPARE(image.pixel(9, 7), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(10, 2), qRgb(129, 129, 129)); // one shade apart is another area
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    // Filling the black area again in black is harmless.
    QCOMPARE(floodFillSurface(image, {3, 3}, qRgb(0, 0, 0)), 8 * 6);
}

void LookupLogicTest::borderFillStopsAtTheBorder()
{
    QImage image = twoAreas();
    const int painted = floodFillBorder(image, {3, 3}, qRgb(255, 255, 255), qRgb(0, 0, 0));
    QCOMPARE(painted, 16 * 6); // both grey areas, up to the white
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(floodFillBorder(image, {0, 0}, qRgb(255, 255, 255), qRgb(0, 0, 0)), 0);
}

void LookupLogicTest::fillOutsideOrOnFillColourPaintsNothingNew()
{
    QImage image = twoAreas();
    const QImage before = image;
    QCOMPARE(floodFillSurface(image, {-1, 3}, qRgb(0, 0, 0)), 0);
    QCOMPARE(floodFillSurface(image, {20, 3}, qRgb(0, 0, 0)), 0);
    QCOMPARE(floodFillSurface(image, {3, 10}, qRgb(0, 0, 0)), 0);
    QCOMPARE(image, before);
    QImage null;
    QCOMPARE(floodFillSurface(null, {0, 0}, qRgb(0, 0, 0)), 0);
}

QTEST_GUILESS_MAIN(LookupLogicTest)
#include "tst_lookup_logic.moc"
