#include "store/ChangeJournal.h"

#include "store/RecordFile.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace cw {
namespace {

constexpr qint64 kJoinGapBytes = 4096;   // pieces this close are read and written as one
constexpr qint64 kWindowBytes = 1 << 20; // unless that makes more than this

// A run of pieces [first, last) read and written in one go: [start, end) of the file.
struct Window {
    std::size_t first, last;
    qint64 start, end;
};

} // namespace

ChangeJournal::~ChangeJournal() = default;

qint64 ChangeJournal::Step::bytes() const {
    qint64 total = 0;
    for (const FileChanges& f : files)
        for (const Piece& p : f.pieces)
            total += p.bytes.size() + qint64(sizeof(Piece)) + 16; // 16: the block's own
    return total;
}

QString ChangeJournal::undoName() const {
    return canUndo() ? m_steps[m_done - 1].name : QString();
}

QString ChangeJournal::redoName() const {
    return canRedo() ? m_steps[m_done].name : QString();
}

void ChangeJournal::clear() {
    const bool had = !m_steps.empty();
    m_steps.clear();
    m_done = 0;
    if (had) emit changed();
}

void ChangeJournal::beginStep(const QString& name) {
    if (m_depth++ > 0) return;
    m_open = Step{name, {}};
}

void ChangeJournal::endStep() {
    if (--m_depth > 0) return;
    Step step = std::move(m_open);
    m_open = Step{};
    if (step.files.empty()) return; // nothing was written
    for (FileChanges& f : step.files)
        settle(f);
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
    keepWithinLimit();
    emit changed();
}

void ChangeJournal::keepWithinLimit() {
    qint64 total = 0;
    for (const Step& s : m_steps)
        total += s.bytes();
    std::size_t drop = 0;
    while (total > kMaxBytes && drop + 1 < m_steps.size())
        total -= m_steps[drop++].bytes();
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
    m_done -= std::min(m_done, drop);
}

