#pragma once
// A file of fixed-length records, numbered from 1. Opening creates a missing file. Every
// write is checked to its last byte; an append that fails is cut back off, so no partial
// record is left; a file that was written is flushed to the disk before close reports success.
// A write past the end never leaves a hole: the bytes between the old end and the record
// (the rest of a trailing partial record, skipped records) are written as blank records.
#include <QByteArray>
#include <QString>
#include <functional>

namespace cw {

class RecordFile {
public:
    enum class Access { ReadWrite, ReadOnly };
    // Opens for reading and writing, creating a missing file, or (ReadOnly) opens an existing
    // file that is never changed; throws Failure on error. `blank` is the file's blank record
    // (record length bytes; spaces when not given).
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
    // taken from `blank`, a record of the same length. Throws "Bad record number" for n < 1.
    void read(qint64 n, char* out, const char* blank) const;
    void write(qint64 n, const char* record);

    // What a scan does after visiting a record.
    enum class Scan { Next, WriteBack, Stop };
    // Reads the records from 1 on in large chunks and calls visit(n, record) for each; visit
    // may change the record and ask to have it written back, or stop the scan.
    void scan(const char* blank, const std::function<Scan(qint64, char*)>& visit);

    void close();        // flushes written data to the disk; throws on failure
    void closeQuietly(); // closes without flushing or reporting (clean-up after a failure)

private:
    void writeAt(qint64 offset, const char* data, qint64 size);
    void writeAll(qint64 offset, const char* data, qint64 size, qint64 before);
    int m_fd = -1;
    int m_recordLength;
    QByteArray m_blank;
    QString m_path;
    bool m_written = false;
};

// Removes a file by path; throws Failure with the platform's description.
void deleteFile(const QString& path);
bool fileExists(const QString& path);

} // namespace cw
