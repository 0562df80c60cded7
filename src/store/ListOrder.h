#pragma once
// The order of a list's entries gathered during a scan: ascending by text without regard to
// case, equal texts in the order gathered. It is worked out on the texts' Windows-1252 bytes,
// each byte standing for the rank of its case-folded character, so no text is decoded or
// folded to be sorted.
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace cw {

class ListOrder {
public:
    // Starts the next entry (they are numbered 0, 1, ...); pieces are appended to it.
    void begin();
    void append(const char* bytes, int size);
    void append(char byte) { append(&byte, 1); }
    // A piece that comes back often (a category name), its ranks worked out once.
    struct Piece {
        QByteArray bytes, ranks;
    };
    static Piece piece(const QString& text);
    void append(const Piece& piece);

    int count() const { return static_cast<int>(m_entries.size()); }
    // The entries' numbers in list order.
    std::vector<int> sorted();
    // An entry's text, decoded.
    QString text(int entry) const;

private:
    struct Entry {
        quint64 prefix[2]; // the first sixteen ranks, the first the highest
        quint32 offset, size;
        int number;
    };
    std::string m_bytes; // the texts, one after the other
    std::string m_ranks; // for each byte of m_bytes, the rank of its folded character
    std::vector<Entry> m_entries;
    std::vector<int> m_numbers; // entry number -> its place in m_entries before sorting
};

// The comparison key of a list entry's text: letter case does not count.
inline QString listSortKey(const QString& text) {
    return text.toCaseFolded();
}

} // namespace cw
