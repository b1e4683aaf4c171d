// The windows under a dark desktop theme: they draw in their own colours, so
// they look the same, pixel for pixel, whatever palette the desktop gives the
// application, before or after they open.
#include "app/about/about_window.h"
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/picture_box.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

// A dark desktop theme: light grey text on near-black grounds.
QPalette darkPalette()
{
    const QColor ground(0x35, 0x35, 0x35);
    const QColor deep(0x23, 0x23, 0x23);
    const QColor lightText(0xDC, 0xDC, 0xDC);
    QPalette palette(lightText, ground, ground.lighter(150), deep, ground.darker(120), lightText, Qt::white, deep,
                     ground);
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, deep);
    palette.setColor(QPalette::ToolTipText, lightText);
    palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Link, QColor(0x80, 0xC0, 0xFF));
    return palette;
}

// A palette no design would use, so any colour taken from it shows.
QPalette garishPalette()
{
    QPalette palette(Qt::green, Qt::magenta, Qt::yellow, Qt::darkMagenta, Qt::darkYellow, Qt::cyan, Qt::red,
                     Qt::darkCyan, Qt::magenta);
    palette.setColor(QPalette::Highlight, Qt::darkGreen);
    palette.setColor(QPalette::ToolTipBase, Qt::darkRed);
    palette.setColor(QPalette::ToolTipText, Qt::yellow);
    return palette;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class DarkDesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { QApplication::setPalette(lightPalette); }
    void cleanupTestCase() { QApplication::setPalette(lightPalette); }

    void mainWindowLooksTheSameUnderEveryPalette_data();
    void mainWindowLooksTheSameUnderEveryPalette();
    void paletteChangedWhileOpenChangesNothing();
    void candidatesAreBlackOnWhiteAndCodeAreaStaysWhite();
    void popupsAndTooltipsKeepTheWindowsColours();
    void aboutWindowLooksTheSameUnderADarkPalette();
    void messageBoxLooksTheSameUnderADarkPalette();

private:
    // The main window after a lookup of 峰 typed into the entry box, with
    // candidates in the candidate box.
    std::unique_ptr<MainWindow> openWindow();
    QImage grabMessageBox(MainWindow& form);

    QPalette lightPalette;
    FixtureFolder folder;
};

void DarkDesktopTest::initTestCase()
{
    lightPalette = QApplication::style()->standardPalette();
    QApplication::setCursorFlashTime(0); // a caret that does not blink grabs the same every time
    folder.writeRecords({{QStringLiteral("峰"), QStringLiteral("mtdh"), QString(), QStringLiteral("mt"),
                          points({{25 * 15, 50 * 15}}), points({{80 * 15, 50 * 15}}), QString(), QString()}});
    folder.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
}

std::unique_ptr<MainWindow> DarkDesktopTest::openWindow()
{
    auto form = std::make_unique<MainWindow>(folder.path(), TableTexts{});
    form->messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("峰"));
    QCoreApplication::sendEvent(designControl<QLineEdit>(*form, "Text5"), &typed);
    designControl<QPlainTextEdit>(*form, "Text6")->setPlainText(QStringLiteral("峰 岭 "));
    return form;
}

void DarkDesktopTest::mainWindowLooksTheSameUnderEveryPalette_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("garish") << garishPalette();
}

void DarkDesktopTest::mainWindowLooksTheSameUnderEveryPalette()
{
    QFETCH(QPalette, desktop);
    const auto light = openWindow();
    QVERIFY(light);
    QVERIFY(!designControl<QLabel>(*light, "Label10")->text().isEmpty());
    const QImage expected = grabbed(light.get());
    light->close();

    QApplication::setPalette(desktop);
    const auto themed = openWindow();
    QVERIFY(themed);
    const QImage shot = grabbed(themed.get());
    QCOMPARE(differingPixels(shot, expected), 0);
}

void DarkDesktopTest::paletteChangedWhileOpenChangesNothing()
{
    const auto form = openWindow();
    QVERIFY(form);
    const QImage before = grabbed(form.get());
    QApplication::setPalette(darkPalette());
    QCoreApplication::processEvents();
    QCOMPARE(differingPixels(grabbed(form.get()), before), 0);
}

