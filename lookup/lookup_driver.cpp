// The lookup of the query character: find its record, show its codes, give the
// four boxes their pictures and mark the components, or show the not-found
// panel.
#include "app/form11.h"
#include "lookup/code_line.h"
#include "lookup/picture_box.h"
#include "store/spaces.h"

#include <QLabel>

namespace lumbrell {
namespace {

const QString FieldBlank = QString(72, u' ');

} // namespace

void Form11::Command6_Click()
{
    if (Text23.text().isEmpty())
        return;
    if (!FindRecord()) {
        Label4.setText(QString());
        Label8.setText(QString());
        Label7.setText(QString());
        Label6.setText(QString());
        for (PictureBox* box : Picture1)
            box->setPicture(QImage());
        Picture2->show();
        setCaption(Label10, QString());
        setCaption(Label5, QString());
        Text23.setText(QString());
        return;
    }

    Picture2->hide();
    display();

    // Positions the code does not have carry no fill points.
    const qsizetype code3Length = trimSpaces(Text14.text()).size();
    if (code3Length == 2) {
        Text19.setText(QString());
        Text20.setText(QString());
        Rec.Info3 = FieldBlank;
        Rec.Info4 = FieldBlank;
    }
    if (code3Length == 3) {
        Text20.setText(QString());
        Rec.Info4 = FieldBlank;
    }

    Label4.setText(Text23.text());
    Label8.setText(Text12.text());
    Label7.setText(Text13.text());
    Label6.setText(Text14.text());

    setCaption(Label5, buildCodeLine(Label6.text(), Label7.text(), Label8.text()));
    setCaption(Label10, Label5->text());

    if (!PreparePictures()) {
        Text23.setText(QString());
        return;
    }

    MarkComponent(1);
    MarkComponent(2);
    const bool thirdIsIdentification = trimSpaces(Text19.text()) == u"0";
    const bool fourthIsIdentification = trimSpaces(Text20.text()) == u"0";
    if (thirdIsIdentification) {
        ShowIdentificationCode(3);
        // The fourth position still shows its diagram (the single strokes end in
        // two identification letters).
        if (fourthIsIdentification)
            ShowIdentificationCode(4);
        return;
    }
    MarkComponent(3);
    if (fourthIsIdentification) {
        ShowIdentificationCode(4);
        return;
    }
    MarkComponent(4);
    Text23.setText(QString());
}

} // namespace lumbrell
