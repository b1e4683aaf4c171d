#include "app/syllable_chooser.h"

#include "input/syllable_spelling.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace lumbrell {
namespace {

// Text a syllable can be spelled in: Latin letters, with their tone marks and
// ü, tone digits, and the colon of u:.
bool isPinyinSpelling(const QString& text)
{
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.unicode() >= 0x80 && c.script() != QChar::Script_Latin && c.category() != QChar::Mark_NonSpacing)
            return false;
    return true;
}

// A key that puts a character into a text field.
bool isTyping(const QKeyEvent& key)
{
    return !key.text().isEmpty() && key.text()[0].isPrint() && !(key.modifiers() & Qt::ControlModifier);
}

// A line edit that tells input methods it takes none of them: with fcitx or
// ibus on, the keys still arrive as plain Latin letters.
class LatinLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query);
    }
};

} // namespace

SyllableChooser::SyllableChooser(QWidget* parent)
    : QWidget(parent), edit_(new LatinLineEdit(this)), list_(new QListWidget(this))
{
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Pinyin is typed as Latin letters: the field opts out of input methods.
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferLowercase | Qt::ImhNoPredictiveText);
    edit_->installEventFilter(this);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);

    connect(edit_, &QLineEdit::textEdited, this, [this] {
        showingPrompt_ = false;
        followTypedText();
        Q_EMIT edited();
    });
    // Only a key handled by the list chooses by moving the current row: the
    // row set when the list merely takes the focus, or when a click is
    // pressed, is no choice (the click chooses when released).
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (keyInList_ && row >= 0)
            choose(row);
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(list_->row(item)); });
}

void SyllableChooser::choose(int row)
{
    setText(list_->item(row)->text());
    Q_EMIT chosen();
}

void SyllableChooser::showRow(int row)
{
    const QSignalBlocker blocker(list_);
    list_->setCurrentRow(row);
    if (row >= 0)
        list_->scrollToItem(list_->item(row), QAbstractItemView::PositionAtTop);
}

void SyllableChooser::followTypedText()
{
    // The syllable a whole spelling stands for (lv is lu), else the first that
    // starts with what has been typed so far.
    const auto syllable = chooserSyllableOf(edit_->text());
    if (syllable) {
        const auto items = list_->findItems(*syllable, Qt::MatchExactly);
        if (!items.isEmpty()) {
            showRow(list_->row(items.first()));
            return;
        }
    }
    const QString typed = edit_->text().trimmed().toLower();
    if (typed.isEmpty())
        return;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->text().startsWith(typed)) {
            showRow(row);
            return;
        }
    }
}

void SyllableChooser::step(int rows)
{
    const int row = std::clamp(list_->currentRow() + rows, 0, list_->count() - 1);
    showRow(row);
    setText(list_->item(row)->text());
    Q_EMIT edited();
}

bool SyllableChooser::filterEdit(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down:
            step(1);
            return true;
        case Qt::Key_Up:
            step(-1);
            return true;
        case Qt::Key_PageDown:
            step(10);
            return true;
        case Qt::Key_PageUp:
            step(-10);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT chosen();
            return true;
        default:
            break;
        }
        // The first key replaces the prompt, wherever the caret is.
        const bool erasing = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        if (showingPrompt_ && (isTyping(*key) || erasing)) {
            setText(QString());
            return erasing;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
        if (showingPrompt_) {
            if (event->type() == QEvent::MouseButtonRelease)
                edit_->event(event);
            edit_->selectAll();
            return event->type() == QEvent::MouseButtonRelease;
        }
        return false;
    case QEvent::InputMethod: {
        // An input method's commit reaches the field only when it spells pinyin (lü, mǎ).
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!isPinyinSpelling(commit))
            return true;
        if (showingPrompt_ && !commit.isEmpty())
            setText(QString());
        return false;
    }
    default:
        return false;
    }
}

bool SyllableChooser::filterList(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (list_->currentRow() >= 0)
            choose(list_->currentRow());
        return true;
    }
    // Letters typed in the list go on in the field, as the start of a syllable.
    if (isTyping(*key) && key->text() != u" ") {
        edit_->setFocus(Qt::OtherFocusReason);
        QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(edit_, &forwarded);
        return true;
    }
    // Handled by the list with the filter out of the way, so that a new current
    // row it sets counts as a choice.
    keyInList_ = true;
    list_->removeEventFilter(this);
    QCoreApplication::sendEvent(list_, event);
    list_->installEventFilter(this);
    keyInList_ = false;
    return true;
}

bool SyllableChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_)
        return filterEdit(event);
    if (watched == list_)
        return filterList(event);
    return QWidget::eventFilter(watched, event);
}

QString SyllableChooser::text() const { return edit_->text(); }

void SyllableChooser::setText(const QString& text)
{
    const QSignalBlocker blocker(edit_);
    edit_->setText(text);
    showingPrompt_ = false;
}

void SyllableChooser::setPrompt(const QString& prompt)
{
    setText(prompt);
    showingPrompt_ = true;
}

void SyllableChooser::addItem(const QString& item) { list_->addItem(item); }

void SyllableChooser::resizeEvent(QResizeEvent*)
{
    const int editHeight = edit_->sizeHint().height();
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

} // namespace lumbrell
