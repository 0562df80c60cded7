#pragma once
// List entries gathered from records during a scan and handed to a ListTarget in its own
// order in one go: case-folded text, equal texts in the order gathered. The order is worked out
// on the texts' Windows-1252 bytes, each byte standing for the rank of its case-folded
// character, so no text is decoded or folded until it goes into the list, and a list fed in
// order has nothing left to sort.
#include "store/ListTarget.h"

#include <QByteArray>
#include <string>
#include <vector>

namespace cw {

class ListOrder {
public:
    // Starts an entry's text; pieces are appended to the entry begun last.
    void begin(qint32 itemData);
    void append(const char* bytes, int size);
    void append(char byte) { append(&byte, 1); }
    // A piece that comes back often (a category name), its ranks worked out once.
    struct Piece {
        QByteArray bytes, ranks;
    };
    static Piece piece(const QString& text);
    void append(const Piece& piece);
    // Puts the entries into the empty `list`, in its order.
    void fill(ListTarget& list);

private:
    struct Entry {
        quint64 prefix[2]; // the first sixteen ranks, the first the highest
        quint32 offset, size;
        qint32 itemData;
    };
    std::string m_bytes; // the texts, one after the other
    std::string m_ranks; // for each byte of m_bytes, the rank of its folded character
    std::vector<Entry> m_entries;
};

} // namespace cw
