// Stroke input: the five stroke choosers make a stroke key, the stroke table of
// its first stroke gives the candidates, and the first of them is looked up.
#include "app/form11.h"
#include "input/candidate_caret.h"
#include "input/stroke_key.h"
#include "store/gbk.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace lumbrell {

void Form11::bian()
{
    QString symbols;
    for (QComboBox* chooser : Combo)
        symbols += strokeSymbol(chooser->currentText());
    Text4.setText(symbols);
    Text4.setText(strokeDigits(Text4.text()));
    // A key equal to the last one runs no search: Text6 still holds that key's
    // candidates unless another input path has replaced them since.
    Text2bhw.setText(Text4.text());

    const QString candidates = Text6->toPlainText();
    if (candidates.isEmpty()) {
        setCaption(Label24, QString());
        setCaption(Label25, QString());
        return;
    }
    const QString first = firstCharacter(candidates).toString();
    Label20.setText(QStringLiteral("1")); // before Text2bh: it is a character key
    Text2bh.setText(first);
    Text23.setText(first);
    Command6_Click();
    focusFirstCandidate(Text6);
}

void Form11::Text2bhw_Change()
{
    if (const auto table = strokeTableOf(Text2bhw.text()))
        searchStrokeTable(*table);
}

void Form11::searchStrokeTable(int table)
{
    listCandidates(Text1bhw[table], Text2bhw);
}

} // namespace lumbrell
