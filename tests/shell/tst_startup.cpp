// Start-up of the real program: the command line, one copy per user with the
// hand-over to the running copy, and data that is missing or unusable.
#include "app/data_location.h"
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/single_instance.h"
#include "app/window_requests.h"
#include "tests/support/fixture_data.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void characterArgumentIsLookedUp();
    void secondCopyHandsOverItsCharacter();
    void dataFolderChoice_data();
    void dataFolderChoice();
    void missingOrEmptyDataIsSaid_data();
    void missingOrEmptyDataIsSaid();
    void unusableDataFileIsNamed();
};

namespace {

// 峰 with codes of the fixture's own, so that a line shows they come from its file.
const FixtureRecord Feng{QStringLiteral("峰"), QStringLiteral("abcd"), QStringLiteral("abc"), QStringLiteral("abcd"),
                         points({{10, 10}}), points({{10, 10}}), points({{10, 10}}), points({{10, 10}})};

// 峰's pinyin, from the tables the program carries when the data was built with it.
#ifdef LUMBRELL_TABLES_BUILT
const QString FengPinyin = QStringLiteral("feng");
#else
const QString FengPinyin;
#endif

// The program copied into a folder of its own, so that it reads that folder's
// data file and not the build's.
QString copyProgramInto(const QString& folder)
{
    const QString target = folder + QStringLiteral("/lumbrell");
    QFile::copy(QStringLiteral(LUMBRELL_PROGRAM), target);
    return target;
}

// No display of any kind unless the offscreen platform is asked for; the
// runtime folder (lock and socket) is the test's own.
QProcessEnvironment environment(const QString& runtime, bool offscreen)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (offscreen)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    return env;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QTemporaryDir* privateRuntime()
{
    auto* runtime = new QTemporaryDir;
    QFile::setPermissions(runtime->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return runtime;
}

} // namespace

void StartupTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");      // a pattern standard output must match whole
    QTest::addColumn<QString>("err");      // the same for standard error

    const QString oneLine = QStringLiteral("lumbrell: [^\\n]+\\n");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: lumbrell \\[options\\] \\[character\\]\\n.*--print.*" << "";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: lumbrell .*--version.*" << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "lumbrell 3\\.0\\n" << "";
    QTest::newRow("unknown long option") << QStringList{"--bogus"} << 2 << "" << "lumbrell: [^\\n]*'bogus'[^\\n]*\\n";
    QTest::newRow("unknown short option") << QStringList{"-x", "峰"} << 2 << "" << oneLine;
    QTest::newRow("two characters") << QStringList{"峰", "国"} << 2 << "" << oneLine;
    QTest::newRow("--print without text") << QStringList{"--print"} << 2 << "" << oneLine;
    QTest::newRow("--print and an argument") << QStringList{"--print", "峰", "国"} << 2 << "" << oneLine;
    const QString feng = "峰\tabc\tabcd\t" + FengPinyin + "\n";
    QTest::newRow("--print a character") << QStringList{"--print", "峰"} << 0 << feng << "";
    QTest::newRow("--print=") << QStringList{"--print=峰峰"} << 0 << feng + feng << "";
    QTest::newRow("--print, one without record") << QStringList{"--print", "峰國"} << 1 << feng
                                                 << "lumbrell: no record for 國\n";
    QTest::newRow("--print, none with a record") << QStringList{"--print", "国 😀"} << 1 << ""
                                                 << "lumbrell: no record for 国\nlumbrell: no record for 😀\n";
}

void StartupTest::commandLine()
{
    QFETCH(QStringList, arguments);
    FixtureFolder folder;
    folder.writeRecords({Feng});
    std::unique_ptr<QTemporaryDir> runtime(privateRuntime());

    const Run result = run(copyProgramInto(folder.path()), arguments, environment(runtime->path(), false));
    QTEST(result.exitCode, "exitCode");
    QFETCH(QString, out);
    QFETCH(QString, err);
    const auto whole = [](const QString& pattern) {
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                  QRegularExpression::DotMatchesEverythingOption);
    };
    QVERIFY2(whole(out).match(result.out).hasMatch(), qPrintable(result.out));
    QVERIFY2(whole(err).match(result.err).hasMatch(), qPrintable(result.err));
}

void StartupTest::characterArgumentIsLookedUp()
{
    FixtureFolder folder;
    folder.writeRecords({Feng});
    folder.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
    MainWindow form(folder.path(), loadEmbeddedTables());
    QStringList messages;
    form.messageBox = [&messages](const QString&, const QString& text) { messages.append(text); };
    form.show();

    form.lookUpInEntryBox(QStringLiteral("峰"));
    QCOMPARE(designControl<QLabel>(form, "Label10")->text(), QStringLiteral("abc  abcd"));
    QCOMPARE(designControl<QLabel>(form, "Label24")->text().trimmed(), FengPinyin);
    QCOMPARE(designControl<QLineEdit>(form, "Text5")->selectedText(), QStringLiteral("峰"));

    // The same character again is looked up again, after another lookup.
    form.lookUpInEntryBox(QStringLiteral("国"));
    QVERIFY(designControl<QLabel>(form, "Label10")->text().isEmpty());
    form.lookUpInEntryBox(QStringLiteral("峰"));
    QCOMPARE(designControl<QLabel>(form, "Label10")->text(), QStringLiteral("abc  abcd"));
    QVERIFY(messages.isEmpty());
}

