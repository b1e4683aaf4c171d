// Screenshots of the real windows on an X server (Xvfb): the program as
// started by a user, the window after a lookup, under a dark desktop palette
// and with the not-found panel, a gallery of lookups in the built data, and
// the about window. CTest runs it at scale 1 and at scale 2 (QT_SCALE_FACTOR);
// the pictures are saved in the artefact folder for a reader to open, those of
// scale 2 with "-scale2" in their names.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/syllable_chooser.h"
#include "formats/drawing_scale.h"
#include "app/picture_box.h"
#include "resources/art.h"
#include "store/gbk.h"
#include "tables/table_texts.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <optional>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

// Device pixels per logical pixel of the screen the test runs on (1 or 2).
int scale()
{
    return qRound(qApp->devicePixelRatio());
}

// A logical rectangle of the window in the screenshot's device pixels.
QRect onScreen(const QRect& logical)
{
    return QRect(logical.topLeft() * scale(), logical.size() * scale());
}

QString artefactPath(const QString& name)
{
    QDir().mkpath(QStringLiteral(LUMBRELL_ARTEFACTS));
    QString file = name;
    if (scale() != 1)
        file.insert(file.lastIndexOf(u'.'), QStringLiteral("-scale%1").arg(scale()));
    return QStringLiteral(LUMBRELL_ARTEFACTS "/") + file;
}

// The folder the data build writes the program's data to, when it does.
const QString BuiltData = QStringLiteral(LUMBRELL_BIN_DIR);

bool dataBuilt()
{
    return QFile::exists(BuiltData + QStringLiteral("/wwbb11.dat")) && QDir(BuiltData + QStringLiteral("/bmp")).exists();
}

bool sameColour(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

// Points of the background picture that no control covers: the grey field,
// the panels' edges and their white margins. Where all of them show on the
// screen, the window's client area begins.
const QPoint Landmarks[] = {{4, 180},  {10, 180}, {13, 45},  {13, 320}, {125, 180}, {131, 180}, {137, 180},
                            {141, 45}, {141, 320}, {600, 320}, {605, 180}, {609, 180}, {600, 20},  {300, 38},
                            {300, 327}, {300, 333}};

// The top-left corner of the program's window on the screen, if it shows.
// The background is the picture at the screen's scale.
std::optional<QPoint> findWindow(const QImage& screen, const QImage& background)
{
    const int s = scale();
    for (int y = 0; y + 336 * s <= screen.height(); ++y)
        for (int x = 0; x + 611 * s <= screen.width(); ++x) {
            bool all = true;
            for (const QPoint& mark : Landmarks)
                if (!sameColour(screen.pixel(x + mark.x() * s, y + mark.y() * s), background.pixel(mark * s))) {
                    all = false;
                    break;
                }
            if (all)
                return QPoint(x, y);
        }
    return std::nullopt;
}

// Shows the window, clicks the button that opens a modal window, and grabs
// that window once it shows, then closes it.
QImage grabModal(MainWindow& form, const char* button)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    QImage shot;
    QTimer::singleShot(0, &form, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(QTest::qWaitForWindowExposed(modal));
        QTest::qWait(300);
        shot = modal->screen()->grabWindow(modal->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        modal->close();
    });
    designControl<QPushButton>(form, button)->click();
    return shot;
}

// Blue text, smoothed or not.
bool blueInk(QRgb p) { return qBlue(p) > 180 && qRed(p) < 110 && qGreen(p) < 110; }

