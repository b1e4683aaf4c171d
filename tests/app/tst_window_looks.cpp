// The main window's frame, layout, fonts, colours, pointers, tooltips and
// pictures, checked on the real window.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/syllable_chooser.h"
#include "app/picture_box.h"
#include "formats/twips.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace

class WindowLooksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { form.reset(); }

    void frameIsFixedWithoutMaximise();
    void controlsStandAtTheirRectangles_data();
    void controlsStandAtTheirRectangles();
    void labelsSizeThemselvesToTheirCaption();
    void twinsLieTwentyTwipsRightAndBelow();
    void handPointerOnlyOnCandidatesAndLink();
    void tooltipsOnStrokeChoosersAndHelpOnly();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void backgroundLiesUnderEveryControl();
    void notFoundPanelCarriesItsNotice();
    void focusStartsInEntryBox();

private:
    FixtureFolder folder;
    std::unique_ptr<MainWindow> form;
};

void WindowLooksTest::init()
{
    folder.writeRecords({FixtureRecord{}}); // one blank record: the window needs no particular data
    form = std::make_unique<MainWindow>(folder.path(), TableTexts{});
    QVERIFY(form->startupError().isEmpty());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void WindowLooksTest::frameIsFixedWithoutMaximise()
{
    QCOMPARE(form->size(), QSize(611, 336));
    QCOMPARE(form->minimumSize(), form->size());
    QCOMPARE(form->maximumSize(), form->size());
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    form->showMinimized();
    QTRY_VERIFY(form->isMinimized());
}

void WindowLooksTest::controlsStandAtTheirRectangles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("Command2") << "Command2" << twipsRect(180, 95, 675, 315);
    QTest::newRow("Text5") << "Text5" << twipsRect(1020, 112, 2985, 300);
    QTest::newRow("Combo6") << "Combo6" << twipsRect(300, 690, 1455, 4140);
    QTest::newRow("Combo1") << "Combo1" << twipsRect(3810, 660, 855, 300);
    QTest::newRow("Combo2") << "Combo2" << twipsRect(4725, 660, 855, 300);
    QTest::newRow("Combo3") << "Combo3" << twipsRect(5640, 660, 855, 300);
    QTest::newRow("Combo4") << "Combo4" << twipsRect(6555, 660, 855, 300);
    QTest::newRow("Combo5") << "Combo5" << twipsRect(7470, 660, 855, 300);
    QTest::newRow("Command8") << "Command8" << twipsRect(8520, 650, 435, 300);
    QTest::newRow("Text6") << "Text6" << twipsRect(2190, 990, 6735, 1545);
    QTest::newRow("Frame1") << "Frame1" << twipsRect(2190, 2550, 6765, 2235);
    QTest::newRow("Picture1(0)") << "Picture1(0)" << twipsRect(2220, 2610, 1680, 1695);
    QTest::newRow("Picture1(1)") << "Picture1(1)" << twipsRect(3885, 2610, 1680, 1695);
    QTest::newRow("Picture1(2)") << "Picture1(2)" << twipsRect(5565, 2610, 1680, 1695);
    QTest::newRow("Picture1(3)") << "Picture1(3)" << twipsRect(7245, 2610, 1680, 1695);
    QTest::newRow("Picture2") << "Picture2" << twipsRect(2700, 3000, 5790, 1080);
    // A line is a one-pixel rectangle from its start to its end point.
    QTest::newRow("Line2") << "Line2" << QRect(QPoint(twipsToPixels(8940), twipsToPixels(990)), QSize(1, 103));
    QTest::newRow("Line1") << "Line1" << QRect(QPoint(twipsToPixels(120), twipsToPixels(1770)), QSize(434, 1));
}

