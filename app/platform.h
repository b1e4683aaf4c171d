#pragma once

#include <QString>
#include <QStringList>

namespace lumbrell {

// What the program's start does differently on Linux and on Windows.

// The arguments after the program's name, as the user typed them: decoded
// from the locale's encoding on Linux, taken as UTF-16 from the system on
// Windows (whose 8-bit argv loses what the code page cannot hold).
QStringList programArguments(int argc, char* argv[]);

enum class OutputStream { Output, Error };

// Writes text to standard output or standard error. On Windows, where the
// program has no console of its own, a redirected stream gets UTF-8 and a
// console (the one that started the program) gets the text as the console
// shows it, whatever its code page.
void writeText(OutputStream stream, const QString& text);

} // namespace lumbrell
