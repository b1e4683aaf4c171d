#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace lumbrell {

// Only one copy of the program runs per user. The first holds a lock in the
// user's runtime folder for as long as it lives and listens on a local socket
// beside it; a later copy hands its character argument over that socket and
// ends, and the first brings its window to the front with that character.
// A lock left by a copy that crashed or was killed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The runtime folder by default; tests give a folder of their own.
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy; it then listens for later ones.
    bool acquire();

    // For a later copy: gives the running copy the character (may be empty).
    // False, with *error, when the running copy cannot be reached.
    bool handOver(const QString& character, QString* error) const;

    QString lockPath() const;
    QString socketPath() const;

Q_SIGNALS:
    // A later copy started, with this character argument (empty for none).
    void anotherStart(const QString& character);

private:
    void acceptConnections();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace lumbrell
