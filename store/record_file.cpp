#include "store/record_file.h"

#include "store/gbk.h"
#include "store/rounding.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace lumbrell {
namespace {

int searchedCount(qint64 fileSize)
{
    const long long count = roundHalfEven(static_cast<double>(fileSize) / CharRecord::Size);
    return static_cast<int>(std::clamp<long long>(count, 0, RecordFile::MaxRecords));
}

QString openProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("\"%1\" is a folder, not a data file.").arg(path);
    // A pipe or a device: reading it could wait for ever.
    if (info.exists() && !info.isFile())
        return QStringLiteral("\"%1\" is not a plain file and cannot be the data file.").arg(path);
    // Never created here: an empty file would only hide the missing data.
    if (!info.exists())
        return QStringLiteral("The data file \"%1\" does not exist.").arg(path);
    return {};
}

} // namespace

bool RecordFile::open(const QString& path, QString* error)
{
    *this = RecordFile();
    QString problem = openProblem(path);
    QFile file(path);
    if (problem.isEmpty() && !file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("The data file \"%1\" cannot be opened: %2.").arg(path, file.errorString());
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    // Only the records that are searched are read: a huge file costs no memory.
    count_ = searchedCount(file.size());
    bytes_ = file.read(static_cast<qint64>(count_) * CharRecord::Size);
    return true;
}

RecordFile RecordFile::fromBytes(const QByteArray& bytes)
{
    RecordFile file;
    file.count_ = searchedCount(bytes.size());
    file.bytes_ = bytes.left(static_cast<qsizetype>(file.count_) * CharRecord::Size);
    return file;
}

QByteArray RecordFile::recordBytes(int number) const
{
    if (number < 1 || number > count_)
        return {};
    return bytes_.mid(static_cast<qsizetype>(number - 1) * CharRecord::Size, CharRecord::Size);
}

CharRecord RecordFile::record(int number) const
{
    return CharRecord::fromBytes(recordBytes(number));
}

int RecordFile::key(int number) const
{
    QByteArray bytes = recordBytes(number).left(record::Hanzi.width);
    if (bytes.isEmpty())
        return 0x7FFF;
    // A record cut inside its character is padded like its other fields.
    bytes = bytes.leftJustified(record::Hanzi.width, ' ');
    return charKeyOfBytes(bytes).value_or(0x7FFF);
}

} // namespace lumbrell
