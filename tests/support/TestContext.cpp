#include "TestContext.h"

#include <QFile>
#include <gtest/gtest.h>

namespace cw::test {

TestContext::TestContext() {
    EXPECT_TRUE(dir.isValid());
    ctx.prompts = &prompts;
    ctx.settings = &settings;
    ctx.programEnd = &end;
    ctx.dataDir = dir.path();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray padded(const QByteArray& text, int width) {
    QByteArray out = text.left(width);
    out.append(QByteArray(width - out.size(), ' '));
    return out;
}

QByteArray categoryRecord(const QByteArray& name) {
    return padded(name, 50);
}

QByteArray itemRecord(const ItemBytes& b) {
    QByteArray r;
    r += padded(b.item, 50);
    r += padded(b.quantity, 10);
    r += padded(b.cost, 10);
    r += padded(b.size, 50);
    const auto v = static_cast<quint32>(b.catId);
    for (int i = 0; i < 4; ++i)
        r += static_cast<char>((v >> (8 * i)) & 0xFF);
    r += padded(b.isle, 50);
    r += padded(b.selectedYN, 1);
    r += padded(b.selectedQuantity, 10);
    r += padded(QByteArray(), 50);
    return r;
}

} // namespace cw::test
