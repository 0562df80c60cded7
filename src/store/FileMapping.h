#pragma once
// A read-only mapping of part of a file, so that a scan reads the records where the page cache
// holds them instead of copying them; a scan maps one chunk at a time, so that the pages it
// has passed do not stay counted to the program. A file cut short while it is mapped (by another
// program) would make the pages past its new end raise SIGBUS and end the program; here such a page
// is replaced by one of zero bytes, which the record files read as unused records.
#include <QtGlobal>

namespace cw {

class FileMapping {
public:
    // Maps `length` bytes of the open file from `offset`; valid() is false where they cannot
    // be mapped (not a regular file, nothing to map, or no address space left).
    FileMapping(int fd, qint64 offset, qint64 length);
    ~FileMapping();
    FileMapping(const FileMapping&) = delete;
    FileMapping& operator=(const FileMapping&) = delete;

    bool valid() const { return m_data != nullptr; }
    const char* data() const { return m_data + m_lead; } // the byte at `offset`

private:
    char* m_data = nullptr; // the mapping starts at the page that holds `offset`
    qint64 m_lead = 0;
    qint64 m_length = 0;
};

} // namespace cw
