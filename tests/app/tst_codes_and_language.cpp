// The codes and the pinyin as text the user can take away: selected with the
// mouse or the keyboard and copied, in a face where l and 1 differ; and Qt's
// own words (OK, the edit menu) in Chinese under a Chinese locale.
#include "app/about/about_window.h"
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/translations.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

// A character drawn alone in a font's faces, four times the font's size so
// that small fonts show their shapes, as black on white pixels.
QImage glyph(const QFont& font, QChar character)
{
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * 4);
    painter.setFont(large);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QString(character));
    return image;
}

int inkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

// Pixels inked in one picture and not in the other.
int differingInk(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128);
    return count;
}

} // namespace

class CodesAndLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { form.reset(); }

    void twinBeneathNeverTakesTheMouse();
    void dragSelectsAndCopies_data();
    void dragSelectsAndCopies();
    void keyboardSelectsAllAndCopies();
    void codeFaceTellsLFromOne();
    void qtStringsSpeakChinese();

private:
    QLabel* label(const QString& name) { return name == u"code" ? designControl<QLabel>(*form, "Label10") : designControl<QLabel>(*form, "Label24"); }

    FixtureFolder folder;
    std::unique_ptr<MainWindow> form;
};

void CodesAndLanguageTest::init()
{
    // 一 has the code ggll: the two letters that some faces draw alike.
    folder.writeRecords({{QStringLiteral("一"), QStringLiteral("ggll"), QString(), QStringLiteral("g"), QString(),
                          QString(), QString(), QString()}});
    folder.writeDrawing(QStringLiteral("一"), twoBlockDrawing());
    form = std::make_unique<MainWindow>(folder.path(), fixtureTables());
    form->messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("一"));
    QCoreApplication::sendEvent(designControl<QLineEdit>(*form, "Text5"), &typed);
    QCOMPARE(designControl<QLabel>(*form, "Label10")->text(), QStringLiteral("g  ggll"));
    QCOMPARE(designControl<QLabel>(*form, "Label24")->text().trimmed(), QStringLiteral("yi"));
    QGuiApplication::clipboard()->clear();
}

void CodesAndLanguageTest::twinBeneathNeverTakesTheMouse()
{
    const std::pair<QLabel*, QLabel*> twins[] = {{designControl<QLabel>(*form, "Label10"), designControl<QLabel>(*form, "Label5")}, {designControl<QLabel>(*form, "Label24"), designControl<QLabel>(*form, "Label25")}};
    for (const auto& [shown, beneath] : twins) {
        const QRect both = shown->geometry().united(beneath->geometry());
        for (int y = both.top(); y <= both.bottom(); ++y)
            for (int x = both.left(); x <= both.right(); ++x) {
                QWidget* taker = designControl<QFrame>(*form, "Frame1")->childAt(x, y);
                QVERIFY2(taker != beneath, qPrintable(QStringLiteral("%1 at %2,%3").arg(beneath->text()).arg(x).arg(y)));
                if (shown->geometry().contains(x, y))
                    QCOMPARE(taker, shown);
            }
    }
}

void CodesAndLanguageTest::dragSelectsAndCopies_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("code line") << "code";
    QTest::newRow("pinyin") << "pinyin";
}

void CodesAndLanguageTest::dragSelectsAndCopies()
{
    QFETCH(QString, which);
    QLabel* shown = label(which);
    // The press lands where the user points: on the window, at the label's left edge.
    const QPoint from = shown->mapTo(form.get(), QPoint(1, shown->height() / 2));
    const QPoint to = shown->mapTo(form.get(), QPoint(shown->width() - 1, shown->height() / 2));
    QWidget* pressed = form->childAt(from);
    QCOMPARE(pressed, static_cast<QWidget*>(shown));
    QTest::mousePress(pressed, Qt::LeftButton, {}, pressed->mapFrom(form.get(), from));
    QTest::mouseMove(pressed, pressed->mapFrom(form.get(), to));
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, pressed->mapFrom(form.get(), to));
    QCOMPARE(shown->selectedText(), shown->text());
    QTest::keyClick(shown, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown->text());
}

void CodesAndLanguageTest::keyboardSelectsAllAndCopies()
{
    // A click puts the caret in the code line (Tab reaches it too); the
    // keyboard then selects and copies.
    QLabel* code = designControl<QLabel>(*form, "Label10");
    QCOMPARE(code->focusPolicy(), Qt::StrongFocus);
    QTest::mouseClick(code, Qt::LeftButton, {}, QPoint(2, code->height() / 2));
    QTRY_VERIFY(code->hasFocus());
    QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(code->selectedText(), QStringLiteral("g  ggll"));
    QTest::keyClick(code, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("g  ggll"));
    // Shift and the arrow keys select part of it.
    QTest::keyClick(code, Qt::Key_Home);
    QTest::keyClick(code, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(code->selectedText(), QStringLiteral("g"));
}

void CodesAndLanguageTest::codeFaceTellsLFromOne()
{
    // The codes, the pinyin ("lin") and the addresses of the links.
    AboutWindow about([](const QString&) {}, form.get());
    const QWidget& window = *form;
    for (QLabel* code : {designControl<QLabel>(window, "Label10"), designControl<QLabel>(window, "Label5"),
                         designControl<QLabel>(window, "Label24"), designControl<QLabel>(window, "Label25"),
                         designControl<QLabel>(window, "Label28"), designControl<QLabel>(about, "Label5"),
                         designControl<QLabel>(about, "Label6"), designControl<QLabel>(about, "Label7")}) {
        const QFont font = code->font();
        const QImage l = glyph(font, u'l');
        const QImage one = glyph(font, u'1');
        // The two shapes differ in a good part of their ink, not in a pixel or two.
        const int ink = std::min(inkPixels(l), inkPixels(one));
        QVERIFY(ink > 40);
        QVERIFY2(differingInk(l, one) > ink / 2,
                 qPrintable(QStringLiteral("%1: %2 of %3").arg(QFontInfo(font).family()).arg(differingInk(l, one)).arg(ink)));
    }
    QVERIFY(designControl<QLabel>(*form, "Label10")->font().bold());
    QCOMPARE(designControl<QLabel>(*form, "Label10")->font().pointSizeF(), 12.0);
}

void CodesAndLanguageTest::qtStringsSpeakChinese()
{
    QVERIFY2(loadQtTranslations(QLocale(QLocale::Chinese, QLocale::China)),
             "Qt's translations for zh_CN are missing: install the Debian package qt6-translations-l10n");

    // The OK of the window's message box.
    MainWindow real(folder.path(), fixtureTables());
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    QString ok;
    QTimer::singleShot(0, &real, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        ok = box->buttons().first()->text();
        box->close();
    });
    QTest::mouseClick(designControl<QPushButton>(real, "Command8"), Qt::LeftButton);
    QCOMPARE(ok, QStringLiteral("确定"));

    // The edit menu of the entry box, opened by a right click.
    const QPoint inside = designControl<QLineEdit>(real, "Text5")->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, designControl<QLineEdit>(real, "Text5")->mapToGlobal(inside));
    QCoreApplication::sendEvent(designControl<QLineEdit>(real, "Text5"), &rightClick);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList actions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            actions.append(action->text().section(u'\t', 0, 0)); // without the shortcut
    menu->close();
    QVERIFY2(actions.contains(QStringLiteral("复制(&C)")) && actions.contains(QStringLiteral("粘贴(&P)")),
             qPrintable(actions.join(u" | ")));
}

QTEST_MAIN(CodesAndLanguageTest)
#include "tst_codes_and_language.moc"
