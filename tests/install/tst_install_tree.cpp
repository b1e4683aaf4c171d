// `cmake --install` into a temporary prefix: the program, its data as built,
// the desktop files, icons, manual page and credits, each where a Debian
// system looks for it; the validators accept them; the installed program
// finds the installed data.
#include "tests/install/run_tool.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace lumbrell::testing;

class InstallTreeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filesInPlace_data();
    void filesInPlace();
    void dataInstalledAsBuilt();
    void iconsAtEverySize();
    void scalableIconIsAnSvgDocument();
    void desktopEntry();
    void validatorsAccept_data();
    void validatorsAccept();
    void copyrightCreditsEverySource_data();
    void copyrightCreditsEverySource();
    void installedProgramFindsInstalledData();

private:
    QString installed(const QString& relative) const { return prefix_.filePath(relative); }
    QString readText(const QString& relative) const;

    QTemporaryDir prefix_;
};

namespace {

const QString AppId = QStringLiteral(LUMBRELL_APP_ID);
const QString BuiltData = QStringLiteral(LUMBRELL_DATA_DIR);
const QList<int> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

int filesUnder(const QString& folder)
{
    int count = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

QString InstallTreeTest::readText(const QString& relative) const
{
    QFile file(installed(relative));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void InstallTreeTest::initTestCase()
{
    QVERIFY(prefix_.isValid());
    const ToolRun install = runTool(QStringLiteral(CMAKE_COMMAND),
                                    {QStringLiteral("--install"), QStringLiteral(LUMBRELL_BUILD_DIR),
                                     QStringLiteral("--prefix"), prefix_.path()},
                                    600);
    QVERIFY2(install.exitCode == 0, qPrintable(install.all()));
}

void InstallTreeTest::filesInPlace_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = {
        "bin/lumbrell",
        "share/lumbrell/wwbb11.dat",
        "share/lumbrell/bmp/峰.bmp",
        "share/applications/" + AppId + ".desktop",
        "share/metainfo/" + AppId + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/lumbrell.svg",
        "share/man/man1/lumbrell.1.gz",
        "share/doc/lumbrell/copyright",
        "share/doc/lumbrell/changelog.gz",
        "share/doc/lumbrell-data/copyright",
        "share/doc/lumbrell-data/changelog.gz",
    };
    for (const QString& path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void InstallTreeTest::filesInPlace()
{
    QFETCH(QString, path);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), path.startsWith(QStringLiteral("bin/")));
}

void InstallTreeTest::dataInstalledAsBuilt()
{
    QCOMPARE(QFileInfo(installed("share/lumbrell/wwbb11.dat")).size(), QFileInfo(BuiltData + "/wwbb11.dat").size());
    const int drawings = filesUnder(BuiltData + "/bmp");
    QVERIFY(drawings > 6000);
    QCOMPARE(filesUnder(installed("share/lumbrell/bmp")), drawings);
    const int tables = filesUnder(BuiltData + "/tables");
    QVERIFY(tables >= 10);
    QCOMPARE(filesUnder(installed("share/lumbrell/tables")), tables);
    // The data stays with the data: nothing of it beside the program.
    QCOMPARE(QDir(installed("bin")).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"lumbrell"});
}

void InstallTreeTest::iconsAtEverySize()
{
    for (int size : IconSizes) {
        const QString path = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/lumbrell.png").arg(size));
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);                  // transparent ground
        QCOMPARE(qAlpha(icon.pixel(size * 3 / 8, size * 11 / 16)), 255); // inside the second book
    }
}

