// Text no lookup expects: characters GBK has no code for, control
// characters, a huge paste, a flood of keystrokes, and tables whose last line
// is cut short. Each ends in a record's codes or the not-found panel.
#include "tests/hardening/hardened_window.h"
#include "tests/tables/fixture_tables.h"

#include "app/syllable_chooser.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

QString codeOf(const QString& hanzi)
{
    for (const auto& [character, code] : SampleCodes)
        if (character == hanzi)
            return code;
    return {};
}

// The sample records, each character with its drawing.
class SampleFolder {
public:
    SampleFolder()
    {
        folder_.writeRecords(sampleRecords());
        for (const auto& [hanzi, code] : SampleCodes)
            folder_.writeDrawing(hanzi, twoBlockDrawing());
    }

protected:
    FixtureFolder folder_;
};

// A window over the sample folder and the fixture tables.
class SampleWindow : private SampleFolder, public HardenedWindow {
public:
    explicit SampleWindow(const TableTexts& tables = fixtureTables()) : HardenedWindow(folder_.path(), tables) {}

    // The state a lookup of `character` must leave: its codes, or the panel.
    bool showsLookupOf(const QString& character) const
    {
        const QString code = codeOf(character);
        return code.isEmpty() ? notFoundShown() && codeLine().isEmpty()
                              : !notFoundShown() && codeLine() == sampleCodeLine(code);
    }

    // A key released in the entry box, as after each typed character.
    void releaseKey()
    {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier);
        QCoreApplication::sendEvent(designControl<QLineEdit>(*form, "Text5"), &release);
    }
};

QString fromUnits(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

} // namespace

class BadInputTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unusualText_data();
    void unusualText();
    void pasteOf100000Characters();
    void pasteIntoTheChoosers();
    void rapidTypingOfManyCharacters();
    void rapidKeyClicks();
    void tablesWithTheirLastLineCut();
};

void BadInputTextTest::unusualText_data()
{
    QTest::addColumn<QString>("text");
    // The character whose lookup must show: the last one, as after typed keys.
    QTest::addColumn<QString>("lookedUp");
    QTest::addColumn<QString>("pinyin");

    QTest::newRow("outside the BMP") << u"𠀀峰"_s << u"峰"_s << u"feng"_s;
    QTest::newRow("emoji") << u"😀"_s << u"😀"_s << QString();
    QTest::newRow("emoji sequence") << u"👨‍👩‍👧峰"_s << u"峰"_s << u"feng"_s;
    QTest::newRow("flag") << u"🇨🇳"_s << u"🇨"_s << QString();
    QTest::newRow("Hangul") << u"한국"_s << u"한"_s << QString();
    QTest::newRow("Thai") << u"ก"_s << u"ก"_s << QString();
    QTest::newRow("combining mark") << u"é"_s << u"e"_s << QString();
    QTest::newRow("byte order mark") << u"\uFEFF峰"_s << u"峰"_s << u"feng"_s;
    QTest::newRow("private use") << u"\uE000"_s << u"\uE000"_s << QString();
    QTest::newRow("lone high surrogate") << fromUnits({0xD840, u'峰'}) << u"峰"_s << u"feng"_s;
    QTest::newRow("lone low surrogate") << fromUnits({0xDC00}) << u"?"_s << QString();
    QTest::newRow("control character") << fromUnits({0x01, u'峰'}) << u"峰"_s << u"feng"_s;
    QTest::newRow("NUL") << fromUnits({0x00, u'峰'}) << u"峰"_s << u"feng"_s;
    QTest::newRow("tab") << u"\t峰"_s << u"峰"_s << u"feng"_s;
    QTest::newRow("DEL") << fromUnits({0x7F}) << u"\x7f"_s << QString();
    QTest::newRow("Hanzi, then an emoji") << u"峰😀"_s << u"😀"_s << QString();
    QTest::newRow("full-width letter") << u"Ａ"_s << u"Ａ"_s << QString();
}

void BadInputTextTest::unusualText()
{
    QFETCH(QString, text);
    QFETCH(QString, lookedUp);
    QFETCH(QString, pinyin);

    SampleWindow window;
    QVERIFY(window.show());
    window.lookUp(u"中"_s);
    window.lookUp(text);
    QVERIFY(window.showsLookupOf(lookedUp));
    QCOMPARE(designControl<QLabel>(*window.form, "Label24")->text(), pinyin);
    // The window still answers.
    window.lookUp(u"主"_s);
    QVERIFY(window.showsLookupOf(u"主"_s));
}

void BadInputTextTest::pasteOf100000Characters()
{
    SampleWindow window;
    QVERIFY(window.show());
    QString text = u"中"_s;
    const QStringList filler = {u"峰"_s, u"😀"_s, u"a"_s, u"한"_s, u"主"_s};
    while (text.size() < 100000)
        text += filler[text.size() % filler.size()];
    QGuiApplication::clipboard()->setText(text);
    designControl<QLineEdit>(*window.form, "Text5")->setFocus();
    QTest::keyClick(designControl<QLineEdit>(*window.form, "Text5"), Qt::Key_V, Qt::ControlModifier);

    // The paste looks up its first character; the key released after it, the
    // character in front of the caret.
    const QString kept = designControl<QLineEdit>(*window.form, "Text5")->text();
    QVERIFY(!kept.isEmpty());
    QVERIFY(text.startsWith(kept));
    const QString last = kept.back().isSurrogate() && kept.size() > 1 && kept[kept.size() - 2].isHighSurrogate()
                             ? kept.right(2)
                             : kept.right(1);
    if (codeOf(last).isEmpty())
        QVERIFY(window.notFoundShown());
    else
        QCOMPARE(window.codeLine(), sampleCodeLine(codeOf(last)));

    window.lookUp(u"啊"_s);
    QVERIFY(window.showsLookupOf(u"啊"_s));
}