// Where each visible control of the window stands, from a window built the
// same way as the program's (its rectangles are checked in tst_window_looks).
QList<QPair<QString, QRect>> controlRectangles(MainWindow& form)
{
    QList<QPair<QString, QRect>> rects;
    const auto add = [&](const QString& name, QWidget* control) {
        rects.append({name, QRect(control->mapTo(&form, QPoint(0, 0)), control->size())});
    };
    add(QStringLiteral("Command2"), designControl<QPushButton>(form, "Command2"));
    add(QStringLiteral("Text5"), designControl<QLineEdit>(form, "Text5"));
    add(QStringLiteral("Label15"), designControl<QLabel>(form, "Label15"));
    add(QStringLiteral("Combo6"), designControl<SyllableChooser>(form, "Combo6"));
    add(QStringLiteral("Label22"), designControl<QLabel>(form, "Label22"));
    for (int i = 0; i < 5; ++i)
        add(QStringLiteral("Combo%1").arg(i + 1), strokeChooser(form, i));
    add(QStringLiteral("Command8"), designControl<QPushButton>(form, "Command8"));
    add(QStringLiteral("Text6"), designControl<QPlainTextEdit>(form, "Text6"));
    add(QStringLiteral("Line2"), designControl<QFrame>(form, "Line2"));
    add(QStringLiteral("Frame1"), designControl<QFrame>(form, "Frame1"));
    for (int i = 0; i < 4; ++i)
        add(QStringLiteral("Picture1(%1)").arg(i), positionBox(form, i));
    return rects;
}

// Four blocks in different greys, one per component, on white: 112 × 113
// like a character drawing, or twice that at scale 2 (the same blocks with
// rounded corners, which only the finer drawing can show).
QImage fourBlockDrawing(int drawingScale = 1)
{
    QImage drawing(QSize(112, 113) * drawingScale, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter painter(&drawing);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            const int shade = 112 + 16 * column + 32 * row;
            painter.setBrush(QColor(shade, shade, shade));
            const QRect block(QPoint(8 + 56 * column, 8 + 56 * row) * drawingScale, QSize(40, 40) * drawingScale);
            if (drawingScale == 1)
                painter.drawRect(block);
            else
                painter.drawRoundedRect(block, 4 * drawingScale, 4 * drawingScale);
        }
    return drawing;
}

// 峰 in a fixture data folder, drawn as four blocks with one seed (in twips)
// in each, one block per code position.
void writeFourBlockFeng(FixtureFolder& data)
{
    const QString seeds[4] = {points({{25 * 15, 25 * 15}}), points({{80 * 15, 25 * 15}}),
                              points({{25 * 15, 80 * 15}}), points({{80 * 15, 80 * 15}})};
    data.writeRecords({{QStringLiteral("峰"), QStringLiteral("mtdh"), QStringLiteral("mtd"), QStringLiteral("mtdh"),
                        seeds[0], seeds[1], seeds[2], seeds[3]}});
    data.writeDrawing(QStringLiteral("峰"), fourBlockDrawing());
}

// GB2312 holds the double-byte codes with both bytes in A1–FE and the lead
// byte up to F7; the rest of GBK are its additions.
bool inGb2312(const QString& character)
{
    const auto bytes = toGbk(character);
    if (!bytes || bytes->size() != 2)
        return false;
    const auto lead = uchar(bytes->at(0));
    const auto trail = uchar(bytes->at(1));
    return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

// The characters the built data draws from strokes cut out of a font
// (font-drawings.tsv: "character TAB font", or "-" and why not), in code order.
// The characters the build drew from a font, or from one named font.
QStringList builtFontDrawings(const QString& font = QString())
{
    QStringList drawn;
    QFile list(QStringLiteral(LUMBRELL_DATA_DIR "/font-drawings.tsv")); // the build's list, not installed
    if (!list.open(QIODevice::ReadOnly))
        return drawn;
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 2 && fields[1] != u"-" && (font.isEmpty() || fields[1] == font))
            drawn.append(fields[0]);
    }
    return drawn;
}

// The characters of the built data beyond GB2312 that have a drawing from
// the outline package, in code-point order.
QStringList builtAdditions()
{
    QStringList additions;
    const QStringList fromFonts = builtFontDrawings();
    for (const QString& file : QDir(BuiltData + QStringLiteral("/bmp")).entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        const QString character = file.chopped(4);
        if (character.size() == 1 && character[0].unicode() >= 0x3400 && !inGb2312(character)
            && !fromFonts.contains(character))
            additions.append(character);
    }
    std::sort(additions.begin(), additions.end());
    return additions;
}

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y));
    return count;
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void programWindowAsStarted();
    void windowAfterLookup();
    void windowUnderDarkPalette();
    void notFoundPanel();
    void builtDataLookup();
    void builtDataGallery_data();
    void builtDataGallery();
    void typingUser();
    void aboutWindow();
    void helpMessage();

