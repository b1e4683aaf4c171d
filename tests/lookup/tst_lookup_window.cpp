// The lookup through the real main window: records, code line, pictures,
// marking and the not-found panel, on fixture data folders.
#include "app/main_window.h"
#include "formats/position_roots_format.h"
#include "tests/support/main_window_controls.h"
#include "app/fill_area.h"
#include "app/picture_box.h"
#include "resources/art.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb LeftGrey = 0xFF808080;
constexpr QRgb RightGrey = 0xFFA0A0A0;

// Seeds (in twips) inside the two blocks of twoBlockDrawing().
const QString LeftBlock = points({{300, 600}});   // pixel (20, 40)
const QString RightBlock = points({{1200, 600}}); // pixel (80, 40)
const QPoint LeftPixel(20, 40);
const QPoint RightPixel(80, 40);

// The identification diagram the window shows for an index.
QImage diagram(int index)
{
    return art::identificationDiagram(index);
}

struct Window {
    FixtureFolder folder;
    std::unique_ptr<MainWindow> form;
    QStringList messages;

    // rootLines, where given, is the data's position-roots file.
    explicit Window(const std::vector<FixtureRecord>& records, const QStringList& drawings,
                    const QString& rootLines = {})
    {
        folder.writeRecords(records);
        if (!rootLines.isEmpty()) {
            QFile roots(folder.path() + u'/' + QLatin1String(positionroots::FileName));
            if (!roots.open(QIODevice::WriteOnly) || roots.write(rootLines.toUtf8()) != rootLines.toUtf8().size())
                qFatal("the fixture's position-roots file cannot be written");
        }
        for (const QString& character : drawings)
            folder.writeDrawing(character, twoBlockDrawing());
        form = std::make_unique<MainWindow>(folder.path(), TableTexts{});
        form->messageBox = [this](const QString&, const QString& text) { messages.append(text); };
        form->notice = form->messageBox;
    }

    void lookUp(const QString& character)
    {
        designControl<QLineEdit>(*form, "Text5")->setText(character); // its change runs the lookup
    }

    QRgb pixel(int box, QPoint at) const { return positionBox(*form, box)->surface().pixel(at); }
    const QImage& picture(int box) const { return positionBox(*form, box)->picture(); }
};

// 峰 is four components; 八 is a component with its identification letter;
// 一 a single stroke ending in two "l" letters; 倔 keeps its fourth box unmarked.
std::vector<FixtureRecord> records()
{
    // Ascending GBK: 啊 B0A1, 八 B0CB, 峰 B7E5, 倔 BEF3, 一 D2BB.
    return {
        {QStringLiteral("啊"), QStringLiteral("kbsk"), QString(), QStringLiteral("kb"), LeftBlock, RightBlock,
         LeftBlock, RightBlock},
        {QStringLiteral("八"), QStringLiteral("wty"), QString(), QStringLiteral("wty"), LeftBlock, RightBlock,
         QStringLiteral("0"), QString()},
        {QStringLiteral("峰"), QStringLiteral("mtdh"), QStringLiteral("mtd"), QStringLiteral("mtdh"), LeftBlock,
         RightBlock, LeftBlock, RightBlock},
        {QStringLiteral("倔"), QStringLiteral("wnbm"), QStringLiteral("wnb"), QStringLiteral("wnbm"), LeftBlock,
         RightBlock, LeftBlock, RightBlock},
        {QStringLiteral("一"), QStringLiteral("ggll"), QStringLiteral("ggl"), QStringLiteral("g"), LeftBlock,
         RightBlock, QStringLiteral("0"), QStringLiteral("0")},
    };
}

} // namespace

class LookupWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsEmpty();
    void foundCharacterIsShownAndMarked();
    void markingSurvivesRepaint();
    void identificationDiagramEndsTheLookup();
    void singleStrokeShowsBothDiagrams();
    void twoLetterCode3EmptiesLastBoxes();
    void juePositionFourStaysUnmarked();
    void notFoundShowsThePanel();
    void missingDrawingShowsCodesAndTellsOnce();
    void emptyDataFileFindsNothing();
    void characterWithoutDrawingShowsItself();
    void unsplitCharacterSaysSo();
    void missingDrawingsFolderLosesNoTypedKey();
    void fillAreaKeepsFillStyleAndColour();
    void picturesNameTheirRoots_data();
    void picturesNameTheirRoots();
    void picturesWithoutRootsNameNothing();
};