void StartupTest::secondCopyHandsOverItsCharacter()
{
    FixtureFolder folder;
    folder.writeRecords({Feng});
    folder.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
    std::unique_ptr<QTemporaryDir> runtime(privateRuntime());

    // This test is the running copy, minimised.
    SingleInstance first(runtime->path());
    QVERIFY(first.acquire());
    MainWindow form(folder.path(), loadEmbeddedTables());
    form.messageBox = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
    answerLaterStarts(first, form);
    form.showMinimized();
    QTRY_VERIFY(form.isMinimized());

    const Run second = run(QStringLiteral(LUMBRELL_PROGRAM), {QStringLiteral("峰")},
                           environment(runtime->path(), true));
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(second.out, QString());
    QCOMPARE(second.err, QString());

    QTRY_COMPARE(designControl<QLineEdit>(form, "Text5")->text(), QStringLiteral("峰"));
    QCOMPARE(designControl<QLabel>(form, "Label10")->text(), QStringLiteral("abc  abcd"));
    QVERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());

    // A second copy with no character only brings the window forward.
    form.showMinimized();
    QTRY_VERIFY(form.isMinimized());
    QCOMPARE(run(QStringLiteral(LUMBRELL_PROGRAM), {}, environment(runtime->path(), true)).exitCode, 0);
    QTRY_VERIFY(!form.isMinimized());
    QCOMPARE(designControl<QLineEdit>(form, "Text5")->text(), QStringLiteral("峰"));
}

void StartupTest::dataFolderChoice_data()
{
    // What the program's own folder and the installed data folder hold:
    // "" nothing, "empty" an empty data file, "data" a data file with a record.
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("chosen"); // "own", "installed", or "" for a problem
    QTest::newRow("build tree") << "data" << "data" << "own";
    QTest::newRow("installed") << "" << "data" << "installed";
    QTest::newRow("neither") << "" << "" << "";
    QTest::newRow("empty own file is not passed over") << "empty" << "data" << "";
    QTest::newRow("empty installed file") << "" << "empty" << "";
}

void StartupTest::dataFolderChoice()
{
    QFETCH(QString, own);
    QFETCH(QString, installed);
    QFETCH(QString, chosen);
    QTemporaryDir root;
    const QString program = root.filePath("bin");
    const QString data = root.filePath("share/lumbrell");
    for (const auto& [folder, content] : {std::pair{program, own}, std::pair{data, installed}}) {
        QDir().mkpath(folder);
        if (content.isEmpty())
            continue;
        QFile file(folder + "/wwbb11.dat");
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (content == u"data")
            file.write(recordBytes(Feng));
    }

    const DataLocation location = locateData(dataFolders(program, QStringLiteral("../share/lumbrell")));
    if (chosen.isEmpty()) {
        QVERIFY(location.folder.isEmpty());
        const QString named = own.isEmpty() && !installed.isEmpty() ? data : program;
        QVERIFY2(location.problem.contains(named + "/wwbb11.dat"), qPrintable(location.problem));
    } else {
        QCOMPARE(location.folder, chosen == u"own" ? program : data);
        QVERIFY(location.problem.isEmpty());
    }
}

void StartupTest::missingOrEmptyDataIsSaid_data()
{
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("missing, window") << false << QStringList{};
    QTest::newRow("missing, --print") << false << QStringList{"--print", "峰"};
    QTest::newRow("empty, window") << true << QStringList{"峰"};
    QTest::newRow("empty, --print") << true << QStringList{"--print", "峰"};
}

void StartupTest::missingOrEmptyDataIsSaid()
{
    QFETCH(bool, empty);
    QFETCH(QStringList, arguments);
    FixtureFolder folder;
    if (empty)
        folder.writeBytes({});
    else
        QFile::remove(folder.dataFile());
    std::unique_ptr<QTemporaryDir> runtime(privateRuntime());

    const Run result = run(copyProgramInto(folder.path()), arguments, environment(runtime->path(), true));
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QString());
    // The message names the file the program looked for and how to get it.
    QVERIFY2(result.err.contains(folder.dataFile()), qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("cmake --build build --target lumbrell_data")), qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("apt install lumbrell-data")), qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
    QCOMPARE(QFileInfo(folder.dataFile()).exists(), empty);
    QCOMPARE(QFileInfo(folder.dataFile()).size(), 0);
}

void StartupTest::unusableDataFileIsNamed()
{
    FixtureFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("wwbb11.dat"));
    MainWindow form(folder.path(), TableTexts{});
    QVERIFY2(form.startupError().contains(folder.dataFile()), qPrintable(form.startupError()));

    // Opened by the window itself, a missing file is named and not created.
    FixtureFolder bare;
    QFile::remove(bare.dataFile());
    MainWindow without(bare.path(), TableTexts{});
    QVERIFY2(without.startupError().contains(bare.dataFile()), qPrintable(without.startupError()));
    QVERIFY(!QFile::exists(bare.dataFile()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
