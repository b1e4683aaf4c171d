// Which user event becomes which operation of the input session, and how the
// window renders the views the session sends.
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/position_pictures.h"
#include "app/syllable_chooser.h"
#include "input/stroke_key.h"
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

void MainWindow::connectHandlers()
{
    session_.viewChanged = [this](const SessionView& view) { render(view); };

    connect(entryBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { session_.lookUpFirstCharacter(text); });
    for (QComboBox* chooser : strokeChoosers_) {
        connect(chooser->lineEdit(), &QLineEdit::textEdited, this, [this] { strokesChosen(); });
        connect(chooser, qOverload<int>(&QComboBox::activated), this, [this] { strokesChosen(); });
        // Enter in a chooser's field picks its stroke again.
        connect(chooser->lineEdit(), &QLineEdit::returnPressed, this, [this] { strokesChosen(); });
    }
    connect(syllableChooser_, &SyllableChooser::edited, this,
            [this] { session_.typeSyllable(syllableChooser_->text()); });
    connect(syllableChooser_, &SyllableChooser::chosen, this,
            [this] { session_.chooseSyllable(syllableChooser_->text()); });

    connect(aboutButton_, &QPushButton::clicked, this, [this] { showAboutWindow(); });
    connect(strokeHelpButton_, &QPushButton::clicked, this, [this] { showStrokeHelp(); });

    entryBox_->installEventFilter(this);
    candidateBox_->installEventFilter(this);
    candidateBox_->viewport()->installEventFilter(this);
    homePageLink_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::InputMethod)
        return refuseInputMethod(watched, event);
    const bool leftRelease = type == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (watched == entryBox_ || watched == candidateBox_)
            keyReleasedIn(static_cast<QWidget*>(watched));
    } else if (leftRelease) {
        // A click is taken after the box has placed its caret.
        if (watched == entryBox_) {
            entryBox_->event(event);
            entryClicked();
            return true;
        }
        if (watched == candidateBox_->viewport()) {
            QObject* viewport = candidateBox_->viewport();
            viewport->removeEventFilter(this);
            QCoreApplication::sendEvent(viewport, event);
            viewport->installEventFilter(this);
            candidateClicked();
            return true;
        }
        if (watched == homePageLink_) {
            openHomePage();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The candidate box holds exactly what the last search wrote: an input
// method's text is refused there. In the entry box a commit counts like typed
// keys: the character in front of the caret is looked up afterwards, so a
// committed word ends on its last character.
bool MainWindow::refuseInputMethod(QObject* watched, QEvent* event)
{
    if (watched == candidateBox_) {
        event->accept();
        return true;
    }
    if (watched == entryBox_ && !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty()) {
        entryBox_->event(event);
        keyReleasedIn(entryBox_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- user events ----

void MainWindow::entryClicked()
{
    const QString text = entryBox_->text();
    if (text.isEmpty())
        return;
    if (entryBox_->selectionLength() == 0) {
        // Select the character after the caret; at the end there is none.
        const int caret = entryBox_->cursorPosition();
        const QStringView next = characterAfter(text, caret);
        if (!next.isEmpty())
            entryBox_->setSelection(caret, static_cast<int>(next.size()));
    }
    session_.pickText(entryBox_->selectedText());
}

void MainWindow::candidateClicked()
{
    const QString text = candidateBox_->toPlainText();
    if (text.isEmpty())
        return;
    if (!candidateBox_->textCursor().hasSelection())
        selectCharacterAt(candidateBox_, text, candidateBox_->textCursor().position());
    if (candidateBox_->textCursor().selectedText() == u" ") {
        // The click fell on a separating space: take the candidate in front of
        // it. A space at the very start has nothing in front; the caret stays.
        const qsizetype space = candidateBox_->textCursor().selectionStart();
        selectCharacterAt(candidateBox_, text, space - characterBefore(text, space).size());
    }
    session_.pickText(candidateBox_->textCursor().selectedText());
}

void MainWindow::keyReleasedIn(QWidget* box)
{
    if (box == entryBox_)
        session_.takeCharacterBefore(entryBox_->text(), entryBox_->cursorPosition());
    else
        session_.takeCharacterBefore(candidateBox_->toPlainText(), candidateBox_->textCursor().position());
}

void MainWindow::strokesChosen()
{
    std::array<QString, 5> chosen;
    for (int i = 0; i < 5; ++i)
        chosen[i] = strokeChoosers_[i]->currentText();
    session_.searchStrokes(strokeKeyOf(chosen));
}

// ---- rendering ----

void MainWindow::render(const SessionView& view)
{
    if (view.candidatesListed)
        showCandidates(view.candidates);
    if (view.readingChanged)
        showReading(view.reading);
    if (view.lookupChanged)
        showLookup(view.lookup);
    if (view.focusCandidates)
        focusFirstCandidate();
    if (view.wordChanged)
        showWord(view.word);
    if (!view.drawingFault.isEmpty() && notice)
        notice(windowTitle(),
               QStringLiteral("无法读取汉字图片，五笔编码照常显示：\n%1").arg(view.drawingFault.join(u'\n')));
}

void MainWindow::showLookup(const CharacterLookup& lookup)
{
    using Outcome = CharacterLookup::Outcome;
    notFoundPanel_->setVisible(lookup.outcome == Outcome::NotFound);
    notChineseNote_->setVisible(lookup.outcome == Outcome::NotChinese);
    if (lookup.outcome == Outcome::NotChinese)
        notChineseNote_->setText(QStringLiteral("“%1”不是汉字").arg(lookup.character));
    setCaption(codeShadow_, lookup.plan.codeLine);
    setCaption(codeLine_, lookup.plan.codeLine);
    unsplitNote_->setVisible(lookup.unsplit);
    undrawnNote_->setVisible(lookup.plan.positions[0].picture == PositionPicture::CharacterOnly);

    PositionPictures pictures;
    pictures.drawing = lookup.drawing;
    pictures.diagrams = &identificationDiagrams_;
    if (lookup.plan.positions[0].picture == PositionPicture::CharacterOnly)
        pictures.character = characterPicture(lookup.plan.character, songFont(12), devicePixelRatioF());
    for (int i = 0; i < 4; ++i)
        showPosition(*positionBoxes_[i], lookup.plan.positions[i], pictures);
    nameThePictures(lookup.positionWords);
}

// Each picture's tooltip names the root it blackens and its key, or the
// identification diagram's words.
void MainWindow::nameThePictures(const std::array<QString, 4>& words)
{
    for (size_t i = 0; i < positionBoxes_.size(); ++i)
        positionBoxes_[i]->setToolTip(words[i]);
}

void MainWindow::showWord(const std::optional<WordCode>& word)
{
    wordLine_->setText(word ? wordLine(*word) : QString());
    wordLine_->setVisible(word.has_value());
}

void MainWindow::showReading(const QString& reading)
{
    setCaption(pinyinLine_, reading);
    setCaption(pinyinShadow_, reading);
}

void MainWindow::showCandidates(const QStringList& candidates)
{
    QString text;
    for (const QString& candidate : candidates)
        text += candidate + u' ';
    candidateBox_->setPlainText(text);
    candidateBox_->setToolTip(text.isEmpty() ? QString() : QStringLiteral("点击汉字得到五笔编码，并反查拼音。"));
}

// The caret just behind the first candidate, nothing selected: from there the
// arrow keys step through the candidates.
void MainWindow::focusFirstCandidate()
{
    candidateBox_->setFocus();
    const QString text = candidateBox_->toPlainText();
    QTextCursor cursor = candidateBox_->textCursor();
    cursor.setPosition(static_cast<int>(characterAfter(text, 0).size()));
    candidateBox_->setTextCursor(cursor);
}

} // namespace lumbrell