private:
    QImage grabShown(MainWindow& form, const QString& name);
};

void ScreenshotTest::initTestCase()
{
    // CTest runs this test under xvfb-run and says so; there a missing X
    // server is a failure, not a reason to skip.
    if (QGuiApplication::platformName() != u"xcb") {
        const char* why = "the screenshots need an X server: run under xvfb-run (Debian package xvfb) with "
                          "QT_QPA_PLATFORM=xcb";
        if (qEnvironmentVariableIsSet("LUMBRELL_SCREENSHOTS_NEED_X"))
            QFAIL(why);
        QSKIP(why);
    }
    QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    qInfo("Screenshots at scale %d are saved in %s", scale(), LUMBRELL_ARTEFACTS);
}

void ScreenshotTest::programWindowAsStarted()
{
    // The program reads its data from its own folder: give a copy a folder of its own.
    QTemporaryDir home;
    FixtureFolder data;
    data.writeRecords({FixtureRecord{}});
    const QString program = home.filePath(QStringLiteral("lumbrell"));
    QVERIFY(QFile::copy(QStringLiteral(LUMBRELL_PROGRAM), program));
    QVERIFY(QFile::copy(data.dataFile(), home.filePath(QStringLiteral("wwbb11.dat"))));

    QProcess lumbrell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path()); // its own single-instance lock
    lumbrell.setProcessEnvironment(environment);
    lumbrell.start(program, {});
    QVERIFY(lumbrell.waitForStarted());
    const auto stop = qScopeGuard([&] {
        lumbrell.kill();
        lumbrell.waitForFinished();
    });

    const int s = scale();
    const QImage background = art::background(s).convertToFormat(QImage::Format_RGB32);
    const int width = 611 * s;
    const int height = 336 * s;
    QScreen* screen = QGuiApplication::primaryScreen();
    QImage desktop;
    std::optional<QPoint> origin;
    QTRY_VERIFY_WITH_TIMEOUT(
        (desktop = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32),
         (origin = findWindow(desktop, background)).has_value()) || lumbrell.state() != QProcess::Running,
        10000);
    desktop.save(artefactPath(QStringLiteral("screen.png")));
#ifndef LUMBRELL_TABLES_BUILT
    if (!origin)
        QSKIP("The program was built without its tables and stops at a message about them first; "
              "build with the data to take this screenshot.");
