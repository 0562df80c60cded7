#pragma once
// A complete program context for one test: scripted prompts, settings in memory, a recording
// program end and a fresh temporary data directory.
#include "FakePrompts.h"
#include "core/Context.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <map>
#include <ostream>

// Readable test output for byte strings and texts.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"';
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\')
            *os << c;
        else
            *os << "\\x"
                << "0123456789abcdef"[u >> 4] << "0123456789abcdef"[u & 15];
    }
    *os << "\" (" << bytes.size() << " bytes)";
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace cw::test {

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
    TestContext();
    Context ctx;
    FakePrompts prompts;
    MemorySettings settings;
    RecordingEnd end;
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.path() + '/' + name; }
    QString catFile() const { return path(QStringLiteral("ctwcat6.dat")); }
    QString srcFile() const { return path(QStringLiteral("ctwsrc6.dat")); }
};

// Whole-file helpers for byte-level checks.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// The bytes of a text field: the text padded with spaces to the width.
QByteArray padded(const QByteArray& text, int width);
// A category record and a source item record, built byte by byte.
QByteArray categoryRecord(const QByteArray& name);
struct ItemBytes {
    QByteArray item, quantity, cost, size;
    qint32 catId = 0;
    QByteArray isle, selectedYN, selectedQuantity;
};
QByteArray itemRecord(const ItemBytes& b);

} // namespace cw::test