void InstallTreeTest::scalableIconIsAnSvgDocument()
{
    QXmlStreamReader svg(readText("share/icons/hicolor/scalable/apps/lumbrell.svg"));
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name(), QStringLiteral("svg"));
    QCOMPARE(svg.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    QVERIFY(!svg.attributes().value("viewBox").isEmpty());
    int shapes = 0;
    while (svg.readNextStartElement()) {
        ++shapes;
        svg.skipCurrentElement();
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY(shapes > 10);
}

void InstallTreeTest::desktopEntry()
{
    const QString entry = readText("share/applications/" + AppId + ".desktop");
    const auto value = [&entry](const QString& key) {
        const auto match = QRegularExpression("^" + QRegularExpression::escape(key) + "=(.*)$",
                                              QRegularExpression::MultilineOption)
                               .match(entry);
        return match.captured(1);
    };
    QCOMPARE(value("Name"), QStringLiteral("Lumbrell"));
    QVERIFY(value("Name[zh_CN]").contains(QRegularExpression(QStringLiteral("\\p{Han}"))));
    const QStringList categories = value("Categories").split(u';', Qt::SkipEmptyParts);
    QVERIFY(categories.contains("Education"));
    QVERIFY(categories.contains("Utility"));
    QCOMPARE(value("Exec"), QStringLiteral("lumbrell"));
    // The class X11 gives the window: the application name the program sets.
    QCOMPARE(value("StartupWMClass"), QStringLiteral("lumbrell"));
    QVERIFY(QFile::exists(installed("share/icons/hicolor/48x48/apps/" + value("Icon") + ".png")));
}

void InstallTreeTest::validatorsAccept_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop-file-validate") << "desktop-file-validate"
                                           << QStringList{installed("share/applications/" + AppId + ".desktop")};
    QTest::newRow("appstreamcli validate")
        << "appstreamcli"
        << QStringList{"validate", "--no-net", installed("share/metainfo/" + AppId + ".metainfo.xml")};
}

void InstallTreeTest::validatorsAccept()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const ToolRun check = runTool(tool, arguments);
    QVERIFY2(check.exitCode == 0, qPrintable(tool + ": " + check.all()));
    QVERIFY2(!check.all().contains(QStringLiteral("error"), Qt::CaseInsensitive), qPrintable(check.all()));
}

void InstallTreeTest::copyrightCreditsEverySource_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("licence");
    QTest::newRow("code") << "The Lumbrell developers" << "GPL-3+";
    QTest::newRow("codes") << "fcitx5-table-wubi98-single" << "public-domain";
    QTest::newRow("strokes") << "rime-data-stroke" << "LGPL-3";
    QTest::newRow("stroke order") << "cnchar-order" << "MIT";
    QTest::newRow("readings") << "rime-data-luna-pinyin" << "LGPL-3";
    QTest::newRow("reading frequency") << "rime-data-pinyin-simp" << "Apache-2.0";
    QTest::newRow("outlines") << "hanzi-writer-data" << "Arphic-1999";
    QTest::newRow("font") << "fonts-arphic-uming" << "Arphic-1999";
}

void InstallTreeTest::copyrightCreditsEverySource()
{
    QFETCH(QString, source);
    QFETCH(QString, licence);
    for (const QString& package : {QStringLiteral("lumbrell"), QStringLiteral("lumbrell-data")}) {
        const QString copyright = readText("share/doc/" + package + "/copyright");
        QVERIFY(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
        // A paragraph that names the source carries its licence, and the
        // licence's own paragraph gives its text or where Debian keeps it.
        const QStringList paragraphs = copyright.split(QStringLiteral("\n\n"));
        bool credited = false;
        for (const QString& paragraph : paragraphs) {
            const QString licenceLine =
                QRegularExpression(QStringLiteral("^License: (.*)$"), QRegularExpression::MultilineOption)
                    .match(paragraph)
                    .captured(1);
            if (paragraph.startsWith("Files:") && paragraph.contains(source)
                && licenceLine.split(QStringLiteral(" and ")).contains(licence))
                credited = true;
        }
        QVERIFY2(credited, qPrintable(package + ": " + source));
        QVERIFY(copyright.contains("\n\nLicense: " + licence + "\n "));
    }
}

void InstallTreeTest::installedProgramFindsInstalledData()
{
    const ToolRun print = runTool(installed("bin/lumbrell"), {QStringLiteral("--print"), QStringLiteral("峰")});
    QVERIFY2(print.exitCode == 0, qPrintable(print.all()));
    QVERIFY2(print.out.startsWith(QStringLiteral("峰\tmtd\tmtdh\t")), qPrintable(print.out));
}

QTEST_GUILESS_MAIN(InstallTreeTest)
#include "tst_install_tree.moc"
