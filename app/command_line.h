#pragma once

#include <QString>
#include <QStringList>

namespace lumbrell {

// What the command line asks for. It is read before any application object
// exists, so that --help, --version and --print never need a display.
struct CommandLine {
    enum class Action {
        OpenWindow, // the window, with `character` looked up when it is not empty
        Help,
        Version,
        Print,      // one line per character of `text` on standard output
        Error,      // `message` says what is wrong (one line)
    };
    Action action = Action::OpenWindow;
    QString character; // the first character of the one argument, if any
    QString text;      // the characters to print
    bool withRoots = false; // print the roots of the code positions too
    bool words = false; // --print takes `text` as words separated by spaces and prints their codes
    QString message;
};

// Reads the arguments after the program's name.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help and --version (a QCoreApplication must exist: the help names the program after it).
QString helpText();
QString versionText();

} // namespace lumbrell
