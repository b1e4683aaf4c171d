#include "app/command_line.h"

#include "input/word_code.h"
#include "tables/characters.h"

#include <QCommandLineParser>

namespace lumbrell {
namespace {

const QString ProgramName = QStringLiteral("lumbrell");

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
    QCommandLineOption print{QStringLiteral("print"),
                             QStringLiteral("Print, for each character of TEXT, a tab-separated line: the character, "
                                            "its codes from the shortest to the longest, its pinyin. Exits 1 when a "
                                            "character has no record."),
                             QStringLiteral("TEXT")};
    QCommandLineOption roots{QStringLiteral("roots"),
                             QStringLiteral("With --print, end each line with the roots (码元) its code positions "
                                            "mark, from the first position to the last, separated by spaces (\"id\" "
                                            "for an identification letter, \"-\" for a position without one).")};
    QCommandLineOption word{QStringLiteral("word"),
                            QStringLiteral("With --print: take TEXT as words of two or more Chinese characters, "
                                           "separated by spaces, and print for each a tab-separated line: the word "
                                           "and its Wubi 98 code. Exits 1 when a character has no record.")};
};

void describe(QCommandLineParser& parser, const Options& options)
{
    parser.setApplicationDescription(
        QStringLiteral("Looks up the Wubi 98 codes, the components and the pinyin of a Chinese character."));
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.print);
    parser.addOption(options.roots);
    parser.addOption(options.word);
    parser.addPositionalArgument(QStringLiteral("character"),
                                 QStringLiteral("The character to look up when the window opens. When a copy is "
                                                "already running, its window comes to the front and looks it up."),
                                 QStringLiteral("[character]"));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    Options options;
    describe(parser, options);

    CommandLine result;
    if (!parser.parse(QStringList{ProgramName} + arguments)) {
        result.action = CommandLine::Action::Error;
        result.message = parser.errorText();
        return result;
    }
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.action = CommandLine::Action::Error;
        result.message = QStringLiteral("Give one character to look up, not %1 arguments.").arg(positional.size());
        return result;
    }
    if (parser.isSet(options.print)) {
        if (!positional.isEmpty()) {
            result.action = CommandLine::Action::Error;
            result.message = QStringLiteral("--print takes its characters as its value, not as another argument.");
            return result;
        }
        result.action = CommandLine::Action::Print;
        result.text = parser.value(options.print);
        result.withRoots = parser.isSet(options.roots);
        result.words = parser.isSet(options.word);
        if (result.words) {
            for (const QString& word : result.text.split(u' ', Qt::SkipEmptyParts)) {
                if (!isWord(word)) {
                    result.action = CommandLine::Action::Error;
                    result.message = QStringLiteral("--word takes words of two or more Chinese characters, not \"%1\".")
                                         .arg(word);
                    return result;
                }
            }
        }
        return result;
    }
    if (parser.isSet(options.roots)) {
        result.action = CommandLine::Action::Error;
        result.message = QStringLiteral("--roots goes with --print.");
        return result;
    }
    if (parser.isSet(options.word)) {
        result.action = CommandLine::Action::Error;
        result.message = QStringLiteral("--word goes with --print.");
        return result;
    }
    if (!positional.isEmpty())
        result.character = characterAfter(positional.first(), 0).toString();
    return result;
}

QString helpText()
{
    QCommandLineParser parser;
    Options options;
    describe(parser, options);
    // The parser names the program as it was called (perhaps a path).
    QString text = parser.helpText();
    const qsizetype end = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(QStringLiteral("Usage: ")) && end > 0)
        text.replace(7, end - 7, ProgramName);
    return text;
}

QString versionText()
{
    return ProgramName + u' ' + QStringLiteral(LUMBRELL_VERSION) + u'\n';
}

} // namespace lumbrell
