#pragma once
// The desktop trash that freedesktop.org file managers share, so that data files a command
// replaces or deletes can be restored from any file manager. A file goes to the trash of its
// own filesystem: the home trash ($XDG_DATA_HOME/Trash) when it lies on the home trash's
// filesystem, else the trash at the top of its mount ($topdir/.Trash/$uid, or
// $topdir/.Trash-$uid). Beside it in info/ stands NAME.trashinfo with the original path,
// percent-encoded, and the local time of deletion.
#include <QString>
#include <optional>

namespace cw {

struct TrashedFile {
    QString file; // TRASH/files/NAME
    QString info; // TRASH/info/NAME.trashinfo
};

// Moves the file to its trash; nothing when there is no trash for it (the file stays).
std::optional<TrashedFile> moveToTrash(const QString& path);
// Puts a trashed file back at `path` and removes its entry. Throws Failure.
void takeBackFromTrash(const TrashedFile& trashed, const QString& path);
// Moves the file to its trash, or removes it where there is none. Throws Failure.
void discardFile(const QString& path);

// The text of an entry's Path= line for a file at `path`: relative to `topdir` when the trash
// is a mount's own (empty `topdir` for the home trash), every byte but unreserved ones and "/"
// percent-encoded.
QByteArray trashInfoPath(const QByteArray& path, const QByteArray& topdir);

} // namespace cw
