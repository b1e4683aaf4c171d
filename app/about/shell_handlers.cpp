// The main window's about button, help button and not-found link.
#include "app/about/about_window.h"
#include "app/addresses.h"
#include "app/main_window.h"

#include <QLineEdit>

namespace lumbrell {
namespace {

QString strokeInputHelp()
{
    const QString lineEnd = QStringLiteral("\n\r");
    return QStringLiteral("笔画输入方法是：汉字第一笔画＋第二笔画＋第三笔画＋第四笔画＋最后一笔画；") + lineEnd + lineEnd
           + QStringLiteral("例如，你要输入“峰”字，用鼠标选择输入“丨”“乙”“丨”“丿”“丨”") + lineEnd + lineEnd
           + QStringLiteral("注意，乙笔画代表所有的“折”笔画！") + lineEnd;
}

} // namespace

void MainWindow::showAboutWindow()
{
    entryBox_->setFocus();
    if (!about_)
        about_ = new AboutWindow([this](const QString& target) { openOnDesktop(target); }, this);
    static_cast<AboutWindow*>(about_.data())->exec();
    // Closing unloads the about window; the next click builds it afresh.
    delete about_.data();
    entryBox_->setFocus();
}

void MainWindow::showStrokeHelp()
{
    entryBox_->setFocus();
    messageBox(QStringLiteral("笔画输入提示！"), strokeInputHelp());
    entryBox_->setFocus();
}

void MainWindow::openHomePage() { openOnDesktop(addresses::homePage()); }

} // namespace lumbrell