#endif
    QVERIFY2(origin, "the main window did not show (see screen.png in the artefact folder)");
    QTest::qWait(500); // let it finish painting
    desktop = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);

    // Shown centred on the screen (there is no window manager to add a frame).
    const QPoint centred((desktop.width() - width) / 2, (desktop.height() - height) / 2);
    QVERIFY((*origin - centred).manhattanLength() <= 2 * s);

    const QImage shot = desktop.copy(QRect(*origin, QSize(width, height)));
    const QString file = artefactPath(QStringLiteral("main-window.png"));
    QVERIFY(shot.save(file));
    qInfo("main window screenshot: %s", qPrintable(file));

    // The client area has its designed size: the background picture (614 × 339)
    // shows up to column 610 and row 335 and is cut off right after them.
    const QPoint right = *origin + QPoint(width - 1, 180 * s);
    const QPoint below = *origin + QPoint(300 * s, height - 1);
    QVERIFY(sameColour(desktop.pixel(right), background.pixel(right - *origin)));
    QVERIFY(!sameColour(desktop.pixel(right + QPoint(1, 0)), background.pixel(right - *origin + QPoint(1, 0))));
    QVERIFY(sameColour(desktop.pixel(below), background.pixel(below - *origin)));
    QVERIFY(!sameColour(desktop.pixel(below + QPoint(0, 1)), background.pixel(below - *origin + QPoint(0, 1))));

    // The two white panels of the background at their places, grey around them.
    for (const QPoint panel : {QPoint(13, 45), QPoint(13, 320), QPoint(141, 45), QPoint(141, 320), QPoint(600, 45),
                               QPoint(600, 320)})
        QVERIFY2(sameColour(shot.pixel(panel * s), qRgb(255, 255, 255)),
                 qPrintable(QStringLiteral("%1,%2").arg(panel.x()).arg(panel.y())));
    for (const QPoint field : {QPoint(4, 180), QPoint(131, 180), QPoint(609, 180), QPoint(600, 20), QPoint(300, 333)})
        QVERIFY(sameColour(shot.pixel(field * s), background.pixel(field * s))
                && !sameColour(shot.pixel(field * s), qRgb(255, 255, 255)));

    // Each visible control is drawn inside its rectangle and nothing is drawn
    // outside them: there the window shows its background picture unchanged.
    FixtureFolder layoutData;
    layoutData.writeRecords({FixtureRecord{}});
    MainWindow layout(layoutData.path(), TableTexts{});
    const auto rects = controlRectangles(layout);
    QRegion controls;
    for (const auto& [name, rect] : rects) {
        QVERIFY2(QRect(0, 0, 611, 336).contains(rect), qPrintable(name));
        controls += onScreen(rect);
    }
    int strayPixels = 0;
    QPoint firstStray;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (!controls.contains(QPoint(x, y)) && !sameColour(shot.pixel(x, y), background.pixel(x, y)))
                if (strayPixels++ == 0)
                    firstStray = QPoint(x, y);
    QVERIFY2(strayPixels == 0, qPrintable(QStringLiteral("%1 pixels drawn outside the controls, first at %2,%3")
                                               .arg(strayPixels).arg(firstStray.x()).arg(firstStray.y())));
    // Controls with a frame or text show it (the picture boxes and the frame
    // are white on the white panel at start).
    for (const auto& [name, logical] : rects) {
        if (name.startsWith(u"Picture1") || name == u"Frame1")
            continue;
        const QRect rect = onScreen(logical);
        int differing = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                differing += !sameColour(shot.pixel(x, y), background.pixel(x, y));
        QVERIFY2(differing > 0, qPrintable(name + QStringLiteral(" is not drawn")));
    }
}

QImage ScreenshotTest::grabShown(MainWindow& form, const QString& name)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    QTest::qWait(300);
    const QImage shot = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = artefactPath(name);
    shot.save(file);
    qInfo("screenshot: %s", qPrintable(file));
    return shot;
}

void ScreenshotTest::windowAfterLookup()
{
    FixtureFolder data;
    writeFourBlockFeng(data);
    QVERIFY(fourBlockDrawing(2).save(data.path() + QStringLiteral("/bmp/") + doubleDrawingFileName(QStringLiteral("峰")),
                                     "BMP"));
    MainWindow form(data.path(), TableTexts{});
    form.messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    form.notice = form.messageBox;
    designControl<QLineEdit>(form, "Text5")->setText(QStringLiteral("峰"));
    QVERIFY(!designControl<QLabel>(form, "Label10")->text().isEmpty());

    const int s = scale();
    const QImage shot = grabShown(form, QStringLiteral("after-lookup.png"));
    QCOMPARE(shot.size(), QSize(611, 336) * s);
    // Each box shows the drawing with one block filled in black, the others grey.
    for (int i = 0; i < 4; ++i) {
        const QRect box = onScreen(QRect(positionBox(form, i)->pos(), positionBox(form, i)->size()));
        const int black = countPixels(shot, box, [](QRgb p) { return sameColour(p, qRgb(0, 0, 0)); });
        const int grey = countPixels(shot, box, [](QRgb p) {
            return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) >= 112 && qRed(p) <= 160;
        });
        QVERIFY2(black > 1000 * s * s && grey > 3000 * s * s,
                 qPrintable(QStringLiteral("box %1: %2 black, %3 grey").arg(i).arg(black).arg(grey)));
        // At scale 2 the 2× drawing shows, rounded corners and all: the
        // corner pixel of a block is white there and grey in the 1× drawing.
        const QPoint corner = box.topLeft() + QPoint(8, 8) * s;
        QCOMPARE(sameColour(shot.pixel(corner), qRgb(255, 255, 255)), s == 2);
    }
    // The code line: blue text over its white twin.
    const QRect codeLine = onScreen(QRect(designControl<QLabel>(form, "Label10")->mapTo(&form, QPoint(0, 0)), designControl<QLabel>(form, "Label10")->size() + QSize(1, 1)));
    QVERIFY(countPixels(shot, codeLine, blueInk) > 20 * s * s);
    QVERIFY(designControl<PictureBox>(form, "Picture2")->isHidden());
}

