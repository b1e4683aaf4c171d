#include "app/data_location.h"

#include "formats/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace lumbrell {
namespace {

// How a user gets the data: the build target of a source tree, or the package.
const QString HowToGetData = QStringLiteral(
    "Build it with \"cmake --build build --target lumbrell_data\" in the source folder (./run.sh does this), "
    "or install it with \"apt install lumbrell-data\".");

} // namespace

QStringList dataFolders(const QString& programFolder, const QString& installedFromProgram)
{
    QStringList folders{QDir::cleanPath(programFolder)};
    if (!installedFromProgram.isEmpty()) {
        const QString installed = QDir::cleanPath(QDir(programFolder).filePath(installedFromProgram));
        if (!folders.contains(installed))
            folders.append(installed);
    }
    return folders;
}

DataLocation locateData(const QStringList& folders)
{
    QStringList looked;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QLatin1String(datafiles::RecordFile));
        const QFileInfo file(path);
        looked.append(path);
        if (!file.exists() && !file.isSymLink())
            continue;
        if (!file.exists())
            return {{}, QStringLiteral("The data file %1 is a link to a file that does not exist. %2")
                            .arg(path, HowToGetData)};
        if (!file.isFile())
            return {{}, QStringLiteral("The data file %1 is not a plain file. %2").arg(path, HowToGetData)};
        if (file.size() == 0)
            return {{}, QStringLiteral("The data file %1 is empty: it holds no character. %2").arg(path, HowToGetData)};
        return {QDir::cleanPath(folder), {}};
    }
    return {{}, QStringLiteral("The data file %1 is missing (looked for %2). %3")
                    .arg(QLatin1String(datafiles::RecordFile), looked.join(QStringLiteral(" and ")), HowToGetData)};
}

} // namespace lumbrell