void LookupWindowTest::startsEmpty()
{
    Window w(records(), {});
    QVERIFY(w.form->startupError().isEmpty());
    QVERIFY(designControl<QLabel>(*w.form, "Label5")->text().isEmpty());
    QVERIFY(designControl<QLabel>(*w.form, "Label10")->text().isEmpty());
    for (PictureBox* box : positionBoxes(*w.form))
        QVERIFY(!box->hasPicture());
    QVERIFY(designControl<PictureBox>(*w.form, "Picture2")->isHidden());
    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->pos() - designControl<QLabel>(*w.form, "Label10")->pos(), QPoint(1, 1));
    QCOMPARE(designControl<QLabel>(*w.form, "Label25")->pos() - designControl<QLabel>(*w.form, "Label24")->pos(), QPoint(1, 1));
}

void LookupWindowTest::foundCharacterIsShownAndMarked()
{
    Window w(records(), {QStringLiteral("峰")});
    w.lookUp(QStringLiteral("峰"));

    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("mtd  mtdh"));
    QCOMPARE(designControl<QLabel>(*w.form, "Label10")->text(), QStringLiteral("mtd  mtdh"));
    QVERIFY(designControl<PictureBox>(*w.form, "Picture2")->isHidden());
    for (int box = 0; box < 4; ++box) {
        QCOMPARE(w.picture(box).size(), QSize(112, 113));
        const bool left = box % 2 == 0;
        QCOMPARE(w.pixel(box, LeftPixel), left ? Black : LeftGrey);
        QCOMPARE(w.pixel(box, RightPixel), left ? RightGrey : Black);
        QCOMPARE(w.pixel(box, {1, 1}), 0xFFFFFFFF); // the background stays white
    }
}

void LookupWindowTest::markingSurvivesRepaint()
{
    Window w(records(), {QStringLiteral("峰")});
    w.form->show();
    w.lookUp(QStringLiteral("峰"));
    positionBox(*w.form, 0)->hide();
    positionBox(*w.form, 0)->show();
    const QImage shown = positionBox(*w.form, 0)->grab().toImage();
    QCOMPARE(shown.pixel(LeftPixel), Black);
    QCOMPARE(shown.pixel(RightPixel), RightGrey);
}

void LookupWindowTest::identificationDiagramEndsTheLookup()
{
    Window w(records(), {QStringLiteral("峰"), QStringLiteral("八")});
    w.lookUp(QStringLiteral("峰")); // fills all four boxes first
    w.lookUp(QStringLiteral("八"));

    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("wty"));
    QCOMPARE(w.pixel(0, LeftPixel), Black);
    QCOMPARE(w.pixel(1, RightPixel), Black);
    QCOMPARE(w.picture(2), diagram(9)); // y: left-right, last stroke a dot
    QVERIFY(!positionBox(*w.form, 3)->hasPicture()); // a three-letter code has no fourth position
}

void LookupWindowTest::singleStrokeShowsBothDiagrams()
{
    Window w(records(), {QStringLiteral("一")});
    w.lookUp(QStringLiteral("一"));
    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("g  ggl  ggll"));
    QCOMPARE(w.picture(2), diagram(15));
    QCOMPARE(w.picture(3), diagram(15));
}

void LookupWindowTest::twoLetterCode3EmptiesLastBoxes()
{
    Window w(records(), {QStringLiteral("峰"), QStringLiteral("啊")});
    w.lookUp(QStringLiteral("峰"));
    w.lookUp(QStringLiteral("啊"));
    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("kb  kbsk"));
    QVERIFY(positionBox(*w.form, 0)->hasPicture());
    QVERIFY(!positionBox(*w.form, 2)->hasPicture());
    QVERIFY(!positionBox(*w.form, 3)->hasPicture());
}

void LookupWindowTest::juePositionFourStaysUnmarked()
{
    Window w(records(), {QStringLiteral("倔")});
    w.lookUp(QStringLiteral("倔"));
    QCOMPARE(w.pixel(2, LeftPixel), Black);
    QCOMPARE(w.pixel(3, RightPixel), RightGrey);
    QCOMPARE(w.pixel(3, LeftPixel), LeftGrey);
}

void LookupWindowTest::notFoundShowsThePanel()
{
    Window w(records(), {QStringLiteral("峰")});
    w.lookUp(QStringLiteral("峰"));
    w.lookUp(QStringLiteral("中"));

    QVERIFY(!designControl<PictureBox>(*w.form, "Picture2")->isHidden());
    QVERIFY(designControl<QLabel>(*w.form, "Label5")->text().isEmpty());
    QVERIFY(designControl<QLabel>(*w.form, "Label10")->text().isEmpty());
    for (PictureBox* box : positionBoxes(*w.form))
        QVERIFY(!box->hasPicture());

    w.lookUp(QStringLiteral("峰"));
    QVERIFY(designControl<PictureBox>(*w.form, "Picture2")->isHidden());
}

