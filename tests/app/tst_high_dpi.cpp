// The pictures on a high-density screen (run at QT_SCALE_FACTOR 1.25, 1.5 and
// 2): the character drawing made at 2× is chosen, marked at the scaled fill
// points and shown at the box's logical size; the identification diagrams, their
// captions and the window's own pictures come at 2× as well, so nothing is an
// enlargement of the 1× pixels.
#include "app/about/about_window.h"
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "formats/drawing_scale.h"
#include "app/picture_box.h"
#include "resources/art.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);

// Two grey blocks on white, 112 × 113 at scale 1: the left one over pixels
// 10–40 × 10–100, the right one over 60–100 × 10–100, each scaled. The tones
// tell the drawings apart: the 2× fixture uses other greys than the 1× one.
QImage blocks(int scale, int leftGrey, int rightGrey)
{
    QImage image(QSize(112, 113) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(10, 10) * scale, QSize(31, 91) * scale), QColor(leftGrey, leftGrey, leftGrey));
    painter.fillRect(QRect(QPoint(60, 10) * scale, QSize(41, 91) * scale), QColor(rightGrey, rightGrey, rightGrey));
    return image;
}

QImage singleDrawing() { return blocks(1, 128, 160); }
QImage doubleDrawing() { return blocks(2, 96, 192); }
const QString LeftSeed = points({{25 * 15, 50 * 15}});
const QString RightSeed = points({{80 * 15, 50 * 15}});

QImage asRgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The average difference of grey level between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// Aligned 2 × 2 squares whose pixels are not all alike: none in a picture
// that was enlarged by repeating each pixel twice.
int finerThanDoubledPixels(const QImage& picture)
{
    const QImage image = asRgb(picture);
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            count += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return count;
}

int countPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { form.reset(); }

    void doubleDrawingIsChosenAndMarkedAtTheScaledPoints();
    void boxShowsTheSharpDrawingAtItsLogicalSize();
    void drawingFallsBackToSingleSize_data();
    void drawingFallsBackToSingleSize();
    void diagramAndCaptionsAreDrawnAtTwiceTheSize();
    void windowPicturesComeAtTwiceTheirSize();

private:
    void openWindow();
    void type(const QString& character);
    QImage grabBox(int box) { return asRgb(positionBox(*form, box)->grab().toImage()); }

    qreal ratio = 1;
    std::unique_ptr<FixtureFolder> folder;
    std::unique_ptr<MainWindow> form;
    QStringList messages;
};

void HighDpiTest::initTestCase()
{
    ratio = qApp->devicePixelRatio();
    QVERIFY2(ratio > 1, "run with QT_SCALE_FACTOR above 1");
    QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
}

void HighDpiTest::init()
{
    folder = std::make_unique<FixtureFolder>();
    // 峰: two components, one per block. 一: the identification diagram g
    // at position 3 (its code "ggg" of three letters, the third an identification).
    // Records in ascending GBK order, as in the data file.
    folder->writeRecords({{QStringLiteral("峰"), QStringLiteral("mtdh"), QString(), QStringLiteral("mt"), LeftSeed,
                           RightSeed, QString(), QString()},
                          {QStringLiteral("一"), QStringLiteral("ggg"), QString(), QStringLiteral("ggg"), LeftSeed,
                           RightSeed, QStringLiteral("0"), QString()}});
    for (const QString& character : {QStringLiteral("一"), QStringLiteral("峰")}) {
        folder->writeDrawing(character, singleDrawing());
        QVERIFY(doubleDrawing().save(folder->path() + QStringLiteral("/bmp/") + doubleDrawingFileName(character), "BMP"));
    }
    messages.clear();
}

void HighDpiTest::openWindow()
{
    form = std::make_unique<MainWindow>(folder->path(), TableTexts{});
    form->messageBox = [this](const QString&, const QString& text) { messages.append(text); };
    form->notice = form->messageBox;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->devicePixelRatioF(), ratio);
}

void HighDpiTest::type(const QString& character)
{
    QInputMethodEvent typed;
    typed.setCommitString(character);
    QCoreApplication::sendEvent(designControl<QLineEdit>(*form, "Text5"), &typed);
}

void HighDpiTest::doubleDrawingIsChosenAndMarkedAtTheScaledPoints()
{
    openWindow();
    type(QStringLiteral("峰"));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    const QRect left(QPoint(20, 20), QSize(62, 182));
    const QRect right(QPoint(120, 20), QSize(82, 182));
    // Box 0 marks the left component, box 1 the right one; each keeps the
    // other block in the 2× drawing's own grey.
    const struct {
        QRect marked;
        QRect kept;
        QRgb keptGrey;
    } boxes[] = {{left, right, qRgb(192, 192, 192)}, {right, left, qRgb(96, 96, 96)}};
    for (int i = 0; i < 2; ++i) {
        const QImage& surface = positionBox(*form, i)->surface();
        QCOMPARE(surface.devicePixelRatio(), 2.0);
        QCOMPARE(surface.size(), QSize(224, 226));
        const int area = boxes[i].marked.width() * boxes[i].marked.height();
        QCOMPARE(countPixels(surface, boxes[i].marked, Black), area);
        QCOMPARE(countPixels(surface, boxes[i].kept, boxes[i].keptGrey), boxes[i].kept.width() * boxes[i].kept.height());
        QCOMPARE(countPixels(surface, surface.rect(), Black), area); // nothing black outside the component
    }
}