void WindowLooksTest::controlsStandAtTheirRectangles()
{
    QFETCH(QString, control);
    QFETCH(QRect, expected);
    const QHash<QString, QWidget*> controls = {
        {"Command2", designControl<QPushButton>(*form, "Command2")}, {"Text5", designControl<QLineEdit>(*form, "Text5")},       {"Combo6", designControl<SyllableChooser>(*form, "Combo6")},
        {"Combo1", strokeChooser(*form, 0)},   {"Combo2", strokeChooser(*form, 1)},    {"Combo3", strokeChooser(*form, 2)},
        {"Combo4", strokeChooser(*form, 3)},   {"Combo5", strokeChooser(*form, 4)},    {"Command8", designControl<QPushButton>(*form, "Command8")},
        {"Text6", designControl<QPlainTextEdit>(*form, "Text6")},       {"Frame1", designControl<QFrame>(*form, "Frame1")},      {"Picture1(0)", positionBox(*form, 0)},
        {"Picture1(1)", positionBox(*form, 1)}, {"Picture1(2)", positionBox(*form, 2)},
        {"Picture1(3)", positionBox(*form, 3)}, {"Picture2", designControl<PictureBox>(*form, "Picture2")}, {"Line2", designControl<QFrame>(*form, "Line2")},
        {"Line1", designControl<QFrame>(*form, "Line1")},
    };
    QCOMPARE(controls.value(control)->geometry(), expected);
}

void WindowLooksTest::labelsSizeThemselvesToTheirCaption()
{
    struct Case {
        QLabel* label;
        QPoint position;
    };
    const Case cases[] = {
        {designControl<QLabel>(*form, "Label15"), twipsRect(4170, 165, 0, 0).topLeft()}, {designControl<QLabel>(*form, "Label22"), twipsRect(2190, 720, 0, 0).topLeft()},
        {designControl<QLabel>(*form, "Label9"), twipsRect(15, 1905, 0, 0).topLeft()},   {designControl<QLabel>(*form, "Label10"), twipsRect(960, 1875, 0, 0).topLeft()},
        {designControl<QLabel>(*form, "Label23"), twipsRect(3690, 1905, 0, 0).topLeft()}, {designControl<QLabel>(*form, "Label24"), twipsRect(4590, 1875, 0, 0).topLeft()},
        {designControl<QLabel>(*form, "Label27"), twipsRect(420, 570, 0, 0).topLeft()},  {designControl<QLabel>(*form, "Label28"), twipsRect(1860, 810, 0, 0).topLeft()},
    };
    for (const Case& c : cases) {
        QCOMPARE(c.label->pos(), c.position);
        QCOMPARE(c.label->size(), c.label->sizeHint());
    }
    // A caption written later resizes its label as well.
    MainWindow::setCaption(designControl<QLabel>(*form, "Label10"), QStringLiteral("mtdh mtd"));
    QCOMPARE(designControl<QLabel>(*form, "Label10")->size(), designControl<QLabel>(*form, "Label10")->sizeHint());
    QVERIFY(designControl<QLabel>(*form, "Label10")->width() > designControl<QLabel>(*form, "Label10")->fontMetrics().horizontalAdvance(QStringLiteral("mtd")));
}

void WindowLooksTest::twinsLieTwentyTwipsRightAndBelow()
{
    QCOMPARE(designControl<QLabel>(*form, "Label5")->pos(), QPoint(twipsToPixels(960 + 20), twipsToPixels(1875 + 20)));
    QCOMPARE(designControl<QLabel>(*form, "Label25")->pos(), QPoint(twipsToPixels(4590 + 20), twipsToPixels(1875 + 20)));
}

void WindowLooksTest::handPointerOnlyOnCandidatesAndLink()
{
    QList<QWidget*> handed;
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.append(form.get());
    for (QWidget* widget : widgets)
        if (widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == Qt::BitmapCursor)
            handed.append(widget);
    QCOMPARE(handed.size(), 2);
    QVERIFY(handed.contains(designControl<QPlainTextEdit>(*form, "Text6")->viewport()));
    QVERIFY(handed.contains(designControl<QLabel>(*form, "Label28")));
    for (QWidget* widget : handed) {
        QCOMPARE(widget->cursor().hotSpot(), QPoint(5, 0));
        QCOMPARE(widget->cursor().bitmap().size(), QSize(32, 32));
    }
}

