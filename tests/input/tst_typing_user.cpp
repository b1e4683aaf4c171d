// What a user typing through their usual input method meets, on the built
// data: syllable spellings with ü, v and tones, words and their codes, a
// character without a drawing, and the one family the characters are drawn in.
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/syllable_chooser.h"
#include "tables/table_texts.h"
#include "tests/support/main_window_controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using namespace lumbrell;
using lumbrell::testing::designControl;
using namespace Qt::StringLiterals;

namespace {

class BuiltWindow {
public:
    BuiltWindow() : form(std::make_unique<MainWindow>(QStringLiteral(LUMBRELL_DATA_DIR), loadEmbeddedTables()))
    {
        form->messageBox = [this](const QString&, const QString& text) { messages.append(text); };
        form->notice = form->messageBox;
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    bool active() { return QTest::qWaitForWindowActive(form.get()); }

    template <typename Control = QLabel>
    Control* control(const QString& designName) const
    {
        return designControl<Control>(*form, designName);
    }
    SyllableChooser* chooser() const { return control<SyllableChooser>(u"Combo6"_s); }
    QLineEdit* entryBox() const { return control<QLineEdit>(u"Text5"_s); }
    QPlainTextEdit* candidateBox() const { return control<QPlainTextEdit>(u"Text6"_s); }

    void typeSyllable(const QString& text)
    {
        QLineEdit* edit = chooser()->edit();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        // One key per character; ü and tone marks come as the text of a key
        // without a key code, as a keyboard layout or a compose key gives them.
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
                continue;
            }
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // A word as an input method commits it into the entry box.
    void commitEntry(const QString& text)
    {
        entryBox()->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(entryBox(), &event);
    }

    QString shownCharacter() const { return form->session().view().lookup.character; }
    QStringList firstCandidates(int count) const { return form->session().view().candidates.mid(0, count); }
    bool wordLineShown() const { return !control(u"wordLine"_s)->isHidden(); }

    std::unique_ptr<MainWindow> form;
    QStringList messages;
};

} // namespace

class TypingUserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void syllableSpellings_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("syllable");      // searched and shown
        QTest::addColumn<QStringList>("candidates"); // the first three
        QTest::addColumn<QString>("listed");        // current in the chooser's list

