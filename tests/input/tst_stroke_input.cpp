// Stroke input through the five choosers: the key, the candidates, the lookup
// of the first one, its pinyin, and the focus and caret in the candidate box.
#include "tests/input/input_window.h"

#include <QComboBox>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

// Chooses an item of a stroke chooser with the arrow keys, as a user can; every
// item passed on the way is a choice too.
void choose(QComboBox* chooser, const QString& item)
{
    const int target = chooser->findText(item);
    QVERIFY(target >= 0);
    if (chooser->currentIndex() == target) // current, but not shown in the field
        QTest::keyClick(chooser, target == 0 ? Qt::Key_Down : Qt::Key_Up);
    while (chooser->currentIndex() < target)
        QTest::keyClick(chooser, Qt::Key_Down);
    while (chooser->currentIndex() > target)
        QTest::keyClick(chooser, Qt::Key_Up);
    QCOMPARE(chooser->currentText(), item);
}

void chooseAll(InputWindow& w, const QStringList& strokes)
{
    for (int i = 0; i < strokes.size(); ++i)
        if (strokes[i] != u" "_s)
            choose(strokeChooser(*w.form, i), strokes[i]);
}

} // namespace

class StrokeInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void strokes_data()
    {
        QTest::addColumn<QStringList>("strokes");
        QTest::addColumn<QString>("candidates");
        QTest::addColumn<QString>("pinyin");

        QTest::newRow("one stroke") << QStringList{u"一"_s} << u"一 "_s << u"yi"_s;
        QTest::newRow("two strokes") << QStringList{u"一"_s, u"丨"_s} << u"十 丁 "_s << u"shi"_s;
        QTest::newRow("峰 and its fellows") << QStringList{u"丨"_s, u"乙"_s, u"丨"_s, u"丿"_s, u"丨"_s}
                                            << u"峰 刿 峁 峤 峥 嵛 "_s << u"feng"_s;
        QTest::newRow("four strokes, last left blank")
            << QStringList{u"丨"_s, u"乙"_s, u"一"_s, u"丨"_s} << u"中 "_s << u"zhong"_s;
        QTest::newRow("no pinyin line") << QStringList{u"丨"_s} << u"丨 "_s << QString();
    }

    void strokes()
    {
        QFETCH(QStringList, strokes);
        QFETCH(QString, candidates);
        QFETCH(QString, pinyin);

        InputWindow w;
        QVERIFY(w.active());
        chooseAll(w, strokes);

        const QString first = candidates.left(1);
        QCOMPARE(w.candidates(), candidates);
        QCOMPARE(w.codeLine(), codeLineOf(first));
        QCOMPARE(w.codeTwin(), codeLineOf(first));
        QCOMPARE(w.notFoundShown(), codeLineOf(first).isEmpty());
        QCOMPARE(w.pinyin(), pinyin);
        QCOMPARE(w.pinyinTwin(), pinyin);
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().position(), 1);
        QVERIFY(!designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().hasSelection());
    }

    void keysNoCharacterHas_data()
    {
        QTest::addColumn<QStringList>("strokes");

        QTest::newRow("a last stroke nobody has") << QStringList{u"丨"_s, u"乙"_s, u"一"_s, u" "_s, u"丶"_s};
        QTest::newRow("a blank between strokes") << QStringList{u"一"_s, u" "_s, u"一"_s};
    }

    // The candidates empty and the pinyin is cleared; the last lookup stays.
    void keysNoCharacterHas()
    {
        QFETCH(QStringList, strokes);

        InputWindow w;
        QVERIFY(w.active());
        chooseAll(w, strokes.first(strokes.size() - 1));
        const QString shownBefore = w.codeLine();
        QVERIFY(!w.pinyin().isEmpty());
        choose(strokeChooser(*w.form, strokes.size() - 1), strokes.last());

        QCOMPARE(w.candidates(), QString());
        QCOMPARE(w.pinyin(), QString());
        QCOMPARE(w.pinyinTwin(), QString());
        QCOMPARE(w.codeLine(), shownBefore);
        QVERIFY(w.pictureShown());
    }

    // After a syllable search the key kind is "syllable"; the stroke search
    // marks its candidate as a character before it asks for the pinyin.
    void strokeSearchAfterASyllableSearch()
    {
        InputWindow w;
        QVERIFY(w.active());
        chooseAll(w, {u"丨"_s, u"乙"_s, u"一"_s});
        w.typeSyllable(u"zha"_s);
        choose(strokeChooser(*w.form, 3), u"丨"_s);

        QCOMPARE(w.candidates(), u"中 "_s);
        QCOMPARE(w.pinyin(), u"zhong"_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"中"_s));
    }

    // Overtyping the first chooser blanks the first stroke: no search runs,
    // and the first earlier candidate is looked up again.
    void typingInAChooserBlanksItsStroke()
    {
        InputWindow w;
        QVERIFY(w.active());
        chooseAll(w, {u"丨"_s, u"乙"_s, u"丨"_s, u"丿"_s, u"丨"_s});
        QTest::mouseClick(designControl<QPlainTextEdit>(*w.form, "Text6")->viewport(), Qt::LeftButton, {}, w.candidatePoint(10));
        QCOMPARE(w.codeLine(), codeLineOf(u"嵛"_s));

        QLineEdit* field = strokeChooser(*w.form, 0)->lineEdit();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, u"x"_s);

        QCOMPARE(w.candidates(), u"峰 刿 峁 峤 峥 嵛 "_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"峰"_s));
        QCOMPARE(w.pinyin(), u"feng"_s);
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
    }
};

QTEST_MAIN(StrokeInputTest)
#include "tst_stroke_input.moc"