void WindowLooksTest::tooltipsOnStrokeChoosersAndHelpOnly()
{
    QMap<QWidget*, QString> tips;
    for (QWidget* widget : form->findChildren<QWidget*>())
        if (!widget->toolTip().isEmpty())
            tips.insert(widget, widget->toolTip());
    const QMap<QWidget*, QString> expected = {
        {strokeChooser(*form, 0), QStringLiteral("第一笔画")}, {strokeChooser(*form, 1), QStringLiteral("第二笔画")},
        {strokeChooser(*form, 2), QStringLiteral("第三笔画")}, {strokeChooser(*form, 3), QStringLiteral("第四笔画")},
        {strokeChooser(*form, 4), QStringLiteral("最后一笔画")}, {designControl<QPushButton>(*form, "Command8"), QStringLiteral("帮助")},
    };
    QCOMPARE(tips, expected);
}

void WindowLooksTest::fonts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::newRow("Command2") << "Command2" << 9.0 << false << false;
    QTest::newRow("Command8") << "Command8" << 9.0 << false << false;
    QTest::newRow("Combo1") << "Combo1" << 9.0 << false << false;
    QTest::newRow("Combo5") << "Combo5" << 9.0 << false << false;
    QTest::newRow("Text5") << "Text5" << 9.0 << false << false;
    QTest::newRow("Label15") << "Label15" << 9.0 << false << false;
    QTest::newRow("Label22") << "Label22" << 9.0 << false << false;
    QTest::newRow("Label27") << "Label27" << 9.0 << false << false;
    QTest::newRow("Label28") << "Label28" << 9.0 << false << true;
    QTest::newRow("Label9") << "Label9" << 10.5 << true << false;
    QTest::newRow("Label23") << "Label23" << 10.5 << true << false;
    QTest::newRow("Label10") << "Label10" << 12.0 << true << false;
    QTest::newRow("Label5") << "Label5" << 12.0 << true << false;
    QTest::newRow("Label24") << "Label24" << 12.0 << true << false;
    QTest::newRow("Label25") << "Label25" << 12.0 << true << false;
    QTest::newRow("Text6") << "Text6" << 12.0 << false << false;
}

void WindowLooksTest::fonts()
{
    QFETCH(QString, control);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    const QHash<QString, QWidget*> controls = {
        {"Command2", designControl<QPushButton>(*form, "Command2")}, {"Command8", designControl<QPushButton>(*form, "Command8")}, {"Combo1", strokeChooser(*form, 0)},
        {"Combo5", strokeChooser(*form, 4)},   {"Text5", designControl<QLineEdit>(*form, "Text5")},       {"Label15", designControl<QLabel>(*form, "Label15")},
        {"Label22", designControl<QLabel>(*form, "Label22")},   {"Label27", designControl<QLabel>(*form, "Label27")},   {"Label28", designControl<QLabel>(*form, "Label28")},
        {"Label9", designControl<QLabel>(*form, "Label9")},     {"Label23", designControl<QLabel>(*form, "Label23")},   {"Label10", designControl<QLabel>(*form, "Label10")},
        {"Label5", designControl<QLabel>(*form, "Label5")},     {"Label24", designControl<QLabel>(*form, "Label24")},   {"Label25", designControl<QLabel>(*form, "Label25")},
        {"Text6", designControl<QPlainTextEdit>(*form, "Text6")},
    };
    const QFont font = controls.value(control)->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    // The face that is actually used writes Simplified Chinese; the code line,
    // the pinyin and the link write their Latin letters in a face of their own
    // and fall back to one that writes Chinese.
    const QString family = QFontInfo(font).family();
    const QHash<QString, QString> latinFaces = {
        {"Label10", "DejaVu Sans Mono"}, {"Label5", "DejaVu Sans Mono"}, {"Label24", "DejaVu Sans"},
        {"Label25", "DejaVu Sans"},      {"Label28", "DejaVu Sans"},
    };
    if (latinFaces.contains(control)) {
        QCOMPARE(family, latinFaces.value(control));
        const QStringList faces = font.families();
        QVERIFY(std::any_of(faces.begin(), faces.end(), [](const QString& face) {
            return QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese);
        }));
        return;
    }
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese), qPrintable(family));
}

