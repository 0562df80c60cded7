#pragma once
// The order of a list's entries gathered during a scan: ascending by text without regard to
// case, equal texts in the order gathered. It is worked out on the texts' Windows-1252 bytes,
// each byte standing for the rank of its case-folded character (the first 32 of them kept as
// four words), so no text is decoded or folded to be sorted.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace cw {

class ListOrder {
public:
    // Room for this many entries and bytes of their texts, made at once.
    void reserve(std::size_t entries, std::size_t bytes);
    // Starts the next entry (they are numbered 0, 1, ...); pieces are appended to it.
    void begin();
    void append(const char* bytes, int size);
    void append(char byte) { append(&byte, 1); }
    // A piece that comes back often (a category name), encoded once.
    struct Piece {
        QByteArray bytes;
    };
    static Piece piece(const QString& text);
    void append(const Piece& piece);

    int count() const { return static_cast<int>(m_entries.size()); }
    // The entries' numbers in list order; only the first `limit` of them when asked.
    std::vector<int> sorted(std::size_t limit = SIZE_MAX);
    // An entry's text, decoded.
    QString text(int entry) const;

private:
    static constexpr quint32 kPrefix = 32; // ranks compared as four words
    struct Entry {
        quint64 prefix[4]; // the first 32 ranks, the first the highest
        quint32 offset, size;
    };
    std::string m_bytes;          // the texts, one after the other
    std::vector<Entry> m_entries; // in the order begun
};

// The comparison key of a list entry's text: letter case does not count.
inline QString listSortKey(const QString& text) {
    return text.toCaseFolded();
}

} // namespace cw
