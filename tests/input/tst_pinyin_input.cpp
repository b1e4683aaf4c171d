// Pinyin input through the syllable chooser Combo6: typing and choosing a
// syllable, the candidates, the pinyin display, the lookup of the first
// candidate and where the focus goes.
#include "tests/input/input_window.h"

#include <QListWidget>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

class PinyinInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingLetterByLetter()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"峰"_s);
        w.typeSyllable(QString());

        struct Step {
            QString key;
            QString candidates;
            QString codeLine;
            QString pinyin;
        };
        const Step steps[] = {
            {u"z"_s, QString(), codeLineOf(u"峰"_s), u"feng"_s},
            {u"h"_s, QString(), codeLineOf(u"峰"_s), u"feng"_s},
            {u"a"_s, u"扎 渣 "_s, codeLineOf(u"扎"_s), u"zha"_s},
        };
        for (const Step& step : steps) {
            QTest::keyClicks(designControl<SyllableChooser>(*w.form, "Combo6")->edit(), step.key);
            QCOMPARE(w.candidates(), step.candidates);
            QCOMPARE(w.codeLine(), step.codeLine);
            QCOMPARE(w.codeTwin(), step.codeLine);
            QCOMPARE(w.pinyin(), step.pinyin);
            QCOMPARE(w.pinyinTwin(), step.pinyin);
        }
        QVERIFY(designControl<SyllableChooser>(*w.form, "Combo6")->edit()->hasFocus());
    }

    void choosing_data()
    {
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<QString>("candidates");

        QTest::newRow("exactly zhu, not zhua or zhuang") << u"zhu"_s << u"猪 主 "_s;
        QTest::newRow("six letters") << u"zhuang"_s << u"庄 装 "_s;
        QTest::newRow("a, not an") << u"a"_s << u"啊 阿 吖 "_s;
    }

    void choosing()
    {
        QFETCH(QString, syllable);
        QFETCH(QString, candidates);

        InputWindow w;
        QVERIFY(w.active());
        w.clickSyllable(syllable);

        QCOMPARE(designControl<SyllableChooser>(*w.form, "Combo6")->text(), syllable);
        QCOMPARE(w.candidates(), candidates);
        QCOMPARE(w.pinyin(), syllable);
        QCOMPARE(w.pinyinTwin(), syllable);
        QCOMPARE(w.codeLine(), codeLineOf(candidates.left(1)));
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().position(), 1);
        QVERIFY(!designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().hasSelection());
    }

    void arrowKeysInTheListChoose()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.clickSyllable(u"zhu"_s);
        QTest::keyClick(designControl<SyllableChooser>(*w.form, "Combo6")->list(), Qt::Key_Down);

        QCOMPARE(designControl<SyllableChooser>(*w.form, "Combo6")->text(), u"zhua"_s);
        QCOMPARE(w.candidates(), u"抓 "_s);
        QCOMPARE(w.pinyin(), u"zhua"_s);
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
    }

    void choosingASyllableWithoutCandidatesKeepsTheFocus()
    {
        InputWindow w;
        QVERIFY(w.active());
        w.typeEntry(u"峰"_s);
        w.clickSyllable(u"bo"_s);

        QCOMPARE(w.candidates(), QString());
        QCOMPARE(w.pinyin(), u"feng"_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"峰"_s));
        QVERIFY(!designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
    }

    void typedText_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the whole text deleted
        QTest::addColumn<QString>("candidates");
        QTest::addColumn<QString>("pinyin");
        QTest::addColumn<QString>("codeLine");

        // Before: zha listed 扎 渣, then a click on 渣 looked it up.
        QTest::newRow("capitals taken as small letters") << u"ZHU"_s << u"猪 主 "_s << u"zhu"_s << codeLineOf(u"猪"_s);
        // zhuangx stands for no syllable: what zhuang, typed on the way, showed stays.
        QTest::newRow("seven letters: no syllable")
            << u"zhuangx"_s << u"庄 装 "_s << u"zhuang"_s << codeLineOf(u"庄"_s);
        QTest::newRow("spaces around the syllable") << u" zhu "_s << u"猪 主 "_s << u"zhu"_s << codeLineOf(u"猪"_s);
        QTest::newRow("everything deleted: nothing happens")
            << QString() << u"扎 渣 "_s << u"zha"_s << codeLineOf(u"渣"_s);
    }

    void typedText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, candidates);
        QFETCH(QString, pinyin);
        QFETCH(QString, codeLine);

        InputWindow w;
        QVERIFY(w.active());
        w.typeSyllable(u"zha"_s);
        QTest::mouseClick(designControl<QPlainTextEdit>(*w.form, "Text6")->viewport(), Qt::LeftButton, {}, w.candidatePoint(2));
        QCOMPARE(w.codeLine(), codeLineOf(u"渣"_s));

        w.typeSyllable(typed);
        if (typed.isEmpty())
            QTest::keyClick(designControl<SyllableChooser>(*w.form, "Combo6")->edit(), Qt::Key_Backspace);

        QCOMPARE(w.candidates(), candidates);
        QCOMPARE(w.pinyin(), pinyin);
        QCOMPARE(w.pinyinTwin(), pinyin);
        QCOMPARE(w.codeLine(), codeLine);
        QVERIFY(designControl<SyllableChooser>(*w.form, "Combo6")->edit()->hasFocus());
    }
};

QTEST_MAIN(PinyinInputTest)
#include "tst_pinyin_input.moc"
