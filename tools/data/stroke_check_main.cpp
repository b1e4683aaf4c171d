// lumbrell-stroke-check: how well strokes cut out of the Kai fonts agree with
// the outline package's strokes where the package has the character.
#include "tools/data/source_loader.h"
#include "tools/pictures/extraction_check.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace {

// Draws the cut of each character into folder/cut-<character>.png; 1 when one cannot be written.
int drawnCuts(const lumbrell::data::SourceSet& set, const lumbrell::data::FontGlyphs& simplifiedFont,
              const lumbrell::data::FontGlyphs& traditionalFont, const QString& characters, const QString& folder)
{
    using namespace lumbrell::data;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "lumbrell-stroke-check: %s: cannot be made\n", qPrintable(folder));
        return 1;
    }
    for (const uint codePoint : characters.toUcs4()) {
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        const auto entry = std::find_if(set.chars.begin(), set.chars.end(), [&](const CharEntry& e) { return e.ch == ch; });
        if (entry == set.chars.end()) {
            std::fprintf(stderr, "lumbrell-stroke-check: %s is not in the Wubi 98 table\n", qPrintable(ch));
            continue;
        }
        QPainterPath glyph;
        const GlyphCut cut = checkedCut(*entry, simplifiedFont, traditionalFont, glyph);
        QString wanted = QString::number(entry->strokeClasses.size());
        if (!entry->otherStrokeClasses.isEmpty())
            wanted += QStringLiteral(" or %1").arg(entry->otherStrokeClasses.size());
        const QString path = QDir(folder).filePath(QStringLiteral("cut-%1.png").arg(ch));
        if (!pictureOfCut(glyph, cut).save(path)) {
            std::fprintf(stderr, "lumbrell-stroke-check: %s: cannot be written\n", qPrintable(path));
            return 1;
        }
        std::printf("%s: %zu strokes cut, %s wanted%s\n", qPrintable(ch), cut.strokes.size(), qPrintable(wanted),
                    cut.closed ? "" : ", a walk left open");
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Checks the stroke extraction against hanzi-writer-data."));
    parser.addHelpOption();
    const QCommandLineOption sources(QStringLiteral("sources"), QStringLiteral("Folder the sources were fetched into."),
                                     QStringLiteral("dir"));
    const QCommandLineOption rime(QStringLiteral("rime-data"), QStringLiteral("Folder of the rime dictionaries."),
                                  QStringLiteral("dir"), QStringLiteral("/usr/share/rime-data"));
    const QCommandLineOption wubiTable(QStringLiteral("wubi-table"), QStringLiteral("The wubi98-single.main.dict."),
                                       QStringLiteral("path"));
    const QCommandLineOption output(QStringLiteral("out"), QStringLiteral("File to write the figures to."),
                                    QStringLiteral("path"));
    const QCommandLineOption simplified(QStringLiteral("simplified-font"),
                                        QStringLiteral("The font GB2312's drawings were cut from."), QStringLiteral("path"),
                                        QStringLiteral("/usr/share/fonts/truetype/arphic-gkai00mp/gkai00mp.ttf"));
    const QCommandLineOption decomposition(QStringLiteral("decomposition"),
                                           QStringLiteral("The decomposition file of the outlined characters."),
                                           QStringLiteral("path"));
    const QCommandLineOption drawCuts(QStringLiteral("draw-cuts"),
                                      QStringLiteral("Instead of the check, draw the cut of each of these characters "
                                                     "(glyph, strokes, corners, bridges) into the --out folder as "
                                                     "cut-<character>.png, and print its stroke count."),
                                      QStringLiteral("characters"));
    parser.addOptions({sources, rime, wubiTable, output, simplified, decomposition, drawCuts});
    parser.process(app);
    if (!parser.isSet(sources) || !parser.isSet(output)) {
        std::fprintf(stderr, "lumbrell-stroke-check: --sources and --out are required\n");
        return 2;
    }
    using namespace lumbrell::data;
    auto paths = SourcePaths::standard(parser.value(sources), parser.value(rime));
    if (parser.isSet(wubiTable))
        paths.wubiTable = parser.value(wubiTable);
    SourceSet set;
    QStringList ignored;
    QString error;
    FontGlyphs simplifiedFont, traditionalFont;
    if (!loadSourceSet(paths, set, ignored, &error)
        || !simplifiedFont.open({{QStringLiteral("AR PL KaitiM GB"), parser.value(simplified), 0}}, &error)
        || !traditionalFont.open({defaultDrawingFonts().front()}, &error)) {
        std::fprintf(stderr, "lumbrell-stroke-check: %s (the simplified font is Debian package fonts-arphic-gkai00mp)\n",
                     qPrintable(error));
        return 1;
    }
    if (parser.isSet(drawCuts))
        return drawnCuts(set, simplifiedFont, traditionalFont, parser.value(drawCuts), parser.value(output));
    // Lines "character TAB code TAB positions", each position strokes "1,2" (1-based), "id" or empty.
    QHash<QString, std::vector<std::vector<int>>> split;
    QHash<QString, PackageMarking> marking;
    QFile lines(parser.value(decomposition));
    if (parser.isSet(decomposition) && !lines.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumbrell-stroke-check: %s: cannot be read\n", qPrintable(lines.fileName()));
        return 1;
    }
    while (lines.isOpen() && !lines.atEnd()) {
        const QStringList fields = QString::fromUtf8(lines.readLine()).trimmed().split(u'\t');
        if (fields.size() < 2)
            continue;
        PackageMarking& positions = marking[fields[0]];
        for (qsizetype k = 2; k < fields.size() && k < 6; ++k) {
            MarkedPosition& position = positions[size_t(k - 2)];
            position.identification = fields[k] == QStringLiteral("id");
            for (const QString& n : fields[k].split(u',', Qt::SkipEmptyParts))
                if (n.toInt() > 0)
                    position.strokes.push_back(n.toInt() - 1);
            std::sort(position.strokes.begin(), position.strokes.end());
            if (!position.strokes.empty())
                split[fields[0]].push_back(position.strokes);
        }
    }
    QStringList report = checkExtraction(set, simplifiedFont, traditionalFont, split);
    if (!marking.isEmpty())
        report << checkShippingGate(set, simplifiedFont, traditionalFont, marking);
    QFile file(parser.value(output));
    if (!file.open(QIODevice::WriteOnly) || file.write((report.join(u'\n') + u'\n').toUtf8()) < 0) {
        std::fprintf(stderr, "lumbrell-stroke-check: %s: cannot be written\n", qPrintable(file.fileName()));
        return 1;
    }
    std::fputs(qPrintable(report.join(u'\n') + u'\n'), stdout);
    return 0;
}
