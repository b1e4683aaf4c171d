// The four component pictures: the character's drawing in every box that shows
// a component, an identification diagram where the code ends in one, nothing
// where the code has no such position.
#include "app/form11.h"
#include "lookup/drawing_file.h"
#include "lookup/identification.h"
#include "lookup/picture_box.h"
#include "store/gbk.h"
#include "store/spaces.h"

#include <QFileInfo>

namespace lumbrell {
namespace {

bool showsComponent(const QString& info)
{
    const QString t = trimSpaces(info);
    return !t.isEmpty() && t != u"0";
}

} // namespace

QString Form11::drawingPath(const QString& character) const
{
    return programFolder_ + QStringLiteral("/bmp/") + character + QStringLiteral(".bmp");
}

bool Form11::loadDrawing(QImage* image)
{
    const QString path = drawingPath(firstCharacter(Text11.text()).toString());
    *image = readDrawingFile(path);
    if (!image->isNull())
        return true;
    // Said once per file, so a lookup repeated by the same keystroke does not
    // raise the same message again.
    if (!reportedMissingDrawings_.contains(path)) {
        reportedMissingDrawings_.insert(path);
        if (messageBox)
            messageBox(windowTitle(), QStringLiteral("无法读取汉字图片，五笔编码照常显示：\n%1").arg(path));
    }
    return false;
}

bool Form11::PreparePictures()
{
    QImage drawing;
    if (!loadDrawing(&drawing)) {
        for (PictureBox* box : Picture1)
            box->setPicture(QImage());
        return false;
    }
    Picture1[0]->setPicture(drawing);
    Picture1[1]->setPicture(Picture1[0]->picture());
    // Every box is settled: one that shows no component is emptied here and,
    // for an identification position, given its diagram afterwards.
    Picture1[2]->setPicture(showsComponent(Text19.text()) ? Picture1[0]->picture() : QImage());
    Picture1[3]->setPicture(showsComponent(Text20.text()) ? Picture1[0]->picture() : QImage());

    const qsizetype code3Length = trimSpaces(Text14.text()).size();
    if (code3Length == 2) {
        Picture1[2]->setPicture(QImage());
        Picture1[3]->setPicture(QImage());
    }
    if (code3Length == 3)
        Picture1[3]->setPicture(QImage());
    return true;
}

void Form11::ShowIdentificationCode(int position)
{
    const QString code1 = Text12.text();
    const QChar letter = position - 1 < code1.size() ? code1[position - 1] : QChar(u' ');
    const int index = identificationIndex(letter);
    Picture1[position - 1]->setPicture(index >= 0 ? Image13[index] : QImage());
}

void Form11::Label4_Change()
{
    if (trimSpaces(Label4.text()) == u"倔")
        Picture1[3]->erase();
}

void Form11::Label4_Click()
{
    Label4_Change();
}

} // namespace lumbrell