// A dark desktop theme leaves the window as it is designed: the candidates
// black on white, the code area white.
void ScreenshotTest::windowUnderDarkPalette()
{
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    const QColor ground(0x35, 0x35, 0x35);
    const QColor lightText(0xDC, 0xDC, 0xDC);
    QApplication::setPalette(QPalette(lightText, ground, ground.lighter(150), ground.darker(150), ground.darker(120),
                                      lightText, Qt::white, QColor(0x23, 0x23, 0x23), ground));

    FixtureFolder data;
    writeFourBlockFeng(data);
    MainWindow form(data.path(), fixtureTables());
    form.messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    designControl<QLineEdit>(form, "Text5")->setText(QStringLiteral("峰"));
    designControl<QPlainTextEdit>(form, "Text6")->setPlainText(QStringLiteral("峰 刿 峁 峤 峥 嵛 "));
    QVERIFY(!designControl<QLabel>(form, "Label24")->text().isEmpty());

    const int s = scale();
    const QImage shot = grabShown(form, QStringLiteral("dark-palette.png"));
    const QRect candidates = onScreen(QRect(designControl<QPlainTextEdit>(form, "Text6")->viewport()->mapTo(&form, QPoint(0, 0)),
                                            designControl<QPlainTextEdit>(form, "Text6")->viewport()->size()));
    // Black ink: text in the theme's light grey would have no pixel darker than that grey.
    QVERIFY(countPixels(shot, candidates, [](QRgb p) { return qGray(p) < 60; }) > 5 * s * s);
    QVERIFY(countPixels(shot, candidates, [](QRgb p) { return sameColour(p, qRgb(255, 255, 255)); })
            > candidates.width() * candidates.height() * 3 / 4);
    const QPoint frame = designControl<QFrame>(form, "Frame1")->mapTo(&form, QPoint(0, 0));
    for (const QPoint inFrame : {QPoint(450, 60), QPoint(200, 121), QPoint(440, 146)})
        QVERIFY(sameColour(shot.pixel((frame + inFrame) * s), qRgb(255, 255, 255)));
    const QRect entry = onScreen(QRect(designControl<QLineEdit>(form, "Text5")->pos(), designControl<QLineEdit>(form, "Text5")->size()).adjusted(3, 3, -3, -3));
    QVERIFY(countPixels(shot, entry, [](QRgb p) { return sameColour(p, qRgb(255, 255, 255)); }) > entry.width() * 10);
}

void ScreenshotTest::notFoundPanel()
{
    FixtureFolder data;
    data.writeRecords({FixtureRecord{}});
    MainWindow form(data.path(), TableTexts{});
    designControl<QLineEdit>(form, "Text5")->setText(QStringLiteral("峰"));
    QVERIFY(!designControl<PictureBox>(form, "Picture2")->isHidden());

    const QImage shot = grabShown(form, QStringLiteral("not-found.png"));
    const int s = scale();
    const QRect panel = onScreen(QRect(designControl<PictureBox>(form, "Picture2")->pos(), designControl<PictureBox>(form, "Picture2")->size()));
    QVERIFY(countPixels(shot, panel, [](QRgb p) { return sameColour(p, qRgb(128, 64, 0)); }) > 200 * s * s);
    const QRect link = onScreen(QRect(designControl<QLabel>(form, "Label28")->mapTo(&form, QPoint(0, 0)), designControl<QLabel>(form, "Label28")->size()));
    QVERIFY(countPixels(shot, link, blueInk) > 50 * s * s);
}

