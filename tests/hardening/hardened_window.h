#pragma once

// The main window on a data folder the test damages on purpose, with the
// helpers the bad-input tests share: typing into the entry box and reading
// back what the user sees.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/picture_box.h"
#include "tests/support/fixture_data.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

namespace lumbrell::testing {

using namespace Qt::StringLiterals;

// Characters with a record, in ascending GBK order, and their first code.
inline const std::vector<std::pair<QString, QString>> SampleCodes = {
    {u"啊"_s, u"kbsk"_s}, {u"峰"_s, u"mtdh"_s}, {u"中"_s, u"khk"_s}, {u"主"_s, u"ygd"_s},
};

// The record of a sample character: Code3 is the first two letters of its
// code, one seed point marks each of the first two components.
inline FixtureRecord sampleRecord(const QString& hanzi, const QString& code)
{
    const QString seed = points({{300, 600}});
    return {hanzi, code, QString(), code.left(2), seed, seed, QString(), QString()};
}

inline std::vector<FixtureRecord> sampleRecords()
{
    std::vector<FixtureRecord> records;
    for (const auto& [hanzi, code] : SampleCodes)
        records.push_back(sampleRecord(hanzi, code));
    return records;
}

// The code line a sample record shows: Code3, then Code1.
inline QString sampleCodeLine(const QString& code)
{
    return code.left(2) + u"  "_s + code;
}

// A window over a folder the test has prepared. Messages are collected, never
// shown, so a test that provokes one does not wait on a modal box.
class HardenedWindow {
public:
    explicit HardenedWindow(const QString& folder, const TableTexts& tables = {})
        : form(std::make_unique<MainWindow>(folder, tables))
    {
        form->messageBox = [this](const QString&, const QString& text) { messages.append(text); };
        form->notice = form->messageBox;
    }

    bool show()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowExposed(form.get());
    }

    // Text as an input method commits it into the entry box: its last character
    // ends up looked up.
    void type(const QString& text)
    {
        designControl<QLineEdit>(*form, "Text5")->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(designControl<QLineEdit>(*form, "Text5"), &event);
    }

    // Empties the entry box as the user would: select all, delete.
    void clearEntry()
    {
        QTest::keyClick(designControl<QLineEdit>(*form, "Text5"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(designControl<QLineEdit>(*form, "Text5"), Qt::Key_Delete);
    }

    // One lookup from an empty entry box.
    void lookUp(const QString& text)
    {
        clearEntry();
        type(text);
    }

    QString codeLine() const { return designControl<QLabel>(*form, "Label5")->text(); }
    // The not-found panel, or the note that the input is no Chinese character.
    bool notFoundShown() const { return !designControl<PictureBox>(*form, "Picture2")->isHidden() || !designControl<QLabel>(*form, "notChineseNote")->isHidden(); }
    bool pictureShown() const { return positionBox(*form, 0)->hasPicture(); }

    std::unique_ptr<MainWindow> form;
    QStringList messages;
};

} // namespace lumbrell::testing
