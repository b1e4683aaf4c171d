#include "app/window_requests.h"

#include "app/form11.h"
#include "app/single_instance.h"

#include <QLineEdit>

namespace lumbrell {

void bringToFront(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void lookUpInEntryBox(Form11& form, const QString& character)
{
    if (character.isEmpty())
        return;
    // Emptied first, so that the same character is looked up again.
    form.Text5->clear();
    form.Text5->setText(character);
    form.Text5->selectAll();
    form.Text5->setFocus();
}

void answerLaterStarts(SingleInstance& instance, Form11& form)
{
    QObject::connect(&instance, &SingleInstance::anotherStart, &form, [&form](const QString& character) {
        bringToFront(form);
        lookUpInEntryBox(form, character);
    });
}

} // namespace lumbrell