void HighDpiTest::boxShowsTheSharpDrawingAtItsLogicalSize()
{
    openWindow();
    type(QStringLiteral("峰"));
    PictureBox* box = positionBox(*form, 0);
    QCOMPARE(box->size(), QSize(112, 113));
    const QImage shown = grabBox(0);
    QCOMPARE(shown.size(), QSize(qRound(112 * ratio), qRound(113 * ratio)));
    // What the box should show: the 2× drawing with its left block marked.
    QImage doubleMarked = doubleDrawing();
    QPainter(&doubleMarked).fillRect(QRect(20, 20, 62, 182), Qt::black);
    doubleMarked.setDevicePixelRatio(ratio);
    if (ratio == 2) {
        QCOMPARE(shown, doubleMarked); // pixel for pixel
        return;
    }
    // At 125 % and 150 % the 2× drawing is resampled to the screen: the box is
    // far closer to it than to the 1× drawing blown up pixel by pixel.
    QImage singleMarked = singleDrawing();
    QPainter(&singleMarked).fillRect(QRect(10, 10, 31, 91), Qt::black);
    const double toSharp =
        meanDifference(shown, doubleMarked.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const double toBlownUp = meanDifference(shown, singleMarked.scaled(shown.size()));
    QVERIFY2(toSharp < 3 && toBlownUp > 3 * toSharp,
             qPrintable(QStringLiteral("%1 from the 2× drawing, %2 from the 1× one").arg(toSharp).arg(toBlownUp)));
}

void HighDpiTest::drawingFallsBackToSingleSize_data()
{
    QTest::addColumn<QByteArray>("doubleFile"); // what lies at 峰@2x.bmp; empty: nothing
    QTest::addColumn<bool>("said");             // whether a message names the 2× file
    QTest::newRow("no 2x file") << QByteArray() << false;
    QImage wrongSize = blocks(1, 96, 192).scaled(200, 200);
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        wrongSize.save(&buffer, "BMP");
    }
    QTest::newRow("2x file of the wrong size") << bmp << true;
    QTest::newRow("2x file that is no picture") << QByteArray("BM not a bitmap") << true;
}

void HighDpiTest::drawingFallsBackToSingleSize()
{
    QFETCH(QByteArray, doubleFile);
    QFETCH(bool, said);
    const QString doublePath = folder->path() + QStringLiteral("/bmp/") + doubleDrawingFileName(QStringLiteral("峰"));
    QFile::remove(doublePath);
    if (!doubleFile.isEmpty()) {
        QFile file(doublePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(doubleFile);
    }
    openWindow();
    type(QStringLiteral("峰"));
    const QImage& surface = positionBox(*form, 0)->surface();
    QCOMPARE(surface.devicePixelRatio(), 1.0);
    QCOMPARE(surface.size(), QSize(112, 113));
    QCOMPARE(surface.pixel(80, 50), qRgb(160, 160, 160)); // the 1× drawing's own grey
    QCOMPARE(surface.pixel(25, 50), Black);
    QCOMPARE(messages.size(), said ? 1 : 0);
    if (said)
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(doublePath)) || messages[0].contains(doublePath),
                 qPrintable(messages[0]));
}

void HighDpiTest::diagramAndCaptionsAreDrawnAtTwiceTheSize()
{
    openWindow();
    type(QStringLiteral("一"));
    const QImage diagram = positionBox(*form, 2)->picture();
    QCOMPARE(diagram.devicePixelRatio(), 2.0);
    QCOMPARE(diagram.size(), QSize(216, 218));
    // Drawn anew at 2×: the captions and the circle have detail finer than a
    // doubled 1× pixel (a doubled picture has none).
    QVERIFY2(finerThanDoubledPixels(diagram) > 300, qPrintable(QString::number(finerThanDoubledPixels(diagram))));
    // It is the same diagram as the 1× one: halved, it matches it closely.
    const QImage single = asRgb(art::identificationDiagram(0));
    QVERIFY(meanDifference(asRgb(diagram).scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                           single) < 40);

    const QImage shown = grabBox(2);
    QCOMPARE(shown.size(), QSize(qRound(112 * ratio), qRound(113 * ratio)));
    const QImage drawnArea = shown.copy(QRect(QPoint(0, 0), QSize(108, 109) * ratio));
    if (ratio == 2) {
        QCOMPARE(drawnArea, asRgb(diagram));
        return;
    }
    const double toSharp = meanDifference(
        drawnArea, asRgb(diagram).scaled(drawnArea.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const double toBlownUp = meanDifference(drawnArea, single.scaled(drawnArea.size()));
    QVERIFY2(toSharp < toBlownUp / 2,
             qPrintable(QStringLiteral("%1 from the 2× diagram, %2 from the 1× one").arg(toSharp).arg(toBlownUp)));
}

void HighDpiTest::windowPicturesComeAtTwiceTheirSize()
{
    openWindow();
    const auto* background = form->findChild<QLabel*>(QStringLiteral("background"));
    QVERIFY(background);
    QCOMPARE(background->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(background->pixmap().size(), QSize(1228, 678));
    QCOMPARE(background->size(), QSize(614, 339));
    QCOMPARE(designControl<PictureBox>(*form, "Picture2")->picture().size(), QSize(772, 66));
    QVERIFY(finerThanDoubledPixels(designControl<PictureBox>(*form, "Picture2")->picture()) > 100);

    AboutWindow about([](const QString&) {}, form.get());
    const QLabel* banner = designControl<QLabel>(about, "Image1");
    QCOMPARE(banner->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(banner->pixmap().size(), QSize(814, 144));
}

QTEST_MAIN(HighDpiTest)
#include "tst_high_dpi.moc"
