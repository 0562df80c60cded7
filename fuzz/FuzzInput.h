#pragma once
// The fuzz inputs' format, simple enough to write seeds by hand: a 16-bit little-endian
// length and that many bytes for each file, then the rest as commands. Reading past the end
// gives zeros and empty parts, so every input is valid.
#include "core/Context.h"
#include "core/Prompts.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace cw::fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_at >= m_size; }
    unsigned byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    unsigned word() { return byte() | byte() << 8; }
    QByteArray part() { // a length, then the bytes
        const size_t n = std::min<size_t>(word(), m_size - std::min(m_at, m_size));
        const QByteArray bytes(reinterpret_cast<const char*>(m_data + m_at), qsizetype(n));
        m_at += n;
        return bytes;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Boxes answer Yes and OK at once; nothing is kept and the program never ends.
struct Quiet : Prompts, Settings, ProgramEnd {
    MsgAnswer message(const QString&, MsgButtons b, MsgIcon, const QString&) override {
        return b == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    QString get(const QString&, const QString& d) const override { return d; }
    void save(const QString&, const QString&) override {}
    void flush() override {}
    void endNow() override {}
};

// A context on a fresh data directory in memory-backed storage where there is one.
struct Scene {
    Scene() : dir(QFile::exists("/dev/shm") ? "/dev/shm/cartwise-fuzz-XXXXXX" : QString()) {
        ctx.prompts = &quiet;
        ctx.settings = &quiet;
        ctx.programEnd = &quiet;
        ctx.dataDir = dir.path();
    }
    void put(const char* name, const QByteArray& bytes) {
        QFile f(ctx.dataPath(QString::fromLatin1(name)));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    QTemporaryDir dir;
    Quiet quiet;
    Context ctx;
};

} // namespace cw::fuzz
