#pragma once
// The disk syncs of one user command. Syncing after every record costs a user 0.5 to 10 ms
// a record on a real disk, so a command that writes many records opens a scope: the store
// operations under it still open, write and close their files, but leave the sync to the
// scope, which makes each file written under it durable once, when the command finishes.
// Scopes nest: an inner one joins the outer, and only the outermost syncs. Without a scope,
// every store operation syncs its own writes as before.
//
// Within the scope the store also remembers, per file, the record before which no record is
// free, so that a command adding many records does not search the file from the start for
// each one. Any other write to that file forgets it.
#include <QString>
#include <QtGlobal>
#include <vector>

namespace cw {

class SyncScope {
public:
    SyncScope();
    // An outermost scope left without finish() (a failure is on its way to its report) still
    // syncs what was written, quietly.
    ~SyncScope();
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

    // Makes every file written under the scope durable; throws Failure (with the platform's
    // description) for the first that cannot be, after trying them all. Nothing for an
    // inner scope.
    void finish();

    // For the record files: whether a scope takes over the sync of this written file.
    static bool deferSync(const QString& path);
    // The first record of the file that may be free (1 when nothing is known), and the
    // knowledge that records before `record` are all in use.
    static qint64 freeFrom(const QString& path);
    static void setFreeFrom(const QString& path, qint64 record);
    static void forgetFreeFrom(const QString& path);

private:
    struct File {
        QString path;
        bool written = false;
        qint64 freeFrom = 1;
    };
    File& file(const QString& path);
    int syncAll(); // 0, or the errno of the first failure
    SyncScope* m_outer;
    std::vector<File> m_files; // the few files of one command
};

} // namespace cw
