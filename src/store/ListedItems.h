#pragma once
// Items as one pass over the item file read them, for the shopping list: each one's ID and the
// part of its record that the list shows (from the description to the quantity on the list),
// kept as it was read and decoded only when a row is shown. An item whose record was not there
// to read is blank.
#include "core/Numbers.h"

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cw {

class ListedItems {
public:
    enum class Field { Aisle, Description, Size, ListQuantity, Cost };

    void clear();
    void reserve(std::size_t items);
    // An item and the part of its record kept.
    void add(qint32 id, const char* record);
    void addBlank(qint32 id);
    void addCopy(const ListedItems& other, int index);

    int count() const { return static_cast<int>(m_ids.size()); }
    qint32 id(int index) const { return m_ids[static_cast<std::size_t>(index)]; }
    qint32 categoryId(int index) const;
    // Whether the item is on the shopping list: its list mark is "Y".
    bool onList(int index) const;
    // A field's bytes without its blanks, and the same decoded.
    std::pair<const char*, int> bytes(int index, Field field) const;
    QString text(int index, Field field) const;
    // Asks for an item to be brought into the cache ahead of a read.
    void prefetch(int index) const;

    // The leading numbers of the item's cost and of its quantity on the list. Throw
    // Failure("Overflow") for a number past a double's range.
    double cost(int index) const;
    double quantity(int index) const;
    // What the item costs on the list: its cost times its quantity, to four decimals. Throws
    // Failure("Overflow") past the money range.
    Money lineCost(int index) const;
    // The sum of every item's line cost, in the order they were added; nothing when a cost or
    // the sum is past the money range.
    std::optional<Money> total() const;

private:
    static constexpr std::size_t kSpan =
        185; // the record's first bytes, up to the quantity on the list
    const char* record(int index) const {
        return m_records.data() + static_cast<std::size_t>(index) * kSpan;
    }
    // Where the aisle's and the description's texts lie inside their padding, found once as
    // the item is added (the sort keys are made of them); the other fields are trimmed when
    // read.
    static constexpr int kTrimmedFields = 2;
    struct Trimmed {
        quint8 begin[kTrimmedFields], size[kTrimmedFields];
    };
    std::vector<qint32> m_ids;
    std::vector<Trimmed> m_trimmed;
    std::string m_records; // kSpan bytes for each item, one after the other
};

} // namespace cw
