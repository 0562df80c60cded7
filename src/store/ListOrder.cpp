#include "store/ListOrder.h"

#include "core/CodePage.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace cw {
namespace {

// For each byte, the rank of its case-folded character among those of all 256 bytes; the
// ranks order bytes as listSortKey orders their characters. Empty where some character folds
// into more than one, which would need the texts themselves.
struct Ranks {
    std::array<unsigned char, 256> rank{};
    bool usable = true;
    Ranks() {
        std::array<char16_t, 256> folded{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString f = listSortKey(fromCp1252(&byte, 1));
            if (f.size() != 1) usable = false;
            folded[static_cast<std::size_t>(b)] = f.isEmpty() ? 0 : f.at(0).unicode();
        }
        std::array<char16_t, 256> sorted = folded;
        std::sort(sorted.begin(), sorted.end());
        const auto end = std::unique(sorted.begin(), sorted.end());
        for (std::size_t b = 0; b < 256; ++b)
            rank[b] = static_cast<unsigned char>(std::lower_bound(sorted.begin(), end, folded[b]) -
                                                 sorted.begin());
    }
    unsigned char of(char byte) const { return rank[static_cast<unsigned char>(byte)]; }
};

const Ranks& ranks() {
    static const Ranks table;
    return table;
}

} // namespace

void ListOrder::begin() {
    const int number = count();
    m_entries.push_back(Entry{{0, 0}, static_cast<quint32>(m_bytes.size()), 0, number});
}

void ListOrder::append(const char* bytes, int size) {
    const Ranks& r = ranks();
    const std::size_t at = m_bytes.size();
    m_bytes.append(bytes, static_cast<std::size_t>(size));
    m_ranks.resize(at + static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        m_ranks[at + static_cast<std::size_t>(i)] = static_cast<char>(r.of(bytes[i]));
    m_entries.back().size += static_cast<quint32>(size);
}

ListOrder::Piece ListOrder::piece(const QString& text) {
    Piece p{toCp1252(text), QByteArray()};
    const Ranks& r = ranks();
    p.ranks.resize(p.bytes.size());
    for (qsizetype i = 0; i < p.bytes.size(); ++i)
        p.ranks[i] = static_cast<char>(r.of(p.bytes[i]));
    return p;
}

void ListOrder::append(const Piece& piece) {
    m_bytes.append(piece.bytes.constData(), static_cast<std::size_t>(piece.bytes.size()));
    m_ranks.append(piece.ranks.constData(), static_cast<std::size_t>(piece.ranks.size()));
    m_entries.back().size += static_cast<quint32>(piece.bytes.size());
}

QString ListOrder::text(int entry) const {
    const Entry& e =
        m_entries[static_cast<std::size_t>(m_numbers.empty() ? entry : m_numbers[entry])];
    return fromCp1252(m_bytes.data() + e.offset, int(e.size));
}

std::vector<int> ListOrder::sorted() {
    if (m_numbers.empty()) { // where each entry stands, for text() once they are sorted
        m_numbers.resize(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            m_numbers[static_cast<std::size_t>(m_entries[i].number)] = static_cast<int>(i);
    }
    if (!ranks().usable) { // a character folds into more than one: sort the folded texts
        std::vector<QString> keys(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            keys[i] = listSortKey(text(static_cast<int>(i)));
        std::vector<int> order(m_entries.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
        return order;
    }
    const auto* keys = reinterpret_cast<const unsigned char*>(m_ranks.data());
    for (Entry& e : m_entries) {
        e.prefix[0] = e.prefix[1] = 0;
        for (quint32 i = 0; i < 16 && i < e.size; ++i)
            e.prefix[i / 8] |= quint64(keys[e.offset + i]) << (8 * (7 - i % 8));
    }
    // Equal texts keep the order they were gathered in, which is the order of their bytes.
    std::sort(m_entries.begin(), m_entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.prefix[0] != b.prefix[0]) return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1]) return a.prefix[1] < b.prefix[1];
        const quint32 common = std::min(a.size, b.size);
        if (common > 16) {
            if (const int c = std::memcmp(keys + a.offset + 16, keys + b.offset + 16, common - 16))
                return c < 0;
        }
        if (a.size != b.size) return a.size < b.size;
        return a.offset < b.offset;
    });
    std::vector<int> order(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        order[i] = m_entries[i].number;
        m_numbers[static_cast<std::size_t>(m_entries[i].number)] = static_cast<int>(i);
    }
    return order;
}

} // namespace cw
