#include "tools/data/staging_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lumbrell::data {

StagingFolder::StagingFolder(const QString& outputDir)
    : output_(QDir::cleanPath(QFileInfo(outputDir).absoluteFilePath())),
      staging_(output_ + QStringLiteral(".staging-%1").arg(QCoreApplication::applicationPid()))
{
}

StagingFolder::~StagingFolder()
{
    if (!committed_)
        QDir(staging_).removeRecursively();
}

bool StagingFolder::create(QString* error)
{
    QDir(staging_).removeRecursively();
    if (!QDir().mkpath(staging_)) {
        *error = QStringLiteral("%1: cannot create the staging folder").arg(staging_);
        return false;
    }
    return true;
}

bool StagingFolder::commit(QString* error)
{
    const QString previous = output_ + QStringLiteral(".previous-%1").arg(QCoreApplication::applicationPid());
    const bool hadOutput = QFileInfo::exists(output_);
    if (hadOutput && !QDir().rename(output_, previous)) {
        *error = QStringLiteral("%1: cannot move the previous data aside").arg(output_);
        return false;
    }
    if (!QDir().rename(staging_, output_)) {
        if (hadOutput)
            QDir().rename(previous, output_);
        *error = QStringLiteral("%1: cannot move the new data in place").arg(output_);
        return false;
    }
    committed_ = true;
    if (hadOutput)
        QDir(previous).removeRecursively();
    return true;
}

} // namespace lumbrell::data