void ScreenshotTest::builtDataLookup()
{
    const QString folder = BuiltData;
    if (!dataBuilt()) {
#ifdef LUMBRELL_DATA_BUILT
        QFAIL("the data build ran in this build folder, yet its data is missing");
#endif
        QSKIP("The data is not built in this build folder; the fixture lookup above stands in for it.");
    }
    QString tableProblems;
    MainWindow form(folder, loadEmbeddedTables(&tableProblems));
    QStringList messages;
    form.messageBox = [&](const QString&, const QString& text) { messages.append(text); };
    form.notice = form.messageBox;
    designControl<QLineEdit>(form, "Text5")->setText(QStringLiteral("峰")); // typed into the entry box: the whole input chain runs
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    QVERIFY(!designControl<QLabel>(form, "Label10")->text().isEmpty());

    const QImage shot = grabShown(form, QStringLiteral("after-lookup-built-data.png"));
    // Every box shows ink: a marked component in black on the grey drawing, or
    // an identification diagram in black on white.
    for (int i = 0; i < 4; ++i) {
        const QRect box = onScreen(QRect(positionBox(form, i)->pos(), positionBox(form, i)->size()));
        const int black = countPixels(shot, box, [](QRgb p) { return sameColour(p, qRgb(0, 0, 0)); });
        const int drawn = countPixels(shot, box, [](QRgb p) { return !sameColour(p, qRgb(255, 255, 255)); });
        QVERIFY2(black > 30, qPrintable(QStringLiteral("box %1: %2 black of %3").arg(i).arg(black).arg(drawn)));
        if (i == 0)
            QVERIFY2(drawn > black + 100, "the first box shows the drawing around its marked component");
    }
    const QRect codeLine = onScreen(QRect(designControl<QLabel>(form, "Label10")->mapTo(&form, QPoint(0, 0)), designControl<QLabel>(form, "Label10")->size()));
    QVERIFY(countPixels(shot, codeLine, blueInk) > 20);
    if (tableProblems.isEmpty()) {
        QVERIFY(!designControl<QLabel>(form, "Label24")->text().isEmpty());
        const QRect pinyin = onScreen(QRect(designControl<QLabel>(form, "Label24")->mapTo(&form, QPoint(0, 0)), designControl<QLabel>(form, "Label24")->size()));
        QVERIFY(countPixels(shot, pinyin, blueInk) > 20);
    }
}

