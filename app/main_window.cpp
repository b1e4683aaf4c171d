#include "app/main_window.h"
#include "formats/position_roots_format.h"

#include "app/addresses.h"
#include "app/palette.h"
#include "app/picture_box.h"
#include "app/syllable_chooser.h"
#include "app/twips_layout.h"
#include "formats/stroke_letters.h"
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
#include <QUrl>

namespace lumbrell {
namespace {

// Gives a control its design name, by which tests and maintainers find it.
template <typename Control>
Control* named(Control* control, const QString& designName)
{
    control->setObjectName(designName);
    return control;
}

QFrame* makeLine(QWidget* parent, QFrame::Shape shape)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

MainWindow::MainWindow(const QString& dataFolder, const TableTexts& tables, QWidget* parent)
    : QWidget(parent), session_(tables)
{
    setObjectName(QStringLiteral("Form11"));
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
    if (session_.open(dataFolder, &startupError_)) {
        // Data built before the roots were written has none: the pictures then go without tooltips.
        QString noRoots;
        positionRoots_.read(dataFolder + u'/' + QLatin1String(positionroots::FileName), &noRoots);
        startUp();
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    setWindowTitle(QStringLiteral(" Lumbrell 3.0"));
    setFixedSize(twipsToPixels(9165), twipsToPixels(5040));

    aboutButton_ = named(new QPushButton(QStringLiteral("关于"), this), QStringLiteral("Command2"));
    place(aboutButton_, 180, 95, 675, 315);
    entryBox_ = named(new QLineEdit(this), QStringLiteral("Text5"));
    place(entryBox_, 1020, 112, 2985, 300);
    entryPrompt_ = named(makeLabel(this, QStringLiteral("<= 输入查询汉字"), 4170, 165, 1350, 180), QStringLiteral("Label15"));

    syllableChooser_ = named(new SyllableChooser(this), QStringLiteral("Combo6"));
    place(syllableChooser_, 300, 690, 1455, 4140);
    syllableChooser_->setPrompt(QStringLiteral("输入拼音"));

    strokePrompt_ =
        named(makeLabel(this, QStringLiteral("鼠标选择笔画输入："), 2190, 720, 1620, 180), QStringLiteral("Label22"));
    for (int i = 0; i < 5; ++i) {
        QComboBox* chooser = named(new QComboBox(this), QStringLiteral("Combo%1").arg(i + 1));
        chooser->setEditable(true);
        chooser->setInsertPolicy(QComboBox::NoInsert);
        chooser->setEditText(QStringLiteral(" "));
        place(chooser, 3810 + 915 * i, 660, 855, 300);
        strokeChoosers_[i] = chooser;
    }
    strokeHelpButton_ = named(new QPushButton(QStringLiteral("?"), this), QStringLiteral("Command8"));
    place(strokeHelpButton_, 8520, 650, 435, 300);

    candidateBox_ = named(new QPlainTextEdit(this), QStringLiteral("Text6"));
    place(candidateBox_, 2190, 990, 6735, 1545);
    candidateBox_->setReadOnly(true);
    candidateBox_->setAttribute(Qt::WA_InputMethodEnabled, false); // holds only what a search wrote
    candidateBox_->setUndoRedoEnabled(false);
    candidateBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    candidateBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    candidateRule_ = named(makeLine(this, QFrame::VLine), QStringLiteral("Line2"));
    place(candidateRule_, 8940, 990, 15, 1540);

    resultFrame_ = named(new QFrame(this), QStringLiteral("Frame1"));
    resultFrame_->setFrameShape(QFrame::NoFrame);
    place(resultFrame_, 2190, 2550, 6765, 2235);
    pictureRule_ = named(makeLine(resultFrame_, QFrame::HLine), QStringLiteral("Line1"));
    place(pictureRule_, 120, 1770, 6510, 15);
    codeHeading_ = named(makeLabel(resultFrame_, QStringLiteral("〖编码〗"), 15, 1905, 900, 210), QStringLiteral("Label9"));
    codeShadow_ =
        named(makeLabel(resultFrame_, QStringLiteral("abcdefghijk"), 960, 1890, 1485, 240), QStringLiteral("Label5"));
    codeLine_ = named(makeLabel(resultFrame_, QStringLiteral("sss"), 960, 1875, 405, 240), QStringLiteral("Label10"));
    pinyinHeading_ =
        named(makeLabel(resultFrame_, QStringLiteral("〖拼音〗"), 3690, 1905, 900, 210), QStringLiteral("Label23"));
    pinyinShadow_ =
        named(makeLabel(resultFrame_, QStringLiteral("zhuang"), 4575, 1860, 810, 240), QStringLiteral("Label25"));
    pinyinLine_ = named(makeLabel(resultFrame_, QStringLiteral("zh"), 4590, 1875, 270, 240), QStringLiteral("Label24"));

    const int pictureLefts[4] = {2220, 3885, 5565, 7245};
    for (int i = 0; i < 4; ++i) {
        positionBoxes_[i] = named(new PictureBox(this), QStringLiteral("Picture1(%1)").arg(i));
        place(positionBoxes_[i], pictureLefts[i], 2610, 1680, 1695);
    }
    notFoundPanel_ = named(new PictureBox(this), QStringLiteral("Picture2"));
    place(notFoundPanel_, 2700, 3000, 5790, 1080);
    notFoundMessage_ =
        named(makeLabel(notFoundPanel_, QStringLiteral("有不会拆的汉字，可以联系作者，作者可以帮你，作者联系网址："), 420,
                        570, 5220, 180),
              QStringLiteral("Label27"));
    homePageLink_ = named(makeLabel(notFoundPanel_, QString(), 1860, 810, 1890, 180), QStringLiteral("Label28"));
    notFoundPanel_->hide();
    notChineseNote_ = named(new QLabel(this), QStringLiteral("notChineseNote"));
    place(notChineseNote_, 2700, 3000, 5790, 1080);
    notChineseNote_->setAlignment(Qt::AlignCenter);
    notChineseNote_->hide();
    // Over the third and fourth boxes, which such a character leaves empty.
    unsplitNote_ = named(new QLabel(QStringLiteral("此字尚无码元拆分图示，\n只显示字形。"), this), QStringLiteral("unsplitNote"));
    place(unsplitNote_, 5565, 2610, 3360, 1695);
    unsplitNote_->setAlignment(Qt::AlignCenter);
    unsplitNote_->setWordWrap(true);
    unsplitNote_->hide();
    // Over the second to fourth boxes, which a character without a drawing leaves empty.
    undrawnNote_ = named(new QLabel(QStringLiteral("此字尚无字形图，只显示字符。"), this), QStringLiteral("undrawnNote"));
    place(undrawnNote_, 3885, 2610, 5040, 1695);
    undrawnNote_->setAlignment(Qt::AlignCenter);
    undrawnNote_->hide();
    // The code of a word typed or pasted whole, on the entry box's row after
    // its hint: the only free row of the fixed layout long enough for a word
    // of seven characters (under the code line there are 15 pixels of panel).
    wordLine_ = named(new QLabel(this), QStringLiteral("wordLine"));
    place(wordLine_, 5610, 150, 3420, 210);
    wordLine_->hide();

    // Stacking, top first: the not-found panel, the four pictures, the frame.
    resultFrame_->lower();
    for (PictureBox* box : positionBoxes_)
        box->raise();
    notFoundPanel_->raise();
    notChineseNote_->raise();
    unsplitNote_->raise();
    undrawnNote_->raise();

    // Tab starts at the entry box, then goes from the top left to the bottom right.
    QWidget* order[] = {entryBox_,          aboutButton_,       syllableChooser_->edit(), syllableChooser_->list(),
                        strokeChoosers_[0], strokeChoosers_[1], strokeChoosers_[2],       strokeChoosers_[3],
                        strokeChoosers_[4], strokeHelpButton_,  candidateBox_,            codeLine_,
                        pinyinLine_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    entryBox_->setFocus();
}

void MainWindow::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

void MainWindow::startUp()
{
    for (int i = 0; i < 16; ++i)
        identificationDiagrams_[i] = art::identificationDiagram(i, devicePixelRatioF());
    session_.setDevicePixelRatio(devicePixelRatioF());

    handCursor_ = art::handCursor();
    homePageLink_->setCursor(handCursor_);
    candidateBox_->viewport()->setCursor(handCursor_);

    for (PictureBox* box : positionBoxes_)
        box->setPicture(QImage());
    for (QLabel* label : {codeShadow_, codeLine_, pinyinLine_, pinyinShadow_})
        setCaption(label, QString());

    for (const char16_t symbol : strokes::Symbols)
        for (QComboBox* chooser : strokeChoosers_)
            chooser->addItem(QString(QChar(symbol)));
    for (int i = 1; i < 5; ++i)
        strokeChoosers_[i]->addItem(QStringLiteral(" "));
    // Nothing is chosen: the first Down key gives the first stroke.
    for (QComboBox* chooser : strokeChoosers_) {
        chooser->setCurrentIndex(-1);
        chooser->setEditText(QStringLiteral(" "));
    }
    for (const QString& syllable : chooserSyllables())
        syllableChooser_->addItem(syllable);

    // Each white shadow lies just below and right of its blue label.
    codeShadow_->move(codeLine_->x() + twipsToPixels(20), codeLine_->y() + twipsToPixels(20));
    pinyinShadow_->move(pinyinLine_->x() + twipsToPixels(20), pinyinLine_->y() + twipsToPixels(20));
    codeShadow_->stackUnder(codeLine_);
    pinyinShadow_->stackUnder(pinyinLine_);
}

void MainWindow::lookUpInEntryBox(const QString& character)
{
    if (character.isEmpty())
        return;
    entryBox_->clear();
    entryBox_->setText(character);
    entryBox_->selectAll();
    entryBox_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}

} // namespace lumbrell
