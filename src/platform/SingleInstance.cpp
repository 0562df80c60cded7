#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace cw {

namespace {

constexpr int kWaitMs = 2000;

QString runtimeDirectory() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir)
    : m_server(std::make_unique<QLocalServer>()) {
    const QString canonical = QFileInfo(dataDir).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? dataDir : canonical).toUtf8(), QCryptographicHash::Sha256);
    const QString base = runtimeDirectory() + QStringLiteral("/cartwise-") +
                         QString::fromLatin1(hash.toHex().left(16));
    m_lockPath = base + QStringLiteral(".lock");
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
    if (!m_lock->tryLock(0)) {
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