// The gallery: common characters, the characters whose splits need care, 30
// of the GBK additions the data holds, picked at random with a fixed seed,
// name characters without stroke outlines, 30 of the drawings cut from
// fonts, picked at random with another seed, and 12 of those cut from the
// Ming faces, with a third.
// What it shows is listed in gallery.txt in the artefact folder.
void ScreenshotTest::builtDataGallery_data()
{
    QTest::addColumn<QString>("character");
    if (!dataBuilt())
        return;
    QStringList common;
    for (const char16_t* c : {u"峰", u"你", u"国", u"中", u"倔", u"王", u"五", u"八", u"一", u"的", u"这", u"区", u"器",
                              u"赢", u"鼻"})
        common.append(QString::fromUtf16(c));
    const QStringList careful = {u"年"_s, u"临"_s, u"舞"_s, u"乘"_s, u"藏"_s, u"剩"_s, u"掘"_s, u"國"_s, u"門"_s,
                                 u"肅"_s, u"淵"_s, u"為"_s, u"體"_s, u"龜"_s, u"桃"_s, u"睡"_s, u"假"_s,
                                 u"悲"_s, u"遵"_s, u"眚"_s};

    const QStringList additions = builtAdditions();
    QStringList picked = additions;
    QRandomGenerator random(20261211);
    std::shuffle(picked.begin(), picked.end(), random);
    picked = picked.first(std::min<qsizetype>(30, picked.size()));

    QStringList shown = common;
    QStringList leftOut;
    for (const QString& character : careful) {
        // Characters beyond GB2312 come with the GBK additions of the data.
        if (inGb2312(character) || !additions.isEmpty())
            shown.append(character);
        else
            leftOut.append(character);
    }
    shown += picked;
    const QStringList names = {u"赟"_s, u"犇"_s, u"燚"_s, u"芃"_s, u"珺"_s, u"玥"_s, u"翀"_s, u"頔"_s};
    QStringList cut = builtFontDrawings();
    QRandomGenerator cutRandom(20261210);
    std::shuffle(cut.begin(), cut.end(), cutRandom);
    cut = cut.first(std::min<qsizetype>(30, cut.size()));
    // The Ming faces draw where the Kai face fails: they must stand as large as it.
    QStringList ming = builtFontDrawings(QStringLiteral("AR PL UMing")) + builtFontDrawings(QStringLiteral("Noto Serif CJK SC"));
    QRandomGenerator mingRandom(20261212);
    std::shuffle(ming.begin(), ming.end(), mingRandom);
    ming = ming.first(std::min<qsizetype>(12, ming.size()));
    if (!additions.isEmpty())
        shown += names + cut + ming;
    for (const QString& character : shown)
        QTest::newRow(character.toUtf8()) << character;

    if (scale() != 1)
        return; // the list is the same at every scale
    QFile list(artefactPath(QStringLiteral("gallery.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
    QTextStream out(&list);
    out << "Gallery of lookups in the built data (lookup-<character>.png)\n";
    out << "common: " << common.join(u' ') << "\n";
    out << "characters whose splits need care: " << careful.join(u' ') << "\n";
    if (!leftOut.isEmpty())
        out << "  not in this data (it holds GB2312 only): " << leftOut.join(u' ') << "\n";
    out << "GBK additions in the data: " << additions.size() << "; picked at random (seed 20261211): "
        << (picked.isEmpty() ? QStringLiteral("none") : picked.join(u' ')) << "\n";
    for (const QString& character : picked)
        out << "  " << character << QStringLiteral(" U+%1").arg(character[0].unicode(), 4, 16, QLatin1Char('0')).toUpper()
            << "\n";
    out << "name characters without stroke outlines: " << names.join(u' ') << "\n";
    out << "drawings cut from fonts: " << builtFontDrawings().size() << "; picked at random (seed 20261210): "
        << (cut.isEmpty() ? QStringLiteral("none") : cut.join(u' ')) << "\n";
    out << "drawn from the Ming faces (AR PL UMing, Noto Serif CJK SC), picked at random (seed 20261212): "
        << (ming.isEmpty() ? QStringLiteral("none") : ming.join(u' ')) << "\n";
}

// A screenshot per character for a reader to look at, each checked for its
// code line, its drawing and, where the record has seed points, black marking.
void ScreenshotTest::builtDataGallery()
{
    QFETCH(QString, character);
    const QString folder = BuiltData;
    MainWindow form(folder, loadEmbeddedTables());
    QStringList messages;
    form.messageBox = [&](const QString&, const QString& text) { messages.append(text); };
    form.notice = form.messageBox;
    designControl<QLineEdit>(form, "Text5")->setText(character);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));

    const QImage shot = grabShown(form, QStringLiteral("lookup-%1.png").arg(character));
    const QRect codeLine = onScreen(QRect(designControl<QLabel>(form, "Label10")->mapTo(&form, QPoint(0, 0)), designControl<QLabel>(form, "Label10")->size()));
    QVERIFY(countPixels(shot, codeLine, blueInk) > 20);
    const QRect first = onScreen(QRect(positionBox(form, 0)->pos(), positionBox(form, 0)->size()));
    const int drawn = countPixels(shot, first, [](QRgb p) { return !sameColour(p, qRgb(255, 255, 255)); });
    QVERIFY2(drawn > 100, "the first box shows the character's drawing");
    if (!form.session().view().lookup.plan.positions[0].seeds.isEmpty()) {
        const int black = countPixels(shot, first, [](QRgb p) { return sameColour(p, qRgb(0, 0, 0)); });
        QVERIFY2(black > 30, "the first component is marked");
    }
}

// What a user typing through an input method sees: the candidates of ma in
// one face, the code of a committed word under the code line, and the note
// for a character without a drawing.
void ScreenshotTest::typingUser()
{
    if (!dataBuilt()) {
#ifdef LUMBRELL_DATA_BUILT
        QFAIL("the data build ran in this build folder, yet its data is missing");
#endif
        QSKIP("The data is not built in this build folder; the input tests cover these lines.");
    }
    MainWindow form(BuiltData, loadEmbeddedTables());
    auto* entryBox = designControl<QLineEdit>(form, QStringLiteral("Text5"));
    auto* syllableField = designControl<SyllableChooser>(form, QStringLiteral("Combo6"))->edit();
    auto* wordLine = designControl<QLabel>(form, QStringLiteral("wordLine"));
    QStringList messages;
    form.messageBox = [&](const QString&, const QString& text) { messages.append(text); };
    form.notice = form.messageBox;
    const auto inkIn = [&](const QImage& shot, QWidget* widget) {
        const QRect rect = onScreen(QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()));
        return countPixels(shot, rect, [](QRgb p) { return qGray(p) < 96; });
    };
    const auto commit = [&](const QString& text) {
        entryBox->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(entryBox, &event);
    };

    syllableField->setFocus();
    QTest::keyClicks(syllableField, QStringLiteral("ma3"));
    QVERIFY(form.session().view().candidates.contains(QStringLiteral("蟇")));
    const QImage candidates = grabShown(form, QStringLiteral("candidates-ma.png"));
    QVERIFY(inkIn(candidates, designControl<QPlainTextEdit>(form, QStringLiteral("Text6"))) > 200);

    commit(QStringLiteral("中华人民共和国"));
    QCOMPARE(wordLine->text(), QStringLiteral("词组 中华人民共和国 kwwl"));
    const QImage word = grabShown(form, QStringLiteral("word-line.png"));
    QVERIFY(inkIn(word, wordLine) > 30);

    entryBox->clear();
    commit(QStringLiteral("中\U00020000国"));
    grabShown(form, QStringLiteral("word-line-missing.png"));

    entryBox->clear();
    commit(QStringLiteral("丗"));
    const QImage undrawn = grabShown(form, QStringLiteral("no-drawing.png"));
    QVERIFY(inkIn(undrawn, designControl<QLabel>(form, QStringLiteral("undrawnNote"))) > 30);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
}

