#include "store/RecordFile.h"

#include "core/Failure.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cw {
namespace {

[[noreturn]] void fail(int err) {
    throw Failure::fromErrno(err);
}

constexpr qint64 kChunkBytes = 1 << 20;
constexpr qint64 kJoinGapBytes = 4096;

} // namespace

RecordFile::RecordFile(const QString& path, int recordLength, const char* blank, Access access)
    : m_recordLength(recordLength),
      m_blank(blank ? QByteArray(blank, recordLength) : QByteArray(recordLength, ' ')),
      m_path(path) {
    const QByteArray native = path.toLocal8Bit();
    int fd;
    do
        fd = access == Access::ReadOnly
                 ? ::open(native.constData(), O_RDONLY | O_CLOEXEC)
                 : ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fail(EISDIR);
    }
    m_fd = fd;
}

RecordFile::~RecordFile() {
    closeQuietly();
}

void RecordFile::closeQuietly() {
    if (m_fd < 0) return;
    ::close(m_fd);
    m_fd = -1;
}

qint64 RecordFile::length() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) fail(errno);
    return S_ISREG(st.st_mode) ? static_cast<qint64>(st.st_size) : 0;
}

qint64 RecordFile::recordCount(qint64 length, int recordLength) {
    const qint64 q = length / recordLength, r = length % recordLength;
    if (2 * r > recordLength || (2 * r == recordLength && (q % 2) == 1)) return q + 1;
    return q;
}

qint64 RecordFile::recordCount() const {
    return recordCount(length(), m_recordLength);
}

void RecordFile::read(qint64 n, char* out, const char* blank) const {
    if (n < 1) throw Failure("Bad record number");
    const qint64 offset = (n - 1) * m_recordLength;
    qint64 got = 0;
    while (got < m_recordLength) {
        const ssize_t r = ::pread(m_fd, out + got, m_recordLength - got, offset + got);
        if (r < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        if (r == 0) break;
        got += r;
    }
    std::memcpy(out + got, blank + got, m_recordLength - got);
}

void RecordFile::writeAt(qint64 offset, const char* data, qint64 size) {
    const qint64 before = length();
    // A gap between the end and the record is filled with blank records first, chunk by
    // chunk, so that the file never holds bytes that no record layout wrote.
    if (offset > before) {
        std::vector<char> fill;
        for (qint64 at = before; at < offset;) {
            const qint64 n = std::min(offset - at, kChunkBytes);
            fill.resize(static_cast<std::size_t>(n));
            for (qint64 k = 0; k < n; ++k)
                fill[k] = m_blank.constData()[(at + k) % m_recordLength];
            writeAll(at, fill.data(), n, before);
            at += n;
        }
    }
    writeAll(offset, data, size, before);
    m_written = true;
}

void RecordFile::writeAll(qint64 offset, const char* data, qint64 size, qint64 before) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t w = ::pwrite(m_fd, data + done, size - done, offset + done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            const int err = w < 0 ? errno : ENOSPC;
            // An append that did not complete is cut back off: no torn record stays behind.
            if (offset + size > before) {
                struct stat st {};
                if (::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > before)
                    (void)::ftruncate(m_fd, before);
            }
            fail(err);
        }
        done += w;
    }
}

void RecordFile::write(qint64 n, const char* record) {
    if (n < 1) throw Failure("Bad record number");
    writeAt((n - 1) * m_recordLength, record, m_recordLength);
}

void RecordFile::scan(const char* blank, const std::function<Scan(qint64, char*)>& visit) {
    const qint64 count = recordCount();
    // The buffer holds a chunk, or the whole file when that is smaller.
    const qint64 perChunk = std::min(std::max<qint64>(1, kChunkBytes / m_recordLength), count);
    std::vector<char> buf(static_cast<std::size_t>(perChunk * m_recordLength));
    for (qint64 first = 1; first <= count; first += perChunk) {
        const qint64 n = std::min(perChunk, count - first + 1);
        const qint64 offset = (first - 1) * m_recordLength;
        const qint64 want = n * m_recordLength;
        qint64 got = 0;
        while (got < want) {
            const ssize_t r = ::pread(m_fd, buf.data() + got, want - got, offset + got);
            if (r < 0) {
                if (errno == EINTR) continue;
                fail(errno);
            }
            if (r == 0) break;
            got += r;
        }
        // A trailing partial record reads its missing bytes as blanks.
        for (qint64 k = got; k < want; ++k)
            buf[k] = blank[k % m_recordLength];
        // Changed records are written back in runs. Runs less than a page apart are joined,
        // the unchanged records between them written back as they were read: one write
        // instead of many, and the pages between would be written to the disk anyway.
        qint64 runStart = -1, runEnd = -1;
        auto flushRun = [&] {
            if (runStart < 0) return;
            writeAt(offset + runStart * m_recordLength, buf.data() + runStart * m_recordLength,
                    (runEnd - runStart) * m_recordLength);
            runStart = -1;
        };
        for (qint64 i = 0; i < n; ++i) {
            const Scan action = visit(first + i, buf.data() + i * m_recordLength);
            if (action == Scan::WriteBack) {
                if (runStart >= 0 && (i - runEnd) * m_recordLength > kJoinGapBytes) flushRun();
                if (runStart < 0) runStart = i;
                runEnd = i + 1;
            } else if (action == Scan::Stop) {
                flushRun();
                return;
            }
        }
        flushRun();
    }
}

void RecordFile::close() {
    if (m_fd < 0) return;
    const int fd = m_fd;
    m_fd = -1;
    int err = 0;
    if (m_written && ::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err) fail(err);
}

void deleteFile(const QString& path) {
    if (::unlink(path.toLocal8Bit().constData()) != 0) fail(errno);
}

bool fileExists(const QString& path) {
    struct stat st {};
    return ::stat(path.toLocal8Bit().constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace cw
