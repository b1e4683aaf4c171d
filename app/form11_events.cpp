// Which user event runs which slot, and how the window shows what the input
// session reports.
#include "app/fonts.h"
#include "app/form11.h"
#include "app/syllable_chooser.h"
#include "lookup/drawing_files.h"
#include "lookup/picture_box.h"
#include "lookup/plan_view.h"
#include "tables/characters.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace lumbrell {
namespace {

// Selects the character after unit offset `at` (nothing at the end).
void selectCharacterAt(QPlainTextEdit* box, const QString& text, qsizetype at)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(static_cast<int>(at));
    cursor.setPosition(static_cast<int>(at + characterAfter(text, at).size()), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

} // namespace

void Form11::connectHandlers()
{
    session_.changed = [this](InputSession::Change change) { render(change); };

    connect(Text5, &QLineEdit::textChanged, this, [this] { Text5_Change(); });
    for (QComboBox* chooser : Combo) {
        connect(chooser->lineEdit(), &QLineEdit::textEdited, this, [this] { bian(); });
        connect(chooser, qOverload<int>(&QComboBox::activated), this, [this] { bian(); });
        // Enter in a chooser's field picks its stroke again.
        connect(chooser->lineEdit(), &QLineEdit::returnPressed, this, [this] { bian(); });
    }
    connect(Combo6, &SyllableChooser::edited, this, [this] { Combo6_Change(); });
    connect(Combo6, &SyllableChooser::chosen, this, [this] { Combo6_Click(); });

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });

    Text5->installEventFilter(this);
    Text6->installEventFilter(this);
    Text6->viewport()->installEventFilter(this);
    Label28->installEventFilter(this);
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::InputMethod)
        return refuseInputMethod(watched, event);
    const bool leftRelease = type == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (watched == Text5)
            Text5_KeyUp();
        else if (watched == Text6)
            Text6_KeyUp();
    } else if (leftRelease) {
        // The click handlers run after the box has placed its caret.
        if (watched == Text5) {
            Text5->event(event);
            Text5_Click();
            return true;
        }
        if (watched == Text6->viewport()) {
            QObject* viewport = Text6->viewport();
            viewport->removeEventFilter(this);
            QCoreApplication::sendEvent(viewport, event);
            viewport->installEventFilter(this);
            Text6_Click();
            return true;
        }
        if (watched == Label28) {
            Label28_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The candidate box holds exactly what the last search wrote: an input
// method's text is refused there. In the entry box a commit counts like typed
// keys: the character in front of the caret is looked up afterwards, so a
// committed word ends on its last character.
bool Form11::refuseInputMethod(QObject* watched, QEvent* event)
{
    if (watched == Text6) {
        event->accept();
        return true;
    }
    if (watched == Text5 && !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty()) {
        Text5->event(event);
        Text5_KeyUp();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- slots ----

void Form11::Text5_Change() { session_.entryChanged(Text5->text()); }

void Form11::Text5_Click()
{
    const QString text = Text5->text();
    if (text.isEmpty())
        return;
    if (Text5->selectionLength() == 0) {
        // Select the character after the caret; at the end there is none.
        const int caret = Text5->cursorPosition();
        const QStringView next = characterAfter(text, caret);
        if (!next.isEmpty())
            Text5->setSelection(caret, static_cast<int>(next.size()));
    }
    session_.characterPicked(Text5->selectedText());
}

void Form11::Text5_KeyUp() { session_.keyReleasedAt(Text5->text(), Text5->cursorPosition()); }

void Form11::Text6_Click()
{
    const QString text = Text6->toPlainText();
    if (text.isEmpty())
        return;
    if (!Text6->textCursor().hasSelection())
        selectCharacterAt(Text6, text, Text6->textCursor().position());
    if (Text6->textCursor().selectedText() == u" ") {
        // The click fell on a separating space: take the candidate in front of
        // it. A space at the very start has nothing in front; the caret stays.
        const qsizetype space = Text6->textCursor().selectionStart();
        selectCharacterAt(Text6, text, space - characterBefore(text, space).size());
    }
    session_.characterPicked(Text6->textCursor().selectedText());
}

void Form11::Text6_KeyUp() { session_.keyReleasedAt(Text6->toPlainText(), Text6->textCursor().position()); }

void Form11::bian()
{
    std::array<QString, 5> choosers;
    for (int i = 0; i < 5; ++i)
        choosers[i] = Combo[i]->currentText();
    session_.strokesChosen(choosers);
}

void Form11::Combo6_Change() { session_.syllableTyped(Combo6->text()); }

void Form11::Combo6_Click() { session_.syllableChosen(Combo6->text()); }

void Form11::Command6_Click() { session_.lookUp(); }

// ---- rendering ----

void Form11::render(InputSession::Change change)
{
    switch (change) {
    case InputSession::Change::Lookup:
        showLookup();
        return;
    case InputSession::Change::Pinyin:
        setCaption(Label24, session_.pinyin());
        setCaption(Label25, session_.pinyin());
        return;
    case InputSession::Change::Candidates:
        showCandidates();
        return;
    case InputSession::Change::FocusCandidates:
        focusFirstCandidate();
        return;
    case InputSession::Change::Word:
        showWord();
        return;
    }
}

void Form11::showLookup()
{
    const InputSession::Outcome outcome = session_.outcome();
    LookupPlan plan = session_.plan();
    Picture2->setVisible(outcome == InputSession::Outcome::NotFound);
    notChinese->setVisible(outcome == InputSession::Outcome::NotChinese);
    if (outcome == InputSession::Outcome::NotChinese)
        notChinese->setText(QStringLiteral("“%1”不是汉字").arg(session_.notFoundText()));
    setCaption(Label5, plan.codeLine);
    setCaption(Label10, plan.codeLine);

    PlanPictures pictures;
    pictures.diagrams = &Image13;
    if (plan.needsDrawing()) {
        const CharacterDrawing drawing =
            loadCharacterDrawing(programFolder_ + QStringLiteral("/bmp"), plan.character, devicePixelRatioF());
        pictures.drawing = drawing.image;
        // A character without fill points may simply have no drawing; one with
        // them, or a file there that cannot be used, is a fault of the data.
        const bool simplyNone = pictures.drawing.isNull() && !plan.drawingExpected;
        if (simplyNone)
            plan = plan.withoutDrawing();
        else if (!drawing.unusable.isEmpty())
            reportUnreadableDrawings(drawing.unusable);
    }
    // A drawing without a single fill point: the character is not split yet.
    unsplitNote->setVisible(plan.needsDrawing() && !plan.drawingExpected && !pictures.drawing.isNull());
    undrawnNote->setVisible(plan.positions[0].picture == PositionPicture::CharacterOnly);
    if (plan.positions[0].picture == PositionPicture::CharacterOnly)
        pictures.character = characterPicture(plan.character, songFont(12), devicePixelRatioF());
    for (int i = 0; i < 4; ++i)
        showPosition(*Picture1[i], plan.positions[i], pictures);
}

void Form11::showWord()
{
    const std::optional<WordCode>& word = session_.word();
    wordLine->setText(word ? lumbrell::wordLine(*word) : QString());
    wordLine->setVisible(word.has_value());
}

void Form11::reportUnreadableDrawings(const QStringList& paths)
{
    // Said once per run: with the whole drawing folder gone, every keystroke
    // would say it again.
    if (drawingProblemTold_ || !notice)
        return;
    drawingProblemTold_ = true;
    notice(windowTitle(), QStringLiteral("无法读取汉字图片，五笔编码照常显示：\n%1").arg(paths.join(u'\n')));
}

void Form11::showCandidates()
{
    const QString text = session_.candidateText();
    Text6->setPlainText(text);
    Text6->setToolTip(text.isEmpty() ? QString() : QStringLiteral("点击汉字得到五笔编码，并反查拼音。"));
}

// The caret just behind the first candidate, nothing selected: from there the
// arrow keys step through the candidates.
void Form11::focusFirstCandidate()
{
    Text6->setFocus();
    const QString text = Text6->toPlainText();
    QTextCursor cursor = Text6->textCursor();
    cursor.setPosition(static_cast<int>(characterAfter(text, 0).size()));
    Text6->setTextCursor(cursor);
}

} // namespace lumbrell
