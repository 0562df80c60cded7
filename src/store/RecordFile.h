#pragma once
// A file of fixed-length records, numbered from 1. Opening creates a missing file. Every
// write is checked to its last byte; an append that fails is cut back off, so no partial
// record is left; a file that was written is flushed to the disk before close reports success.
// A write past the end never leaves a hole: the bytes between the old end and the record
// (the rest of a trailing partial record, skipped records) are written as blank records.
#include "store/PendingSync.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace cw {

class ChangeJournal;

class RecordFile {
public:
    enum class Access {
        ReadWrite, // for writing: opened for reading and writing, a missing file created
        Read,      // for reading only: a missing file is created where the folder allows,
                   // and where it does not (a read-only medium) counts as an empty file
        Existing,  // an existing file only, never changed (the old version-5 files)
        New,       // a new file only: fails when anything, a link included, has the name
    };
    // Opens the file; throws Failure on error. `blank` is the file's blank record (record
    // length bytes, kept for the file's life; spaces when not given).
    RecordFile(const QString& path, int recordLength, const char* blank = nullptr,
               Access access = Access::ReadWrite);
    ~RecordFile(); // closes quietly if close() was not called
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    qint64 length() const;
    // Number of records: length / record length, rounded to the nearest, a half to even.
    qint64 recordCount() const;
    static qint64 recordCount(qint64 length, int recordLength);

    // Reads record n into `out` (record length bytes). Bytes beyond the end of the file are
    // taken from `blank`, a record of the same length, and so is a record of zero bytes only
    // (a sparse file's hole, or a tail a crash left zero-filled): it is an unused record.
    // Throws "Bad record number" for n < 1.
    void read(qint64 n, char* out, const char* blank) const;
    void write(qint64 n, const char* record);
    // Writes `count` records one after the other from record `first` on.
    void write(qint64 first, const char* records, qint64 count);

    // What a scan does after visiting a record.
    enum class Scan { Next, WriteBack, Stop };
    // Whether a scan visits the records that lie in a hole of a sparse file (they are blank).
    enum class Holes { Skip, Visit };
    // Reads the records from `from` on in large chunks and calls visit(n, record, changed) for
    // each (zero records read as blank, as with read()); visit may put the record as it is to
    // be into `changed` (a whole record) and ask to have that written back, or stop the scan.
    // Holes are skipped without reading unless asked.
    void scan(const char* blank, const std::function<Scan(qint64, const char*, char*)>& visit,
              Holes holes = Holes::Skip, qint64 from = 1);

    // Reads the records from `from` on without changing them: visit(n, record) for each until
    // it returns false. Zero records and the missing bytes of a trailing partial record read
    // as blank, holes are skipped unless asked for (their records are blank). The file is
    // read where it lies in memory (mapped) when it can be, else in large chunks; this is the
    // fast way through the whole file.
    template <class Visit>
    void forEachRecord(const char* blank, Visit&& visit, Holes holes = Holes::Skip,
                       qint64 from = 1) const {
        const int length = m_recordLength;
        readChunks(
            blank,
            [&](qint64 first, const char* records, qint64 count) {
                for (qint64 i = 0; i < count; ++i) {
                    const char* record = records + i * length;
                    if (record[0] == 0 && isZeroRecord(record)) record = blank;
                    if (!visit(first + i, record)) return false;
                }
                return true;
            },
            holes, from);
    }

    // The file's bytes as they are, for the change journal: up to `size` bytes at `offset`, fewer
    // only at the end of the file; writes of bytes; and the file cut to a length.
    qint64 readBytes(qint64 offset, char* out, qint64 size) const {
        return readAt(offset, out, size);
    }
    void writeBytes(qint64 offset, const char* data, qint64 size) { writeAt(offset, data, size); }
    void truncate(qint64 length);

    // Every write from now on is noted in the journal while it records a step, with the
    // bytes it replaced.
    void noteChangesIn(ChangeJournal* journal) { m_journal = journal; }

    // Flushes written data to the disk; throws on failure.
    void close();
    // Lets the file go at once and flushes it on a thread of its own: the caller waits for
    // the result when its other work is done.
    PendingSync closeInBackground();
    void closeQuietly(); // closes without flushing or reporting (clean-up after a failure)

private:
    // Chunks of whole records for forEachRecord: visit(first record, records, count) until it
    // returns false.
    void readChunks(const char* blank,
                    const std::function<bool(qint64, const char*, qint64)>& visit, Holes holes,
                    qint64 from) const;
    bool isZeroRecord(const char* record) const;
    void writeAt(qint64 offset, const char* data, qint64 size);
    qint64 readAt(qint64 offset, char* out, qint64 size) const;
    void blankZeroRecords(char* records, qint64 count, const char* blank) const;
    void writeAll(qint64 offset, const char* data, qint64 size, qint64 before);
    bool noting() const;
    qint64 exactLength();
    QString m_path;
    int m_fd = -1;
    int m_recordLength;
    QByteArray m_blank;
    bool m_written = false;
    qint64 m_knownLength = -1; // at least this long, as this object wrote it
    ChangeJournal* m_journal = nullptr;
    qint64 m_exactLength = -1; // the length, once a noted write needed it
    bool m_noteWrites = true;  // off while a scan notes its own records
};

// The calls that make written records durable and let a file go. Tests put failing or counting
// ones in their place, to prove that no sync is skipped and that a failing one is reported.
struct DurabilityCalls {
    int (*sync)(int fd);
    int (*close)(int fd);
};
DurabilityCalls& durabilityCalls();
// Syncs `fd` when asked, then closes it, through those calls: 0, or the errno of the first
// that failed. A file that cannot be synced (a pipe, a read-only medium) is not a failure.
int syncAndClose(int fd, bool sync);

// Removes a file by path; throws Failure with the platform's description.
void deleteFile(const QString& path);
// Renames a file. Replace::Never fails when anything, a link included, has the new name
// (a file that appeared since the user was asked is never written over). Throws Failure.
enum class Replace { Existing, Never };
void renameFile(const QString& from, const QString& to, Replace replace = Replace::Existing);
// Makes the folder's entries, renames included, durable. Throws Failure.
void syncDirectory(const QString& dir);
// A hidden name beside `path` for a file written whole before it is renamed into its place.
QString temporaryNameBeside(const QString& path);
// Writes a whole file: beside it under a hidden name first, made durable, then renamed into
// its place, so a failure part way (a full disk) leaves what was there. Throws Failure.
void writeFileDurably(const QString& path, const QByteArray& bytes, Replace replace);
bool fileExists(const QString& path);

} // namespace cw
