#pragma once
// Data files that a command replaces or deletes go to the desktop trash where there is one,
// so that a mistaken Yes can be undone from the file manager; only where there is no trash
// are they removed for good.
#include <QString>

namespace cw {

// Moves the file to the trash and returns where it went there; an empty text when there is
// no trash for it (the file is left where it was).
QString moveToTrash(const QString& path);
// Puts a file moved to the trash back where it was, and forgets it in the trash.
void takeBackFromTrash(const QString& inTrash, const QString& path);
// Moves the file to the trash, or removes it where there is no trash. Throws Failure.
void discardFile(const QString& path);

} // namespace cw