ChangeJournal::Piece ChangeJournal::Piece::of(qint64 offset, qint64 size, qint64 beforeSize,
                                              const char* before, const char* after) {
    // The runs where the bytes differ; a run ends where as many bytes agree as its header takes.
    struct Run {
        quint32 at, size;
    };
    // A record written usually differs in a field or two: the runs are kept on the stack.
    QVarLengthArray<Run, 16> runs;
    qint64 extra = 0;
    auto word = [](const char* p) {
        quint64 w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    for (qint64 b = 0; b < beforeSize;) {
        while (b + 8 <= beforeSize && word(before + b) == word(after + b)) // the same, mostly
            b += 8;
        if (b >= beforeSize) break;
        if (before[b] == after[b]) {
            ++b;
            continue;
        }
        qint64 end = b + 1, same = 0;
        for (qint64 k = end; k < beforeSize && same < qint64(sizeof(Run)); ++k) {
            if (before[k] == after[k]) {
                ++same;
            } else {
                same = 0;
                end = k + 1;
            }
        }
        runs.push_back(Run{quint32(b), quint32(end - b)});
        extra += qint64(sizeof(Run)) + (end - b);
        b = end;
    }
    QByteArray bytes(size + extra, Qt::Uninitialized);
    char* out = bytes.data();
    std::memcpy(out, after, static_cast<std::size_t>(size));
    out += size;
    for (const Run& run : runs) {
        std::memcpy(out, &run, sizeof run);
        std::memcpy(out + sizeof run, before + run.at, run.size);
        out += sizeof run + run.size;
    }
    return Piece{offset, size, beforeSize, std::move(bytes)};
}

void ChangeJournal::Piece::before(char* out) const {
    std::memcpy(out, after(), static_cast<std::size_t>(beforeSize));
    for (qint64 at = size; at < bytes.size();) {
        quint32 head[2];
        std::memcpy(head, bytes.constData() + at, sizeof head);
        at += qint64(sizeof head);
        std::memcpy(out + head[0], bytes.constData() + at, head[1]);
        at += head[1];
    }
}

void ChangeJournal::noteWrite(const QString& path, qint64 lengthBefore, qint64 offset,
                              const char* before, const char* after, qint64 size) {
    if (size <= 0) return;
    // The same file as the last write, mostly: its path is then the same text, shared.
    auto file = std::find_if(m_open.files.begin(), m_open.files.end(), [&](const FileChanges& f) {
        return f.path.constData() == path.constData() || f.path == path;
    });
    if (file == m_open.files.end()) {
        m_open.files.push_back(FileChanges{path, lengthBefore, lengthBefore, {}});
        file = m_open.files.end() - 1;
    }
    const qint64 beforeSize = std::clamp<qint64>(lengthBefore - offset, 0, size);
    file->pieces.push_back(Piece::of(offset, size, beforeSize, before, after));
    file->lengthAfter = std::max(file->lengthAfter, offset + size);
}

// The pieces put in the order of the file, those that overlap (a record written twice in one
// step) made one: its bytes before from the first write, after from the last.
void ChangeJournal::settle(FileChanges& file) {
    std::vector<Piece>& written = file.pieces;
    std::vector<char> before;
    for (Piece& p : written) // bytes past the step's starting length were not there before
        if (p.offset + p.beforeSize > file.lengthBefore) {
            before.resize(static_cast<std::size_t>(p.beforeSize));
            p.before(before.data());
            p = Piece::of(p.offset, p.size, std::max<qint64>(0, file.lengthBefore - p.offset),
                          before.data(), p.after());
        }
    auto inOrder = [&] {
        for (std::size_t i = 1; i < written.size(); ++i)
            if (written[i].offset < written[i - 1].offset + written[i - 1].size) return false;
        return true;
    };
    if (inOrder()) return; // a scan's records, or single writes: the usual case
    std::vector<std::size_t> order(written.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return written[a].offset < written[b].offset;
    });
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < order.size();) {
        // The group of pieces that overlap one another, then put in the order written.
        std::size_t j = i + 1;
        qint64 end = written[order[i]].offset + written[order[i]].size;
        while (j < order.size() && written[order[j]].offset < end) {
            end = std::max(end, written[order[j]].offset + written[order[j]].size);
            ++j;
        }
        if (j == i + 1) {
            pieces.push_back(std::move(written[order[i]]));
            i = j;
            continue;
        }
        std::vector<std::size_t> group(order.begin() + std::ptrdiff_t(i),
                                       order.begin() + std::ptrdiff_t(j));
        std::sort(group.begin(), group.end());
        const qint64 start = written[order[i]].offset;
        const qint64 beforeSize = std::clamp<qint64>(file.lengthBefore - start, 0, end - start);
        std::vector<char> first(static_cast<std::size_t>(beforeSize)),
            last(std::size_t(end - start));
        std::vector<bool> known(first.size(), false);
        for (const std::size_t k : group) {
            const Piece& p = written[k];
            const qint64 from = p.offset - start;
            before.resize(static_cast<std::size_t>(p.beforeSize));
            p.before(before.data());
            for (qint64 b = 0; b < p.beforeSize; ++b) {
                if (known[std::size_t(from + b)]) continue;
                known[std::size_t(from + b)] = true;
                first[std::size_t(from + b)] = before[std::size_t(b)];
            }
            std::memcpy(last.data() + from, p.after(), static_cast<std::size_t>(p.size));
        }
        pieces.push_back(Piece::of(start, end - start, beforeSize, first.data(), last.data()));
        i = j;
    }
    written = std::move(pieces);
}

ChangeJournal::Outcome ChangeJournal::undo() {
    if (!canUndo()) return Outcome::Done;
    const Outcome outcome = apply(m_steps[m_done - 1], Direction::Back);
    if (outcome == Outcome::Done) --m_done;
    emit changed();
    return outcome;
}

