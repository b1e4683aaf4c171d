#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lumbrell::testing {

// One run of an outside tool: its exit code (-1 when it could not start, was
// killed or ran out of time) and what it wrote.
struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
    QString all() const { return out + err; }
};

inline ToolRun runTool(const QString& program, const QStringList& arguments, int timeoutSeconds = 120)
{
    // The tool keeps its scratch files in a folder of its own that goes when
    // the run is over: some (lintian) leave theirs in the temporary folder.
    QTemporaryDir scratch;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (scratch.isValid())
        environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(timeoutSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return run;
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

} // namespace lumbrell::testing
