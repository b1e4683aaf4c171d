// The syllable chooser, the stroke choosers, the tab order and input-method
// text through the real window, with real key, mouse and input-method events.
#include "tests/input/input_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

void sendPreedit(QWidget* widget, const QString& preedit)
{
    QInputMethodEvent event(preedit, {});
    QCoreApplication::sendEvent(widget, &event);
}

enum class Target { Entry, Candidates, Syllable };

} // namespace

Q_DECLARE_METATYPE(Target)

class WindowInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A click into the prompt and the first keys replace it.
    void promptIsReplacedByTheFirstKey()
    {
        InputWindow w;
        QVERIFY(w.active());
        QLineEdit* edit = designControl<SyllableChooser>(*w.form, "Combo6")->edit();
        QCOMPARE(edit->text(), u"输入拼音"_s);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), u"输入拼音"_s);
        edit->setCursorPosition(2); // wherever the caret is, the prompt goes
        QTest::keyClicks(edit, u"zhu"_s);
        QCOMPARE(edit->text(), u"zhu"_s);
        QCOMPARE(w.candidates(), u"猪 主 "_s);
        QCOMPARE(w.pinyin(), u"zhu"_s);
    }

    // Tabbing into the list chooses nothing; arrows and Enter in the field do.
    void listFollowsTheField()
    {
        InputWindow w;
        QVERIFY(w.active());
        QLineEdit* edit = designControl<SyllableChooser>(*w.form, "Combo6")->edit();
        QListWidget* list = designControl<SyllableChooser>(*w.form, "Combo6")->list();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(w.candidates(), QString());
        QCOMPARE(w.codeLine(), QString());
        QCOMPARE(edit->text(), u"输入拼音"_s);

        edit->setFocus();
        QTest::keyClicks(edit, u"Zh"_s); // a capital is a small letter here
        QCOMPARE(list->currentItem()->text(), u"zha"_s); // the first that starts so
        QCOMPARE(w.candidates(), QString());
        QTest::keyClick(edit, Qt::Key_U);
        QCOMPARE(list->currentItem()->text(), u"zhu"_s);
        QCOMPARE(w.candidates(), u"猪 主 "_s);

        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), u"zhua"_s);
        QCOMPARE(list->currentItem()->text(), u"zhua"_s);
        QCOMPARE(w.candidates(), u"抓 "_s);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->text(), u"zhu"_s);
        QCOMPARE(w.candidates(), u"猪 主 "_s);

        QTest::keyClick(edit, Qt::Key_Return); // chooses: on to the candidates
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());
        QCOMPARE(designControl<QPlainTextEdit>(*w.form, "Text6")->textCursor().position(), 1);
        QCOMPARE(w.codeLine(), codeLineOf(u"猪"_s));
    }

    // A click on the current item after a keyboard choice is a choice too,
    // and a syllable picked again searches again.
    void everyPickSearches()
    {
        InputWindow w;
        QVERIFY(w.active());
        QComboBox* first = strokeChooser(*w.form, 0);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Down);
        QCOMPARE(w.candidates(), u"一 "_s);

        w.clickSyllable(u"zhu"_s);
        QTest::keyClick(designControl<SyllableChooser>(*w.form, "Combo6")->list(), Qt::Key_Down); // zhua, by the keyboard
        QCOMPARE(w.candidates(), u"抓 "_s);
        w.clickSyllable(u"zhua"_s); // the current item, clicked
        QCOMPARE(w.candidates(), u"抓 "_s);
        QVERIFY(designControl<QPlainTextEdit>(*w.form, "Text6")->hasFocus());

        first->setFocus();
        QTest::keyClick(first->lineEdit(), Qt::Key_Return); // 一 picked again
        QCOMPARE(w.candidates(), u"一 "_s);
        QCOMPARE(w.codeLine(), codeLineOf(u"一"_s));
        w.clickSyllable(u"zhua"_s); // the same syllable again
        QCOMPARE(w.candidates(), u"抓 "_s);
        QCOMPARE(w.pinyin(), u"zhua"_s);
    }

    void strokeChoosersStartBlank()
    {
        InputWindow w;
        QVERIFY(w.active());
        for (QComboBox* chooser : strokeChoosers(*w.form)) {
            QCOMPARE(chooser->currentText(), u" "_s);
            QCOMPARE(chooser->currentIndex(), -1);
        }
        QComboBox* second = strokeChooser(*w.form, 1);
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Down);
        QCOMPARE(second->currentText(), u"一"_s);
    }

    void tabOrderStartsAtTheEntryBox()
    {
        InputWindow w;
        QVERIFY(w.active());
        QCOMPARE(QApplication::focusWidget(), designControl<QLineEdit>(*w.form, "Text5"));
        MainWindow& f = *w.form;
        const QList<QWidget*> expected = {designControl<QPushButton>(f, "Command2"), designControl<SyllableChooser>(f, "Combo6")->edit(), designControl<SyllableChooser>(f, "Combo6")->list(), strokeChooser(f, 0), strokeChooser(f, 1),
                                          strokeChooser(f, 2),     strokeChooser(f, 3),       strokeChooser(f, 4),       designControl<QPushButton>(f, "Command8"),
                                          designControl<QPlainTextEdit>(f, "Text6"),        designControl<QLabel>(f, "Label10"),        designControl<QLabel>(f, "Label24"),        designControl<QLineEdit>(f, "Text5")};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void syllableFieldIsLatinOnly()
    {
        InputWindow w;
        QVERIFY(w.active());
        QLineEdit* edit = designControl<SyllableChooser>(*w.form, "Combo6")->edit();
        QVERIFY(!edit->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(edit->inputMethodHints() & Qt::ImhLatinOnly);
        w.typeSyllable(u"zhu"_s); // keys still search
        QCOMPARE(w.candidates(), u"猪 主 "_s);
    }

    void inputMethodText_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<QString>("preedit");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("candidates"); // before: the syllable "a"
        QTest::addColumn<QString>("codeLine");   // before: 啊
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("note");

        const QString a = u"啊 阿 吖 "_s;
        const QString ah = codeLineOf(u"啊"_s);
        QTest::newRow("candidates: a commit is refused")
            << Target::Candidates << QString() << u"牛"_s << a << ah << Shown::Found << QString();
        QTest::newRow("candidates: a preedit is refused")
            << Target::Candidates << u"niu"_s << QString() << a << ah << Shown::Found << QString();
        QTest::newRow("syllable field: Chinese is refused")
            << Target::Syllable << QString() << u"主"_s << a << ah << Shown::Found << QString();
        QTest::newRow("entry: a preedit looks up nothing")
            << Target::Entry << u"feng"_s << QString() << a << ah << Shown::Found << QString();
        QTest::newRow("entry: a word ends on its last character")
            << Target::Entry << u"nihao"_s << u"你好"_s << a << codeLineOf(u"好"_s) << Shown::Found << QString();
        QTest::newRow("entry: a full-width comma")
            << Target::Entry << QString() << u"，"_s << a << QString() << Shown::Note << u"“，”不是汉字"_s;
        QTest::newRow("entry: a Latin letter")
            << Target::Entry << QString() << u"a"_s << a << QString() << Shown::Note << u"“a”不是汉字"_s;
        QTest::newRow("entry: a preedit committed as letters")
            << Target::Entry << u"feng"_s << u"feng"_s << a << QString() << Shown::Note << u"“g”不是汉字"_s;
    }

    void inputMethodText()
    {
        QFETCH(Target, target);
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(Shown, shown);
        QFETCH(QString, note);

        InputWindow w;
        QVERIFY(w.active());
        w.clickSyllable(u"a"_s);
        QWidget* widget = target == Target::Entry        ? static_cast<QWidget*>(designControl<QLineEdit>(*w.form, "Text5"))
                          : target == Target::Candidates ? static_cast<QWidget*>(designControl<QPlainTextEdit>(*w.form, "Text6"))
                                                         : static_cast<QWidget*>(designControl<SyllableChooser>(*w.form, "Combo6")->edit());
        widget->setFocus();
        const QString syllableBefore = designControl<SyllableChooser>(*w.form, "Combo6")->text();
        if (!preedit.isEmpty())
            sendPreedit(widget, preedit);
        if (!commit.isEmpty())
            InputWindow::commit(widget, commit);

        QTEST(w.candidates(), "candidates");
        QTEST(w.codeLine(), "codeLine");
        QCOMPARE(w.shown(), shown);
        QVERIFY(!w.notFoundShown()); // never the invitation to write to the author
        if (shown == Shown::Note)
            QCOMPARE(designControl<QLabel>(*w.form, "notChineseNote")->text(), note);
        QCOMPARE(designControl<SyllableChooser>(*w.form, "Combo6")->text(), syllableBefore);
        QVERIFY(w.messages.isEmpty());
    }
};

QTEST_MAIN(WindowInputTest)
#include "tst_window_input.moc"
