// The about window: modal over the main window, OK focused, Enter closes it,
// built afresh on each opening, its controls and links.
#include "app/about/about_window.h"
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "formats/twips.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

QPoint twipsPoint(int left, int top) { return QPoint(twipsToPixels(left), twipsToPixels(top)); }

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { form.reset(); }

    void opensModalWithOkFocusedAndEnterCloses();
    void opensAfreshEachTime();
    void closeBoxAlsoUnloadsIt();
    void framesAndPlacesItsControls();
    void linksHandTheirTargetsToTheDesktop_data();
    void linksHandTheirTargetsToTheDesktop();

private:
    // Clicks the about button and runs whileOpen once the about window is up.
    void openAbout(const std::function<void(AboutWindow*)>& whileOpen);

    FixtureFolder folder;
    std::unique_ptr<MainWindow> form;
    QStringList opened;
};

void AboutWindowTest::init()
{
    folder.writeRecords({FixtureRecord{}}); // one blank record: the window needs no particular data
    form = std::make_unique<MainWindow>(folder.path(), TableTexts{});
    opened.clear();
    form->openOnDesktop = [this](const QString& target) { opened.append(target); };
    form->move(200, 150);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void AboutWindowTest::openAbout(const std::function<void(AboutWindow*)>& whileOpen)
{
    bool ran = false;
    QTimer::singleShot(0, form.get(), [&] {
        QTRY_VERIFY(qobject_cast<AboutWindow*>(QApplication::activeModalWidget()));
        auto* about = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowExposed(about));
        ran = true;
        whileOpen(about);
        if (about->isVisible()) // leave no modal window behind a failed check
            about->reject();
    });
    QTest::mouseClick(designControl<QPushButton>(*form, "Command2"), Qt::LeftButton);
    QVERIFY(ran);
}

