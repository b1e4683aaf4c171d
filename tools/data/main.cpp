// lumbrell-data: builds the program's data set from the public sources.
#include "formats/data_files.h"
#include "tools/data/data_build.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds %1, %2/ and the pinyin and stroke tables.")
                                         .arg(QLatin1String(lumbrell::datafiles::RecordFile), QLatin1String(lumbrell::datafiles::DrawingFolder)));
    parser.addHelpOption();
    const QCommandLineOption sources(QStringLiteral("sources"),
                                     QStringLiteral("Folder the sources were fetched into (.cache)."),
                                     QStringLiteral("dir"));
    const QCommandLineOption rime(QStringLiteral("rime-data"), QStringLiteral("Folder of the rime dictionaries."),
                                  QStringLiteral("dir"), QStringLiteral("/usr/share/rime-data"));
    const QCommandLineOption output(QStringLiteral("out"), QStringLiteral("Folder to build the data into."),
                                    QStringLiteral("dir"));
    const QCommandLineOption wubiTable(QStringLiteral("wubi-table"),
                                       QStringLiteral("The fcitx5 wubi98-single.main.dict to read, in place of the "
                                                      "one fetched into the sources folder (for example the "
                                                      "system's /usr/share/fcitx5/table/wubi98-single.main.dict)."),
                                       QStringLiteral("path"));
    parser.addOptions({sources, rime, output, wubiTable});
    parser.process(app);
    if (!parser.isSet(sources) || !parser.isSet(output)) {
        std::fprintf(stderr, "lumbrell-data: --sources and --out are required\n");
        return 2;
    }

    QString error;
    auto paths = lumbrell::data::SourcePaths::standard(parser.value(sources), parser.value(rime));
    if (parser.isSet(wubiTable))
        paths.wubiTable = parser.value(wubiTable);
    if (!lumbrell::data::buildData(paths, parser.value(output), &error)) {
        std::fprintf(stderr, "lumbrell-data: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
