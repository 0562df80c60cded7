#pragma once
// A complete program context for one test: scripted prompts, settings in memory, a recording
// program end and a fresh temporary data directory; and the helpers the tests share for files,
// records, lists and failures.
#include "core/Failure.h"
#include "core/Prompts.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"
#include "store/CategoryStore.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"
#include "widgets/WaitCursor.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>
#include <variant>

// Readable test output for byte strings and texts.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toPercentEncoding(" !#$&'()*+,/:;<=>?@[]^`{|}").toStdString() << "\" ("
        << bytes.size() << " bytes)";
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace cw::test {

struct Box {
    enum Kind { Message, Input, Save } kind;
    QString text, caption; // the message text or input prompt, the caption
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

// Scripted prompts: every box shown is recorded; Yes/No questions and input boxes take their
// answers from a queue, and a box with no answer of its kind queued fails the test, as does an
// answer left unused. OK boxes need no answer.
class FakePrompts : public Prompts {
public:
    ~FakePrompts() override { EXPECT_TRUE(m_answers.empty()) << "an answer was not asked for"; }
    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                      const QString& caption) override {
        show({Box::Message, text, caption, buttons, icon});
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : next(MsgAnswer::No);
    }
    QString input(const QString& prompt, const QString& caption, const QString&) override {
        show({Box::Input, prompt, caption});
        return next(QString());
    }
    // The save dialog takes an input answer: the path, or "" for Cancel. The prompt recorded is
    // the suggested path; the file type stays as shown unless `saveType` names another.
    QString saveFile(const QString& caption, const QString& suggested, const QStringList& types,
                     QString& chosen) override {
        show({Box::Save, suggested, caption});
        shownTypes = types;
        if (!saveType.isEmpty()) chosen = saveType;
        return next(QString());
    }
    QStringList shownTypes;
    QString saveType;
    void answerYes() { m_answers.emplace_back(MsgAnswer::Yes); }
    void answerNo() { m_answers.emplace_back(MsgAnswer::No); }
    void answerInput(const QString& text) { m_answers.emplace_back(text); }
    // Texts of the message boxes shown, in order.
    std::vector<QString> messages() const {
        std::vector<QString> out;
        for (const Box& b : boxes)
            if (b.kind == Box::Message) out.push_back(b.text);
        return out;
    }
    void clear() { boxes.clear(); }

    std::vector<Box> boxes;
    // Runs as a box is shown (to check the program's state at that moment).
    std::function<void(const Box&)> onShow;

private:
    void show(const Box& b) {
        boxes.push_back(b);
        if (onShow) onShow(b);
    }
    template <class T> T next(T otherwise) {
        if (m_answers.empty() || !std::holds_alternative<T>(m_answers.front())) {
            ADD_FAILURE() << "unexpected box: " << boxes.back().text.toStdString();
            return otherwise;
        }
        otherwise = std::get<T>(m_answers.front());
        m_answers.pop_front();
        return otherwise;
    }
    std::deque<std::variant<MsgAnswer, QString>> m_answers;
};

class MemorySettings : public Settings {
public:
    QString get(const QString& key, const QString& defaultValue) const override {
        auto it = values.find(key);
        return it == values.end() ? defaultValue : it->second;
    }
    void save(const QString& key, const QString& value) override { values[key] = value; }
    void flush() override {}
    std::map<QString, QString> values;
};

class RecordingEnd : public ProgramEnd {
public:
    void endNow() override { ++calls; }
    int calls = 0;
};

class TestContext {
public:
    TestContext() {
        EXPECT_TRUE(dir.isValid());
        ctx.prompts = &prompts;
        ctx.settings = &settings;
        ctx.programEnd = &end;
        ctx.busy = &waitCursor;
        ctx.journal = &journal;
        ctx.dataDir = dir.path();
    }
    Context ctx;
    FakePrompts prompts;
    MemorySettings settings;
    RecordingEnd end;
    WaitCursor waitCursor;
    ChangeJournal journal;
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.path() + '/' + name; }
    QString catFile() const { return path(QStringLiteral("ctwcat6.dat")); }
    QString srcFile() const { return path(QStringLiteral("ctwsrc6.dat")); }
};

