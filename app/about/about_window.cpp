#include "app/about/about_window.h"

#include "app/addresses.h"
#include "app/fonts.h"
#include "app/palette.h"
#include "app/twips_layout.h"
#include "formats/twips.h"
#include "resources/art.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace lumbrell {
namespace {

// A one-pixel horizontal line from (left, y) to (right, y).
QFrame* makeLine(QWidget* parent, int left, int right, int y, const QColor& colour)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::NoFrame);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    line->setGeometry(twipsToPixels(left), twipsToPixels(y), twipsToPixels(right) - twipsToPixels(left) + 1, 1);
    return line;
}

} // namespace

AboutWindow::AboutWindow(OpenOnDesktop openOnDesktop, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                         | Qt::MSWindowsFixedSizeDialogHint),
      openOnDesktop_(std::move(openOnDesktop))
{
    setWindowTitle(QStringLiteral(" 关于"));
    setFixedSize(twipsToPixels(5985), twipsToPixels(4185));
    setWindowIcon(art::windowIcon());
    useDesignPalette(this);
    setFont(songFont(9));
    setModal(true);
    createControls();
}

void AboutWindow::createControls()
{
    // OK comes first in the tab order and holds the focus, so Enter closes the window.
    okButton_ = named(new QPushButton(QStringLiteral("确   定"), this), QStringLiteral("Command1"));
    place(okButton_, 2400, 3660, 1365, 345);
    okButton_->setDefault(true);
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    banner_ = named(new QLabel(this), QStringLiteral("Image1"));
    place(banner_, 0, 0, 6105, 1080);
    banner_->setPixmap(QPixmap::fromImage(art::aboutBanner(devicePixelRatioF())));

    programName_ = named(makeLabel(this, QStringLiteral("软件名称： Lumbrell 3.0"), 1320, 1350, 2250, 180),
                         QStringLiteral("Label1"));
    homePageHeading_ = named(makeLabel(this, QStringLiteral("官方网站： "), 1320, 1676, 990, 180), QStringLiteral("Label2"));
    homePageLink_ = named(makeLink(addresses::WebHost, 2310, 1676, 1890, 180), QStringLiteral("Label6"));
    emailHeading_ = named(makeLabel(this, QStringLiteral("联系邮箱： "), 1320, 2002, 990, 180), QStringLiteral("Label3"));
    emailLink_ = named(makeLink(addresses::ContactEmail, 2310, 2002, 1350, 180), QStringLiteral("Label5"));
    contactNumber_ = named(makeLabel(this, QStringLiteral("联系ＱＱ： ") + addresses::ContactNumber, 1320, 2328, 1710, 180),
                           QStringLiteral("Label4"));
    downloadHeading_ = named(makeLabel(this, QStringLiteral("其它软件： "), 1320, 2655, 990, 180), QStringLiteral("Label8"));
    downloadLink_ =
        named(makeLink(addresses::WebHost + addresses::DownloadPath, 2310, 2670, 2700, 180), QStringLiteral("Label7"));

    separator_[1] = named(makeLine(this, 330, 5785, 3450, QColor(0x80, 0x80, 0x80)), QStringLiteral("Line1(1)"));
    separator_[0] = named(makeLine(this, 330, 5770, 3465, Qt::white), QStringLiteral("Line1(0)"));
}

QLabel* AboutWindow::makeLink(const QString& caption, int left, int top, int width, int height)
{
    QLabel* link = makeLabel(this, caption, left, top, width, height);
    link->setFont(latinFont(9)); // an address read letter by letter: l and 1 differ
    link->adjustSize();
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    link->setPalette(palette);
    link->setCursor(art::handCursor());
    link->installEventFilter(this);
    return link;
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == emailLink_) {
            openMailToContact();
            return true;
        }
        if (watched == homePageLink_) {
            openHomePage();
            return true;
        }
        if (watched == downloadLink_) {
            openDownloadPage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::openMailToContact() { openOnDesktop_(addresses::mailTo()); }

void AboutWindow::openHomePage() { openOnDesktop_(addresses::homePage()); }

void AboutWindow::openDownloadPage() { openOnDesktop_(addresses::downloadPage()); }

} // namespace lumbrell
