#include "store/ListOrder.h"

#include "core/CodePage.h"

#include <QtEndian>

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

void ListOrder::reserve(std::size_t entries, std::size_t bytes) {
    m_entries.reserve(entries);
    m_bytes.reserve(bytes);
}

void ListOrder::begin() {
    m_entries.push_back(Entry{{0, 0, 0, 0}, static_cast<quint32>(m_bytes.size()), 0});
}

void ListOrder::append(const char* bytes, int size) {
    m_bytes.append(bytes, static_cast<std::size_t>(size));
    m_entries.back().size += static_cast<quint32>(size);
}

void ListOrder::append(const Piece& piece) {
    append(piece.bytes.constData(), static_cast<int>(piece.bytes.size()));
}

ListOrder::Piece ListOrder::piece(const QString& text) {
    return Piece{toCp1252(text)};
}

QString ListOrder::text(int entry) const {
    const Entry& e = m_entries[static_cast<std::size_t>(entry)];
    return fromCp1252(m_bytes.data() + e.offset, int(e.size));
}

std::vector<int> ListOrder::sorted(std::size_t limit) {
    const Ranks& r = ranks();
    if (!r.usable) { // a character folds into more than one: sort the folded texts
        std::vector<QString> keys(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            keys[i] = listSortKey(text(static_cast<int>(i)));
        std::vector<int> order(m_entries.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
        if (order.size() > limit) order.resize(limit);
        return order;
    }
    const char* bytes = m_bytes.data();
    // Each entry's first kPrefix ranks (the first `words` words of them), as words compared as
    // numbers: the first rank the highest byte of the first word.
    auto rank = [&](Entry& e, int words) {
        unsigned char first[kPrefix] = {};
        const quint32 n = std::min(e.size, quint32(8 * words));
        for (quint32 i = 0; i < n; ++i)
            first[i] = r.of(bytes[e.offset + i]);
        for (int w = 0; w < 4; ++w) {
            quint64 word = 0;
            if (w < words) std::memcpy(&word, first + 8 * w, 8);
            e.prefix[w] = qFromBigEndian(word);
        }
    };
    std::vector<int> order;
    if (limit < m_entries.size() / 4) {
        // The first few of many: only the entries whose first word is at most that of the
        // limit-th are ranked in full and sorted; every other one comes after them.
        std::vector<quint64> firstWords(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            rank(m_entries[i], 1);
            firstWords[i] = m_entries[i].prefix[0];
        }
        std::nth_element(firstWords.begin(), firstWords.begin() + std::ptrdiff_t(limit),
                         firstWords.end());
        const quint64 last = firstWords[limit];
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].prefix[0] <= last) order.push_back(static_cast<int>(i));
        for (const int i : order)
            rank(m_entries[std::size_t(i)], 4);
    } else {
        for (Entry& e : m_entries)
            rank(e, 4);
        order.resize(m_entries.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
    }
    // The entries stay where they are; their numbers are put in order. Equal texts keep the
    // order they were gathered in, which is the order of their bytes.
    const Entry* entries = m_entries.data();
    const auto before = [&](int x, int y) {
        const Entry& a = entries[x];
        const Entry& b = entries[y];
        for (int w = 0; w < 4; ++w)
            if (a.prefix[w] != b.prefix[w]) return a.prefix[w] < b.prefix[w];
        const quint32 common = std::min(a.size, b.size);
        for (quint32 i = kPrefix; i < common; ++i) {
            const unsigned char p = r.of(bytes[a.offset + i]), q = r.of(bytes[b.offset + i]);
            if (p != q) return p < q;
        }
        if (a.size != b.size) return a.size < b.size;
        return a.offset < b.offset;
    };
    if (limit < order.size()) {
        std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(limit), order.end(),
                          before);
        order.resize(limit);
    } else {
        std::sort(order.begin(), order.end(), before);
    }
    return order;
}

} // namespace cw