// The syllable and stroke choosers take no such text: whatever they keep of
// it, the window goes on answering.
void BadInputTextTest::pasteIntoTheChoosers()
{
    SampleWindow window;
    QVERIFY(window.show());
    QString text;
    while (text.size() < 100000)
        text += u"zhuang峰😀\t"_s;
    QGuiApplication::clipboard()->setText(text);
    for (QLineEdit* edit : {designControl<SyllableChooser>(*window.form, "Combo6")->edit(), strokeChooser(*window.form, 0)->lineEdit(),
                            strokeChooser(*window.form, 4)->lineEdit()}) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(text.startsWith(edit->text()));
    }
    window.lookUp(u"峰"_s);
    QVERIFY(window.showsLookupOf(u"峰"_s));
}

// Thousands of characters typed one after another, each followed by its key
// release: after every one the window shows the lookup of the character typed.
void BadInputTextTest::rapidTypingOfManyCharacters()
{
    SampleWindow window;
    QVERIFY(window.show());
    const QStringList stream = {u"峰"_s, u"丁"_s, u"😀"_s, u"中"_s, u"a"_s, u"啊"_s, u"主"_s, u"𠀀"_s, u" "_s};
    window.clearEntry();
    for (int i = 0; i < 3000; ++i) {
        const QString& character = stream[i % stream.size()];
        window.type(character);
        window.releaseKey();
        if (character == u" ")
            continue; // a blank lookup leaves the last one standing
        QVERIFY2(window.showsLookupOf(character), qPrintable(QStringLiteral("keystroke %1").arg(i)));
    }
    QVERIFY(window.messages.isEmpty());
}

void BadInputTextTest::rapidKeyClicks()
{
    SampleWindow window;
    QVERIFY(window.show());
    window.clearEntry();
    designControl<QLineEdit>(*window.form, "Text5")->setFocus();
    QTest::keyClicks(designControl<QLineEdit>(*window.form, "Text5"), QString(2000, u'x'));
    QVERIFY(window.notFoundShown());
    window.lookUp(u"峰"_s);
    QVERIFY(window.showsLookupOf(u"峰"_s));
}

void BadInputTextTest::tablesWithTheirLastLineCut()
{
    TableTexts tables = fixtureTables();
    // y–z: the closing line and most of 装's line are gone; 2: 嵛's line is cut
    // inside its code; 3: the last character is half a surrogate pair.
    QString& pinyin = tables.pinyin[4];
    pinyin.truncate(pinyin.lastIndexOf(u"装"_s) + 4);
    QString& strokes = tables.stroke[1];
    strokes.truncate(strokes.lastIndexOf(u"嵛"_s) + 4);
    tables.pinyin[3].append(QChar(0xD840));

    SampleWindow window(tables);
    QVERIFY(window.show());

    QLineEdit* syllable = designControl<SyllableChooser>(*window.form, "Combo6")->edit();
    syllable->setFocus();
    QTest::keyClick(syllable, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(syllable, u"zhuang"_s);
    const QString candidates = designControl<QPlainTextEdit>(*window.form, "Text6")->toPlainText();
    QVERIFY2(candidates.contains(u"庄"_s) && !candidates.contains(u"装"_s), qPrintable(candidates));

    const QStringList fengStrokes = {u"丨"_s, u"乙"_s, u"丨"_s, u"丿"_s, u"丨"_s};
    for (int i = 0; i < 5; ++i)
        strokeChooser(*window.form, i)->setEditText(fengStrokes[i]);
    QTest::keyClick(strokeChooser(*window.form, 4)->lineEdit(), Qt::Key_Return);
    const QString strokeCandidates = designControl<QPlainTextEdit>(*window.form, "Text6")->toPlainText();
    QVERIFY2(strokeCandidates.contains(u"峰"_s) && !strokeCandidates.contains(u"嵛"_s), qPrintable(strokeCandidates));

    // The cut line's character: its pinyin is what is left of the line.
    window.lookUp(u"装"_s);
    QVERIFY(u"zhuang"_s.startsWith(designControl<QLabel>(*window.form, "Label24")->text()));
    window.lookUp(u"十"_s);
    QCOMPARE(designControl<QLabel>(*window.form, "Label24")->text(), u"shi"_s);
    syllable->setFocus();
    QTest::keyClick(syllable, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(syllable, u"shi"_s);
    QCOMPARE(designControl<QPlainTextEdit>(*window.form, "Text6")->toPlainText(), u"十 "_s);
}

QTEST_MAIN(BadInputTextTest)
#include "tst_bad_input_text.moc"
