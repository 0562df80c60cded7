#pragma once
// One running copy per data directory: two copies on the same files would overwrite each
// other's changes. The first copy holds a lock and listens on a local socket, both named for
// the data directory, in the user's runtime directory; a second copy finds the lock, asks the
// first to bring its window to the front, and ends. A lock left behind by a copy that crashed
// belongs to no running process and is taken over.
#include <QObject>
#include <memory>

class QLocalServer;
class QLockFile;

namespace cw {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& dataDir);
    ~SingleInstance() override;

    // True when no other copy runs on this data directory; this copy then holds the lock and
    // answers later copies. Where no lock can be made at all, the program runs unguarded.
    bool acquire();
    // Asks the running copy to show its window; false when it cannot be reached.
    bool activateRunning();

signals:
    void activationRequested();

private:
    QString m_lockPath, m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace cw