        const QStringList lu = {u"路"_s, u"率"_s, u"绿"_s};
        const QStringList nu = {u"女"_s, u"怒"_s, u"奴"_s};
        const QStringList ma = {u"吗"_s, u"嘛"_s, u"马"_s};
        const QStringList niu = {u"牛"_s, u"扭"_s, u"纽"_s};
        QTest::newRow("lv") << u"lv"_s << u"lu"_s << lu << u"lu"_s;
        QTest::newRow("lü") << u"lü"_s << u"lu"_s << lu << u"lu"_s;
        QTest::newRow("nü") << u"nü"_s << u"nu"_s << nu << u"nu"_s;
        QTest::newRow("nv") << u"nv"_s << u"nu"_s << nu << u"nu"_s;
        QTest::newRow("lve") << u"lve"_s << u"lue"_s << QStringList{u"略"_s, u"掠"_s, u"锊"_s} << u"lue"_s;
        QTest::newRow("nüe") << u"nüe"_s << u"nue"_s << QStringList{u"虐"_s, u"疟"_s, u"瘧"_s} << u"nue"_s;
        QTest::newRow("ma3") << u"ma3"_s << u"ma"_s << ma << u"ma"_s;
        QTest::newRow("mǎ") << u"mǎ"_s << u"ma"_s << ma << u"ma"_s;
        QTest::newRow("lǜ") << u"lǜ"_s << u"lu"_s << lu << u"lu"_s;
        QTest::newRow("niu1") << u"niu1"_s << u"niu"_s << niu << u"niu"_s;
        QTest::newRow("NIU") << u"NIU"_s << u"niu"_s << niu << u"niu"_s;
        // No syllable: the candidates of niu, typed before, and the first of
        // them on display stay together; the list stays where typing led it.
        QTest::newRow("xyz") << u"xyz"_s << u"niu"_s << niu << u"xi"_s;
        QTest::newRow("zh, still being typed") << u"zh"_s << u"niu"_s << niu << u"zha"_s;
    }

    void syllableSpellings()
    {
        QFETCH(QString, typed);
        QFETCH(QString, syllable);
        QFETCH(QStringList, candidates);
        QFETCH(QString, listed);

        BuiltWindow w;
        QVERIFY(w.active());
        w.typeSyllable(u"niu"_s);
        w.typeSyllable(typed);

        QCOMPARE(w.chooser()->text(), typed); // the field shows what was typed
        QCOMPARE(w.form->session().view().reading, syllable);
        QCOMPARE(w.control(u"Label24"_s)->text(), syllable);
        QCOMPARE(w.chooser()->list()->currentItem()->text(), listed);
        QCOMPARE(w.firstCandidates(3), candidates);
        QVERIFY(w.candidateBox()->toPlainText().startsWith(candidates.join(u' ')));
        // The pictures and codes shown are those of the first candidate.
        QCOMPARE(w.shownCharacter(), candidates.first());
        QVERIFY(!w.control(u"Label10"_s)->text().isEmpty());
        QVERIFY(w.control<PictureBox>(u"Picture2"_s)->isHidden());
        QVERIFY(w.messages.isEmpty());
        QVERIFY(w.chooser()->edit()->hasFocus());
    }

    void words_data()
    {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("line"); // empty: no line shown
        QTest::addColumn<QString>("shown"); // the character looked up

        QTest::newRow("two") << u"中国"_s << u"词组 中国 khlg"_s << u"国"_s;
        QTest::newRow("three") << u"计算机"_s << u"词组 计算机 ytsw"_s << u"机"_s;
        QTest::newRow("four") << u"中华人民"_s << u"词组 中华人民 kwwn"_s << u"民"_s;
        QTest::newRow("seven") << u"中华人民共和国"_s << u"词组 中华人民共和国 kwwl"_s << u"国"_s;
        QTest::newRow("a key-name character") << u"王国"_s << u"词组 王国 gglg"_s << u"国"_s;
        QTest::newRow("a character without a record")
            << u"中\U00020000国"_s << u"词组 中\U00020000国：“\U00020000”尚未收录"_s << u"国"_s;
        QTest::newRow("one character: no word") << u"国"_s << QString() << u"国"_s;
        QTest::newRow("letters: no word") << u"ab"_s << QString() << QString();
    }

    void words()
    {
        QFETCH(QString, committed);
        QFETCH(QString, line);
        QFETCH(QString, shown);

        BuiltWindow w;
        QVERIFY(w.active());
        w.commitEntry(committed);
        QCOMPARE(w.wordLineShown(), !line.isEmpty());
        if (!line.isEmpty())
            QCOMPARE(w.control(u"wordLine"_s)->text(), line);
        if (!shown.isEmpty())
            QCOMPARE(w.shownCharacter(), shown);
        QVERIFY(w.messages.isEmpty());
    }

    void wordLineStaysWithItsWord()
    {
        BuiltWindow w;
        QVERIFY(w.active());
        w.commitEntry(u"中国"_s);
        QVERIFY(w.wordLineShown());
        // Another word replaces it; a single character typed after it ends it.
        w.commitEntry(u"汉字"_s);
        QCOMPARE(w.control(u"wordLine"_s)->text(), u"词组 汉字 icpb"_s);
        w.commitEntry(u"峰"_s);
        QVERIFY(!w.wordLineShown());

        // A lookup of a character outside the word, from the syllable chooser, ends it.
        w.commitEntry(u"中国"_s);
        QVERIFY(w.wordLineShown());
        w.typeSyllable(u"ma"_s);
        QCOMPARE(w.shownCharacter(), u"吗"_s);
        QVERIFY(!w.wordLineShown());
    }

    void characterWithoutDrawingSaysSo()
    {
        BuiltWindow w;
        QVERIFY(w.active());
        w.commitEntry(u"丗"_s); // a record, no drawing
        QCOMPARE(w.shownCharacter(), u"丗"_s);
        QVERIFY(!w.control(u"undrawnNote"_s)->isHidden());
        QCOMPARE(w.control(u"undrawnNote"_s)->text(), u"此字尚无字形图，只显示字符。"_s);
        QVERIFY(w.control(u"unsplitNote"_s)->isHidden());
        QVERIFY(w.messages.isEmpty());

        w.commitEntry(u"峰"_s);
        QVERIFY(w.control(u"undrawnNote"_s)->isHidden());
    }

    // Each picture's tooltip names the root it blackens: 青's top is 龶 (青头),
    // 主's 王 stands whole under its dot.
    void picturesNameTheirRoots_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QStringList>("tooltips");
        QTest::newRow("青") << u"青"_s << QStringList{u"码元 龶 (G)"_s, u"码元 ⺝ (E)"_s, u"识别码 上下型，最后一笔为横 (F)"_s, QString()};
        QTest::newRow("主") << u"主"_s << QStringList{u"码元 丶 (Y)"_s, u"码元 王 (G)"_s, u"识别码 杂合型，最后一笔为横 (D)"_s, QString()};
    }

    void picturesNameTheirRoots()
    {
        QFETCH(QString, character);
        QFETCH(QStringList, tooltips);
        BuiltWindow w;
        QVERIFY(w.active());
        w.commitEntry(character);
        QCOMPARE(w.shownCharacter(), character);
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << w.control<PictureBox>(u"Picture1(%1)"_s.arg(i))->toolTip();
        QCOMPARE(shown, tooltips);
    }

    void boxesDrawInTheCharacterFamily()
    {
        BuiltWindow w;
        QVERIFY(w.active());
        const QList<QWidget*> boxes = {w.entryBox(), w.candidateBox(), w.control(u"Label27"_s),
                                       w.control(u"notChineseNote"_s), w.control(u"undrawnNote"_s)};
        for (QWidget* box : boxes) {
            const QFontInfo face(box->font());
            QCOMPARE(face.family(), QString::fromLatin1(CharacterFamily));
            QCOMPARE(face.weight(), int(QFont::Normal));
        }
        // The word line writes its code in a Latin face and its characters in
        // the character family behind it.
        const QFont word = w.control(u"wordLine"_s)->font();
        QCOMPARE(QFontInfo(word).family(), u"DejaVu Sans"_s);
        // Between the Latin face and the character family, no family this
        // system has: its Chinese characters fall to the character family.
        const QStringList families = word.families();
        const qsizetype chinese = families.indexOf(QString::fromLatin1(CharacterFamily));
        QVERIFY(chinese > 0);
        for (qsizetype i = 1; i < chinese; ++i)
            QVERIFY2(!QFontDatabase::hasFamily(families[i]), qPrintable(families[i]));
    }
};

QTEST_MAIN(TypingUserTest)
#include "tst_typing_user.moc"
