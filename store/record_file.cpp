#include "store/record_file.h"

#include <QFileInfo>

namespace lumbrell {

bool RecordFile::open(const QString& path, QString* error)
{
    close();
    file_.setFileName(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        if (error)
            *error = QStringLiteral("\"%1\" is a folder, not a data file.").arg(path);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        // A pipe or a device: opening it could wait for ever.
        if (error)
            *error = QStringLiteral("\"%1\" is not a plain file and cannot be the data file.").arg(path);
        return false;
    }
    if (!info.exists()) {
        // Never created here: an empty file would only hide the missing data.
        if (error)
            *error = QStringLiteral("The data file \"%1\" does not exist.").arg(path);
        return false;
    }
    if (!file_.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The data file \"%1\" cannot be opened: %2.").arg(path, file_.errorString());
        return false;
    }
    return true;
}

void RecordFile::close()
{
    if (file_.isOpen())
        file_.close();
}

double RecordFile::recordCount() const
{
    if (!file_.isOpen())
        return 0.0;
    return static_cast<double>(file_.size()) / CharRecord::Size;
}

CharRecord RecordFile::read(int recNo)
{
    ++reads_;
    if (recNo < 1 || !file_.isOpen())
        return {};
    const qint64 offset = static_cast<qint64>(recNo - 1) * CharRecord::Size;
    if (!file_.seek(offset))
        return {};
    return CharRecord::fromBytes(file_.read(CharRecord::Size));
}

} // namespace lumbrell
