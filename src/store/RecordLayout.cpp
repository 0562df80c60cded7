#include "store/RecordLayout.h"

#include "core/CodePage.h"

#include <array>
#include <cstring>

namespace cw {

QString TextField::read(const char* record) const {
    const auto [bytes, size] = trimmedBytes(record);
    return fromCp1252(bytes, size);
}

void TextField::write(char* record, const QString& value) const {
    const QByteArray bytes = toCp1252(value);
    const int n = std::min<int>(bytes.size(), width);
    std::memcpy(record + offset, bytes.constData(), n);
    std::memset(record + offset + n, ' ', width - n);
}

bool TextField::isBlank(const char* record) const {
    for (int i = offset; i < offset + width; ++i)
        if (record[i] != ' ') return false;
    return true;
}

const char* CategoryLayout::blank() {
    static const std::array<char, kLength> b = [] {
        std::array<char, kLength> a;
        a.fill(' ');
        return a;
    }();
    return b.data();
}

const char* ItemLayout::blank() {
    static const std::array<char, kLength> b = [] {
        std::array<char, kLength> a;
        a.fill(' ');
        std::memset(a.data() + kCategoryIdOffset, 0, 4);
        return a;
    }();
    return b.data();
}

qint32 ItemLayout::categoryId(const char* record) {
    const auto* p = reinterpret_cast<const unsigned char*>(record + kCategoryIdOffset);
    return static_cast<qint32>(static_cast<quint32>(p[0]) | static_cast<quint32>(p[1]) << 8 |
                               static_cast<quint32>(p[2]) << 16 | static_cast<quint32>(p[3]) << 24);
}

void ItemLayout::setCategoryId(char* record, qint32 id) {
    const auto v = static_cast<quint32>(id);
    for (int i = 0; i < 4; ++i)
        record[kCategoryIdOffset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace cw