void LookupWindowTest::missingDrawingShowsCodesAndTellsOnce()
{
    Window w(records(), {QStringLiteral("啊")});
    w.lookUp(QStringLiteral("啊")); // boxes filled first
    w.lookUp(QStringLiteral("峰"));
    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("mtd  mtdh"));
    for (PictureBox* box : positionBoxes(*w.form))
        QVERIFY(!box->hasPicture());
    QCOMPARE(w.messages.size(), 1);
    QVERIFY2(w.messages[0].contains(QStringLiteral("峰.bmp")), qPrintable(w.messages[0]));

    w.lookUp(QStringLiteral("啊"));
    w.lookUp(QStringLiteral("峰"));
    QCOMPARE(w.messages.size(), 1);

    // A file that is not a picture is as good as missing.
    QFile bad(w.folder.path() + QStringLiteral("/bmp/倔.bmp"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    w.lookUp(QStringLiteral("倔"));
    QCOMPARE(w.messages.size(), 1); // once per run, not once per file
    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("wnb  wnbm"));
}

void LookupWindowTest::emptyDataFileFindsNothing()
{
    Window w({}, {});
    w.lookUp(QStringLiteral("峰"));
    QVERIFY(!designControl<PictureBox>(*w.form, "Picture2")->isHidden());
}

