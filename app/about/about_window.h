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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QLabel* makeLink(const QString& caption, int left, int top, int width, int height);
    void openHomePage();
    void openMailToContact();
    void openDownloadPage();

    OpenOnDesktop openOnDesktop_;

    // ---- the controls ----
    QPushButton* okButton_ = nullptr;
    QLabel* banner_ = nullptr;
    QLabel* programName_ = nullptr; // name and version
    QLabel* homePageHeading_ = nullptr;
    QLabel* homePageLink_ = nullptr;
    QLabel* emailHeading_ = nullptr;
    QLabel* emailLink_ = nullptr;
    QLabel* contactNumber_ = nullptr;
    QLabel* downloadHeading_ = nullptr;
    QLabel* downloadLink_ = nullptr;
    std::array<QFrame*, 2> separator_{}; // white, then grey: an etched line
};

} // namespace lumbrell
