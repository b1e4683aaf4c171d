// The stroke-input help message and the link of the not-found panel.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/picture_box.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace lumbrell;
using namespace lumbrell::testing;

class HelpAndLinksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { form.reset(); }

    void helpTextIsExact();
    void focusReturnsToEntryBoxAfterHelp();
    void notFoundLinkOpensHomePage();
    void linkNoProgramOpensIsNamedInAMessage_data();
    void linkNoProgramOpensIsNamedInAMessage();
    void linkTheDesktopOpensRaisesNoMessage();

private:
    FixtureFolder folder;
    std::unique_ptr<MainWindow> form;
    QList<QPair<QString, QString>> messages;
    QStringList opened;
};

void HelpAndLinksTest::init()
{
    folder.writeRecords({FixtureRecord{}}); // one blank record: the window needs no particular data
    form = std::make_unique<MainWindow>(folder.path(), TableTexts{});
    messages.clear();
    opened.clear();
    form->messageBox = [this](const QString& title, const QString& text) { messages.append({title, text}); };
    form->openOnDesktop = [this](const QString& target) { opened.append(target); };
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void HelpAndLinksTest::helpTextIsExact()
{
    QTest::mouseClick(designControl<QPushButton>(*form, "Command8"), Qt::LeftButton);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].first, QStringLiteral("笔画输入提示！"));

    // Each line ends in LF CR (10, 13); the first two carry a second pair.
    const QString lines[] = {
        QStringLiteral("笔画输入方法是：汉字第一笔画＋第二笔画＋第三笔画＋第四笔画＋最后一笔画；"),
        QStringLiteral("例如，你要输入“峰”字，用鼠标选择输入“丨”“乙”“丨”“丿”“丨”"),
        QStringLiteral("注意，乙笔画代表所有的“折”笔画！"),
    };
    const QString lfcr = QString(QChar(10)) + QChar(13);
    const QString expected = lines[0] + lfcr + lfcr + lines[1] + lfcr + lfcr + lines[2] + lfcr;
    QCOMPARE(messages[0].second, expected);
    // Full-width punctuation and the stroke characters are the exact code points.
    QVERIFY(messages[0].second.contains(QChar(0xFF0B)));                  // ＋
    QVERIFY(messages[0].second.contains(QStringLiteral("\u201C\u4E28\u201D"))); // “丨”
    QVERIFY(messages[0].second.contains(QStringLiteral("\u4E3F")));       // 丿
}

void HelpAndLinksTest::focusReturnsToEntryBoxAfterHelp()
{
    form->activateWindow();
    QTRY_VERIFY(form->isActiveWindow());
    designControl<QPushButton>(*form, "Command8")->setFocus();
    designControl<QPushButton>(*form, "Command8")->click();
    QCOMPARE(form->focusWidget(), static_cast<QWidget*>(designControl<QLineEdit>(*form, "Text5")));

    // The default message box: one OK button, no icon, modal; Enter closes it.
    std::unique_ptr<MainWindow> real = std::make_unique<MainWindow>(folder.path(), TableTexts{});
    real->show();
    QVERIFY(QTest::qWaitForWindowExposed(real.get()));
    bool checked = false;
    QTimer::singleShot(0, real.get(), [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("笔画输入提示！"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
        checked = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    designControl<QPushButton>(*real, "Command8")->click();
    QVERIFY(checked);
    QCOMPARE(real->focusWidget(), static_cast<QWidget*>(designControl<QLineEdit>(*real, "Text5")));
}

void HelpAndLinksTest::notFoundLinkOpensHomePage()
{
    designControl<PictureBox>(*form, "Picture2")->show();
    QTest::mouseClick(designControl<QLabel>(*form, "Label28"), Qt::LeftButton);
    QCOMPARE(opened, QStringList{QStringLiteral("http://") + designControl<QLabel>(*form, "Label28")->text()});
    QVERIFY(designControl<QLabel>(*form, "Label28")->text().endsWith(QStringLiteral(".example.org")));
    QVERIFY(messages.isEmpty());
}

void HelpAndLinksTest::linkNoProgramOpensIsNamedInAMessage_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("named");
    QTest::newRow("web site") << "http://www.lumbrell.example.org" << "http://www.lumbrell.example.org";
    QTest::newRow("e-mail") << "mailto:contact@lumbrell.example.org" << "contact@lumbrell.example.org";
}

// The desktop's own hand-over, not the tests' stand-in: on the offscreen
// platform no program takes a link, as on a desktop without a browser.
void HelpAndLinksTest::linkNoProgramOpensIsNamedInAMessage()
{
    QFETCH(QString, target);
    QFETCH(QString, named);
    MainWindow real(folder.path(), TableTexts{});
    real.messageBox = [this](const QString& title, const QString& text) { messages.append({title, text}); };
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    if (target.startsWith(u"http")) {
        designControl<PictureBox>(real, "Picture2")->show();
        QTest::mouseClick(designControl<QLabel>(real, "Label28"), Qt::LeftButton);
    } else {
        real.openOnDesktop(target); // as the about window's e-mail link hands it over
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].first, real.windowTitle());
    QVERIFY2(messages[0].second.contains(named), qPrintable(messages[0].second));
    if (target.startsWith(u"mailto"))
        QVERIFY(!messages[0].second.contains(u"mailto"));
}

// A desktop that takes the link opens it and nothing is said.
class LinkCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

void HelpAndLinksTest::linkTheDesktopOpensRaisesNoMessage()
{
    LinkCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); });
    MainWindow real(folder.path(), TableTexts{});
    real.messageBox = [this](const QString& title, const QString& text) { messages.append({title, text}); };
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    designControl<PictureBox>(real, "Picture2")->show();
    QTest::mouseClick(designControl<QLabel>(real, "Label28"), Qt::LeftButton);
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.lumbrell.example.org"))});
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(HelpAndLinksTest)
#include "tst_help_and_links.moc"
