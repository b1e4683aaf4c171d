// Picking a candidate in Text6 by a click or with the caret, and what follows
// the candidate text: its tooltip, Text1a and List1.
#include "tests/input/input_window.h"

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Tip = u"点击汉字得到五笔编码，并反查拼音。"_s;

// The syllable "a" lists 啊 阿 吖, each followed by a space, and looks up 啊.
void searchA(InputWindow& w)
{
    w.typeSyllable(u"a"_s);
    QCOMPARE(w.candidates(), u"啊 阿 吖 "_s);
}

} // namespace

class CandidateBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void candidateTextIsFollowed()
    {
        InputWindow w;
        QVERIFY(w.active());
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->toolTip(), QString());
        searchA(w);
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->toolTip(), Tip);
        QCOMPARE(w.candidates(), u"啊 阿 吖 "_s);

        // A search that finds nothing empties the box, its tooltip and the list.
        w.typeSyllable(u"zh"_s);
        QCOMPARE(w.candidates(), QString());
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->toolTip(), QString());
    }

    void clicks_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("codeLine");
        QTest::addColumn<bool>("notFound");

        // Before each click the first candidate 啊 is on display.
        QTest::newRow("in front of the second") << 2 << u"阿"_s << codeLineOf(u"阿"_s) << false;
        QTest::newRow("in front of its space") << 3 << u"阿"_s << codeLineOf(u"阿"_s) << false;
        QTest::newRow("in front of the first's space") << 1 << u"啊"_s << codeLineOf(u"啊"_s) << false;
        QTest::newRow("one without a record") << 4 << u"吖"_s << QString() << true;
        QTest::newRow("at the end: nothing selected") << 6 << QString() << codeLineOf(u"啊"_s) << false;
    }

    void clicks()
    {
        QFETCH(int, at);
        QFETCH(QString, selected);
        QFETCH(QString, codeLine);
        QFETCH(bool, notFound);

        InputWindow w;
        QVERIFY(w.active());
        searchA(w);
        QTest::mouseClick(designControl<QPlainTextEdit>(*w.form, "Text6")->viewport(), Qt::LeftButton, {}, w.candidatePoint(at));

        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().selectedText(), selected);
        QCOMPARE(w.codeLine(), codeLine);
        QCOMPARE(w.codeTwin(), codeLine);
        QCOMPARE(w.notFoundShown(), notFound);
        // 啊 阿 吖 all read "a"; the syllable search itself showed "a" unpadded.
        QCOMPARE(w.pinyin(), selected.isEmpty() ? u"a"_s : u"a"_s);
        QCOMPARE(w.pinyinTwin(), w.pinyin());
    }

    void arrowsStepThroughTheCandidates()
    {
        InputWindow w;
        QVERIFY(w.active());
        searchA(w);
        designControl<QPlainTextEdit>(*w.form, "Text6")->setFocus();

        struct Step {
            Qt::Key key;
            int caret;
            QString codeLine;
            bool notFound;
        };
        const Step steps[] = {
            {Qt::Key_End, 6, codeLineOf(u"啊"_s), false}, // a space in front: no lookup
            {Qt::Key_Left, 5, QString(), true},            // 吖
            {Qt::Key_Left, 4, QString(), true},            // a space
            {Qt::Key_Left, 3, codeLineOf(u"阿"_s), false},
            {Qt::Key_Left, 2, codeLineOf(u"阿"_s), false},
            {Qt::Key_Left, 1, codeLineOf(u"啊"_s), false},
            {Qt::Key_Home, 0, codeLineOf(u"啊"_s), false},
        };
        for (const Step& step : steps) {
            QTest::keyClick(designControl<QPlainTextEdit>(*w.form, "Text6"), step.key);
            QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().position(), step.caret);
            QCOMPARE(w.codeLine(), step.codeLine);
            QCOMPARE(w.notFoundShown(), step.notFound);
        }
    }
};

QTEST_MAIN(CandidateBoxTest)
#include "tst_candidate_box.moc"
