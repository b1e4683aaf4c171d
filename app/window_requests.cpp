#include "app/window_requests.h"

#include "app/main_window.h"
#include "app/single_instance.h"

namespace lumbrell {

void bringToFront(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void answerLaterStarts(SingleInstance& instance, MainWindow& window)
{
    QObject::connect(&instance, &SingleInstance::anotherStart, &window, [&window](const QString& character) {
        bringToFront(window);
        window.lookUpInEntryBox(character);
    });
}

} // namespace lumbrell