void LookupWindowTest::fillAreaKeepsFillStyleAndColour()
{
    PictureBox box;
    box.setPicture(twoBlockDrawing());
    box.fillStyle = PictureBox::FillStyle::Transparent;
    box.fillColor = qRgb(1, 2, 3);
    FillArea(box, 300, 600, qRgb(0, 0, 0));
    QCOMPARE(box.surface().pixel(LeftPixel), Black);
    QCOMPARE(box.fillStyle, PictureBox::FillStyle::Transparent);
    QCOMPARE(box.fillColor, qRgb(1, 2, 3));
    // The border type fills up to the border colour.
    FillArea(box, 1200, 600, qRgb(0, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(box.surface().pixel(RightPixel), Black);
    QCOMPARE(box.surface().pixel(1, 1), 0xFFFFFFFF);
    box.erase();
    QCOMPARE(box.surface().pixel(LeftPixel), LeftGrey);
}

// A record without fill points and without a drawing: codes and pinyin as
// for any character, the character itself in the first box, no message.
// The roots of the fixture's characters as the data build writes them.
const QString FixtureRoots = QStringLiteral("八\twty\t八\t丿\tid\n"
                                            "峰\tmtdh\t山\t夂\t三\t丨\n"
                                            "一\tggll\t一\t一\tid\tid\n"
                                            "啊\tkbsk\t口\t阝\t丁\t口\n");

void LookupWindowTest::picturesNameTheirRoots_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<QStringList>("tooltips");
    QTest::newRow("峰") << QStringLiteral("峰")
                       << QStringList{"码元 山 (M)", "码元 夂 (T)", "码元 三 (D)", "码元 丨 (H)"};
    QTest::newRow("八") << QStringLiteral("八")
                       << QStringList{"码元 八 (W)", "码元 丿 (T)", "识别码 左右型，最后一笔为捺 (Y)", ""};
    QTest::newRow("一") << QStringLiteral("一")
                       << QStringList{"码元 一 (G)", "码元 一 (G)", "识别码 硬性规定，5个单笔画最后两码 (L)",
                                      "识别码 硬性规定，5个单笔画最后两码 (L)"};
    // In the data, not in the roots file: no tooltip, and none left from 峰.
    QTest::newRow("倔 after 峰") << QStringLiteral("峰倔") << QStringList{"", "", "", ""};
}

// Each picture's tooltip names the root it blackens and its key, or the words
// of the identification diagram it shows.
void LookupWindowTest::picturesNameTheirRoots()
{
    QFETCH(QString, character);
    QFETCH(QStringList, tooltips);
    Window w(records(), {QStringLiteral("峰"), QStringLiteral("八"), QStringLiteral("倔"), QStringLiteral("一")},
             FixtureRoots);
    w.form->show();
    // Written into the entry box as an input method commits it.
    for (const QChar c : character) {
        QLineEdit* entry = designControl<QLineEdit>(*w.form, "Text5");
        entry->setFocus();
        entry->selectAll();
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QCoreApplication::sendEvent(entry, &commit);
    }
    QCOMPARE(designControl<QLabel>(*w.form, "Label10")->text().isEmpty(), false);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(positionBox(*w.form, i)->toolTip(), tooltips[i]);
}

// Data without a position-roots file still looks up; the pictures name nothing.
void LookupWindowTest::picturesWithoutRootsNameNothing()
{
    Window w(records(), {QStringLiteral("峰")});
    w.lookUp(QStringLiteral("峰"));
    QCOMPARE(designControl<QLabel>(*w.form, "Label10")->text(), QStringLiteral("mtd  mtdh"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(positionBox(*w.form, i)->toolTip(), QString());
    QVERIFY(w.messages.isEmpty());
}

void LookupWindowTest::characterWithoutDrawingShowsItself()
{
    std::vector<FixtureRecord> withoutOutline = records();
    withoutOutline.insert(withoutOutline.begin(), {QStringLiteral("彧"), QStringLiteral("akgr"), QString(),
                                                   QStringLiteral("ak"), QString(), QString(), QString(), QString()});
    Window w(withoutOutline, {QStringLiteral("峰")});
    w.lookUp(QStringLiteral("峰"));
    w.lookUp(QStringLiteral("彧"));

    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("ak  akgr"));
    QVERIFY(designControl<PictureBox>(*w.form, "Picture2")->isHidden());
    QVERIFY(designControl<QLabel>(*w.form, "notChineseNote")->isHidden());
    QVERIFY(designControl<QLabel>(*w.form, "unsplitNote")->isHidden());
    const QImage& first = w.picture(0);
    QCOMPARE(first.size(), QSize(112, 113));
    int ink = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ink += qGray(first.pixel(x, y)) < 128;
    QVERIFY2(ink > 200, "the character is drawn large");
    for (int box = 1; box < 4; ++box)
        QVERIFY(!positionBox(*w.form, box)->hasPicture());
    QVERIFY(w.messages.isEmpty());
}

// With the whole drawing folder gone, typing goes on: one message for the
// run, shown without taking the focus, and every typed character kept.
// A drawing whose record has no fill point at all (a character not split
// yet): the drawing unmarked in the first two boxes and a note over the empty
// last two; the next split character hides the note again.
void LookupWindowTest::unsplitCharacterSaysSo()
{
    std::vector<FixtureRecord> unsplit = records();
    // 肅 is GBK C343: after 倔 BEF3, before 一 D2BB.
    unsplit.insert(unsplit.begin() + 4, {QStringLiteral("肅"), QStringLiteral("vfjk"), QString(), QStringLiteral("vf"),
                                     QString(), QString(), QString(), QString()});
    Window w(unsplit, {QStringLiteral("峰"), QStringLiteral("肅")});
    w.lookUp(QStringLiteral("肅"));

    QCOMPARE(designControl<QLabel>(*w.form, "Label5")->text(), QStringLiteral("vf  vfjk"));
    for (int box = 0; box < 2; ++box) {
        QCOMPARE(w.pixel(box, LeftPixel), LeftGrey);
        QCOMPARE(w.pixel(box, RightPixel), RightGrey);
    }
    for (int box = 2; box < 4; ++box)
        QVERIFY(!positionBox(*w.form, box)->hasPicture());
    QVERIFY(!designControl<QLabel>(*w.form, "unsplitNote")->isHidden());
    QVERIFY(designControl<QLabel>(*w.form, "unsplitNote")->text().contains(QStringLiteral("拆分")));
    QVERIFY(w.messages.isEmpty());

    w.lookUp(QStringLiteral("峰"));
    QVERIFY(designControl<QLabel>(*w.form, "unsplitNote")->isHidden());
    QCOMPARE(w.pixel(0, LeftPixel), Black);
}

void LookupWindowTest::missingDrawingsFolderLosesNoTypedKey()
{
    FixtureFolder folder;
    folder.writeRecords(records());
    MainWindow form(folder.path(), TableTexts{});
    form.messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    designControl<QLineEdit>(form, "Text5")->setFocus();

    for (const QChar character : QStringLiteral("峰啊倔一")) {
        // Keys that carry a character, as a keyboard layout delivers them.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        QApplication::sendEvent(QApplication::focusWidget(), &release);
    }

    QCOMPARE(designControl<QLineEdit>(form, "Text5")->text(), QStringLiteral("峰啊倔一"));
    QCOMPARE(designControl<QLabel>(form, "Label5")->text(), QStringLiteral("g  ggl  ggll"));
    QVERIFY(designControl<QLineEdit>(form, "Text5")->hasFocus());
    QList<QMessageBox*> notices;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
            notices.append(box);
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0]->windowModality(), Qt::NonModal);
    QVERIFY(notices[0]->text().contains(QStringLiteral("峰.bmp")));
}

QTEST_MAIN(LookupWindowTest)
#include "tst_lookup_window.moc"
