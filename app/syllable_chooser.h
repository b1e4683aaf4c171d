#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace lumbrell {

// A combo box whose list is always open below its edit field. The field takes
// pinyin spellings only (letters, tone marks, ü, tone digits), whatever input
// method is active. Typing moves the list to the syllable the text stands for
// (lv: lu, ma3: ma), else to the first syllable that starts with the text; Up and Down in the
// field step through the list as typing would; Enter, a click and the arrow
// keys in the list choose.
class SyllableChooser : public QWidget {
    Q_OBJECT

public:
    explicit SyllableChooser(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text); // from code: raises no signal
    // A text shown until the user types: focus selects it, the first key replaces it.
    void setPrompt(const QString& prompt);
    void addItem(const QString& item);

    QLineEdit* edit() const { return edit_; }
    QListWidget* list() const { return list_; }

Q_SIGNALS:
    void edited();  // the user changed the text of the edit field
    void chosen();  // the user chose an item of the list, or pressed Enter in the field

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int row);
    void showRow(int row);             // makes a row current without choosing it
    void followTypedText();            // the syllable the text stands for, or the first that starts with it
    void step(int rows);               // Up / Down in the field
    bool filterEdit(QEvent* event);
    bool filterList(QEvent* event);

    QLineEdit* edit_;
    QListWidget* list_;
    bool showingPrompt_ = false;
    bool keyInList_ = false; // a key is being handled by the list: a new current row is a choice
};

} // namespace lumbrell
