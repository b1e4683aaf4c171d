#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

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
    QProcess process;
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
