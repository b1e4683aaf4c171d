#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace lumbrell {

bool SingleInstance::acquire()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/lumbrell.lock"));
    lock_->setStaleLockTime(0); // held for the program's whole life; staleness is judged by the holder's pid
    return lock_->tryLock(0);
}

} // namespace lumbrell
