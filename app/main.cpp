#include "app/command_line.h"
#include "app/data_location.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/print_lookup.h"
#include "formats/position_roots_format.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "app/window_requests.h"
#include "formats/data_files.h"
#include "tables/table_texts.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

using namespace lumbrell;

namespace {

const QString ApplicationName = QStringLiteral("lumbrell");

DataLocation locateProgramData()
{
    return locateData(dataFolders(QCoreApplication::applicationDirPath(), QStringLiteral(LUMBRELL_DATA_FROM_PROGRAM)));
}

int printCharacters(const QString& text, bool withRoots, bool words)
{
    const DataLocation data = locateProgramData();
    if (data.folder.isEmpty()) {
        writeText(OutputStream::Error, QStringLiteral("lumbrell: %1\n").arg(data.problem));
        return 1;
    }
    Dictionary dictionary(loadEmbeddedTables());
    QString error;
    if (!dictionary.open(QDir(data.folder).filePath(QLatin1String(datafiles::RecordFile)), &error)) {
        writeText(OutputStream::Error, QStringLiteral("lumbrell: %1\n").arg(error));
        return 1;
    }
    PositionRoots roots;
    if (withRoots && !roots.read(QDir(data.folder).filePath(QLatin1String(positionroots::FileName)), &error)) {
        writeText(OutputStream::Error, QStringLiteral("lumbrell: %1\n").arg(error));
        return 1;
    }
    const PrintedLookups printed =
        words ? printWordCodes(dictionary, text) : printLookups(dictionary, text, withRoots ? &roots : nullptr);
    for (const QString& line : printed.lines)
        writeText(OutputStream::Output, line + u'\n');
    for (const QString& character : printed.withoutRecord)
        writeText(OutputStream::Error, QStringLiteral("lumbrell: no record for %1\n").arg(character));
    return printed.withoutRecord.isEmpty() ? 0 : 1;
}

// A message for the user: on standard error always, and in a message box
// where the platform has a screen someone looks at.
void tellUser(const QString& title, const QString& text)
{
    writeText(OutputStream::Error, QStringLiteral("lumbrell: %1\n").arg(text));
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        QMessageBox::critical(nullptr, title, text);
}

int openWindow(int argc, char* argv[], const QString& character)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationName);
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMBRELL_APP_ID));
    loadQtTranslations(QLocale::system());

    SingleInstance instance;
    if (!instance.acquire()) {
        QString error;
        if (!instance.handOver(character, &error)) {
            writeText(OutputStream::Error, QStringLiteral("lumbrell: %1\n").arg(error));
            return 1;
        }
        return 0;
    }

    const DataLocation data = locateProgramData();
    if (data.folder.isEmpty()) {
        tellUser(QStringLiteral("Lumbrell"), data.problem);
        return 1;
    }

    QString tableProblems;
    const TableTexts tables = loadEmbeddedTables(&tableProblems);

    MainWindow window(data.folder, tables);
    if (!window.startupError().isEmpty()) {
        tellUser(window.windowTitle(), window.startupError());
        return 1;
    }
    if (!tableProblems.isEmpty())
        window.messageBox(window.windowTitle(), tableProblems.trimmed());

    if (const QScreen* screen = window.screen()) {
        const QRect frame = window.frameGeometry();
        window.move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    window.show();
    window.lookUpInEntryBox(character);
    answerLaterStarts(instance, window);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before any application object exists: only the window needs a display.
    const CommandLine command = parseCommandLine(programArguments(argc, argv));
    switch (command.action) {
    case CommandLine::Action::Error:
        writeText(OutputStream::Error, QStringLiteral("lumbrell: %1 Try \"lumbrell --help\".\n").arg(command.message.simplified()));
        return 2;
    case CommandLine::Action::Version:
        writeText(OutputStream::Output, versionText());
        return 0;
    case CommandLine::Action::Help: {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(ApplicationName);
        writeText(OutputStream::Output, helpText());
        return 0;
    }
    case CommandLine::Action::Print: {
        QCoreApplication app(argc, argv);
        return printCharacters(command.text, command.withRoots, command.words);
    }
    case CommandLine::Action::OpenWindow:
        break;
    }
    return openWindow(argc, argv, command.character);
}
