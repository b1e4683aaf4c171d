// What follows the candidate text: the tooltip of Text6, the text without its
// spaces (Text1a), the off-window list of candidates (List1) and the label
// through which a selected list item becomes the query (Label3).
#include "app/form11.h"
#include "store/gbk.h"
#include "tables/characters.h"

#include <QPlainTextEdit>

namespace lumbrell {

void Form11::Text6_Change()
{
    const QString text = Text6->toPlainText();
    Text6->setToolTip(text.isEmpty() ? QString() : QStringLiteral("点击汉字得到五笔编码，并反查拼音。"));
    if (text.isEmpty())
        return; // List1 keeps the previous candidates
    Text1a.setText(QString(text).remove(u' '));
    List1.clear();
    const QString candidates = Text1a.text();
    for (qsizetype at = 0; at < candidates.size();) {
        const QStringView character = characterAfter(candidates, at);
        List1.append(character.toString());
        at += character.size();
    }
}

void Form11::List1_Click(int index)
{
    if (index < 0 || index >= List1.size())
        return;
    Label3.setText(List1[index]);
}

void Form11::Label3_Change()
{
    const QString caption = Label3.text();
    if (!isDoubleByte(caption))
        return;
    Text23.setText(caption);
    Label20.setText(QStringLiteral("1"));
    Text2bh.setText(caption);
}

// A stroke or syllable search: the candidate box emptied, then every character
// the table lists under the key appended with its space, one find-next call
// each, until the first miss.
void Form11::listCandidates(const Field& table, const Field& key)
{
    setText6(QString());
    for (;;) {
        TextSearch(table, key.text());
        if (Label1bh.text() != u"1")
            return;
        setText6(Text6->toPlainText() + Label2bh.text() + u' ');
    }
}

} // namespace lumbrell
