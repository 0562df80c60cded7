#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cw {

namespace {

constexpr int kWaitMs = 2000;

QString runtimeDirectory() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

// A lock written on another machine cannot be checked by its process. Its owner keeps the
// file locked for as long as it runs (the lock travels over a network filesystem to its
// server), so a lock nobody holds any longer was left by a copy that ended without removing it.
bool leftByAnotherMachine(QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app) || host.isEmpty() ||
        host == QSysInfo::machineHostName())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd); // and with it the probe's own lock
    return free;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir)
    : m_server(std::make_unique<QLocalServer>()) {
    const QString canonical = QFileInfo(dataDir).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? dataDir : canonical).toUtf8(), QCryptographicHash::Sha256);
    const QString base = runtimeDirectory() + QStringLiteral("/cartwise-") +
                         QString::fromLatin1(hash.toHex().left(16));
    m_lockPath = dataDir + '/' + QLatin1String(kLockName);
    m_socketPath = base + QStringLiteral(".socket");
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}

SingleInstance::~SingleInstance() {
    m_server->close();
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock is stale only when its process is gone, however long a copy has been running.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError &&
        leftByAnotherMachine(*m_lock, m_lockPath) && m_lock->removeStaleLockFile())
        m_lock->tryLock(0);
    if (!m_lock->isLocked()) {
        if (m_lock->error() == QLockFile::LockFailedError) return false;
        m_lock.reset(); // no lock can be made here: run without one
        return true;
    }
    // The lock is ours, so a socket of that name is a leftover of a copy that crashed.
    QLocalServer::removeServer(m_socketPath);
    m_server->listen(m_socketPath);
    return true;
}

bool SingleInstance::activateRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kWaitMs)) return false;
    socket.write("activate\n");
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace cw
