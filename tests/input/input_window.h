#pragma once

// The main window on a small data folder and the fixture tables, shown and
// active, with the helpers the input tests share.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/syllable_chooser.h"
#include "app/picture_box.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <map>
#include <memory>

namespace lumbrell::testing {

// Characters with a record and their first code; 吖, 丨 and the other table
// characters have none. Ascending GBK order, as in the data file.
inline const std::vector<std::pair<QString, QString>> RecordCodes = {
    {u"啊"_s, u"kbsk"_s}, {u"阿"_s, u"bskg"_s}, {u"当"_s, u"ivf"_s},  {u"峰"_s, u"mtdh"_s},
    {u"好"_s, u"vbg"_s},  {u"口"_s, u"kkkk"_s}, {u"你"_s, u"wqiy"_s}, {u"十"_s, u"fgh"_s},
    {u"一"_s, u"ggll"_s}, {u"扎"_s, u"rnn"_s},  {u"渣"_s, u"isjg"_s}, {u"中"_s, u"khk"_s},
    {u"猪"_s, u"qtfj"_s}, {u"主"_s, u"ygd"_s},  {u"庄"_s, u"yfd"_s},  {u"嵛"_s, u"mwgj"_s},
    {u"铛"_s, u"qiv"_s},  {u"虺"_s, u"gqji"_s},
};

// The code line a record above shows: Code3 (the first two letters), then Code1.
inline QString codeLineOf(const QString& character)
{
    for (const auto& [hanzi, code] : RecordCodes)
        if (hanzi == character)
            return code.left(2) + u"  "_s + code;
    return {};
}

// What the window shows for the last lookup.
enum class Shown { Found, Panel, Note };

class InputWindow {
public:
    InputWindow()
    {
        const QString seeds = points({{300, 600}});
        std::vector<FixtureRecord> records;
        for (const auto& [hanzi, code] : RecordCodes) {
            records.push_back({hanzi, code, QString(), code.left(2), seeds, seeds, QString(), QString()});
            folder_.writeDrawing(hanzi, twoBlockDrawing());
        }
        folder_.writeRecords(records);
        form = std::make_unique<MainWindow>(folder_.path(), fixtureTables());
        form->messageBox = [this](const QString&, const QString& text) { messages.append(text); };
        form->notice = form->messageBox;
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    bool active() { return QTest::qWaitForWindowActive(form.get()); }

    // What the user sees of the last lookup and of the pinyin.
    QString codeLine() const { return designControl<QLabel>(*form, "Label5")->text(); }
    QString codeTwin() const { return designControl<QLabel>(*form, "Label10")->text(); }
    QString pinyin() const { return designControl<QLabel>(*form, "Label24")->text(); }
    QString pinyinTwin() const { return designControl<QLabel>(*form, "Label25")->text(); }
    bool notFoundShown() const { return !designControl<PictureBox>(*form, "Picture2")->isHidden(); }
    bool noteShown() const { return !designControl<QLabel>(*form, "notChineseNote")->isHidden(); }
    Shown shown() const { return notFoundShown() ? Shown::Panel : noteShown() ? Shown::Note : Shown::Found; }
    bool pictureShown() const { return !positionBox(*form, 0)->picture().isNull(); }
    QString candidates() const { return designControl<QPlainTextEdit>(*form, "Text6")->toPlainText(); }

    // Text as an input method delivers it, into the focused widget.
    static void commit(QWidget* widget, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(widget, &event);
    }

    // Empties the entry box as the user would: select all, delete.
    void clearEntry()
    {
        QTest::keyClick(designControl<QLineEdit>(*form, "Text5"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(designControl<QLineEdit>(*form, "Text5"), Qt::Key_Delete);
    }

    // Types into the entry box through the input method (no key is released):
    // the last character committed is looked up.
    void typeEntry(const QString& text)
    {
        designControl<QLineEdit>(*form, "Text5")->setFocus();
        commit(designControl<QLineEdit>(*form, "Text5"), text);
    }

    // Replaces the text of the syllable chooser's field by typing, one key
    // after another.
    void typeSyllable(const QString& text)
    {
        QLineEdit* edit = designControl<SyllableChooser>(*form, "Combo6")->edit();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }

    // Clicks a syllable of the chooser's list, scrolled into view first.
    void clickSyllable(const QString& syllable)
    {
        QListWidget* list = designControl<SyllableChooser>(*form, "Combo6")->list();
        const auto items = list->findItems(syllable, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }

    // A point in the entry box where a click puts the caret at unit offset `at`.
    QPoint entryPoint(int at) const
    {
        QLineEdit* edit = designControl<QLineEdit>(*form, "Text5");
        const int y = edit->height() / 2;
        for (int x = 0; x < edit->width(); ++x)
            if (edit->cursorPositionAt(QPoint(x, y)) == at)
                return QPoint(x + 1, y);
        return {};
    }

    // A point in the candidate box's viewport where a click puts the caret at
    // unit offset `at`.
    QPoint candidatePoint(int at) const
    {
        QTextCursor cursor = designControl<QPlainTextEdit>(*form, "Text6")->textCursor();
        cursor.setPosition(at);
        return designControl<QPlainTextEdit>(*form, "Text6")->cursorRect(cursor).center();
    }

    std::unique_ptr<MainWindow> form;
    QStringList messages;

private:
    FixtureFolder folder_;
};

} // namespace lumbrell::testing

Q_DECLARE_METATYPE(lumbrell::testing::Shown)
