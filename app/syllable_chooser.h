#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace lumbrell {

// A combo box whose list is always open below its edit field.
class SyllableChooser : public QWidget {
    Q_OBJECT

public:
    explicit SyllableChooser(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text); // from code: raises no signal
    void addItem(const QString& item);
    int count() const;
    QString itemText(int index) const;

    QLineEdit* edit() const { return edit_; }
    QListWidget* list() const { return list_; }

Q_SIGNALS:
    void edited();  // the user changed the text of the edit field
    void chosen();  // the user chose an item of the list (mouse or arrow keys)

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void choose(int row);

    QLineEdit* edit_;
    QListWidget* list_;
    bool choiceRaised_ = false;
};

} // namespace lumbrell
