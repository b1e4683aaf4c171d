#include "app/form11.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "tables/table_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumbrell::loadQtTranslations(QLocale::system());

    lumbrell::SingleInstance instance;
    if (!instance.acquire())
        return 0; // another copy is running: leave silently

    QString tableProblems;
    const lumbrell::TableTexts tables = lumbrell::loadEmbeddedTables(&tableProblems);

    lumbrell::Form11 window(QCoreApplication::applicationDirPath(), tables);
    if (!window.startupError().isEmpty()) {
        QMessageBox::critical(nullptr, window.windowTitle(), window.startupError());
        return 1;
    }
    if (!tableProblems.isEmpty())
        window.messageBox(window.windowTitle(), tableProblems.trimmed());

    if (const QScreen* screen = window.screen()) {
        const QRect frame = window.frameGeometry();
        window.move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    window.show();
    return app.exec();
}