void WindowLooksTest::colours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("ground"); // invalid: transparent, the window shows through
    const QColor none;
    QTest::newRow("Label9") << "Label9" << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("Label23") << "Label23" << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("Label27") << "Label27" << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("Label28") << "Label28" << QColor(0x0000FF) << QColor(Qt::white);
    QTest::newRow("Label10") << "Label10" << QColor(0x0000FF) << none;
    QTest::newRow("Label24") << "Label24" << QColor(0x0000FF) << none;
    QTest::newRow("Label5") << "Label5" << QColor(0xFFFFFF) << none;
    QTest::newRow("Label25") << "Label25" << QColor(0xFFFFFF) << none;
    QTest::newRow("Label15") << "Label15" << QColor(Qt::black) << none;
    QTest::newRow("Label22") << "Label22" << QColor(Qt::black) << none;
    QTest::newRow("Line1") << "Line1" << QColor(0xC0C0C0) << none;
    QTest::newRow("Line2") << "Line2" << QColor(Qt::black) << none;
    // The frame has a text box's colours, black on white, whatever the desktop's theme.
    QTest::newRow("Frame1") << "Frame1" << QColor(Qt::black) << QColor(Qt::white);
}

void WindowLooksTest::colours()
{
    QFETCH(QString, control);
    QFETCH(QColor, text);
    QFETCH(QColor, ground);
    const QHash<QString, QWidget*> controls = {
        {"Label9", designControl<QLabel>(*form, "Label9")},   {"Label23", designControl<QLabel>(*form, "Label23")}, {"Label27", designControl<QLabel>(*form, "Label27")},
        {"Label28", designControl<QLabel>(*form, "Label28")}, {"Label10", designControl<QLabel>(*form, "Label10")}, {"Label24", designControl<QLabel>(*form, "Label24")},
        {"Label5", designControl<QLabel>(*form, "Label5")},   {"Label25", designControl<QLabel>(*form, "Label25")}, {"Label15", designControl<QLabel>(*form, "Label15")},
        {"Label22", designControl<QLabel>(*form, "Label22")}, {"Line1", designControl<QFrame>(*form, "Line1")},     {"Line2", designControl<QFrame>(*form, "Line2")},
        {"Frame1", designControl<QFrame>(*form, "Frame1")},
    };
    QWidget* widget = controls.value(control);
    QCOMPARE(widget->palette().color(QPalette::WindowText), text);
    QCOMPARE(widget->autoFillBackground(), ground.isValid());
    if (ground.isValid())
        QCOMPARE(widget->palette().color(QPalette::Window), ground);
}

void WindowLooksTest::backgroundLiesUnderEveryControl()
{
    auto* background = form->findChild<QLabel*>(QStringLiteral("background"));
    QVERIFY(background);
    QCOMPARE(background->geometry(), QRect(0, 0, 614, 339));
    QCOMPARE(background->pixmap().size(), QSize(614, 339));
    // The bottom of the stacking order is the first child widget.
    QWidget* bottom = nullptr;
    for (QObject* child : form->children())
        if ((bottom = qobject_cast<QWidget*>(child)))
            break;
    QCOMPARE(bottom, background);
    QVERIFY(background->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void WindowLooksTest::notFoundPanelCarriesItsNotice()
{
    QCOMPARE(designControl<PictureBox>(*form, "Picture2")->picture().size(), QSize(386, 33));
    QVERIFY(!designControl<PictureBox>(*form, "Picture2")->isVisible());
    QCOMPARE(designControl<QLabel>(*form, "Label28")->text(), QStringLiteral("www.lumbrell.example.org"));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(form->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void WindowLooksTest::focusStartsInEntryBox()
{
    form->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(designControl<QLineEdit>(*form, "Text5")));
}

QTEST_MAIN(WindowLooksTest)
#include "tst_window_looks.moc"
