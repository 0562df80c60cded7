#include "store/RecordFile.h"

#include "core/Failure.h"
#include "store/ChangeJournal.h"
#include "store/FileMapping.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace cw {
namespace {

[[noreturn]] void fail(int err) {
    throw Failure::fromErrno(err);
}

constexpr qint64 kChunkBytes = 1 << 20;
constexpr qint64 kMappedChunkBytes = 8 << 20; // a read-only scan's window on the file
constexpr qint64 kJoinGapBytes = 4096;

} // namespace

namespace {

int openPath(const QByteArray& path, int flags) {
    int fd;
    do
        // Without blocking: a FIFO in a file's place must not stop the program (it then
        // reads as an empty file).
        fd = ::open(path.constData(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

RecordFile::RecordFile(const QString& path, int recordLength, const char* blank, Access access)
    : m_path(path), m_recordLength(recordLength),
      m_blank(blank ? QByteArray::fromRawData(blank, recordLength)
                    : QByteArray(recordLength, ' ')) {
    const QByteArray native = path.toLocal8Bit();
    int fd = -1;
    switch (access) {
    case Access::ReadWrite:
        fd = openPath(native, O_RDWR | O_CREAT);
        break;
    case Access::Existing:
        fd = openPath(native, O_RDONLY);
        break;
    case Access::New:
        fd = openPath(native, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW);
        break;
    case Access::Read:
        fd = openPath(native, O_RDONLY);
        if (fd >= 0 || errno != ENOENT) break;
        fd = openPath(native, O_RDWR | O_CREAT);
        // A missing file on a medium that cannot be written holds no records yet.
        if (fd < 0 && (errno == EROFS || errno == EACCES)) return;
        break;
    }
    if (fd < 0) fail(errno);
    m_fd = fd; // a directory opened for reading fails its first read or length()
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
    if (m_fd < 0) return 0; // a missing file that could not be made
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) fail(errno);
    if (S_ISDIR(st.st_mode)) fail(EISDIR);
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

// Reads up to `size` bytes at `offset`; fewer only at the end of the file.
qint64 RecordFile::readAt(qint64 offset, char* out, qint64 size) const {
    qint64 got = 0;
    while (m_fd >= 0 && got < size) {
        const ssize_t r = ::pread(m_fd, out + got, size - got, offset + got);
        if (r < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        if (r == 0) break;
        got += r;
    }
    return got;
}

// A record of zero bytes only was never written by any layout: it is an unused record.
bool RecordFile::isZeroRecord(const char* record) const {
    if (record[0] != 0 || record[m_recordLength - 1] != 0) return false; // the usual case
    for (int k = 1; k < m_recordLength - 1; ++k)
        if (record[k] != 0) return false;
    return true;
}

void RecordFile::blankZeroRecords(char* records, qint64 count, const char* blank) const {
    for (qint64 i = 0; i < count; ++i) {
        char* rec = records + i * m_recordLength;
        if (isZeroRecord(rec)) std::memcpy(rec, blank, static_cast<std::size_t>(m_recordLength));
    }
}

void RecordFile::read(qint64 n, char* out, const char* blank) const {
    if (n < 1) throw Failure::badRecordNumber();
    const qint64 got = readAt((n - 1) * m_recordLength, out, m_recordLength);
    std::memcpy(out + got, blank + got, static_cast<std::size_t>(m_recordLength - got));
    blankZeroRecords(out, 1, blank);
}

bool RecordFile::noting() const {
    return m_journal && m_noteWrites && m_journal->recording();
}

// The file's length, asked once and then followed through this object's own writes.
qint64 RecordFile::exactLength() {
    if (m_exactLength < 0) m_exactLength = length();
    return m_exactLength;
}

void RecordFile::writeAt(qint64 offset, const char* data, qint64 size) {
    // A noted write keeps the bytes it replaces.
    const bool note = noting();
    std::vector<char> replaced;
    qint64 exact = 0;
    if (note) {
        exact = exactLength();
        replaced.resize(static_cast<std::size_t>(size));
        if (offset < exact) readAt(offset, replaced.data(), std::min(size, exact - offset));
    }
    // The file as this object last knew it is long enough for a write in place; only a write
    // that may lengthen it asks for its length.
    const qint64 before = m_knownLength >= offset + size ? m_knownLength : length();
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
    m_knownLength = std::max(before, offset + size);
    if (m_exactLength >= 0) m_exactLength = std::max(m_exactLength, offset + size);
    if (!note) return;
    if (offset > exact) { // the blank records that filled the gap
        std::vector<char> fill(static_cast<std::size_t>(offset - exact));
        for (std::size_t k = 0; k < fill.size(); ++k)
            fill[k] = m_blank.constData()[(exact + qint64(k)) % m_recordLength];
        m_journal->noteWrite(m_path, exact, exact, nullptr, fill.data(), offset - exact);
    }
    m_journal->noteWrite(m_path, std::max(exact, offset), offset, replaced.data(), data, size);
}

void RecordFile::truncate(qint64 length) {
    if (::ftruncate(m_fd, length) != 0) fail(errno);
    m_written = true;
    m_knownLength = m_exactLength = length;
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
    write(n, record, 1);
}

void RecordFile::write(qint64 first, const char* records, qint64 count) {
    if (first < 1) throw Failure::badRecordNumber();
    writeAt((first - 1) * m_recordLength, records, count * m_recordLength);
}

namespace {

// The parts of the file that hold data, as [start, end) byte ranges: the whole file unless the
// file system reports holes. A hole reads as zero bytes.
std::vector<std::pair<qint64, qint64>> dataExtents(int fd, qint64 length) {
    std::vector<std::pair<qint64, qint64>> extents;
    for (qint64 at = 0; at < length;) {
        const off_t data = ::lseek(fd, at, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) break; // nothing but a hole from here on
            return {{0, length}};      // no hole reporting here: all of it is data
        }
        const off_t hole = ::lseek(fd, data, SEEK_HOLE);
        const qint64 end = hole < 0 ? length : std::min<qint64>(hole, length);
        extents.emplace_back(data, end);
        at = end;
    }
    return extents;
}

// Walks records [from, count] of a file in chunks of `perChunk` records, calling
// visit(first, n, offset, hole) for each: its first record, its number of records, its byte
// offset, and whether it lies wholly in a hole. Chunks in a hole are passed over when `holes`
// says so; the walk ends early when `visit` returns false.
template <class Visit>
void walkChunks(int fd, qint64 length, int recordLength, qint64 count, qint64 perChunk,
                RecordFile::Holes holes, qint64 from, Visit&& visit) {
    const auto extents = dataExtents(fd, length);
    auto extent = extents.begin();
    for (qint64 first = std::max<qint64>(from, 1); first <= count; first += perChunk) {
        const qint64 n = std::min(perChunk, count - first + 1);
        const qint64 offset = (first - 1) * recordLength;
        while (extent != extents.end() && extent->second <= offset)
            ++extent;
        const bool hole = extent == extents.end() || extent->first >= offset + n * recordLength;
        if (hole && holes == RecordFile::Holes::Skip) continue; // blank records only
        if (!visit(first, n, offset, hole)) return;
    }
}

// Bytes [got, want) of a run of records that the file did not give: a trailing partial
// record, or a hole, reads as blank records.
void fillBlanks(char* records, qint64 got, qint64 want, const char* blank, int recordLength) {
    for (qint64 k = got; k < want; ++k)
        records[k] = blank[k % recordLength];
}

} // namespace

void RecordFile::scan(const char* blank,
                      const std::function<Scan(qint64, const char*, char*)>& visit, Holes holes,
                      qint64 from) {
    const qint64 length = this->length();
    const qint64 count = recordCount(length, m_recordLength);
    if (count == 0) return;
    const int len = m_recordLength;
    // The buffer holds a chunk, or the whole file when that is smaller.
    const qint64 perChunk = std::min(std::max<qint64>(1, kChunkBytes / len), count);
    std::vector<char> buf(static_cast<std::size_t>(perChunk * len));
    std::vector<char> changed(static_cast<std::size_t>(len));
    // A noted scan notes each record it writes back that the file held otherwise: those the
    // visitor changed, with the bytes they had, and those that read as blank (a zero record, a
    // hole, a torn last record), whose bytes were zeros or cut short.
    const bool note = noting();
    std::vector<char> asRead;   // per record of the chunk: read as it is in the file
    std::vector<char> visited;  // per record: changed by the visitor
    std::vector<char> replaced; // the file's bytes of the records changed in the run
    auto chunk = [&](qint64 first, qint64 n, qint64 offset, bool hole) {
        const qint64 want = n * len;
        const qint64 got = hole ? 0 : readAt(offset, buf.data(), want);
        fillBlanks(buf.data(), got, want, blank, len);
        if (note) {
            asRead.assign(static_cast<std::size_t>(n), 1);
            visited.assign(static_cast<std::size_t>(n), 0);
            replaced.clear();
            for (qint64 i = got / len; i < n; ++i)
                asRead[std::size_t(i)] = 0;
        }
        for (qint64 i = 0; i < n; ++i) {
            char* rec = buf.data() + i * len;
            if (!isZeroRecord(rec)) continue;
            std::memcpy(rec, blank, static_cast<std::size_t>(len));
            if (note) asRead[std::size_t(i)] = 0;
        }
        // The bytes the file holds for record i, as far as it holds them: a record read as
        // blank held zeros, or the start of a torn record.
        auto fileBytes = [&](qint64 i, char* out) {
            const char* rec = buf.data() + i * len;
            if (asRead[std::size_t(i)]) return (void)std::memcpy(out, rec, std::size_t(len));
            const qint64 real = hole ? 0 : std::clamp<qint64>(got - i * len, 0, len);
            std::memset(out, 0, static_cast<std::size_t>(len));
            if (real < len) std::memcpy(out, rec, static_cast<std::size_t>(real));
        };
        // Changed records are written back in runs. Runs less than a page apart are joined,
        // the unchanged records between them written back as they were read: one write
        // instead of many, and the pages between would be written to the disk anyway.
        qint64 runStart = -1, runEnd = -1;
        auto flushRun = [&] {
            if (runStart < 0) return;
            const qint64 at = runStart * len;
            const qint64 lengthBefore = note ? exactLength() : 0;
            m_noteWrites = false;
            try {
                writeAt(offset + at, buf.data() + at, (runEnd - runStart) * len);
            } catch (...) {
                m_noteWrites = true;
                throw;
            }
            m_noteWrites = true;
            if (note) {
                std::size_t next = 0; // the next of the changed records' bytes
                std::vector<char> before(static_cast<std::size_t>(len));
                for (qint64 i = runStart; i < runEnd; ++i) {
                    const char* old = nullptr;
                    if (visited[std::size_t(i)]) {
                        old = replaced.data() + next;
                        next += std::size_t(len);
                    } else if (!asRead[std::size_t(i)]) {
                        fileBytes(i, before.data());
                        old = before.data();
                    } else {
                        continue;
                    }
                    m_journal->noteWrite(m_path, lengthBefore, offset + i * len, old,
                                         buf.data() + i * len, len);
                }
                replaced.clear();
            }
            runStart = -1;
        };
        for (qint64 i = 0; i < n; ++i) {
            char* rec = buf.data() + i * len;
            const Scan action = visit(first + i, rec, changed.data());
            if (action == Scan::WriteBack) {
                if (runStart >= 0 && (i - runEnd) * len > kJoinGapBytes) flushRun();
                if (runStart < 0) runStart = i;
                runEnd = i + 1;
                if (note) {
                    visited[std::size_t(i)] = 1;
                    replaced.resize(replaced.size() + std::size_t(len));
                    fileBytes(i, replaced.data() + replaced.size() - len);
                }
                std::memcpy(rec, changed.data(), static_cast<std::size_t>(len));
            } else if (action == Scan::Stop) {
                flushRun();
                return false;
            }
        }
        flushRun();
        return true;
    };
    walkChunks(m_fd, length, len, count, perChunk, holes, from, chunk);
}

void RecordFile::readChunks(const char* blank,
                            const std::function<bool(qint64, const char*, qint64)>& visit,
                            Holes holes, qint64 from) const {
    const qint64 length = this->length();
    const qint64 count = recordCount(length, m_recordLength);
    if (count == 0 || from > count) return;
    const qint64 perChunk =
        std::min(std::max<qint64>(1, kMappedChunkBytes / m_recordLength), count);
    std::vector<char> buf; // records that are not in the mapping as they are to be read
    auto chunk = [&](qint64 first, qint64 n, qint64 offset, bool hole) {
        const qint64 want = n * m_recordLength;
        const FileMapping mapping(m_fd, offset, hole ? 0 : std::min(want, length - offset));
        if (mapping.valid() && offset + want <= length) return visit(first, mapping.data(), n);
        buf.resize(static_cast<std::size_t>(want));
        qint64 got = 0;
        if (mapping.valid()) {
            got = length - offset;
            std::memcpy(buf.data(), mapping.data(), static_cast<std::size_t>(got));
        } else if (!hole) {
            got = readAt(offset, buf.data(), want);
        }
        fillBlanks(buf.data(), got, want, blank, m_recordLength);
        return visit(first, buf.data(), n);
    };
    walkChunks(m_fd, length, m_recordLength, count, perChunk, holes, from, chunk);
}

void RecordFile::close() {
    if (m_fd < 0) return;
    const int fd = m_fd;
    m_fd = -1;
    if (const int err = syncAndClose(fd, m_written)) fail(err);
}

PendingSync RecordFile::closeInBackground() {
    const int fd = m_fd;
    m_fd = -1;
    if (fd < 0) return {};
    return PendingSync(std::async(std::launch::async, syncAndClose, fd, m_written));
}

int syncAndClose(int fd, bool sync) {
    DurabilityCalls& calls = durabilityCalls();
    int err = 0;
    if (sync && calls.sync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    if (calls.close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    return err;
}

DurabilityCalls& durabilityCalls() {
    static DurabilityCalls calls{::fdatasync, ::close};
    return calls;
}

void deleteFile(const QString& path) {
    if (::unlink(path.toLocal8Bit().constData()) != 0) fail(errno);
}

void renameFile(const QString& from, const QString& to, Replace replace) {
    const QByteArray source = from.toLocal8Bit(), target = to.toLocal8Bit();
    if (replace == Replace::Existing) {
        if (::rename(source.constData(), target.constData()) != 0) fail(errno);
        return;
    }
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return;
    if (errno != EINVAL && errno != ENOSYS) fail(errno);
    // A filesystem that cannot refuse by itself: look first.
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0) fail(EEXIST);
    if (::rename(source.constData(), target.constData()) != 0) fail(errno);
}

void syncDirectory(const QString& dir) {
    const int fd = openPath(dir.toLocal8Bit(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) fail(errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL) fail(error); // a folder that cannot be synced is no failure
}

QString temporaryNameBeside(const QString& path) {
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
           QString::number(QRandomGenerator::global()->generate64(), 36);
}

void writeFileDurably(const QString& path, const QByteArray& bytes, Replace replace) {
    const QString written = temporaryNameBeside(path);
    std::optional<RecordFile> file;
    try {
        file.emplace(written, 1, nullptr, RecordFile::Access::New);
        if (!bytes.isEmpty()) file->writeBytes(0, bytes.constData(), bytes.size());
        file->close();
        renameFile(written, path, replace);
    } catch (...) {
        if (file) file->closeQuietly();
        ::unlink(written.toLocal8Bit().constData());
        throw;
    }
    syncDirectory(QFileInfo(path).absolutePath());
}

bool fileExists(const QString& path) {
    struct stat st {};
    return ::stat(path.toLocal8Bit().constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace cw
