#include "app/form11.h"

#include "app/addresses.h"
#include "app/palette.h"
#include "app/syllable_chooser.h"
#include "lookup/picture_box.h"
#include "app/twips_layout.h"
#include "formats/stroke_letters.h"
#include "lookup/units.h"
#include "resources/art.h"
#include "tables/syllables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QUrl>

namespace lumbrell {
namespace {

QFrame* makeLine(QWidget* parent, QFrame::Shape shape)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}


} // namespace

Form11::Form11(const QString& programFolder, const TableTexts& tables, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder), session_(tables)
{
    messageBox = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
        useDesignPalette(&box);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address in it can be copied
        box.exec();
    };
    // Shown beside the window without taking the focus, so typing goes on.
    notice = [this](const QString& title, const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
        useDesignPalette(box);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setAttribute(Qt::WA_ShowWithoutActivating);
        box->setWindowModality(Qt::NonModal);
        box->show();
    };
    openOnDesktop = [this](const QString& target) {
        if (!QDesktopServices::openUrl(QUrl(target)))
            messageBox(windowTitle(), addresses::linkNotOpenedMessage(target));
    };

    createControls();
    applyLooks();
    connectHandlers();
    startUp();
}

Form11::~Form11() = default;

void Form11::createControls()
{
    setWindowTitle(QStringLiteral(" Lumbrell 3.0"));
    setFixedSize(twipsToPixels(9165), twipsToPixels(5040));

    Command2 = new QPushButton(QStringLiteral("关于"), this);
    place(Command2, 180, 95, 675, 315);
    Text5 = new QLineEdit(this);
    place(Text5, 1020, 112, 2985, 300);
    Label15 = makeLabel(this, QStringLiteral("<= 输入查询汉字"), 4170, 165, 1350, 180);

    Combo6 = new SyllableChooser(this);
    place(Combo6, 300, 690, 1455, 4140);
    Combo6->setPrompt(QStringLiteral("输入拼音"));

    Label22 = makeLabel(this, QStringLiteral("鼠标选择笔画输入："), 2190, 720, 1620, 180);
    for (int i = 0; i < 5; ++i) {
        Combo[i] = new QComboBox(this);
        Combo[i]->setEditable(true);
        Combo[i]->setInsertPolicy(QComboBox::NoInsert);
        Combo[i]->setEditText(QStringLiteral(" "));
        place(Combo[i], 3810 + 915 * i, 660, 855, 300);
    }
    Command8 = new QPushButton(QStringLiteral("?"), this);
    place(Command8, 8520, 650, 435, 300);

    Text6 = new QPlainTextEdit(this);
    place(Text6, 2190, 990, 6735, 1545);
    Text6->setReadOnly(true);
    Text6->setAttribute(Qt::WA_InputMethodEnabled, false); // holds only what a search wrote
    Text6->setUndoRedoEnabled(false);
    Text6->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Line2 = makeLine(this, QFrame::VLine);
    place(Line2, 8940, 990, 15, 1540);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::NoFrame);
    place(Frame1, 2190, 2550, 6765, 2235);
    Line1 = makeLine(Frame1, QFrame::HLine);
    place(Line1, 120, 1770, 6510, 15);
    Label9 = makeLabel(Frame1, QStringLiteral("〖编码〗"), 15, 1905, 900, 210);
    Label5 = makeLabel(Frame1, QStringLiteral("abcdefghijk"), 960, 1890, 1485, 240);
    Label10 = makeLabel(Frame1, QStringLiteral("sss"), 960, 1875, 405, 240);
    Label23 = makeLabel(Frame1, QStringLiteral("〖拼音〗"), 3690, 1905, 900, 210);
    Label25 = makeLabel(Frame1, QStringLiteral("zhuang"), 4575, 1860, 810, 240);
    Label24 = makeLabel(Frame1, QStringLiteral("zh"), 4590, 1875, 270, 240);

    const int pictureLefts[4] = {2220, 3885, 5565, 7245};
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = new PictureBox(this);
        place(Picture1[i], pictureLefts[i], 2610, 1680, 1695);
    }
    Picture2 = new PictureBox(this);
    place(Picture2, 2700, 3000, 5790, 1080);
    Label27 = makeLabel(Picture2, QStringLiteral("有不会拆的汉字，可以联系作者，作者可以帮你，作者联系网址："), 420, 570,
                        5220, 180);
    Label28 = makeLabel(Picture2, QString(), 1860, 810, 1890, 180);
    Picture2->hide();
    notChinese = new QLabel(this);
    place(notChinese, 2700, 3000, 5790, 1080);
    notChinese->setAlignment(Qt::AlignCenter);
    notChinese->hide();
    // Over the third and fourth boxes, which such a character leaves empty.
    unsplitNote = new QLabel(QStringLiteral("此字尚无码元拆分图示，\n只显示字形。"), this);
    place(unsplitNote, 5565, 2610, 3360, 1695);
    unsplitNote->setAlignment(Qt::AlignCenter);
    unsplitNote->setWordWrap(true);
    unsplitNote->hide();
    // Over the second to fourth boxes, which a character without a drawing leaves empty.
    undrawnNote = new QLabel(QStringLiteral("此字尚无字形图，只显示字符。"), this);
    undrawnNote->setObjectName(QStringLiteral("undrawnNote"));
    place(undrawnNote, 3885, 2610, 5040, 1695);
    undrawnNote->setAlignment(Qt::AlignCenter);
    undrawnNote->hide();
    // The code of a word typed or pasted whole, on the entry box's row after
    // its hint: the only free row of the fixed layout long enough for a word
    // of seven characters (under the code line there are 15 pixels of panel).
    wordLine = new QLabel(this);
    wordLine->setObjectName(QStringLiteral("wordLine"));
    place(wordLine, 5610, 150, 3420, 210);
    wordLine->hide();

    // Stacking, top first: the not-found panel, the four pictures, the frame.
    Frame1->lower();
    for (PictureBox* box : Picture1)
        box->raise();
    Picture2->raise();
    notChinese->raise();
    unsplitNote->raise();
    undrawnNote->raise();

    // Tab starts at the entry box, then goes from the top left to the bottom right.
    QWidget* order[] = {Text5, Command2, Combo6->edit(), Combo6->list(), Combo[0], Combo[1], Combo[2],
                        Combo[3], Combo[4], Command8, Text6, Label10, Label24};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Text5->setFocus();
}

