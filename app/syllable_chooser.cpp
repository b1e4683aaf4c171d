#include "app/syllable_chooser.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace lumbrell {

SyllableChooser::SyllableChooser(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this))
{
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(edit_, &QLineEdit::textEdited, this, &SyllableChooser::edited);
    // A choice puts the item's text into the edit field without counting as an
    // edit, then reports the choice.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        choiceRaised_ = true;
        choose(row);
    });
    // A click on the item that is already current changes no row; it is still a
    // choice. A click that did change the row has been reported above.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (choiceRaised_) {
            choiceRaised_ = false;
            return;
        }
        choose(list_->row(item));
    });
}

void SyllableChooser::choose(int row)
{
    setText(list_->item(row)->text());
    Q_EMIT chosen();
}

QString SyllableChooser::text() const { return edit_->text(); }

void SyllableChooser::setText(const QString& text)
{
    const QSignalBlocker blocker(edit_);
    edit_->setText(text);
}

void SyllableChooser::addItem(const QString& item) { list_->addItem(item); }

int SyllableChooser::count() const { return list_->count(); }

QString SyllableChooser::itemText(int index) const
{
    const QListWidgetItem* item = list_->item(index);
    return item ? item->text() : QString();
}

void SyllableChooser::resizeEvent(QResizeEvent*)
{
    const int editHeight = edit_->sizeHint().height();
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

} // namespace lumbrell
