// The entry box Text5 and the query box Text23: what the user types, pastes or
// clicks in the entry box becomes the query character and the pinyin key.
#include "app/form11.h"
#include "store/gbk.h"
#include "store/spaces.h"
#include "tables/characters.h"

#include <QLineEdit>

namespace lumbrell {

void Form11::Text5_Change()
{
    const QString text = Text5->text();
    if (isBlank(text))
        return;
    const QString first = firstCharacter(text).toString(); // a leading space is taken as it is
    Text23.setText(first);
    Label20.setText(QStringLiteral("1"));
    Text2bh.setText(first);
    Command6_Click(); // again: the first lookup may have emptied Text23
}

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
    const QString selected = Text5->selectedText();
    if (characterCount(selected) == 1)
        Text23.setText(selected);
    Label20.setText(QStringLiteral("1"));
    Text2bh.setText(selected);
}

void Form11::Text5_KeyUp()
{
    takeCharacterBeforeCaret(Text5->text(), Text5->cursorPosition());
}

// After a key is released in the entry or the candidate box: the character in
// front of the caret becomes the query and the pinyin key.
void Form11::takeCharacterBeforeCaret(const QString& text, qsizetype caret)
{
    if (text.isEmpty())
        return;
    const QString before = characterBefore(text, caret).toString();
    if (before.isEmpty())
        return;
    Text23.setText(before);
    Label20.setText(QStringLiteral("1"));
    Text2bh.setText(before);
}

void Form11::Text23_Change()
{
    if (!isBlank(Text23.text()))
        Command6_Click();
}

} // namespace lumbrell
