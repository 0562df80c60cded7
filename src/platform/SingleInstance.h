#pragma once
// One running copy per data directory: two copies on the same files would overwrite each
// other's changes. The first copy holds a lock in the data directory itself, so that copies
// from other login sessions, and from other machines sharing the home over the network, find
// it too; it listens on a local socket named for the data directory in the user's runtime
// directory. A second copy finds the lock, asks the first to bring its window to the front,
// and ends. A lock left behind by a copy that crashed is taken over: on this machine when its
// process is gone, from another machine when nobody holds the lock file's lock any longer.
#include <QObject>
#include <memory>

class QLocalServer;
class QLockFile;

namespace cw {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kLockName = ".Cartwise.lock";

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
