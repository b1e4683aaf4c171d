// How the main window looks: its frame, fonts, colours, pictures and tooltips.
#include "app/addresses.h"
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/palette.h"
#include "app/syllable_chooser.h"
#include "app/picture_box.h"
#include "resources/art.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

namespace lumbrell {
namespace {

const QColor Blue(0x00, 0x00, 0xFF);
const QColor Silver(0xC0, 0xC0, 0xC0);

void setColours(QWidget* widget, const QColor& text, const QColor& ground, bool opaque)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, ground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(opaque);
}

void setLabelLooks(QLabel* label, const QFont& font, const QColor& text, const QColor& ground, bool opaque)
{
    label->setFont(font);
    setColours(label, text, ground, opaque);
    label->adjustSize();
}

void setLineColour(QFrame* line, const QColor& colour)
{
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, colour);
    line->setPalette(palette);
}

} // namespace

void MainWindow::applyLooks()
{
    // A fixed frame: minimise and close, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setWindowIcon(art::windowIcon());

    // The window draws in its own colours whatever the desktop's theme: a dark
    // palette would otherwise give light text on the boxes' forced white.
    useDesignPalette(this);
    QToolTip::setPalette(designPalette());

    // The background picture, the two white panels on the grey field, lies
    // under every control at the client area's top-left corner.
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("background"));
    background->setPixmap(QPixmap::fromImage(art::background(devicePixelRatioF())));
    background->setAttribute(Qt::WA_TransparentForMouseEvents);
    background->adjustSize();
    background->lower();

    const QFont small = songFont(9);
    setFont(songFont(12)); // every control without a font of its own
    for (QWidget* control : std::initializer_list<QWidget*>{aboutButton_, strokeHelpButton_, entryBox_, syllableChooser_})
        control->setFont(small);
    for (QComboBox* chooser : strokeChoosers_)
        chooser->setFont(small);

    const QColor transparent = Qt::transparent;
    setLabelLooks(entryPrompt_, small, Qt::black, transparent, false);
    setLabelLooks(strokePrompt_, small, Qt::black, transparent, false);
    setLabelLooks(notFoundMessage_, small, Qt::black, Qt::white, true);
    QFont link = latinFont(9);
    link.setUnderline(true);
    setCaption(homePageLink_, addresses::WebHost);
    setLabelLooks(homePageLink_, link, Blue, Qt::white, true);

    const QFont heading = songFont(10.5, true);
    setLabelLooks(codeHeading_, heading, Qt::black, Qt::white, true);
    setLabelLooks(pinyinHeading_, heading, Qt::black, Qt::white, true);
    const QFont code = codeFont(12, true);
    setLabelLooks(codeLine_, code, Blue, transparent, false);
    const QFont pinyin = latinFont(12, true);
    setLabelLooks(pinyinLine_, pinyin, Blue, transparent, false);
    setLabelLooks(codeShadow_, code, Qt::white, transparent, false);
    setLabelLooks(pinyinShadow_, pinyin, Qt::white, transparent, false);
    // The codes and the pinyin can be selected and copied. The blue label on
    // top takes the mouse; its white twin beneath lets it through, so a drag
    // selects the text the user sees.
    for (QLabel* shown : {codeLine_, pinyinLine_}) {
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        shown->setFocusPolicy(Qt::StrongFocus); // reached by Tab as well as by a click
    }
    for (QLabel* twin : {codeShadow_, pinyinShadow_})
        twin->setAttribute(Qt::WA_TransparentForMouseEvents);

    // candidateBox_ keeps the window's 12-point font on white.
    QPalette candidates = candidateBox_->palette();
    candidates.setColor(QPalette::Base, Qt::white);
    candidateBox_->setPalette(candidates);

    // The frame takes the window colours of a text box: black on white.
    const QPalette design = designPalette();
    setColours(resultFrame_, design.color(QPalette::Text), design.color(QPalette::Base), true);
    setLineColour(pictureRule_, Silver);
    setLineColour(candidateRule_, Qt::black);

    notFoundPanel_->setPicture(art::notFoundNotice(devicePixelRatioF()));

    const QStringList strokeTips = {QStringLiteral("第一笔画"), QStringLiteral("第二笔画"), QStringLiteral("第三笔画"),
                                    QStringLiteral("第四笔画"), QStringLiteral("最后一笔画")};
    for (int i = 0; i < 5; ++i)
        strokeChoosers_[i]->setToolTip(strokeTips[i]);
    strokeHelpButton_->setToolTip(QStringLiteral("帮助"));
}

} // namespace lumbrell
