#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace lumbrell {

// The about window: the banner, the program's name, the contact details with
// three links, and the OK button that closes it. It is modal over the main
// window, which creates it afresh each time it is opened.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    using OpenOnDesktop = std::function<void(const QString& target)>;

    // openOnDesktop hands a link's target to the desktop's default handler.
    AboutWindow(OpenOnDesktop openOnDesktop, QWidget* owner);

    QLabel* Image1 = nullptr;  // banner
    QLabel* Label1 = nullptr;  // name and version
    QLabel* Label2 = nullptr;  // heading of the web site link
    QLabel* Label6 = nullptr;  // web site link
    QLabel* Label3 = nullptr;  // heading of the e-mail link
    QLabel* Label5 = nullptr;  // e-mail link
    QLabel* Label4 = nullptr;  // contact number
    QLabel* Label8 = nullptr;  // heading of the download link
    QLabel* Label7 = nullptr;  // download page link
    std::array<QFrame*, 2> Line1{}; // Line1(0) white, Line1(1) grey: an etched separator
    QPushButton* Command1 = nullptr; // OK

    void Command1_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QLabel* makeLink(const QString& caption, int left, int top, int width, int height);

    OpenOnDesktop openOnDesktop_;
};

} // namespace lumbrell
