// Pinyin input: a syllable typed or chosen in Combo6 lists its characters as
// candidates, shows the syllable and looks up the first candidate. The pinyin
// key Text2bh also serves the other way: a character there gets its pinyin.
#include "app/form11.h"
#include "app/syllable_chooser.h"
#include "input/candidate_caret.h"
#include "input/syllable_key.h"
#include "store/gbk.h"
#include "store/spaces.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace lumbrell {
namespace {

// Searches the syllable of Combo6 and shows the outcome; true when there are
// candidates.
bool takeSyllable(Form11& form)
{
    if (isBlank(form.Combo6->text()))
        return false;
    form.Label20.setText(QStringLiteral("2"));
    if (const auto key = syllableKey(form.Combo6->text()))
        form.Text2bh.setText(*key); // runs the search, which refills Text6
    const QString candidates = form.Text6->toPlainText();
    if (candidates.isEmpty())
        return false;
    Form11::setCaption(form.Label24, form.Combo6->text());
    Form11::setCaption(form.Label25, form.Combo6->text());
    form.Text23.setText(firstCharacter(candidates).toString());
    form.Command6_Click();
    return true;
}

} // namespace

void Form11::Combo6_Change()
{
    takeSyllable(*this);
}

void Form11::Combo6_Click()
{
    if (takeSyllable(*this))
        focusFirstCandidate(Text6);
}

void Form11::Text2bh_Change()
{
    if (isBlank(Text2bh.text()))
        return;
    if (Label20.text() != u"1") {
        for (int table = 0; table < 5; ++table)
            if (inSyllableGroup(table, firstCharacter(Text2bh.text())))
                searchSyllableTable(table);
        return;
    }
    if (isDoubleByte(Text2bh.text())) {
        Command9z_Click();
        return;
    }
    setCaption(Label24, QString());
    setCaption(Label25, QString());
}

void Form11::searchSyllableTable(int table)
{
    listCandidates(Text1bh[table], Text2bh);
}

} // namespace lumbrell
