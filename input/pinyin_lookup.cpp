// Character-to-pinyin: the pinyin tables are searched in order for the
// character in Text2bh; the first table that lists it gives the syllable
// field shown in the pinyin display.
#include "app/form11.h"

#include <QLabel>

namespace lumbrell {

void Form11::Command9z_Click()
{
    Command9a_Click();
    if (Label24->text().isEmpty())
        Command9b_Click();
    if (Label24->text().isEmpty())
        Command9c_Click();
    if (Label24->text().isEmpty())
        Command9d_Click();
    if (Label24->text().isEmpty())
        Command9e_Click();
}

void Form11::searchPinyinTable(int table)
{
    setCaption(Label24, QString());
    setCaption(Label25, QString());
    for (;;) {
        TextSearchf(Text1bh[table], Text2bh.text());
        if (Label1bh.text() != u"1")
            return;
        // Each line of the character overwrites the display: the last one stays.
        setCaption(Label24, Label2bh.text());
        setCaption(Label25, Label24->text());
    }
}

} // namespace lumbrell
