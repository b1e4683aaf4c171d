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
    Command1 = new QPushButton(QStringLiteral("确   定"), this);
    place(Command1, 2400, 3660, 1365, 345);
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Image1 = new QLabel(this);
    place(Image1, 0, 0, 6105, 1080);
    Image1->setPixmap(QPixmap::fromImage(art::aboutBanner(devicePixelRatioF())));

    Label1 = makeLabel(this, QStringLiteral("软件名称： Lumbrell 3.0"), 1320, 1350, 2250, 180);
    Label2 = makeLabel(this, QStringLiteral("官方网站： "), 1320, 1676, 990, 180);
    Label6 = makeLink(addresses::WebHost, 2310, 1676, 1890, 180);
    Label3 = makeLabel(this, QStringLiteral("联系邮箱： "), 1320, 2002, 990, 180);
    Label5 = makeLink(addresses::ContactEmail, 2310, 2002, 1350, 180);
    Label4 = makeLabel(this, QStringLiteral("联系ＱＱ： ") + addresses::ContactNumber, 1320, 2328, 1710, 180);
    Label8 = makeLabel(this, QStringLiteral("其它软件： "), 1320, 2655, 990, 180);
    Label7 = makeLink(addresses::WebHost + addresses::DownloadPath, 2310, 2670, 2700, 180);

    Line1[1] = makeLine(this, 330, 5785, 3450, QColor(0x80, 0x80, 0x80));
    Line1[0] = makeLine(this, 330, 5770, 3465, Qt::white);
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
        if (watched == Label5) {
            Label5_Click();
            return true;
        }
        if (watched == Label6) {
            Label6_Click();
            return true;
        }
        if (watched == Label7) {
            Label7_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::Command1_Click() { accept(); }

void AboutWindow::Label5_Click() { openOnDesktop_(addresses::mailTo()); }

void AboutWindow::Label6_Click() { openOnDesktop_(addresses::homePage()); }

void AboutWindow::Label7_Click() { openOnDesktop_(addresses::downloadPage()); }

} // namespace lumbrell