// Whole-file helpers for byte-level checks.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}
// Both record files' bytes: the categories and the items.
using Files = std::pair<QByteArray, QByteArray>;
inline Files filesOf(const TestContext& t) {
    return {readFile(t.catFile()), readFile(t.srcFile())};
}
// The bytes of a text field: the text padded with spaces to the width.
inline QByteArray padded(const QByteArray& text, int width) {
    return text.left(width).leftJustified(width, ' ');
}
// A category record and a source item record, built byte by byte.
inline QByteArray categoryRecord(const QByteArray& name) {
    return padded(name, 50);
}
struct ItemBytes {
    QByteArray item, quantity, cost, size;
    qint32 catId = 0;
    QByteArray isle, selectedYN, selectedQuantity;
};
inline QByteArray itemRecord(const ItemBytes& b) {
    const auto id = static_cast<quint32>(b.catId);
    const char catId[4] = {char(id), char(id >> 8), char(id >> 16), char(id >> 24)};
    return padded(b.item, 50) + padded(b.quantity, 10) + padded(b.cost, 10) + padded(b.size, 50) +
           QByteArray(catId, 4) + padded(b.isle, 50) + padded(b.selectedYN, 1) +
           padded(b.selectedQuantity, 10) + padded({}, 50);
}
// A deleted (or never written) item record: spaces around a category ID of zero.
inline const QByteArray kBlankItem = itemRecord({});

// The shopping list's items in the order named, as "item=ID, ..." (the key of each: its
// description, or its aisle or category, a dot and its description).
inline QString sortList(Context& ctx, SortOrder order) {
    ListedItems items;
    std::vector<int> rows;
    EXPECT_TRUE(ItemStore(ctx).readList(order, items, rows));
    QStringList out;
    for (const int i : rows)
        out << items.text(i, ListedItems::Field::Description) + '=' + QString::number(items.id(i));
    return out.join(", ");
}

// The platform's description of an errno value, as the file layer reports it (in the locale's
// language and encoding).
inline QString sysError(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

template <class F> void expectFailure(F&& operation, const QString& description) {
    try {
        operation();
        ADD_FAILURE() << "no failure, expected " << description.toStdString();
    } catch (const Failure& f) {
        EXPECT_EQ(QString::fromUtf8(f.what()), description); // kept as UTF-8
    }
}

// The text of the error report for a failure met under this prefix.
inline QString errorReport(const QString& prefix, const QString& text) {
    return "An error has occured: \r\n" + prefix + "_Error: " + text + '.';
}
// Exactly one box since the last clear(): the error report with this text, information icon,
// OK only, empty caption. Clears the record.
inline void expectOneReport(FakePrompts& prompts, const QString& prefix, const QString& text) {
    ASSERT_EQ(prompts.boxes.size(), 1u) << prefix.toStdString();
    const Box& b = prompts.boxes.front();
    EXPECT_EQ(b.text + '|' + b.caption, errorReport(prefix, text) + '|');
    EXPECT_TRUE(b.kind == Box::Message && b.icon == MsgIcon::Information &&
                b.buttons == MsgButtons::Ok);
    prompts.clear();
}

// Counts the store's syncs (on any thread), failing them with EIO when asked, while it lives.
struct ObservedDurability {
    static inline std::atomic<int> syncs{0};
    static inline std::atomic<bool> syncFails{false};
    const DurabilityCalls real = durabilityCalls();
    ObservedDurability() {
        syncs = 0;
        syncFails = false;
        durabilityCalls().sync = [](int fd) {
            ++syncs;
            if (!syncFails) return ::fdatasync(fd);
            errno = EIO;
            return -1;
        };
    }
    ~ObservedDurability() { durabilityCalls() = real; }
};

} // namespace cw::test
