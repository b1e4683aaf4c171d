// The Debian packages CPack builds: lumbrell (the program, its libraries found
// by dpkg-shlibdeps) and lumbrell-data (architecture all); lintian finds no
// error in either; unpacked together into an empty root, the program looks
// up a character in the data.
#include "tests/install/run_tool.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lumbrell::testing;

class PackagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controlFields_data();
    void controlFields();
    void lintianFindsNoError_data();
    void lintianFindsNoError();
    void extractedProgramLooksUp();

private:
    QString field(const QString& deb, const QString& name) const;

    QTemporaryDir work_;
    QString program_; // lumbrell_<version>_<arch>.deb
    QString data_;    // lumbrell-data_<version>_all.deb
};

QString PackagesTest::field(const QString& deb, const QString& name) const
{
    return runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, name}).out.trimmed();
}

void PackagesTest::initTestCase()
{
    QVERIFY(work_.isValid());
    const ToolRun cpack = runTool(QStringLiteral(CPACK_COMMAND),
                                  {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), work_.path(),
                                   QStringLiteral("--config"), QStringLiteral(LUMBRELL_BUILD_DIR "/CPackConfig.cmake")},
                                  1200);
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.all()));
    const QDir folder(work_.path());
    const QStringList programs = folder.entryList({QStringLiteral("lumbrell_*.deb")});
    const QStringList data = folder.entryList({QStringLiteral("lumbrell-data_*_all.deb")});
    QCOMPARE(programs.size(), 1);
    QCOMPARE(data.size(), 1);
    program_ = folder.filePath(programs.first());
    data_ = folder.filePath(data.first());
}

void PackagesTest::controlFields_data()
{
    QTest::addColumn<bool>("isData");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("program name") << false << "Package" << "^lumbrell$";
    QTest::newRow("program version") << false << "Version" << "^" LUMBRELL_VERSION "$";
    QTest::newRow("program architecture") << false << "Architecture" << "^(?!all$)[a-z0-9]+$";
    // dpkg-shlibdeps' libraries, and the data of the same version.
    QTest::newRow("program libraries") << false << "Depends" << "libqt6network6.*libqt6widgets6|libqt6widgets6.*libqt6network6";
    QTest::newRow("program data") << false << "Depends" << "lumbrell-data \\(= " LUMBRELL_VERSION "\\)";
    // The one family every character is drawn in, with no other font in its place.
    QTest::newRow("program font") << false << "Depends" << "(^|, )fonts-noto-cjk(,|$)";
    QTest::newRow("data name") << true << "Package" << "^lumbrell-data$";
    QTest::newRow("data architecture") << true << "Architecture" << "^all$";
    QTest::newRow("data depends on nothing") << true << "Depends" << "^$";
}

void PackagesTest::controlFields()
{
    QFETCH(bool, isData);
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    const QString value = field(isData ? data_ : program_, name);
    QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(), qPrintable(name + ": " + value));
}

void PackagesTest::lintianFindsNoError_data()
{
    QTest::addColumn<bool>("isData");
    QTest::newRow("lumbrell") << false;
    QTest::newRow("lumbrell-data") << true;
}

void PackagesTest::lintianFindsNoError()
{
    QFETCH(bool, isData);
    const ToolRun lintian = runTool(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error"),
                                                               isData ? data_ : program_},
                                    900);
    QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.all()));
    QVERIFY2(!lintian.out.contains(QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)),
             qPrintable(lintian.out));
    if (!lintian.out.isEmpty())
        qInfo().noquote() << "lintian:" << lintian.out.trimmed();
}

void PackagesTest::extractedProgramLooksUp()
{
    const QString root = work_.filePath(QStringLiteral("root"));
    for (const QString& deb : {program_, data_}) {
        const ToolRun extract = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root});
        QVERIFY2(extract.exitCode == 0, qPrintable(extract.all()));
    }
    const ToolRun print =
        runTool(root + QStringLiteral("/usr/bin/lumbrell"), {QStringLiteral("--print"), QStringLiteral("峰")});
    QVERIFY2(print.exitCode == 0, qPrintable(print.all()));
    QVERIFY2(print.out.startsWith(QStringLiteral("峰\tmtd\tmtdh\t")), qPrintable(print.out));
}

QTEST_GUILESS_MAIN(PackagesTest)
#include "tst_packages.moc"
