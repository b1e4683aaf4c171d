#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace lumbrell {
namespace {

// A message is the character argument in UTF-8 ended by a line feed; longer
// input from a stranger on the socket is cut off here.
constexpr qsizetype MaxMessage = 64;

// A copy that has just taken the lock needs a moment before it listens.
constexpr int HandOverMilliseconds = 5000;

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent), folder_(folder)
{
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder_.isEmpty())
        folder_ = QDir::tempPath();
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const
{
    return folder_ + QStringLiteral("/lumbrell.lock");
}

QString SingleInstance::socketPath() const
{
    return folder_ + QStringLiteral("/lumbrell.socket");
}

bool SingleInstance::acquire()
{
#ifdef Q_OS_WIN
    // A living holder keeps its lock file open without leave to delete it, so
    // a lock file that can be deleted was left by a copy that ended, even when
    // its process id now names another process (Wine hands ids out again).
    QFile::remove(lockPath());
#endif
    lock_ = std::make_unique<QLockFile>(lockPath());
    lock_->setStaleLockTime(0); // held for the program's whole life; staleness is judged by the holder's pid
    if (!lock_->tryLock(0))
        return false;

    // Holding the lock, this copy owns the socket name: one left by a crash goes.
    QLocalServer::removeServer(socketPath());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(socketPath()))
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true; // without the socket the program still runs; later copies then say they cannot reach it
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // The message may arrive in pieces, and the sender may be gone before it is read.
        auto readMessage = [this, socket] {
            if (socket->property("read").toBool())
                return;
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxMessage)
                    socket->abort();
                return;
            }
            socket->setProperty("read", true);
            const QString character = QString::fromUtf8(socket->readLine(MaxMessage + 1)).trimmed();
            Q_EMIT anotherStart(character);
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        connect(socket, &QLocalSocket::disconnected, this, [socket, readMessage] {
            readMessage();
            socket->deleteLater();
        });
        readMessage();
    }
}

bool SingleInstance::handOver(const QString& character, QString* error) const
{
    const QDeadlineTimer deadline(HandOverMilliseconds);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1))))
            break;
        if (deadline.hasExpired()) {
            if (error)
                *error = QStringLiteral("Another copy of Lumbrell holds %1 but does not answer on %2: %3")
                             .arg(lockPath(), socketPath(), socket.errorString());
            return false;
        }
        QThread::msleep(50);
    }
    socket.write(character.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)))) {
        if (error)
            *error = QStringLiteral("Another copy of Lumbrell did not take the message on %1: %2")
                         .arg(socketPath(), socket.errorString());
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

} // namespace lumbrell
