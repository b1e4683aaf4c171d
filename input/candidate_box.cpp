// The candidate box Text6: a click on a candidate, or the caret moved behind
// one, makes it the query character and the pinyin key.
#include "app/form11.h"
#include "input/candidate_caret.h"
#include "tables/characters.h"

#include <QPlainTextEdit>
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

void focusFirstCandidate(QPlainTextEdit* candidates)
{
    candidates->setFocus();
    const QString text = candidates->toPlainText();
    QTextCursor cursor = candidates->textCursor();
    cursor.setPosition(static_cast<int>(characterAfter(text, 0).size()));
    candidates->setTextCursor(cursor);
}

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
    const QString selected = Text6->textCursor().selectedText();
    if (characterCount(selected) == 1)
        Text23.setText(selected);
    Label20.setText(QStringLiteral("1"));
    Text2bh.setText(selected);
}

void Form11::Text6_KeyUp()
{
    takeCharacterBeforeCaret(Text6->toPlainText(), Text6->textCursor().position());
}

} // namespace lumbrell
