// Draws every picture the windows carry into one folder, as BMP files.
#include "tools/art/pictures.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace lumbrell::art_tool;

namespace {

// The desktop icon in a hicolor theme tree: one PNG per size and the SVG.
int writeIconTheme(const QDir& theme)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder) || !drawAppIcon(size).save(theme.filePath(folder + QStringLiteral("/lumbrell.png")))) {
            std::fprintf(stderr, "lumbrell-art: cannot write the %d px icon into %s\n", size, qPrintable(theme.path()));
            return 1;
        }
    }
    QFile svg(theme.filePath(QStringLiteral("scalable/apps/lumbrell.svg")));
    if (!theme.mkpath(QStringLiteral("scalable/apps")) || !svg.open(QIODevice::WriteOnly)
        || svg.write(appIconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "lumbrell-art: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--icons"))
        return writeIconTheme(QDir(args.at(2)));
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lumbrell-art OUTPUT_FOLDER | lumbrell-art --icons HICOLOR_FOLDER\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "lumbrell-art: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    // Without a Chinese face the captions would come out as empty boxes.
    const QString face = QFontInfo(songFont(15)).family();
    if (!QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese))
        std::fprintf(stderr, "lumbrell-art: warning: %s cannot write Chinese; install fonts-arphic-uming\n",
                     qPrintable(face));

    std::vector<std::pair<QString, std::function<QImage()>>> pictures = {
        {QStringLiteral("background.bmp"), drawBackground},
        {QStringLiteral("icon.bmp"), drawIcon},
        {QStringLiteral("hand.bmp"), drawHandShape},
        {QStringLiteral("hand-mask.bmp"), drawHandMask},
        {QStringLiteral("notfound.bmp"), drawNotFoundNotice},
        {QStringLiteral("banner.bmp"), drawBanner},
    };
    for (int i = 0; i < 16; ++i)
        pictures.emplace_back(QStringLiteral("id%1.bmp").arg(i, 2, 10, QLatin1Char('0')),
                              [i] { return drawIdentificationDiagram(i); });

    for (const auto& [name, draw] : pictures) {
        const QString path = folder.filePath(name);
        if (!draw().save(path, "BMP")) {
            std::fprintf(stderr, "lumbrell-art: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
