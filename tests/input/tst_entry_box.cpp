// Typing, pasting, clicking and moving the caret in the entry box Text5, seen
// in the code line, the pinyin display, the pictures and the hidden state.
#include "tests/input/input_window.h"

#include "store/spaces.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

class EntryBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("codeLine");
        QTest::addColumn<QString>("pinyin");
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("pinyinKey");

        QTest::newRow("a character") << u"峰"_s << codeLineOf(u"峰"_s) << u"feng"_s << Shown::Found << u"峰"_s;
        QTest::newRow("two readings in table 1 end on the later")
            << u"铛"_s << codeLineOf(u"铛"_s) << u"dang"_s << Shown::Found << u"铛"_s;
        QTest::newRow("tables 1 and 2: table 1 wins")
            << u"虺"_s << codeLineOf(u"虺"_s) << u"chai"_s << Shown::Found << u"虺"_s;
        QTest::newRow("without a record, with pinyin") << u"吖"_s << QString() << u"a"_s << Shown::Panel << u"吖"_s;
        QTest::newRow("a letter: no Chinese character") << u"a"_s << QString() << QString() << Shown::Note << u"a"_s;
        // A committed word ends on its last character, as typed keys do.
        QTest::newRow("a word: its last character")
            << u"你好"_s << codeLineOf(u"好"_s) << u"hao"_s << Shown::Found << u"好"_s;
        QTest::newRow("leading space") << u" 你"_s << codeLineOf(u"你"_s) << u"ni"_s << Shown::Found << u"你"_s;
        QTest::newRow("spaces only: nothing looked up")
            << u"   "_s << codeLineOf(u"峰"_s) << u"feng"_s << Shown::Found << u" "_s;
        QTest::newRow("outside GBK") << u"𠀀"_s << QString() << QString() << Shown::Panel << u"𠀀"_s;
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, codeLine);
        QFETCH(QString, pinyin);
        QFETCH(Shown, shown);
        QFETCH(QString, pinyinKey);

        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"峰"_s);
        w.clearEntry();
        w.typeEntry(typed);

        QCOMPARE(w.codeLine(), codeLine);
        QCOMPARE(w.codeTwin(), codeLine);
        QCOMPARE(w.pinyin(), pinyin);
        QCOMPARE(w.pinyinTwin(), pinyin);
        QCOMPARE(w.shown(), shown);
        QCOMPARE(w.pictureShown(), shown == Shown::Found);
    }

    void pasteWithTheKeyboardEndsInFrontOfTheCaret()
    {
        InputWindow w;
        QVERIFY(w.active());
        QGuiApplication::clipboard()->setText(u"你好"_s);
        designControl<QLineEdit>(*w.form, "Text5")->setFocus();

        QTest::keyPress(designControl<QLineEdit>(*w.form, "Text5"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->text(), u"你好"_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"你"_s));
        QCOMPARE(w.pinyin(), u"ni"_s);

        QTest::keyRelease(designControl<QLineEdit>(*w.form, "Text5"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->cursorPosition(), 2);
        QCOMPARE(w.codeLine(), codeLineOf(u"好"_s));
        QCOMPARE(w.codeTwin(), codeLineOf(u"好"_s));
        QCOMPARE(w.pinyin(), u"hao"_s);
        QCOMPARE(w.pinyinTwin(), u"hao"_s);
        QVERIFY(!w.notFoundShown());
    }

    void keysLookUpTheCharacterInFrontOfTheCaret()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"𠀀你峰"_s); // a character beyond 16 bits takes two units
        QCOMPARE(w.codeLine(), codeLineOf(u"峰"_s));

        struct Step {
            Qt::Key key;
            int caret;           // in units
            QString pinyinKey;   // what the key-up wrote, or kept
            QString codeLine;
        };
        const Step steps[] = {
            {Qt::Key_Left, 3, u"你"_s, codeLineOf(u"你"_s)},
            {Qt::Key_Left, 2, u"𠀀"_s, QString()}, // the whole pair, never half of it
            {Qt::Key_End, 4, u"峰"_s, codeLineOf(u"峰"_s)},
            {Qt::Key_Home, 0, u"峰"_s, codeLineOf(u"峰"_s)}, // nothing in front: nothing happens
        };
        for (const Step& step : steps) {
            QTest::keyClick(designControl<QLineEdit>(*w.form, "Text5"), step.key);
            QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->cursorPosition(), step.caret);
            QCOMPARE(w.codeLine(), step.codeLine);
        }
    }

    void clicks_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("codeLine");
        QTest::addColumn<QString>("pinyin");

        // The entry holds 你好峰; typing it looked up 峰.
        QTest::newRow("in front of the second") << 1 << u"好"_s << codeLineOf(u"好"_s) << u"hao"_s;
        QTest::newRow("in front of the first") << 0 << u"你"_s << codeLineOf(u"你"_s) << u"ni"_s;
        QTest::newRow("at the end: nothing to select") << 3 << QString() << codeLineOf(u"峰"_s) << u"feng"_s;
    }

    void clicks()
    {
        QFETCH(int, at);
        QFETCH(QString, selected);
        QFETCH(QString, codeLine);
        QFETCH(QString, pinyin);

        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"你好峰"_s);
        QTest::mouseClick(designControl<QLineEdit>(*w.form, "Text5"), Qt::LeftButton, {}, w.entryPoint(at));

        QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->selectedText(), selected);
        QCOMPARE(w.codeLine(), codeLine);
        QCOMPARE(w.pinyin(), pinyin);
    }

    // A click on a space selects it; it is written as the query and the key
    // but is blank, so nothing is looked up.
    void clickOnASpaceLooksUpNothing()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"峰"_s);
        w.clearEntry();
        w.typeEntry(u"  "_s);
        QTest::mouseClick(designControl<QLineEdit>(*w.form, "Text5"), Qt::LeftButton, {}, w.entryPoint(0));

        QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->selectedText(), u" "_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"峰"_s));
        QCOMPARE(w.pinyin(), u"feng"_s);
        QVERIFY(!w.notFoundShown());
    }

    void draggingTwoCharactersGivesNoPinyin()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"你好峰"_s);
        QWidget* box = designControl<QLineEdit>(*w.form, "Text5");
        QTest::mousePress(box, Qt::LeftButton, {}, w.entryPoint(1));
        const QPoint end = w.entryPoint(3);
        QMouseEvent move(QEvent::MouseMove, end, box->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &move);
        QTest::mouseRelease(box, Qt::LeftButton, {}, end);

        QCOMPARE(designControl<QLineEdit>(*w.form, "Text5")->selectedText(), u"好峰"_s);
        QCOMPARE(w.pinyin(), QString());
        QCOMPARE(w.codeLine(), codeLineOf(u"峰"_s)); // the query is not changed
    }
};

QTEST_MAIN(EntryBoxTest)
#include "tst_entry_box.moc"