void Form11::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

void Form11::startUp()
{
    for (int i = 0; i < 16; ++i)
        Image13[i] = art::identificationDiagram(i, devicePixelRatioF());

    Image2 = art::handCursor();
    Label28->setCursor(Image2);

    if (!session_.open(programFolder_ + QStringLiteral("/wwbb11.dat"), &startupError_))
        return;

    for (PictureBox* box : Picture1)
        box->setPicture(QImage());
    setCaption(Label5, QString());
    setCaption(Label10, QString());
    setCaption(Label24, QString());
    setCaption(Label25, QString());

    for (const char16_t symbol : strokes::Symbols)
        for (QComboBox* chooser : Combo)
            chooser->addItem(QString(QChar(symbol)));
    for (int i = 1; i < 5; ++i)
        Combo[i]->addItem(QStringLiteral(" "));
    // Nothing is chosen: the first Down key gives the first stroke.
    for (QComboBox* chooser : Combo) {
        chooser->setCurrentIndex(-1);
        chooser->setEditText(QStringLiteral(" "));
    }
    for (const QString& syllable : chooserSyllables())
        Combo6->addItem(syllable);

    Label5->move(Label10->x() + twipsToPixels(20), Label10->y() + twipsToPixels(20));
    Label25->move(Label24->x() + twipsToPixels(20), Label24->y() + twipsToPixels(20));
    Label5->stackUnder(Label10);
    Label25->stackUnder(Label24);

    Text6->viewport()->setCursor(Image2);
}

void Form11::closeEvent(QCloseEvent* event)
{
    session_.close();
    event->accept();
    QApplication::quit();
}

} // namespace lumbrell
