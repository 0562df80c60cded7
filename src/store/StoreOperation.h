#pragma once
// How a store operation meets its file: open it, do the work, close it. With the
// operation's own trap, a failure closes the file and is reported under the prefix.
#include "core/Trap.h"
#include "store/RecordFile.h"

#include <optional>

namespace cw {

template <class Body>
bool runTrapped(Context& ctx, const QString& path, int recordLength, const char* blank,
                const char* prefix, Body&& body,
                RecordFile::Access access = RecordFile::Access::ReadWrite) {
    std::optional<RecordFile> file;
    return trap(
        ctx, prefix,
        [&] {
            file.emplace(path, recordLength, blank, access);
            file->noteChangesIn(ctx.journal);
            body(*file);
            file->close();
        },
        [&] {
            if (file) file->closeQuietly();
        });
}

} // namespace cw
