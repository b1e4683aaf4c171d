// Start-up of the real program: one copy per user, and a data file that
// cannot be used.
#include "app/form11.h"
#include "tests/support/fixture_data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondCopyLeavesSilently();
    void missingDataFileIsCreated();
    void unusableDataFileIsNamed();
};

namespace {

// The program copied into a folder of its own, so that it creates or reads
// that folder's data file and not the build's.
QString installProgram(const QTemporaryDir& dir)
{
    const QString target = dir.path() + QStringLiteral("/lumbrell");
    QFile::copy(QStringLiteral(LUMBRELL_PROGRAM), target);
    return target;
}

QProcessEnvironment environment(const QTemporaryDir& runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    return env;
}

} // namespace

void StartupTest::secondCopyLeavesSilently()
{
    QTemporaryDir folder;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString program = installProgram(folder);

    QProcess first;
    first.setProcessEnvironment(environment(runtime));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    // The first copy holds its lock once it has started up.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.path() + QStringLiteral("/lumbrell.lock")), 10000);

    QProcess second;
    second.setProcessEnvironment(environment(runtime));
    second.start(program, {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardOutput().isEmpty());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

void StartupTest::missingDataFileIsCreated()
{
    FixtureFolder folder;
    QFile::remove(folder.dataFile());
    Form11 form(folder.path(), TableTexts{});
    QVERIFY(form.startupError().isEmpty());
    QVERIFY(QFile::exists(folder.dataFile()));
    QCOMPARE(form.session().file().recordCount(), 0.0);
    QVERIFY(form.session().shownRecord().Hanzi.isEmpty());
}

void StartupTest::unusableDataFileIsNamed()
{
    FixtureFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("wwbb11.dat"));
    Form11 form(folder.path(), TableTexts{});
    QVERIFY2(form.startupError().contains(folder.dataFile()), qPrintable(form.startupError()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
