#pragma once
// Items as one pass over the item file read them, for the shopping list: each one's ID, its
// category and the fields the list shows, kept as the record's trimmed bytes and decoded only
// when a row is shown. An item whose record was not there to read has blank fields.
#include "core/Numbers.h"

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cw {

class ListedItems {
public:
    enum class Field { Aisle, Description, Size, ListQuantity, Cost };

    void clear();
    void reserve(std::size_t items, std::size_t textBytes);
    // An item and its fields from its record.
    void add(qint32 id, const char* record);
    void addBlank(qint32 id);
    void addCopy(const ListedItems& other, int index);

    int count() const { return static_cast<int>(m_entries.size()); }
    qint32 id(int index) const { return m_entries[static_cast<std::size_t>(index)].id; }
    qint32 categoryId(int index) const;
    std::pair<const char*, int> bytes(int index, Field field) const;
    QString text(int index, Field field) const;

    // What the item costs on the list: the leading number of its cost times that of its
    // quantity on the list, to four decimals. Throws Failure("Overflow") past the money range.
    Money lineCost(int index) const;
    // The sum of every item's line cost, in the order they were added; nothing when a cost or
    // the sum is past the money range.
    std::optional<Money> total() const;

private:
    static constexpr int kFields = 5;
    struct Entry {
        qint32 id;
        qint32 categoryId;
        quint32 at; // where the fields' bytes begin in m_bytes, one after the other
        std::array<quint8, kFields> sizes;
    };
    std::vector<Entry> m_entries;
    std::string m_bytes;
};

} // namespace cw