void ScreenshotTest::aboutWindow()
{
    FixtureFolder data;
    data.writeRecords({FixtureRecord{}});
    MainWindow form(data.path(), TableTexts{});
    const QImage shot = grabModal(form, "Command2");
    const QString file = artefactPath(QStringLiteral("about-window.png"));
    shot.save(file);
    qInfo("screenshot: %s", qPrintable(file));
    const int s = scale();
    QCOMPARE(shot.size(), QSize(399, 279) * s);
    // The banner across the top, its name in white on the dark blue ground.
    const QRect banner = onScreen(QRect(150, 0, 249, 72));
    QVERIFY(countPixels(shot, banner, [](QRgb p) { return sameColour(p, qRgb(255, 255, 255)); }) > 200 * s * s);
    QVERIFY(countPixels(shot, banner, [](QRgb p) { return qBlue(p) > qRed(p) + 40; }) > 5000 * s * s);
    // The three links are blue.
    QVERIFY(countPixels(shot, onScreen(QRect(154, 110, 240, 80)), blueInk) > 100 * s * s);
}

void ScreenshotTest::helpMessage()
{
    FixtureFolder data;
    data.writeRecords({FixtureRecord{}});
    MainWindow form(data.path(), TableTexts{});
    const QImage shot = grabModal(form, "Command8");
    const QString file = artefactPath(QStringLiteral("help-message.png"));
    shot.save(file);
    qInfo("screenshot: %s", qPrintable(file));
    // Three lines of text with an empty line between them: three bands of ink
    // in the text's columns.
    QVERIFY(!shot.isNull());
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < shot.height() - 50 * scale(); ++y) { // above the OK button
        const bool ink = countPixels(shot, QRect(0, y, shot.width(), 1), [](QRgb p) { return qGray(p) < 100; }) > 0;
        bands += ink && !inBand;
        inBand = ink;
    }
    QCOMPARE(bands, 3);
}

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshot.moc"
