// The pictures drawn at build time: each one carried, at its pixel size and
// in its file format, and what it must show where the window relies on it.
#include "resources/art.h"

#include <QBitmap>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QtEndian>

using namespace lumbrell;

namespace {

struct BmpHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The size and depth recorded in a BMP file's info header.
BmpHeader readHeader(const QByteArray& file)
{
    if (file.size() < 30 || !file.startsWith("BM"))
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    return {qFromLittleEndian<qint32>(bytes + 18), qFromLittleEndian<qint32>(bytes + 22),
            qFromLittleEndian<quint16>(bytes + 28)};
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filesHaveTheirSizeAndDepth_data();
    void filesHaveTheirSizeAndDepth();
    void backgroundShowsTwoWhitePanelsOnGrey();
    void handCursorPointsWithItsFingerTip();
    void iconHasSixteenColoursAndATransparentGround();
    void diagramsAreDistinctAndInkedInsideTheirCircle();
    void noticeIsBrownOnWhite();
    void doublePicturesAreDrawnAnewAtTwiceTheSize_data();
    void doublePicturesAreDrawnAnewAtTwiceTheSize();
};

void ArtTest::filesHaveTheirSizeAndDepth_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::newRow("background") << "background.bmp" << 614 << 339 << 24;
    QTest::newRow("icon") << "icon.bmp" << 32 << 32 << 4;
    QTest::newRow("hand") << "hand.bmp" << 32 << 32 << 1;
    QTest::newRow("hand mask") << "hand-mask.bmp" << 32 << 32 << 1;
    QTest::newRow("notice") << "notfound.bmp" << 386 << 33 << 24;
    QTest::newRow("banner") << "banner.bmp" << 407 << 72 << 24;
    for (int i = 0; i < 16; ++i) {
        const QString name = QStringLiteral("id%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << name << 108 << (i == 13 ? 108 : 109) << 1;
    }
    // Twice the size for high-density screens, in the same format.
    QTest::newRow("background@2x") << "background@2x.bmp" << 1228 << 678 << 24;
    QTest::newRow("notice@2x") << "notfound@2x.bmp" << 772 << 66 << 24;
    QTest::newRow("banner@2x") << "banner@2x.bmp" << 814 << 144 << 24;
    for (int i = 0; i < 16; ++i) {
        const QString name = QStringLiteral("id%1@2x.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << name << 216 << (i == 13 ? 216 : 218) << 1;
    }
}

void ArtTest::filesHaveTheirSizeAndDepth()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFile file(QStringLiteral(":/art/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
    const BmpHeader header = readHeader(file.readAll());
    QCOMPARE(header.width, width);
    QCOMPARE(qAbs(header.height), height);
    QCOMPARE(header.bitsPerPixel, bits);
}

void ArtTest::backgroundShowsTwoWhitePanelsOnGrey()
{
    const QImage background = art::background();
    const QRgb white = qRgb(255, 255, 255);
    // Inside the left panel (x 10–125) and the right one (x 137–605), y 38–327.
    for (const QPoint inside : {QPoint(15, 45), QPoint(67, 180), QPoint(120, 320), QPoint(142, 45),
                                QPoint(370, 180), QPoint(600, 320)})
        QCOMPARE(background.pixel(inside), white);
    // The grey field around and between them.
    for (const QPoint outside : {QPoint(5, 180), QPoint(131, 180), QPoint(610, 180), QPoint(300, 20),
                                 QPoint(300, 333)}) {
        const QColor grey = background.pixelColor(outside);
        QVERIFY(grey != QColor(Qt::white));
        QCOMPARE(grey.red(), grey.green());
        QCOMPARE(grey.green(), grey.blue());
        QVERIFY(grey.lightness() > 150);
    }
}

void ArtTest::handCursorPointsWithItsFingerTip()
{
    const QCursor hand = art::handCursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(5, 0));
    const QImage mask = hand.mask().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(mask.size(), QSize(32, 32));
    // Opaque at the hot spot, clear in the corner opposite the finger.
    QCOMPARE(mask.pixel(5, 0), qRgb(0, 0, 0));
    QCOMPARE(mask.pixel(31, 0), qRgb(255, 255, 255));
    QCOMPARE(mask.pixel(0, 31), qRgb(255, 255, 255));
}

void ArtTest::iconHasSixteenColoursAndATransparentGround()
{
    const QImage icon(QStringLiteral(":/art/icon.bmp"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() <= 16);
    const QPixmap shown = art::windowIcon().pixmap(32, 32);
    QVERIFY(shown.hasAlpha());
    QCOMPARE(qAlpha(shown.toImage().pixel(0, 0)), 0);
    QCOMPARE(qAlpha(shown.toImage().pixel(16, 16)), 255);
}

void ArtTest::diagramsAreDistinctAndInkedInsideTheirCircle()
{
    QList<QImage> seen;
    for (int i = 0; i < 16; ++i) {
        const QImage diagram = art::identificationDiagram(i).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!diagram.isNull());
        // The circle's outline crosses the middle row near both edges; the
        // stroke figure inks the centre region.
        int inkInCentre = 0;
        for (int y = 40; y < 70; ++y)
            for (int x = 34; x < 74; ++x)
                inkInCentre += diagram.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY2(inkInCentre > 20, qPrintable(QString::number(i)));
        QVERIFY(!seen.contains(diagram));
        seen.append(diagram);
    }
    QVERIFY(art::identificationDiagram(16).isNull());
    QVERIFY(art::identificationDiagram(-1).isNull());
}

void ArtTest::noticeIsBrownOnWhite()
{
    const QImage notice = art::notFoundNotice();
    QCOMPARE(notice.pixel(0, 0), qRgb(255, 255, 255));
    int brown = 0;
    for (int y = 0; y < notice.height(); ++y)
        for (int x = 0; x < notice.width(); ++x)
            brown += notice.pixel(x, y) == qRgb(128, 64, 0);
    QVERIFY(brown > 200);
}

void ArtTest::doublePicturesAreDrawnAnewAtTwiceTheSize_data()
{
    QTest::addColumn<QImage>("single");
    QTest::addColumn<QImage>("doubled");
    QTest::addColumn<int>("finePixels"); // at least this many 2 × 2 squares not of one colour
    QTest::newRow("background") << art::background() << art::background(2) << 100;
    QTest::newRow("notice") << art::notFoundNotice() << art::notFoundNotice(1.5) << 300;
    QTest::newRow("banner") << art::aboutBanner() << art::aboutBanner(2) << 1000;
    for (int i = 0; i < 16; ++i)
        QTest::newRow(qPrintable(QStringLiteral("diagram %1").arg(i)))
            << art::identificationDiagram(i) << art::identificationDiagram(i, 1.25) << 150;
}

// A 2× picture is the same picture drawn at twice the size, not the 1× one
// with every pixel repeated: it has detail finer than a doubled pixel, and
// halved again it matches the 1× picture.
void ArtTest::doublePicturesAreDrawnAnewAtTwiceTheSize()
{
    QFETCH(QImage, single);
    QFETCH(QImage, doubled);
    QFETCH(int, finePixels);
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    QCOMPARE(single.devicePixelRatio(), 1.0);
    QCOMPARE(doubled.size(), single.size() * 2);
    const QImage fine = doubled.convertToFormat(QImage::Format_RGB32);
    int squares = 0;
    for (int y = 0; y + 1 < fine.height(); y += 2)
        for (int x = 0; x + 1 < fine.width(); x += 2) {
            const QRgb p = fine.pixel(x, y);
            squares += fine.pixel(x + 1, y) != p || fine.pixel(x, y + 1) != p || fine.pixel(x + 1, y + 1) != p;
        }
    QVERIFY2(squares >= finePixels, qPrintable(QString::number(squares)));

    const QImage halved = fine.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage reference = single.convertToFormat(QImage::Format_RGB32);
    double difference = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            difference += qAbs(qGray(halved.pixel(x, y)) - qGray(reference.pixel(x, y)));
    difference /= reference.width() * reference.height();
    QVERIFY2(difference < 30, qPrintable(QString::number(difference)));
}

QTEST_MAIN(ArtTest)
#include "tst_art.moc"