ChangeJournal::Outcome ChangeJournal::redo() {
    if (!canRedo()) return Outcome::Done;
    const Outcome outcome = apply(m_steps[m_done], Direction::Forward);
    if (outcome == Outcome::Done) ++m_done;
    emit changed();
    return outcome;
}

// Undoes (Back) or redoes (Forward) a step: every file checked first, then every file
// written and made durable once. Any failure, or a file not as the step expects, clears the
// history: what it holds may no longer fit the files.
ChangeJournal::Outcome ChangeJournal::apply(Step& step, Direction direction) {
    const bool back = direction == Direction::Back;
    auto windowsOf = [](const FileChanges& f) {
        std::vector<Window> windows;
        for (std::size_t i = 0; i < f.pieces.size(); ++i) {
            const Piece& p = f.pieces[i];
            Window* w = windows.empty() ? nullptr : &windows.back();
            // Joined when the bytes between lie within the file either way round.
            if (w && p.offset - w->end <= kJoinGapBytes && p.offset <= f.lengthBefore &&
                p.offset + p.size - w->start <= kWindowBytes) {
                w->last = i + 1;
                w->end = std::max(w->end, p.offset + p.size);
            } else {
                windows.push_back(Window{i, i + 1, p.offset, p.offset + p.size});
            }
        }
        return windows;
    };
    std::vector<char> buf, before;
    auto readWindow = [&](const RecordFile& file, const Window& w) {
        buf.assign(static_cast<std::size_t>(w.end - w.start), '\0');
        file.readBytes(w.start, buf.data(), w.end - w.start);
    };
    try {
        for (const FileChanges& f : step.files) {
            if (!fileExists(f.path)) return clear(), Outcome::ChangedElsewhere;
            const RecordFile file(f.path, 1, nullptr, RecordFile::Access::Existing);
            if (file.length() != (back ? f.lengthAfter : f.lengthBefore))
                return clear(), Outcome::ChangedElsewhere;
            for (const Window& w : windowsOf(f)) {
                readWindow(file, w);
                for (std::size_t i = w.first; i < w.last; ++i) {
                    const Piece& p = f.pieces[i];
                    const char* expected = p.after();
                    if (!back) {
                        before.resize(static_cast<std::size_t>(p.beforeSize));
                        p.before(before.data());
                        expected = before.data();
                    }
                    const qint64 size = back ? p.size : p.beforeSize;
                    if (std::memcmp(buf.data() + (p.offset - w.start), expected,
                                    static_cast<std::size_t>(size)) != 0)
                        return clear(), Outcome::ChangedElsewhere;
                }
            }
        }
        for (const FileChanges& f : step.files) {
            RecordFile file(f.path, 1, nullptr, RecordFile::Access::ReadWrite);
            const qint64 length = back ? f.lengthBefore : f.lengthAfter;
            for (const Window& w : windowsOf(f)) {
                readWindow(file, w);
                for (std::size_t i = w.first; i < w.last; ++i) {
                    const Piece& p = f.pieces[i];
                    char* at = buf.data() + (p.offset - w.start);
                    if (back)
                        p.before(at);
                    else
                        std::memcpy(at, p.after(), static_cast<std::size_t>(p.size));
                }
                const qint64 size = std::min(w.end, length) - w.start;
                if (size > 0) file.writeBytes(w.start, buf.data(), size);
            }
            if (back && f.lengthAfter > f.lengthBefore) file.truncate(f.lengthBefore);
            file.close();
        }
    } catch (...) {
        clear();
        throw;
    }
    return Outcome::Done;
}

JournalStep::JournalStep(const Context& ctx, const QString& name) : m_journal(ctx.journal) {
    if (m_journal) m_journal->beginStep(name);
}

JournalStep::~JournalStep() {
    if (m_journal) m_journal->endStep();
}

} // namespace cw
