#pragma once
// What this run changed in the record files, one step per user command, so that each step can
// be undone and done again. While a step is open (a JournalStep in the command), every record
// file opened through a store notes each record it writes, with the bytes it held before and
// after. Undo puts the bytes back as they were before the step and the files' lengths with
// them, redo writes the step's bytes again; either checks first that the records it would
// restore are as the step left them, and writes nothing when another program changed them.
#include "core/Context.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

namespace cw {

class ChangeJournal : public QObject {
    Q_OBJECT
public:
    // At most this many bytes of changes are kept; the oldest steps go first, but the last one
    // is always kept (Clear List of 100,000 items on the list holds 32 MB).
    static constexpr qint64 kMaxBytes = qint64(40) << 20;

    using QObject::QObject;
    ~ChangeJournal() override;

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The names of the steps that undo and redo would take ("Remove Item"), empty for none.
    QString undoName() const;
    QString redoName() const;

    enum class Outcome { Done, ChangedElsewhere };
    // Puts the files back as they were before the last step done. ChangedElsewhere, with
    // nothing written and the history cleared, when a record it would restore is no longer as
    // the step left it. A failure to read or write the files clears the history and passes on.
    Outcome undo();
    // Does the last step undone again, on the same terms.
    Outcome redo();
    // Forgets every step (the files were replaced as a whole).
    void clear();

    // ---- For the record files

    // Whether writes are to be noted: a step is open.
    bool recording() const { return m_depth > 0; }
    // `size` bytes written at `offset` of the file at `path`, `lengthBefore` its length just
    // before the write; `before` holds the bytes the write replaced, those below lengthBefore.
    void noteWrite(const QString& path, qint64 lengthBefore, qint64 offset, const char* before,
                   const char* after, qint64 size);

signals:
    // Steps were added, undone, done again or forgotten.
    void changed();

private:
    friend class JournalStep;
    struct Piece {
        qint64 offset;
        qint64 size;
        qint64 beforeSize; // the bytes that were there before, the rest was past the end
        // The bytes written, then the runs of the first beforeSize bytes where those before
        // differed (a list mark: one byte), each its offset, its length and its bytes.
        QByteArray bytes;
        const char* after() const { return bytes.constData(); }
        void before(char* out) const; // beforeSize bytes
        static Piece of(qint64 offset, qint64 size, qint64 beforeSize, const char* before,
                        const char* after);
    };
    struct FileChanges {
        QString path;
        qint64 lengthBefore = 0;
        qint64 lengthAfter = 0;
        std::vector<Piece> pieces; // in the order written, until the step ends
    };
    struct Step {
        QString name;
        std::vector<FileChanges> files;
        qint64 bytes() const;
    };
    enum class Direction { Back, Forward };

    void beginStep(const QString& name);
    void endStep();
    static void settle(FileChanges& file);
    Outcome apply(Step& step, Direction direction);
    void keepWithinLimit();

    std::vector<Step> m_steps; // the oldest first; those past m_done were undone
    std::size_t m_done = 0;
    Step m_open;
    int m_depth = 0;
};

// One user command's changes, named for the command: open for the life of the scope. Scopes
// nest; the outermost one makes the step. Without a journal in the context it does nothing.
class JournalStep {
public:
    JournalStep(const Context& ctx, const QString& name);
    ~JournalStep();
    JournalStep(const JournalStep&) = delete;
    JournalStep& operator=(const JournalStep&) = delete;

private:
    ChangeJournal* m_journal;
};

} // namespace cw