void AboutWindowTest::opensModalWithOkFocusedAndEnterCloses()
{
    bool closedByEnter = false;
    openAbout([&](AboutWindow* about) {
        QVERIFY(about->isModal());
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QCOMPARE(about->parentWidget(), form.get());
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(designControl<QPushButton>(*about, "Command1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        closedByEnter = !about->isVisible();
    });
    QVERIFY(closedByEnter);
    // The main window's focus is back in the entry box (typing goes there).
    QCOMPARE(form->focusWidget(), static_cast<QWidget*>(designControl<QLineEdit>(*form, "Text5")));
}

void AboutWindowTest::opensAfreshEachTime()
{
    QPointer<AboutWindow> first;
    openAbout([&](AboutWindow* about) {
        first = about;
        designControl<QLabel>(*about, "Label1")->setText(QStringLiteral("changed"));
        QTest::mouseClick(designControl<QPushButton>(*about, "Command1"), Qt::LeftButton);
    });
    QVERIFY(first.isNull()); // closing unloads the window

    openAbout([&](AboutWindow* about) {
        QCOMPARE(designControl<QLabel>(*about, "Label1")->text(), QStringLiteral("软件名称： Lumbrell 3.0"));
        auto* ok = designControl<QPushButton>(*about, "Command1");
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ok));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
}

void AboutWindowTest::closeBoxAlsoUnloadsIt()
{
    QPointer<AboutWindow> about;
    openAbout([&](AboutWindow* window) {
        about = window;
        window->close();
    });
    QVERIFY(about.isNull());
    // The main window's focus is back in the entry box (typing goes there).
    QCOMPARE(form->focusWidget(), static_cast<QWidget*>(designControl<QLineEdit>(*form, "Text5")));
}

void AboutWindowTest::framesAndPlacesItsControls()
{
    openAbout([&](AboutWindow* about) {
        QCOMPARE(about->windowTitle(), QStringLiteral(" 关于"));
        QCOMPARE(about->size(), QSize(399, 279));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!about->windowIcon().isNull());
        // Centred on the main window.
        const QPoint offset = about->geometry().center() - form->geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));

        const auto* banner = designControl<QLabel>(*about, "Image1");
        auto* ok = designControl<QPushButton>(*about, "Command1");
        QCOMPARE(banner->geometry(), QRect(0, 0, 407, 72));
        QCOMPARE(banner->pixmap().size(), QSize(407, 72));
        QCOMPARE(ok->geometry(), QRect(twipsPoint(2400, 3660), QSize(91, 23)));
        QCOMPARE(ok->text(), QStringLiteral("确   定"));

        struct Label {
            const char* designName;
            QPoint position;
            QString caption;
        };
        const Label labels[] = {
            {"Label1", twipsPoint(1320, 1350), QStringLiteral("软件名称： Lumbrell 3.0")},
            {"Label2", twipsPoint(1320, 1676), QStringLiteral("官方网站： ")},
            {"Label6", twipsPoint(2310, 1676), QStringLiteral("www.lumbrell.example.org")},
            {"Label3", twipsPoint(1320, 2002), QStringLiteral("联系邮箱： ")},
            {"Label5", twipsPoint(2310, 2002), QStringLiteral("contact@lumbrell.example.org")},
            {"Label4", twipsPoint(1320, 2328), QStringLiteral("联系ＱＱ： 100000000")},
            {"Label8", twipsPoint(1320, 2655), QStringLiteral("其它软件： ")},
            {"Label7", twipsPoint(2310, 2670), QStringLiteral("www.lumbrell.example.org/down.htm")},
        };
        for (const Label& l : labels) {
            const auto* label = designControl<QLabel>(*about, l.designName);
            QCOMPARE(label->pos(), l.position);
            QCOMPARE(label->text(), l.caption);
            QCOMPARE(label->size(), label->sizeHint());
        }
        for (const char* designName : {"Label5", "Label6", "Label7"}) {
            const auto* link = designControl<QLabel>(*about, designName);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0x0000FF));
            QVERIFY(!link->autoFillBackground());
            QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(link->cursor().hotSpot(), QPoint(5, 0));
        }

        // The etched separator: a grey line with a white one just under it.
        const auto* grey = designControl<QFrame>(*about, "Line1(1)");
        const auto* white = designControl<QFrame>(*about, "Line1(0)");
        QCOMPARE(grey->geometry(), QRect(twipsPoint(330, 3450), twipsPoint(5785, 3450)));
        QCOMPARE(white->geometry(), QRect(twipsPoint(330, 3465), twipsPoint(5770, 3465)));
        QCOMPARE(grey->palette().color(QPalette::Window), QColor(0x808080));
        QCOMPARE(white->palette().color(QPalette::Window), QColor(0xFFFFFF));
        const QImage shot = about->grab().toImage();
        const int x = grey->x() + 50;
        QCOMPARE(QColor(shot.pixel(x, grey->y())), QColor(0x808080));
        QCOMPARE(QColor(shot.pixel(x, white->y())), QColor(0xFFFFFF));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
}

void AboutWindowTest::linksHandTheirTargetsToTheDesktop_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("scheme");
    // Every target is built from the caption the user sees.
    QTest::newRow("Label6 home page") << "Label6" << "http://";
    QTest::newRow("Label7 download page") << "Label7" << "http://";
    QTest::newRow("Label5 e-mail") << "Label5" << "mailto:";
}

void AboutWindowTest::linksHandTheirTargetsToTheDesktop()
{
    QFETCH(QString, link);
    QFETCH(QString, scheme);
    QString caption;
    openAbout([&](AboutWindow* about) {
        auto* label = designControl<QLabel>(*about, link);
        caption = label->text();
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(about->isVisible()); // a link leaves the window open
        QTest::mouseClick(designControl<QPushButton>(*about, "Command1"), Qt::LeftButton);
    });
    QCOMPARE(opened, QStringList{scheme + caption});
    QVERIFY(caption.contains(QStringLiteral("lumbrell.example.org")));
}

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
