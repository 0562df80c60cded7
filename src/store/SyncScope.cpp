#include "store/SyncScope.h"

#include "core/Failure.h"
#include "store/RecordFile.h"

#include <cerrno>
#include <fcntl.h>

namespace cw {
namespace {
SyncScope* g_current = nullptr; // the outermost open scope; the program has one thread
} // namespace

SyncScope::SyncScope() : m_outer(g_current) {
    if (!m_outer) g_current = this;
}

SyncScope::~SyncScope() {
    if (m_outer || g_current != this) return;
    syncAll();
    g_current = nullptr;
}

void SyncScope::finish() {
    if (m_outer || g_current != this) return;
    const int err = syncAll();
    g_current = nullptr;
    if (err) throw Failure::fromErrno(err);
}

int SyncScope::syncAll() {
    int first = 0;
    for (File& f : m_files) {
        if (!f.written) continue;
        f.written = false;
        // The file is opened anew: its written pages are the file's, whichever descriptor
        // wrote them, and a write-back error not yet seen is reported to this one.
        const int fd = ::open(f.path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        // A file moved away since is not ours to sync any more.
        const int err = fd >= 0 ? syncAndClose(fd, true) : errno == ENOENT ? 0 : errno;
        if (err && !first) first = err;
    }
    return first;
}

SyncScope::File& SyncScope::file(const QString& path) {
    for (File& f : m_files)
        if (f.path == path) return f;
    m_files.push_back(File{path});
    return m_files.back();
}

bool SyncScope::deferSync(const QString& path) {
    if (!g_current) return false;
    g_current->file(path).written = true;
    return true;
}

qint64 SyncScope::freeFrom(const QString& path) {
    if (!g_current) return 1;
    for (const File& f : g_current->m_files)
        if (f.path == path) return f.freeFrom;
    return 1;
}

void SyncScope::setFreeFrom(const QString& path, qint64 record) {
    if (g_current) g_current->file(path).freeFrom = record;
}

void SyncScope::forgetFreeFrom(const QString& path) {
    if (!g_current) return;
    for (File& f : g_current->m_files)
        if (f.path == path) f.freeFrom = 1;
}

} // namespace cw