void DarkDesktopTest::candidatesAreBlackOnWhiteAndCodeAreaStaysWhite()
{
    QApplication::setPalette(darkPalette());
    const auto form = openWindow();
    QVERIFY(form);
    const QImage shot = grabbed(form.get());

    // The candidates: black ink on the white box (text in the theme's light
    // grey would have no pixel darker than that grey).
    const QRect candidates(designControl<QPlainTextEdit>(*form, "Text6")->viewport()->mapTo(form.get(), QPoint(0, 0)), designControl<QPlainTextEdit>(*form, "Text6")->viewport()->size());
    int darkest = 255;
    int ink = 0;
    for (int y = candidates.top(); y <= candidates.bottom(); ++y)
        for (int x = candidates.left(); x <= candidates.right(); ++x) {
            darkest = std::min(darkest, qGray(shot.pixel(x, y)));
            ink += qGray(shot.pixel(x, y)) < 128;
        }
    QVERIFY2(darkest < 60 && ink > 20, qPrintable(QStringLiteral("darkest %1, %2 inked").arg(darkest).arg(ink)));
    QCOMPARE(shot.pixel(candidates.bottomRight() - QPoint(4, 4)), qRgb(255, 255, 255));

    // The code area: the frame's ground is white beside and below the pictures
    // and around the code line.
    const QPoint frame = designControl<QFrame>(*form, "Frame1")->mapTo(form.get(), QPoint(0, 0));
    for (const QPoint inFrame : {QPoint(450, 60), QPoint(200, 121), QPoint(440, 121), QPoint(440, 146), QPoint(2, 146)})
        QCOMPARE(shot.pixel(frame + inFrame), qRgb(255, 255, 255));
}

void DarkDesktopTest::popupsAndTooltipsKeepTheWindowsColours()
{
    QApplication::setPalette(darkPalette());
    const auto form = openWindow();
    QVERIFY(form);
    QComboBox* chooser = strokeChooser(*form, 0);
    chooser->showPopup();
    QAbstractItemView* list = chooser->view();
    QTRY_VERIFY(list->isVisible());
    const QPalette shown = list->palette();
    QCOMPARE(shown.color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(shown.color(QPalette::Text), QColor(Qt::black));
    chooser->hidePopup();

    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipText), QColor(Qt::black));
    QVERIFY(QToolTip::palette().color(QPalette::ToolTipBase).lightness() > 200);
}

void DarkDesktopTest::aboutWindowLooksTheSameUnderADarkPalette()
{
    const auto form = openWindow();
    QVERIFY(form);
    AboutWindow light([](const QString&) {}, form.get());
    light.show();
    QVERIFY(QTest::qWaitForWindowExposed(&light));
    const QImage expected = grabbed(&light);
    light.close();

    QApplication::setPalette(darkPalette());
    AboutWindow dark([](const QString&) {}, form.get());
    dark.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dark));
    QCOMPARE(differingPixels(grabbed(&dark), expected), 0);
}

QImage DarkDesktopTest::grabMessageBox(MainWindow& form)
{
    QImage shot;
    QTimer::singleShot(0, &form, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        shot = grabbed(box);
        box->close();
    });
    form.messageBox(QStringLiteral("标题"), QStringLiteral("一条消息"));
    return shot;
}

void DarkDesktopTest::messageBoxLooksTheSameUnderADarkPalette()
{
    FixtureFolder plain;
    plain.writeRecords({FixtureRecord{}});
    MainWindow light(plain.path(), TableTexts{});
    light.show();
    QVERIFY(QTest::qWaitForWindowExposed(&light));
    const QImage expected = grabMessageBox(light);
    QVERIFY(!expected.isNull());

    QApplication::setPalette(darkPalette());
    MainWindow dark(plain.path(), TableTexts{});
    dark.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dark));
    QCOMPARE(differingPixels(grabMessageBox(dark), expected), 0);
}

QTEST_MAIN(DarkDesktopTest)
#include "tst_dark_desktop.moc"
